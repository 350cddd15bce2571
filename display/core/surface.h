#pragma once
// The drawing layer under the full-screen displays: off-screen surfaces of opaque
// 32-bit pixels with the few operations a frame needs (fill, opaque copies with and
// without clipping, colour matching) and a canvas for text.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QtGlobal>

namespace display {

// A pixel value in a surface's format (0xFFRRGGBB).
using Pixel = quint32;

// The error text when a surface cannot be made.
QString surfaceErrorText();

class Surface {
public:
    // No surface: width and height 0, every operation does nothing.
    Surface() = default;
    // A surface of w x h pixels with undefined contents. When w or h is 0 or less,
    // or the memory cannot be had, the result is no surface (isNull()).
    Surface(int width, int height);

    // A surface that draws straight into `image`'s pixels (no copy). The image must
    // outlive the surface and must be in an opaque 32-bit format (RGB32, or
    // ARGB32_Premultiplied holding only opaque pixels); otherwise the result is null.
    static Surface wrap(QImage &image);
    static bool canWrap(const QImage &image);

    bool isNull() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QRect rect() const { return m_image.rect(); }
    qsizetype byteCount() const { return m_image.sizeInBytes(); }

    // Makes this a new surface of w x h (contents undefined). False, and no surface,
    // when it cannot be made.
    bool setSize(int width, int height);

    // The pixel value of a colour in this surface's format.
    static Pixel colorMatch(const QColor &color);

    void fill(Pixel pixel);
    // Clipped to the surface.
    void fillRect(const QRect &rect, Pixel pixel);

    // Copies `sourceRect` of `source` with its top-left corner at (x, y), opaque and
    // unscaled. The plain copy does no clipping: a rectangle that does not lie wholly
    // inside both surfaces is refused (false) and nothing is copied.
    bool copyOpaque(int x, int y, const Surface &source, const QRect &sourceRect);
    // The same, clipped to this surface and to `clip` (when not null).
    void drawClipped(int x, int y, const Surface &source, const QRect &sourceRect,
                     const QRect &clip = QRect());

    // `sourceRect` of `source` enlarged `factor` times, each pixel a square of
    // factor x factor (nearest neighbour), its top-left corner at (x, y); clipped to
    // this surface and to `clip` (when not null). A factor below 1 draws nothing; the
    // source is another surface.
    void drawScaled(int x, int y, const Surface &source, const QRect &sourceRect, int factor,
                    const QRect &clip = QRect());

    Pixel pixel(int x, int y) const
    {
        return reinterpret_cast<const Pixel *>(m_image.constScanLine(y))[x];
    }

    // The pixels as an image, for a canvas or for showing the surface.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

private:
    explicit Surface(QImage image) : m_image(std::move(image)) {}
    // Copies that need no clipping any more.
    void blit(int x, int y, const Surface &source, const QRect &sourceRect);

    // Copies of a surface share its pixels until one of them is written to, as
    // images do; every writing operation therefore asks the image for its bits anew.
    QImage m_image;
};

// Text and bitmaps on a surface with the toolkit's painter; the canvas is released
// when it goes out of scope, which must happen before the surface is copied again.
class Canvas : public QPainter {
public:
    explicit Canvas(Surface &surface) : QPainter(&surface.image()) {}
};

} // namespace display
