#include "writing/core/jpegdecoder.h"

#include "tests/support/files.h"

#include <QTest>

using namespace Qt::StringLiterals;
using jpeg::Options;

Q_DECLARE_METATYPE(jpeg::Options)

namespace {

QByteArray praiseData(const char *name)
{
    return testing::fileBytes(testing::testDataFile(u"praise/"_s + QLatin1StringView(name)));
}

// The reference pictures were decoded by djpeg from the same files (P5 grey or P6
// colour, maximum 255, a plain header without comments).
QImage readNetpbm(const char *name)
{
    const QByteArray bytes = praiseData(name);
    const QList<QByteArray> header = bytes.left(20).split('\n');
    const QList<QByteArray> size = header.value(1).split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const bool colour = header.value(0) == "P6";
    const qsizetype start =
        header.value(0).size() + header.value(1).size() + header.value(2).size() + 3;
    QImage image(width, height, QImage::Format_RGB32);
    const auto *pixel = reinterpret_cast<const uchar *>(bytes.constData() + start);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pixel += colour ? 3 : 1)
            image.setPixel(x, y,
                           colour ? qRgb(pixel[0], pixel[1], pixel[2])
                                  : qRgb(pixel[0], pixel[0], pixel[0]));
    }
    return image;
}

QImage decoded(const char *name, const Options &options = {})
{
    const jpeg::Result result = jpeg::decode(praiseData(name), options);
    if (!result.image)
        qWarning("%s: %s", name, qPrintable(result.error));
    return result.image.value_or(QImage());
}

// Whether every 8 x 8 block of a grey picture is of one shade.
bool flatBlocks(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(x - x % 8, y - y % 8))
                return false;
        }
    }
    return true;
}

} // namespace

class TestJpegDecoder : public QObject {
    Q_OBJECT
private slots:
    // The praise's options are the control's defaults; djpeg's defaults are the same
    // decoding (accurate integer DCT, fancy upsampling, block smoothing).
    void matchesAReferenceDecodedTheSameWay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Options>("options");
        QTest::addColumn<QString>("reference");
        Options fast;
        fast.performance = Options::Performance::BestSpeed;
        QTest::addRow("colour, 4:2:0") << u"farbe.jpg"_s << Options() << u"farbe.ppm"_s;
        QTest::addRow("colour, best speed (djpeg -dct fast -nosmooth)")
            << u"farbe.jpg"_s << fast << u"farbe-schnell.ppm"_s;
        QTest::addRow("grey file, colour output") << u"grau.jpg"_s << Options() << u"grau.pgm"_s;
        QTest::addRow("progressive, DC only, smoothed")
            << u"grob.jpg"_s << Options() << u"grob.pgm"_s;
        Options buffered;
        buffered.progressiveDisplay = true;
        QTest::addRow("progressive display gives the final picture")
            << u"grob.jpg"_s << buffered << u"grob.pgm"_s;
    }
    void matchesAReferenceDecodedTheSameWay()
    {
        QFETCH(QString, file);
        QFETCH(Options, options);
        QFETCH(QString, reference);
        const QImage image = decoded(qPrintable(file), options);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image, readNetpbm(qPrintable(reference)));
    }

    void optionsShowInThePicture()
    {
        const QImage full = decoded("farbe.jpg");
        QCOMPARE(full.size(), QSize(48, 32));
        QVERIFY(qRed(full.pixel(8, 8)) > 180 && qGreen(full.pixel(8, 8)) < 80);

        Options half;
        half.scale = Options::Scale::Half;
        QCOMPARE(decoded("farbe.jpg", half).size(), QSize(24, 16));

        Options grey;
        grey.grayScale = true;
        const QImage greyImage = decoded("farbe.jpg", grey);
        QCOMPARE(greyImage.format(), QImage::Format_Grayscale8);
        QCOMPARE(greyImage.size(), QSize(48, 32));

        Options indexed;
        indexed.pixelFormat = Options::PixelFormat::Bits8;
        const QImage eightBits = decoded("farbe.jpg", indexed);
        QCOMPARE(eightBits.format(), QImage::Format_Indexed8);
        QVERIFY(eightBits.colorCount() <= 256);
        QVERIFY(qRed(eightBits.pixel(8, 8)) > 180);

        // Without smoothing a file that holds only each block's mean shows the blocks.
        Options blocky;
        blocky.smoothing = false;
        QVERIFY(flatBlocks(decoded("grob.jpg", blocky)));
        QVERIFY(!flatBlocks(decoded("grob.jpg")));
    }

    void cmykFileShowsItsColours()
    {
        // Written by ImageMagick with Adobe's inverted inks from the picture of farbe.jpg.
        const QImage image = decoded("cmyk.jpg");
        QCOMPARE(image.size(), QSize(48, 32));
        auto near = [&](QPoint at, QRgb expected) {
            const QRgb got = image.pixel(at);
            return qAbs(qRed(got) - qRed(expected)) < 40 &&
                   qAbs(qGreen(got) - qGreen(expected)) < 40 &&
                   qAbs(qBlue(got) - qBlue(expected)) < 40;
        };
        QVERIFY(near({8, 8}, qRgb(220, 30, 40)));
        QVERIFY(near({24, 8}, qRgb(40, 170, 60)));
        QVERIFY(near({40, 8}, qRgb(30, 60, 210)));
        QVERIFY(near({44, 28}, qRgb(255, 255, 255)));
    }

    void brokenFilesFailWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray colour = praiseData("farbe.jpg");
        QTest::addRow("truncated")
            << praiseData("abgeschnitten.jpg") << u"Premature end of JPEG file"_s;
        QTest::addRow("cut after the header")
            << colour.left(colour.indexOf("\xFF\xDA") + 2) << u"Premature end of JPEG file"_s;
        QTest::addRow("empty") << QByteArray() << u"Empty input file"_s;
        QTest::addRow("not a JPEG") << QByteArray("BM\x00\x00 not a jpeg at all", 22)
                                    << u"Not a JPEG file: starts with 0x42 0x4d"_s;
        // The frame header gives height and width after its length and precision.
        QByteArray huge = colour;
        const qsizetype frame = huge.indexOf("\xFF\xC0") + 5;
        huge.replace(frame, 4, QByteArray("\xEA\x60\xEA\x60", 4)); // 60000 x 60000
        QTest::addRow("60000 x 60000")
            << huge << u"Das Bild ist zu groß (60000 × 60000 Bildpunkte)."_s;
    }
    void brokenFilesFailWithAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const jpeg::Result result = jpeg::decode(bytes, Options());
        QVERIFY(!result.image);
        QCOMPARE(result.error, message);
    }
};

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "tst_jpegdecoder.moc"
