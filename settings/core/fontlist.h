#pragma once
// The font list of the font dialog: which installed faces it offers, and the small
// TrueType mark drawn before each outline font.

#include <QColor>
#include <QImage>
#include <QStringList>
#include <functional>

namespace settings {

// The entries of the font list for the installed faces: every "Default" removed,
// sorted, and, when `outlineOnly` is on, only the faces `isOutline` accepts.
QStringList fontListEntries(const QStringList &installed, bool outlineOnly,
                            const std::function<bool(const QString &)> &isOutline);

// Whether the platform draws a face from an outline font file (TrueType or OpenType)
// rather than from a bitmap font.
bool isOutlineFont(const QString &family);

// The 12 x 12 mark of an outline font: a grey T at the top left and a black T over it,
// moved 4 pixels right and 3 down, on `background`.
QImage trueTypeMark(const QColor &background);

} // namespace settings
