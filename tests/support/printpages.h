#pragma once
// Print layouts checked on a sheet the size of the page in units, with a font whose
// every character is `charWidth` pixels wide and whose "Üg" is 20 high (lines 30 apart).

#include "exercise/core/printlayout.h"

#include <QList>
#include <QSize>
#include <QStringList>

namespace testing {

inline const QSize printSheet(800, 1100);

inline printlayout::TextMetrics printMetrics(int charWidth = 100)
{
    return {[charWidth](QStringView text) { return int(text.size()) * charWidth; }, 20};
}

// The lines across the frame at `top` and `top` + `height`.
inline QList<printlayout::PrintedLine> frameBand(int top, int height)
{
    return {{{50, top}, {750, top}}, {{50, top + height}, {750, top + height}}};
}

// The left, bottom and right edges of a frame from `top` down to `bottom`.
inline QList<printlayout::PrintedLine> frameSides(int top, int bottom)
{
    return {{{50, top}, {50, bottom}}, {{50, bottom}, {750, bottom}}, {{750, bottom}, {750, top}}};
}

// `count` words of six characters ("w00001" ...): with a blank they are 700 wide with the
// default font, so each fills a line of 680 on its own.
inline QStringList lineWords(int count)
{
    QStringList words;
    for (int n = 1; n <= count; ++n)
        words << QStringLiteral("w%1").arg(n, 5, 10, QChar(u'0'));
    return words;
}

} // namespace testing
