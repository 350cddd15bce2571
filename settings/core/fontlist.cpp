#include "settings/core/fontlist.h"

#include <QFontDatabase>
#include <QPainter>

namespace settings {
namespace {

// A line from one point towards another, the end point left out, as the desktop draws it.
void line(QImage &image, int x1, int y1, int x2, int y2, QRgb color)
{
    const int dx = (x2 > x1) - (x2 < x1);
    const int dy = (y2 > y1) - (y2 < y1);
    for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy) {
        if (image.rect().contains(x, y))
            image.setPixel(x, y, color);
    }
}

void letterT(QImage &image, int x, int y, QRgb color)
{
    line(image, x, y, x + 7, y, color);         // bar
    line(image, x + 7, y, x + 7, y + 3, color); // right serif
    line(image, x, y, x, y + 3, color);         // left serif
    line(image, x + 1, y, x + 1, y + 1, color);
    line(image, x + 6, y, x + 6, y + 1, color);
    line(image, x + 3, y, x + 3, y + 8, color); // stem
    line(image, x + 4, y, x + 4, y + 8, color);
    line(image, x + 1, y + 8, x + 6, y + 8, color); // foot
}

} // namespace

QStringList fontListEntries(const QStringList &installed, bool outlineOnly,
                            const std::function<bool(const QString &)> &isOutline)
{
    QStringList entries;
    for (const QString &name : installed) {
        if (name == u"Default")
            continue;
        if (outlineOnly && !isOutline(name))
            continue;
        entries.append(name);
    }
    entries.sort(Qt::CaseInsensitive);
    return entries;
}

bool isOutlineFont(const QString &family)
{
    return QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isBitmapScalable(family);
}

QImage trueTypeMark(const QColor &background)
{
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(background);
    letterT(image, 0, 0, qRgb(0x80, 0x80, 0x80));
    letterT(image, 4, 3, qRgb(0, 0, 0));
    return image;
}

} // namespace settings
