#include "writing/core/jpegdecoder.h"
#include "writing/core/praisepicture.h"

#include "tests/support/files.h"
#include "tests/support/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

using Spec = testing::JpegSpec;

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(QByteArray(type + data)), crc.data());
    return chunk + crc;
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(40, 120, 220));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

// A PNG with `count` compressed texts of a megabyte each before its pixels, a few
// hundred bytes apiece in the file.
QByteArray pngWithTexts(int width, int height, int count)
{
    const QByteArray plain = png(width, height);
    const QByteArray text = "Kommentar" + QByteArray(1, '\0') + QByteArray(1, '\0') +
                            qCompress(QByteArray(1 << 20, 'a'), 9).mid(4);
    QByteArray texts;
    for (int i = 0; i < count; ++i)
        texts += pngChunk("zTXt", text);
    return plain.left(33) + texts + plain.mid(33); // after the signature and the header
}

// Signature, header, a little data and the end: what Qt's reader reads to tell the size.
QByteArray pngHeader(int width, int height, int bitDepth)
{
    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = char(bitDepth);
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1A\n") + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray(8, '\0')) + pngChunk("IEND", {});
}

// A 64 x 64 BMP of 256 colours, compressed by runs, whose runs are `runs`.
QByteArray bmpWithRuns(const QByteArray &runs)
{
    QByteArray info(40, '\0');
    qToLittleEndian(quint32(40), info.data());
    qToLittleEndian(qint32(64), info.data() + 4);
    qToLittleEndian(qint32(64), info.data() + 8);
    qToLittleEndian(quint16(1), info.data() + 12);
    qToLittleEndian(quint16(8), info.data() + 14);
    qToLittleEndian(quint32(1), info.data() + 16); // RLE8
    qToLittleEndian(quint32(runs.size()), info.data() + 20);
    QByteArray palette;
    for (int i = 0; i < 256; ++i)
        palette += QByteArray(3, char(i)) + '\0';
    QByteArray file("BM");
    QByteArray sizes(12, '\0');
    qToLittleEndian(quint32(14 + 40 + 1024 + runs.size()), sizes.data());
    qToLittleEndian(quint32(14 + 40 + 1024), sizes.data() + 8);
    return file + sizes + info + palette + runs;
}

// The classic one-pixel GIF.
const QByteArray gif = QByteArray::fromHex(
    "474946383961010001008000"
    "00ffffff00000021f90401000000002c00000000010001000002024401003b");

} // namespace

class TestPraisePicture : public QObject {
    Q_OBJECT
private slots:
    // Numbered down the columns, one pixel wider and higher, trimmed at the edges.
    void pieceRect_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QRect>("rect");
        QTest::addRow("3x3 first") << 3 << 1 << QRect(0, 0, 267, 201);
        QTest::addRow("3x3 bottom trimmed") << 3 << 3 << QRect(0, 400, 267, 200);
        QTest::addRow("3x3 right edge fits") << 3 << 9 << QRect(533, 400, 267, 200);
        QTest::addRow("4x4 fifth starts column two") << 4 << 5 << QRect(200, 0, 201, 151);
        QTest::addRow("4x4 last trimmed both ways") << 4 << 16 << QRect(600, 450, 200, 150);
    }
    void pieceRect()
    {
        QFETCH(int, grid);
        QFETCH(int, piece);
        QFETCH(QRect, rect);
        QCOMPARE(praise::pieceRect(grid, piece, QSize(800, 600)), rect);
    }

    // n praises open every piece once, the last says so; the next covers it again.
    void eachPraiseOpensOnePieceUntilThePictureIsWhole_data()
    {
        QTest::addColumn<int>("grid");
        for (int grid = 3; grid <= 5; ++grid)
            QTest::addRow("%dx%d", grid, grid) << grid;
    }
    void eachPraiseOpensOnePieceUntilThePictureIsWhole()
    {
        QFETCH(int, grid);
        QRandomGenerator random(7);
        praise::CoverGrid cover(grid);
        const int n = grid * grid;
        QSet<int> opened;
        for (int praised = 1; praised <= n; ++praised) {
            const praise::CoverGrid::Step step = cover.uncoverOne(random);
            opened.insert(step.opened);
            QCOMPARE(step.finished, praised == n);
        }
        QCOMPARE(opened.size(), n);
        QVERIFY(!cover.uncoverOne(random).finished);
        QCOMPARE(cover.coveredCount(), n - 1);
    }

    void theNextPieceIsEquallyLikelyAmongTheCovered()
    {
        QRandomGenerator random(12345);
        QList<int> counts(10, 0);
        for (int run = 0; run < 7000; ++run) {
            praise::CoverGrid cover(3);
            cover.uncoverOne(random);
            cover.uncoverOne(random);
            ++counts[cover.uncoverOne(random).opened];
        }
        for (int piece = 1; piece <= 9; ++piece) // about 778 each
            QVERIFY2(counts[piece] > 650 && counts[piece] < 910,
                     qPrintable(QString::number(counts[piece])));
    }

    void candidatesAreRegularBmpThenJpgFilesInAnyCase()
    {
        QTemporaryDir dir;
        for (const QString &name : {u"b.bmp"_s, u"A.BMP"_s, u".versteckt.bmp"_s, u"c.jpg"_s,
                                    u"FOTO.JPG"_s, u"bild.jpeg"_s, u"bmp"_s})
            testing::writeBytes(dir.filePath(name), "x");
        QVERIFY(QDir(dir.path()).mkdir(u"x.jpg"_s));
#ifdef Q_OS_UNIX
        // A pipe would block the reader for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"rohr.jpg"_s)).constData(), 0600), 0);
#endif
        QCOMPARE(
            praise::pictureCandidates(dir.path() + u'/'),
            (QStringList{u".versteckt.bmp"_s, u"A.BMP"_s, u"b.bmp"_s, u"c.jpg"_s, u"FOTO.JPG"_s}));
    }

    // A German reason for every kind of fault; a JPEG is known by its content, whatever
    // its name, and decoded within the limits.
    void unusablePictureFilesSayWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString cutShort =
            u"Die Datei ist unvollständig: sie endet, bevor das Bild zu Ende ist."_s;
        const QByteArray colour = testing::testDataBytes(u"praise/farbe.jpg"_s);
        QTest::addRow("empty .bmp") << u"x.bmp"_s << QByteArray() << u"Die Datei ist leer."_s;
        // A header only, written from the format: 60000 x 60000 pixels of 24 bits.
        QTest::addRow("header claiming 60000 x 60000")
            << u"x.bmp"_s << testing::testDataBytes(u"praise/riesig.bmp"_s)
            << u"Das Bild ist zu groß (60000 × 60000 Bildpunkte)."_s;
        QTest::addRow("larger than the file limit")
            << u"x.jpg"_s << QByteArray((1 << 20) + 1, 'x') << u"Die Datei ist größer als 1 MB."_s;
        QTest::addRow("a folder named x.jpg")
            << u"x.jpg"_s << QByteArray("<folder>") << u"Dateizugriff verweigert"_s;
        QTest::addRow("JPEG cut short, named in capitals")
            << u"FOTO.JPG"_s << testing::testDataBytes(u"praise/abgeschnitten.jpg"_s) << cutShort;
        QTest::addRow("JPEG data lost, named .bmp")
            << u"x.bmp"_s << colour.left(colour.indexOf("\xFF\xDA") + 40) + "\xFF\xD9"
            << u"Die Datei ist beschädigt."_s;
        QTest::addRow("no picture")
            << u"x.jpg"_s << QByteArray("Hallo")
            << u"Die Datei ist kein Bild in einer Form, die das Programm lesen kann."_s;
        // A stray byte after the start marker: Qt's reader would take it all the same.
        QTest::addRow("JPEG in 127 scans, a stray byte, named .bmp")
            << u"x.bmp"_s << testing::jpegInManyScans().insert(2, '\0')
            << u"Das Bild ist in zu vielen Durchgängen gespeichert (mehr als 100)."_s;
        const QByteArray sun = testing::fileBytes(testing::shippedFile(u"Sonne.bmp"_s));
        QTest::addRow("BMP missing rows") << u"x.bmp"_s << sun.left(sun.size() / 2) << cutShort;
    }
    void unusablePictureFilesSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (bytes == "<folder>")
            QVERIFY(QDir(dir.path()).mkdir(name));
        else
            testing::writeBytes(path, bytes);
        praise::PictureLimits limits;
        limits.maxFileBytes = 1 << 20;
        QString error;
        const std::optional<QByteArray> read = praise::readPictureFile(path, limits, &error);
        if (read) {
            const praise::DecodedPicture decoded =
                praise::decodePicture(*read, name, limits, jpeg::Options());
            QVERIFY(!decoded.image);
            error = decoded.reason;
        }
        QCOMPARE(error, reason);
    }

    // Every picture is decoded at no more pixels than it is shown at (a JPEG at the
    // fewest eighths that still cover the screen), or refused with its reason before it
    // costs seconds or hundreds of megabytes; what Qt reads reaches it without the chunks
    // it would read whole into memory.
    void loaderShowsEachKindAtTheSizeShownOrSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("shownAt");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("reason");
        const QString tooCostly = picture::reason(picture::Failure::TooCostly);
        QTest::addRow("baseline 4:2:0, three eighths cover")
            << u"foto.jpg"_s << testing::jpegPicture({1000, 750}) << QSize(300, 200)
            << QSize(375, 282) << QString();
        QTest::addRow("progressive grey, exactly the screen")
            << u"foto.jpg"_s
            << testing::jpegPicture({640, 480, Spec::Colour::Grey, true}) << QSize(640, 480)
            << QSize(640, 480) << QString();
        QTest::addRow("arithmetic progressive CMYK, named in capitals")
            << u"FOTO.JPG"_s
            << testing::jpegPicture({800, 600, Spec::Colour::Cmyk, true, true}) << QSize(100, 100)
            << QSize(200, 150) << QString();
        QTest::addRow("smaller than the screen")
            << u"klein.jpg"_s << testing::jpegPicture({200, 100}) << QSize(1920, 1080)
            << QSize(200, 100) << QString();
        // As 4096 x 4096 pixels each of the 30 repeated scans is a pass over 17 million
        // coefficients: more than a second of work in a file of a few kilobytes.
        QByteArray passes = testing::withLastScanRepeated(
            testing::jpegPicture({64, 64, Spec::Colour::Grey, true, true}), 30);
        passes.replace(passes.indexOf("\xFF\xCA") + 5, 4, QByteArray("\x10\x00\x10\x00", 4));
        QTest::addRow("last scan repeated 30 times")
            << u"viele.jpg"_s << passes << QSize(1920, 1080) << QSize() << tooCostly;
        QByteArray huge = testing::jpegPicture({64, 64, Spec::Colour::Cmyk, true});
        huge.replace(huge.indexOf("\xFF\xC2") + 5, 4, QByteArray("\x1B\x58\x1B\x58", 4));
        QTest::addRow("progressive CMYK 4:4:4 claiming 7000 x 7000")
            << u"foto.jpg"_s << huge << QSize(1920, 1080) << QSize() << tooCostly;
        QTest::addRow("PNG named .bmp with 400 compressed texts")
            << u"bild.bmp"_s << pngWithTexts(400, 300, 400) << QSize(200, 150) << QSize(200, 150)
            << QString();
        QTest::addRow("16-bit PNG of 6000 x 6000")
            << u"bild.bmp"_s << pngHeader(6000, 6000, 16) << QSize(1920, 1080) << QSize()
            << picture::reason(picture::Failure::TooLarge, QSize(6000, 6000));
        QTest::addRow("GIF") << u"bild.bmp"_s << gif << QSize(1920, 1080) << QSize(1, 1)
                             << QString();
        QTest::addRow("runs of one colour")
            << u"bild.bmp"_s << bmpWithRuns(QByteArray::fromHex("40070000" "0001"))
            << QSize(1920, 1080) << QSize(64, 64) << QString();
        QTest::addRow("runs holding only their end")
            << u"leer.bmp"_s << bmpWithRuns(QByteArray::fromHex("0001")) << QSize(1920, 1080)
            << QSize() << picture::reason(picture::Failure::Empty);
        QTest::addRow("a format no praise reads")
            << u"bild.bmp"_s << QByteArray("P6\n50000 50000\n255\n") << QSize(1920, 1080)
            << QSize() << picture::reason(picture::Failure::Unsupported);
    }
    void loaderShowsEachKindAtTheSizeShownOrSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, shownAt);
        QFETCH(QSize, size);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(name), bytes);
        praise::PictureJob job{dir.path() + u'/', {name}, {}, jpeg::Options()};
        job.limits.shownAt = shownAt;
        const praise::LoadedPicture loaded = praise::loadFirstPicture(job);
        QCOMPARE(loaded.image.isNull() ? QSize() : loaded.image.size(), size);
        QCOMPARE(loaded.failures.value(0).reason, reason);
        QVERIFY(loaded.image.textKeys().isEmpty());
    }

    // The start directory as shipped, pictures drawn by make_praise_pictures.
    void shippedPicturesLoad()
    {
        const QString folder = testing::shippedFile(QString()) + u'/';
        QCOMPARE(praise::pictureCandidates(folder),
                 (QStringList{u"Sonne.bmp"_s, u"Ballons.jpg"_s}));
        QString error;
        const std::optional<QImage> sun = praise::decodeOtherPicture(
            *praise::readPictureFile(folder + u"Sonne.bmp"_s, {}, &error), {}, &error);
        QVERIFY(sun && qBlue(sun->pixel(10, 10)) > 200);
        const jpeg::Result balloons =
            jpeg::decode(testing::fileBytes(folder + u"Ballons.jpg"_s), {});
        QCOMPARE(balloons.image.value_or(QImage()).size(), QSize(800, 600));
    }
};

QTEST_GUILESS_MAIN(TestPraisePicture)
#include "tst_praisepicture.moc"
