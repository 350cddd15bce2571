#include "settings/core/fontspec.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace settings {
namespace {

// A stored height may be anything a file holds; a font this large already fills any
// screen, and larger ones only cost memory when drawn.
constexpr int largestPixelSize = 4000;

// Face, style bits and pitch; the size is the caller's.
QFont faceAndStyle(const FontSpec &fontValue)
{
    QFont font;
    if (!fontValue.name.isEmpty())
        font.setFamily(fontValue.name);
    font.setWeight(fontValue.hasStyle(FontSpec::Bold) ? QFont::Bold : QFont::Normal);
    font.setItalic(fontValue.hasStyle(FontSpec::Italic));
    font.setUnderline(fontValue.hasStyle(FontSpec::Underline));
    font.setStrikeOut(fontValue.hasStyle(FontSpec::StrikeOut));
    if (fontValue.pitch == FontSpec::FixedPitch) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::Monospace);
    }
    return font;
}

} // namespace

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = (long long)a * b;
    const long long half = std::llabs((long long)c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs((long long)c);
    return int(negative ? -magnitude : magnitude);
}

int heightForSize(int points)
{
    return -mulDiv(points, formPixelsPerInch, 72);
}

int sizeForHeight(int pixels)
{
    return -mulDiv(pixels, 72, formPixelsPerInch);
}

FontSpec FontSpec::make(const QString &name, int height, quint8 style, ColorValue color)
{
    FontSpec fontValue;
    fontValue.name = name;
    fontValue.setHeight(height);
    fontValue.style = style;
    fontValue.color = color;
    return fontValue;
}

void FontSpec::setHeight(int pixels)
{
    height = pixels;
    size = sizeForHeight(pixels);
}

void FontSpec::setSize(int points)
{
    size = points;
    height = heightForSize(points);
}

void FontSpec::setStyle(StyleBit bit, bool on)
{
    style = on ? quint8(style | bit) : quint8(style & ~bit);
}

FontSpec FontSpec::withSizeAndColor(int points, ColorValue newColor) const
{
    FontSpec copy = *this;
    copy.setSize(points);
    copy.color = newColor;
    return copy;
}

FontSpec assignedFont(const FontSpec &stored)
{
    FontSpec font;
    font.color = stored.color;
    font.setHeight(stored.height);
    font.name = stored.name;
    font.pitch = stored.pitch;
    font.setSize(stored.size);
    font.style = stored.style;
    return font;
}

QFont toQFont(const FontSpec &fontValue)
{
    QFont font = faceAndStyle(fontValue);
    if (fontValue.height < 0) {
        font.setPixelSize(std::min(-fontValue.height, largestPixelSize));
    } else if (fontValue.height > 0) {
        // Measure the face at a known size and scale it so that the cell fits the height.
        constexpr int probe = 100;
        font.setPixelSize(probe);
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.ascent() + metrics.descent();
        const int em =
            cell > 0 ? int(std::lround(fontValue.height * probe / cell)) : fontValue.height;
        font.setPixelSize(std::clamp(em, 1, largestPixelSize));
    }
    return font;
}

QFont toDialogFont(const FontSpec &fontValue)
{
    QFont font = faceAndStyle(fontValue);
    int points = fontValue.size;
    if (points <= 0 && fontValue.height != 0)
        points = std::abs(sizeForHeight(fontValue.height));
    if (points > 0)
        font.setPointSize(std::min(points, largestPixelSize));
    return font;
}

FontSpec fromQFont(const QFont &font, ColorValue color, const FontSpec &previous)
{
    FontSpec fontValue;
    fontValue.color = color;
    const QString family = font.family();
    const QString previousFace = QFontInfo(toQFont(previous)).family();
    if (family == previous.name || family == previousFace) {
        fontValue.name = previous.name;
        fontValue.pitch = previous.pitch;
    } else {
        fontValue.name = family;
    }
    if (font.pointSize() > 0)
        fontValue.setSize(font.pointSize());
    else if (font.pixelSize() > 0)
        fontValue.setHeight(-font.pixelSize());
    fontValue.setStyle(FontSpec::Bold, font.weight() >= QFont::Bold);
    fontValue.setStyle(FontSpec::Italic, font.italic());
    fontValue.setStyle(FontSpec::Underline, font.underline());
    fontValue.setStyle(FontSpec::StrikeOut, font.strikeOut());
    return fontValue;
}

} // namespace settings
