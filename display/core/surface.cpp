#include "display/core/surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

using namespace Qt::StringLiterals;

namespace display {

QString surfaceErrorText()
{
    return u"%1 cannot be made"_s.arg(u"Surface"_s);
}

namespace {

QImage makeImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    // QImage refuses sizes whose byte count overflows and returns a null image when
    // the memory is not there; both end up as "no surface".
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace

Surface::Surface(int width, int height) : m_image(makeImage(width, height)) {}

bool Surface::canWrap(const QImage &image)
{
    return !image.isNull() && (image.format() == QImage::Format_RGB32 ||
                               image.format() == QImage::Format_ARGB32_Premultiplied);
}

Surface Surface::wrap(QImage &image)
{
    if (!canWrap(image))
        return {};
    // An image over the same pixels: writing to it writes into `image`.
    return Surface(
        QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format()));
}

bool Surface::setSize(int width, int height)
{
    m_image = makeImage(width, height);
    return !isNull();
}

Pixel Surface::colorMatch(const QColor &color)
{
    return color.rgb() | 0xFF000000u;
}

void Surface::fill(Pixel pixel)
{
    fillRect(rect(), pixel);
}

void Surface::fillRect(const QRect &area, Pixel pixel)
{
    const QRect r = area.intersected(rect());
    if (r.isEmpty())
        return;
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    if (r.width() == width() && stride == qsizetype(width()) * 4) {
        // Whole rows of a gapless image: one run, as fast as a plain fill of memory.
        Pixel *first = reinterpret_cast<Pixel *>(bits + r.top() * stride);
        std::fill_n(first, qsizetype(r.width()) * r.height(), pixel);
        return;
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        Pixel *row = reinterpret_cast<Pixel *>(bits + y * stride) + r.left();
        std::fill_n(row, r.width(), pixel);
    }
}

void Surface::blit(int x, int y, const Surface &source, const QRect &sourceRect)
{
    if (sourceRect.isEmpty())
        return;
    uchar *bits = m_image.bits();
    const uchar *from = source.m_image.constBits();
    const bool sameImage = from == bits;
    const qsizetype stride = m_image.bytesPerLine();
    const qsizetype fromStride = source.m_image.bytesPerLine();
    const size_t rowBytes = size_t(sourceRect.width()) * sizeof(Pixel);
    const int rows = sourceRect.height();
    auto rowAt = [&](int i) {
        return std::pair{bits + (y + i) * stride + qsizetype(x) * 4,
                         from + (sourceRect.top() + i) * fromStride +
                             qsizetype(sourceRect.left()) * 4};
    };
    if (sameImage) {
        // Overlapping rectangles of one surface: copy the rows in an order that reads
        // each row before it is overwritten.
        if (y > sourceRect.top()) {
            for (int i = rows - 1; i >= 0; --i) {
                auto [dst, src] = rowAt(i);
                std::memmove(dst, src, rowBytes);
            }
        } else {
            for (int i = 0; i < rows; ++i) {
                auto [dst, src] = rowAt(i);
                std::memmove(dst, src, rowBytes);
            }
        }
        return;
    }
    for (int i = 0; i < rows; ++i) {
        auto [dst, src] = rowAt(i);
        std::memcpy(dst, src, rowBytes);
    }
}

bool Surface::copyOpaque(int x, int y, const Surface &source, const QRect &sourceRect)
{
    if (isNull() || source.isNull() || sourceRect.isEmpty())
        return false;
    if (!source.rect().contains(sourceRect))
        return false;
    if (!rect().contains(QRect(QPoint(x, y), sourceRect.size())))
        return false;
    blit(x, y, source, sourceRect);
    return true;
}

void Surface::drawClipped(int x, int y, const Surface &source, const QRect &sourceRect,
                          const QRect &clip)
{
    if (isNull() || source.isNull())
        return;
    const QRect from = sourceRect.intersected(source.rect());
    if (from.isEmpty())
        return;
    // Where the visible part of the source would land, then cut to the destination.
    const QPoint shift(x - sourceRect.left(), y - sourceRect.top());
    QRect to = from.translated(shift).intersected(rect());
    if (!clip.isNull())
        to = to.intersected(clip);
    if (to.isEmpty())
        return;
    blit(to.left(), to.top(), source, to.translated(-shift));
}

void Surface::drawScaled(int x, int y, const Surface &source, const QRect &sourceRect, int factor,
                         const QRect &clip)
{
    if (isNull() || source.isNull() || factor < 1)
        return;
    const QRect from = sourceRect.intersected(source.rect());
    if (from.isEmpty())
        return;
    const QPoint origin(x - (sourceRect.left() - from.left()) * factor,
                        y - (sourceRect.top() - from.top()) * factor);
    QRect to = QRect(origin, from.size() * factor).intersected(rect());
    if (!clip.isNull())
        to = to.intersected(clip);
    if (to.isEmpty())
        return;

    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const size_t rowBytes = size_t(to.width()) * sizeof(Pixel);
    int filledSourceRow = -1; // the source row the row above was made from
    for (int ty = to.top(); ty <= to.bottom(); ++ty) {
        const int sy = from.top() + (ty - origin.y()) / factor;
        Pixel *row = reinterpret_cast<Pixel *>(bits + ty * stride) + to.left();
        if (sy == filledSourceRow) {
            // The rows of one source row are alike: copy the one above.
            std::memcpy(row, reinterpret_cast<const uchar *>(row) - stride, rowBytes);
            continue;
        }
        filledSourceRow = sy;
        const Pixel *src = reinterpret_cast<const Pixel *>(source.m_image.constScanLine(sy));
        const int skip = (to.left() - origin.x()) % factor; // of the first source pixel
        int sx = from.left() + (to.left() - origin.x()) / factor;
        int remaining = to.width();
        // The first source pixel may be cut by the left edge of the clip ...
        if (skip > 0) {
            const int run = std::min(factor - skip, remaining);
            std::fill_n(row, run, src[sx++]);
            row += run;
            remaining -= run;
        }
        // ... then whole squares, the commonest factors spelt out for speed ...
        const int whole = remaining / factor;
        if (factor == 1) {
            std::memcpy(row, src + sx, size_t(whole) * sizeof(Pixel));
        } else if (factor == 2) {
            // Two pixels at a time, which the compiler turns into wide stores.
            for (int i = 0; i < whole; ++i) {
                const quint64 pair = quint64(src[sx + i]) * 0x0000000100000001ull;
                std::memcpy(row + 2 * i, &pair, sizeof pair);
            }
        } else {
            for (int i = 0; i < whole; ++i)
                std::fill_n(row + i * factor, factor, src[sx + i]);
        }
        row += whole * factor;
        sx += whole;
        // ... and the last one may be cut by the right edge.
        if (remaining % factor > 0)
            std::fill_n(row, remaining % factor, src[sx]);
    }
}

} // namespace display
