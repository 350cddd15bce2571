#include "writing/core/jpegdecoder.h"

#include "tests/support/files.h"
#include "tests/support/pictures.h"

#include <QTest>

using namespace Qt::StringLiterals;
using jpeg::Options;

Q_DECLARE_METATYPE(jpeg::Options)
Q_DECLARE_METATYPE(picture::Failure)

namespace {

QByteArray praiseData(const QString &name)
{
    return testing::testDataBytes(u"praise/"_s + name);
}

// The references were decoded by djpeg from the same files: "P6" (colour) or "P5"
// (grey), width and height, 255, each on its own line, then the samples.
QImage readNetpbm(const QString &name)
{
    const QByteArray bytes = praiseData(name);
    const QList<QByteArray> header = bytes.split('\n').mid(0, 3);
    const QList<QByteArray> size = header.value(1).split(' ');
    const int samples = header.value(0) == "P6" ? 3 : 1;
    QImage image(size.value(0).toInt(), size.value(1).toInt(), QImage::Format_RGB32);
    const auto *p =
        reinterpret_cast<const uchar *>(bytes.constData()) + header.join('\n').size() + 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x, p += samples)
            image.setPixel(x, y, qRgb(p[0], p[samples / 2], p[samples - 1]));
    }
    return image;
}

QImage decoded(const QString &name, const Options &options = {})
{
    return jpeg::decode(praiseData(name), options).image.value_or(QImage());
}

// Whether every 8 x 8 block is of one colour.
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
    // The praise's options decode as djpeg does by default: accurate integer DCT,
    // fancy upsampling, block smoothing, full size, colour.
    void matchesAReferenceDecodedTheSameWay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Options>("options");
        QTest::addColumn<QString>("reference");
        Options fast;
        fast.performance = Options::Performance::BestSpeed;
        Options buffered;
        buffered.progressiveDisplay = true;
        QTest::addRow("colour, 4:2:0") << u"farbe.jpg"_s << Options() << u"farbe.ppm"_s;
        QTest::addRow("best speed: djpeg -dct fast -nosmooth")
            << u"farbe.jpg"_s << fast << u"farbe-schnell.ppm"_s;
        QTest::addRow("grey file in colour") << u"grau.jpg"_s << Options() << u"grau.pgm"_s;
        QTest::addRow("progressive, DC only, smoothed")
            << u"grob.jpg"_s << Options() << u"grob.pgm"_s;
        QTest::addRow("progressive display") << u"grob.jpg"_s << buffered << u"grob.pgm"_s;
    }
    void matchesAReferenceDecodedTheSameWay()
    {
        QFETCH(QString, file);
        QFETCH(Options, options);
        QFETCH(QString, reference);
        const QImage image = decoded(file, options);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image, readNetpbm(reference));
    }

    void optionsShowInThePicture()
    {
        Options half;
        half.scale = Options::Scale::Half;
        QCOMPARE(decoded(u"farbe.jpg"_s, half).size(), QSize(24, 16));
        Options grey;
        grey.grayScale = true;
        QCOMPARE(decoded(u"farbe.jpg"_s, grey).format(), QImage::Format_Grayscale8);
        Options indexed;
        indexed.pixelFormat = Options::PixelFormat::Bits8;
        const QImage eightBits = decoded(u"farbe.jpg"_s, indexed);
        QCOMPARE(eightBits.format(), QImage::Format_Indexed8);
        QVERIFY(qRed(eightBits.pixel(8, 8)) > 180 && qGreen(eightBits.pixel(8, 8)) < 80);
        // A file holding only each block's mean shows its blocks unless smoothed.
        Options blocky;
        blocky.smoothing = false;
        QVERIFY(flatBlocks(decoded(u"grob.jpg"_s, blocky)));
        QVERIFY(!flatBlocks(decoded(u"grob.jpg"_s)));
    }

    // Written by ImageMagick, with Adobe's inverted inks, from the picture of farbe.jpg.
    void cmykFileShowsItsColours()
    {
        const QImage image = decoded(u"cmyk.jpg"_s);
        const QList<std::pair<QPoint, QRgb>> samples{{{8, 8}, qRgb(220, 30, 40)},
                                                     {{24, 8}, qRgb(40, 170, 60)},
                                                     {{40, 8}, qRgb(30, 60, 210)},
                                                     {{44, 28}, qRgb(255, 255, 255)}};
        for (const auto &[at, expected] : samples) {
            const QRgb got = image.pixel(at);
            QVERIFY(qAbs(qRed(got) - qRed(expected)) + qAbs(qGreen(got) - qGreen(expected)) +
                        qAbs(qBlue(got) - qBlue(expected)) <
                    90);
        }
    }

    // What libjpeg would show only in part or not at all is refused, by kind.
    void refusedFilesSayWhatKindOfFault_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxScans");
        QTest::addColumn<picture::Failure>("failure");
        using picture::Failure;
        const QByteArray colour = praiseData(u"farbe.jpg"_s);
        const qsizetype scan = colour.indexOf("\xFF\xDA");
        QTest::addRow("truncated")
            << praiseData(u"abgeschnitten.jpg"_s) << 100 << Failure::CutShort;
        QTest::addRow("cut after the header") << colour.left(scan + 2) << 100 << Failure::CutShort;
        QTest::addRow("empty") << QByteArray() << 100 << Failure::CutShort;
        QTest::addRow("data lost before an end marker")
            << colour.left(scan + 40) + "\xFF\xD9" << 100 << Failure::Damaged;
        QTest::addRow("not a JPEG") << QByteArray("BM not a jpeg") << 100 << Failure::Unsupported;
        QByteArray differential = colour;
        differential[differential.indexOf("\xFF\xC0") + 1] = '\xC5';
        QTest::addRow("differential process") << differential << 100 << Failure::Unsupported;
        // The frame header holds height and width after its length and precision.
        QByteArray huge = colour;
        huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
        QTest::addRow("60000 x 60000") << huge << 100 << Failure::TooLarge;
        const QByteArray manyScans = testing::jpegInManyScans();
        QTest::addRow("127 scans") << manyScans << 100 << Failure::TooManyScans;
        QTest::addRow("127 scans, limit 200") << manyScans << 200 << Failure::None;
    }
    void refusedFilesSayWhatKindOfFault()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxScans);
        QFETCH(picture::Failure, failure);
        jpeg::Limits limits;
        limits.maxScans = maxScans;
        const jpeg::Result result = jpeg::decode(bytes, Options(), limits);
        QCOMPARE(result.failure, failure);
        QCOMPARE(result.image.has_value(), failure == picture::Failure::None);
    }
};

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "tst_jpegdecoder.moc"
