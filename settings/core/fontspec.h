#pragma once
// A font setting as the settings dialog holds and stores it: face name, height in
// pixels, size in points, pitch, style bits and text colour, always copied as a whole.

#include "settings/core/colorvalue.h"

#include <QString>

class QFont;

namespace settings {

// Fonts are laid out as on a screen of 96 pixels per inch: a height of -80 pixels is
// 60 points, whatever the screen in front of the pupil reports.
constexpr int formPixelsPerInch = 96;

// Rounds a * b / c to the nearest whole number, halves away from zero.
int mulDiv(int a, int b, int c);

// The height in pixels of a size in points (negative: without internal leading),
// and the size in points of a height, as a font property pair keeps them in step.
int heightForSize(int points);
int sizeForHeight(int pixels);

struct FontSpec {
    enum StyleBit : quint8 { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    enum Pitch : quint8 { DefaultPitch = 0, VariablePitch = 1, FixedPitch = 2 };

    ColorValue color = 0;
    // Negative: the character height without internal leading (the em size);
    // positive: the cell height including it; 0: the platform's default size.
    int height = 0;
    QString name;
    quint8 pitch = DefaultPitch;
    int size = 0;
    quint8 style = 0;

    // A font as a form declares it: face, height in pixels, style and colour; the size
    // follows from the height.
    static FontSpec make(const QString &name, int height, quint8 style, ColorValue color);

    // Setting one of height and size sets the other to match.
    void setHeight(int pixels);
    void setSize(int points);

    bool hasStyle(StyleBit bit) const { return style & bit; }
    void setStyle(StyleBit bit, bool on);

    // The same font at another size and colour: how the gap-character panels copy
    // the display font.
    FontSpec withSizeAndColor(int points, ColorValue newColor) const;

    bool operator==(const FontSpec &) const = default;
};

// The font a label ends up with when a stored font record is assigned to it property
// by property (colour, height, name, pitch, size, style): the stored size, set after
// the height, decides the height.
FontSpec assignedFont(const FontSpec &stored);

// The font to draw with. The face name is kept as it is, so a face the platform lacks
// is replaced by the platform's substitute (Liberation Sans for Arial) at drawing time.
// A negative height is the pixel size; a positive one is fitted so that ascent plus
// descent make that height.
QFont toQFont(const FontSpec &fontValue);

// The setting for a font chosen in a font dialog. The point size decides the height.
// When the chosen face is what the previous setting's face was drawn with, the
// previous name stays, so "Arial" does not turn into its substitute on a confirm.
// A new face resets the pitch to the default.
FontSpec fromQFont(const QFont &font, ColorValue color, const FontSpec &previous);

// A font as the font dialogs preset it: the setting's size in points (or its height
// converted at 96 pixels per inch) and its face and style.
QFont toDialogFont(const FontSpec &fontValue);

} // namespace settings
