#include "display/core/surface.h"

#include "tests/display/pixelcount.h"

#include <QTest>

using namespace Qt::StringLiterals;
using display::Pixel;
using display::Surface;
using testing::countPixels;
using testing::filled;

namespace {

constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kRed = 0xFFFF0000u;
constexpr Pixel kGreen = 0xFF00FF00u;
constexpr Pixel kBlue = 0xFF0000FFu;

// A source whose every pixel tells where it came from: 0xFF00yyxx.
Surface numbered(int width, int height)
{
    Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            reinterpret_cast<Pixel *>(s.image().scanLine(y))[x] = 0xFF000000u | (y << 8) | x;
    return s;
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void sizesOfNothingMakeNoSurface_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("zero width") << 0 << 10;
        QTest::addRow("zero height") << 10 << 0;
        QTest::addRow("negative") << -5 << 10;
    }
    void sizesOfNothingMakeNoSurface()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        Surface s(width, height);
        QVERIFY(s.isNull());
        QVERIFY(!s.setSize(width, height));
        // Operations on no surface do nothing and do not crash.
        s.fill(kRed);
        s.fillRect(QRect(0, 0, 5, 5), kRed);
        Surface target = filled(4, 4, kBlack);
        QVERIFY(!target.copyOpaque(0, 0, s, QRect(0, 0, 1, 1)));
        target.drawClipped(0, 0, s, QRect(0, 0, 1, 1));
        QCOMPARE(countPixels(target, target.rect(), kBlack), 16);
    }

    void colorMatchGivesOpaquePixels_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<uint>("pixel");
        QTest::addRow("black") << QColor(Qt::black) << 0xFF000000u;
        QTest::addRow("red") << QColor(255, 0, 0) << 0xFFFF0000u;
        QTest::addRow("blue") << QColor(0, 0, 255) << 0xFF0000FFu;
        QTest::addRow("a mixed colour") << QColor(0x12, 0x34, 0x56) << 0xFF123456u;
        // A surface holds opaque pixels only; a translucent colour is taken as opaque.
        QTest::addRow("translucent") << QColor(10, 20, 30, 40) << 0xFF0A141Eu;
    }
    void colorMatchGivesOpaquePixels()
    {
        QFETCH(QColor, color);
        QFETCH(uint, pixel);
        QCOMPARE(Surface::colorMatch(color), Pixel(pixel));
        // The pixel, filled in, reads back as the same colour.
        Surface s = filled(2, 2, Surface::colorMatch(color));
        QCOMPARE(s.image().pixelColor(1, 1).rgb(), color.rgb());
    }

    void fillRectIsClippedToTheSurface_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("expected");
        QTest::addRow("inside") << QRect(2, 3, 4, 2) << QRect(2, 3, 4, 2);
        QTest::addRow("over the left and top edges") << QRect(-3, -2, 5, 4) << QRect(0, 0, 2, 2);
        QTest::addRow("over the right and bottom edges")
            << QRect(8, 6, 10, 10) << QRect(8, 6, 2, 2);
        QTest::addRow("whole rows") << QRect(-1, 2, 12, 3) << QRect(0, 2, 10, 3);
        QTest::addRow("wholly outside") << QRect(20, 20, 5, 5) << QRect();
        QTest::addRow("empty") << QRect(3, 3, 0, 4) << QRect();
    }
    void fillRectIsClippedToTheSurface()
    {
        QFETCH(QRect, rect);
        QFETCH(QRect, expected);
        Surface s = filled(10, 8, kBlack);
        s.fillRect(rect, kRed);
        QCOMPARE(countPixels(s, expected, kRed), expected.width() * expected.height());
        QCOMPARE(countPixels(s, s.rect(), kRed), expected.width() * expected.height());
    }

    void plainCopyPutsEveryPixelInPlace()
    {
        const Surface source = numbered(6, 5);
        Surface target = filled(20, 10, kBlack);
        QVERIFY(target.copyOpaque(7, 3, source, QRect(1, 2, 4, 3)));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(target.pixel(7 + x, 3 + y), 0xFF000000u | ((2 + y) << 8) | (1 + x));
        QCOMPARE(countPixels(target, target.rect(), kBlack), 200 - 12);
    }

    void plainCopyRefusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("sourceRect");
        QTest::addRow("over the left edge") << QPoint(-1, 0) << QRect(0, 0, 3, 3);
        QTest::addRow("over the right edge") << QPoint(8, 0) << QRect(0, 0, 3, 3);
        QTest::addRow("over the bottom edge") << QPoint(0, 8) << QRect(0, 0, 3, 3);
        QTest::addRow("over the top edge") << QPoint(0, -2) << QRect(0, 0, 3, 3);
        QTest::addRow("source rectangle beyond its surface") << QPoint(0, 0) << QRect(4, 4, 3, 3);
        QTest::addRow("empty source rectangle") << QPoint(0, 0) << QRect(0, 0, 0, 3);
    }
    void plainCopyRefusesWhatDoesNotFit()
    {
        // Without clipping a copy over an edge would write outside the pixels; it is
        // refused whole instead.
        QFETCH(QPoint, at);
        QFETCH(QRect, sourceRect);
        const Surface source = filled(6, 6, kRed);
        Surface target = filled(10, 10, kBlack);
        QVERIFY(!target.copyOpaque(at.x(), at.y(), source, sourceRect));
        QCOMPARE(countPixels(target, target.rect(), kBlack), 100);
    }

    void clippedCopyKeepsWhatLiesInside_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("clip");
        QTest::addColumn<QRect>("expected"); // the target pixels the source lands on
        QTest::addRow("wholly inside") << QPoint(2, 2) << QRect() << QRect(2, 2, 4, 3);
        QTest::addRow("cut by the left edge") << QPoint(-3, 1) << QRect() << QRect(0, 1, 1, 3);
        QTest::addRow("cut by the right edge") << QPoint(8, 1) << QRect() << QRect(8, 1, 2, 3);
        QTest::addRow("cut by top and bottom")
            << QPoint(1, -1) << QRect(0, 0, 10, 2) << QRect(1, 0, 4, 2);
        QTest::addRow("cut by a clip rectangle")
            << QPoint(2, 2) << QRect(3, 0, 2, 10) << QRect(3, 2, 2, 3);
        QTest::addRow("wholly left of the surface") << QPoint(-4, 0) << QRect() << QRect();
        QTest::addRow("wholly right of the surface") << QPoint(10, 0) << QRect() << QRect();
    }
    void clippedCopyKeepsWhatLiesInside()
    {
        QFETCH(QPoint, at);
        QFETCH(QRect, clip);
        QFETCH(QRect, expected);
        const Surface source = numbered(4, 3);
        Surface target = filled(10, 6, kBlack);
        target.drawClipped(at.x(), at.y(), source, source.rect(), clip);
        int copied = 0;
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QPoint from = QPoint(x, y) - at;
                const bool inside = expected.contains(x, y);
                const Pixel want = inside ? 0xFF000000u | (from.y() << 8) | from.x() : kBlack;
                QCOMPARE(target.pixel(x, y), want);
                copied += inside;
            }
        }
        QCOMPARE(copied, expected.width() * expected.height());
    }

    void clippedCopyFromAPartOfTheSource()
    {
        // The source rectangle's own offset must survive the clipping at the edge.
        const Surface source = numbered(8, 8);
        Surface target = filled(5, 5, kBlack);
        target.drawClipped(-2, 0, source, QRect(3, 4, 4, 2));
        QCOMPARE(target.pixel(0, 0), 0xFF000000u | (4 << 8) | 5);
        QCOMPARE(target.pixel(1, 1), 0xFF000000u | (5 << 8) | 6);
        QCOMPARE(target.pixel(2, 0), kBlack);
    }

    void copiesWithinOneSurfaceMayOverlap_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addRow("down") << QPoint(1, 2);
        QTest::addRow("up") << QPoint(1, 0);
        QTest::addRow("right") << QPoint(3, 1);
        QTest::addRow("left") << QPoint(0, 1);
    }
    void copiesWithinOneSurfaceMayOverlap()
    {
        QFETCH(QPoint, at);
        Surface s = numbered(8, 8);
        const Surface original = numbered(8, 8);
        const QRect from(1, 1, 5, 5);
        QVERIFY(s.copyOpaque(at.x(), at.y(), s, from));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                QCOMPARE(s.pixel(at.x() + x, at.y() + y), original.pixel(1 + x, 1 + y));
    }

    void aWrappedImageIsDrawnInPlace()
    {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(Qt::black);
        Surface s = Surface::wrap(image);
        QVERIFY(!s.isNull());
        s.fillRect(QRect(1, 1, 2, 2), kGreen);
        QCOMPARE(image.pixel(1, 1), kGreen);
        QCOMPARE(image.pixel(3, 3), kBlack);
    }

    void aWrappedImageWithPaddedRowsKeepsItsPadding()
    {
        // Rows two pixels longer than the image: a fill of whole rows must not run
        // into the padding.
        std::vector<Pixel> memory(8 * 3, kBlue);
        QImage image(reinterpret_cast<uchar *>(memory.data()), 6, 3, 8 * sizeof(Pixel),
                     QImage::Format_RGB32);
        Surface s = Surface::wrap(image);
        s.fill(kRed);
        for (int y = 0; y < 3; ++y) {
            QCOMPARE(memory[size_t(y * 8 + 5)], kRed);
            QCOMPARE(memory[size_t(y * 8 + 6)], kBlue);
            QCOMPARE(memory[size_t(y * 8 + 7)], kBlue);
        }
    }

    void onlyOpaqueThirtyTwoBitImagesAreWrapped()
    {
        QImage indexed(4, 4, QImage::Format_Indexed8);
        QVERIFY(Surface::wrap(indexed).isNull());
        QImage premultiplied(4, 4, QImage::Format_ARGB32_Premultiplied);
        QVERIFY(!Surface::wrap(premultiplied).isNull());
    }

    void aCopyOfASurfaceIsIndependent()
    {
        Surface a = filled(3, 3, kBlack);
        Surface b = a;
        b.fillRect(QRect(0, 0, 1, 1), kRed);
        QCOMPARE(a.pixel(0, 0), kBlack);
        QCOMPARE(b.pixel(0, 0), kRed);
    }

    void theCanvasDrawsOnTheSurface()
    {
        Surface s = filled(20, 20, kBlack);
        {
            display::Canvas canvas(s);
            canvas.fillRect(QRect(5, 5, 3, 3), QColor(Qt::white));
        }
        QCOMPARE(s.pixel(6, 6), 0xFFFFFFFFu);
        QCOMPARE(s.pixel(9, 9), kBlack);
    }

    // Each source pixel becomes a square of factor x factor; what lies outside the
    // target or the clip is cut off, wherever the picture starts.
    void enlargingByAWholeFactor_data()
    {
        QTest::addColumn<int>("factor");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("clip");
        QTest::addRow("once") << 1 << QPoint(3, 2) << QRect();
        QTest::addRow("twice") << 2 << QPoint(1, 1) << QRect();
        QTest::addRow("three times, clipped") << 3 << QPoint(0, 0) << QRect(4, 5, 7, 6);
        QTest::addRow("starting left of and above the target") << 2 << QPoint(-3, -5) << QRect();
        QTest::addRow("reaching past the target") << 4 << QPoint(10, 12) << QRect();
    }
    void enlargingByAWholeFactor()
    {
        QFETCH(int, factor);
        QFETCH(QPoint, at);
        QFETCH(QRect, clip);
        const Surface source = numbered(5, 4);
        const QRect from(1, 1, 4, 3);
        Surface target = filled(20, 20, kBlack);
        target.drawScaled(at.x(), at.y(), source, from, factor, clip);
        const QRect drawn = QRect(at, from.size() * factor)
                                .intersected(target.rect())
                                .intersected(clip.isNull() ? target.rect() : clip);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const Pixel expected = drawn.contains(x, y)
                                           ? source.pixel(from.left() + (x - at.x()) / factor,
                                                          from.top() + (y - at.y()) / factor)
                                           : kBlack;
                QCOMPARE(target.pixel(x, y), expected);
            }
        }
    }

    void enlargingByLessThanOnceDrawsNothing()
    {
        Surface target = filled(4, 4, kBlack);
        target.drawScaled(0, 0, filled(2, 2, kRed), QRect(0, 0, 2, 2), 0);
        QCOMPARE(countPixels(target, kBlack), 16);
    }

    void theErrorTextNamesTheSurface()
    {
        QCOMPARE(display::surfaceErrorText(), u"Surface cannot be made"_s);
    }
};

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
