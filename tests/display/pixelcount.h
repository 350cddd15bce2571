#pragma once
// The display tests check a picture by counting the pixels of one value in an area,
// never by comparing it whole (fonts differ between machines).

#include "display/core/surface.h"

#include <QImage>
#include <QRect>

namespace testing {

// How many pixels of `picture` inside `area` (clipped to the picture) have the value
// `pixel`: a QImage with QRgb values or a display::Surface with its own.
template <class Picture> int countPixels(const Picture &picture, const QRect &area, quint32 pixel)
{
    int n = 0;
    const QRect r = area.intersected(picture.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += picture.pixel(x, y) == pixel;
    return n;
}

template <class Picture> int countPixels(const Picture &picture, quint32 pixel)
{
    return countPixels(picture, picture.rect(), pixel);
}

// A surface with every pixel set to `pixel`.
inline display::Surface filled(int width, int height, display::Pixel pixel)
{
    display::Surface s(width, height);
    s.fill(pixel);
    return s;
}

} // namespace testing
