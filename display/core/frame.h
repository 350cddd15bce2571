#pragma once
// One frame of the gliding line: the background, the help line when it is on, and
// the glyphs the motion has placed, composed onto a surface part by part, so that a
// frame in which only the text band changed touches only the band.

#include "display/core/gleitzeile.h"
#include "display/core/surface.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <span>

namespace display {

class GlyphSet;

struct HelpLine {
    QFont font;       // the main window's help font
    QColor color;     // the letter colour
    int clientHeight; // the line stands 12 rows above the bottom
};

// The help line's text and the rectangle it covers in a client area `clientHeight` high.
QString helpLineText();
QRect helpLineRect(const QFont &font, int clientHeight);

// The rows the moving letters occupy: the full width, from `zeileY` for the glyph height.
QRect bandRect(int clientWidth, int zeileY, const GlyphSet &glyphs);

// The glyph sets of the two syllable colours, beside the one in the letter colour; the
// same font, so the same widths. Unset: every glyph in the letter colour.
struct SilbenGlyphen {
    const GlyphSet *farbe1 = nullptr;
    const GlyphSet *farbe2 = nullptr;
};

// Composes `area` of the frame (in client coordinates) onto `target`, whose pixel
// `origin` is the client area's top-left; nothing outside `area` is touched. Glyphs
// wholly inside `area` are copied plainly, those cut by its edges clipped. A glyph
// of a syllable colour comes from `silben` when it is set.
void composeFrame(Surface &target, const QRect &area, const GlyphSet &glyphs,
                  std::span<const PlacedGlyph> placed, int zeileY, const HelpLine *help = nullptr,
                  QPoint origin = QPoint(), SilbenGlyphen silben = {});

} // namespace display
