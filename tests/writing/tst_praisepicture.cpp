#include "writing/core/jpegdecoder.h"
#include "writing/core/praisepicture.h"

#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegion>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// A BMP file header and info header claiming 60000 x 60000 pixels of 24 bits, and no
// pixels behind them.
QByteArray hugeBmpHeader()
{
    QByteArray bytes;
    auto le = [&](quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(char((value >> (8 * i)) & 0xFF));
    };
    bytes.append("BM");
    le(54, 4); // file size as given
    le(0, 4);
    le(54, 4); // pixels start
    le(40, 4); // info header size
    le(60000, 4);
    le(60000, 4);
    le(1, 2);  // planes
    le(24, 2); // bits per pixel
    le(0, 4);  // no compression
    le(0, 4);
    le(2835, 4);
    le(2835, 4);
    le(0, 4);
    le(0, 4);
    return bytes;
}

QString loadFailure(const QString &path, const praise::PictureLimits &limits = {})
{
    QString error;
    const std::optional<QByteArray> bytes = praise::readPictureFile(path, limits, &error);
    if (bytes && praise::decodeOtherPicture(*bytes, limits, &error))
        return {};
    return error;
}

} // namespace

class TestPraisePicture : public QObject {
    Q_OBJECT
private slots:
    void gridSizeFromTheSetting_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("size");
        QTest::addRow("3x3") << 0 << 3;
        QTest::addRow("4x4") << 1 << 4;
        QTest::addRow("5x5") << 2 << 5;
        QTest::addRow("none chosen") << -1 << 5;
    }
    void gridSizeFromTheSetting()
    {
        QFETCH(int, item);
        QFETCH(int, size);
        QCOMPARE(praise::gridSizeForItem(item), size);
    }

    void piecesRunDownTheColumnsAndOverlapByOnePixel_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("rect");
        QTest::addRow("3x3 first") << 3 << 1 << QSize(800, 600) << QRect(0, 0, 267, 201);
        QTest::addRow("3x3 second is below")
            << 3 << 2 << QSize(800, 600) << QRect(0, 200, 267, 201);
        QTest::addRow("3x3 bottom trimmed") << 3 << 3 << QSize(800, 600) << QRect(0, 400, 267, 200);
        QTest::addRow("3x3 last, right edge fits")
            << 3 << 9 << QSize(800, 600) << QRect(533, 400, 267, 200);
        QTest::addRow("4x4 fifth starts column two")
            << 4 << 5 << QSize(800, 600) << QRect(200, 0, 201, 151);
        QTest::addRow("4x4 last trimmed both ways")
            << 4 << 16 << QSize(800, 600) << QRect(600, 450, 200, 150);
        QTest::addRow("5x5 odd client") << 5 << 25 << QSize(1023, 767) << QRect(818, 613, 205, 154);
    }
    void piecesRunDownTheColumnsAndOverlapByOnePixel()
    {
        QFETCH(int, grid);
        QFETCH(int, piece);
        QFETCH(QSize, client);
        QFETCH(QRect, rect);
        QCOMPARE(praise::pieceRect(grid, piece, client), rect);
    }

    void piecesCoverTheWholeClientAndStayInside()
    {
        for (const QSize client : {QSize(800, 600), QSize(1920, 1017), QSize(331, 257)}) {
            for (int grid = 3; grid <= 5; ++grid) {
                QRegion covered;
                for (int piece = 1; piece <= grid * grid; ++piece) {
                    const QRect rect = praise::pieceRect(grid, piece, client);
                    QVERIFY(QRect(QPoint(), client).contains(rect));
                    covered += rect;
                }
                QCOMPARE(covered, QRegion(QRect(QPoint(), client)));
            }
        }
    }

    // 4 x 4: sixteen praises open every piece once, the last one says so; the
    // seventeenth covers the picture again and opens one piece.
    void eachPraiseOpensOnePieceUntilThePictureIsWhole_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addRow("3x3") << 3;
        QTest::addRow("4x4") << 4;
        QTest::addRow("5x5") << 5;
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
            QVERIFY(step.opened >= 1 && step.opened <= n);
            QVERIFY(!opened.contains(step.opened));
            opened.insert(step.opened);
            QCOMPARE(step.finished, praised == n);
            QCOMPARE(cover.coveredCount(), n - praised);
        }
        const praise::CoverGrid::Step again = cover.uncoverOne(random);
        QVERIFY(!again.finished);
        QCOMPARE(cover.coveredCount(), n - 1);
        QVERIFY(!cover.isCovered(again.opened));
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
        // 7000 third picks over nine pieces: about 778 each.
        for (int piece = 1; piece <= 9; ++piece)
            QVERIFY2(counts[piece] > 650 && counts[piece] < 910,
                     qPrintable(QString::number(counts[piece])));
    }

    void candidatesAreRegularBmpThenJpgFilesInAnyCase()
    {
        QTemporaryDir dir;
        for (const QString &name : {u"b.bmp"_s, u"A.BMP"_s, u".versteckt.bmp"_s, u"c.jpg"_s,
                                    u"FOTO.JPG"_s, u"bild.jpeg"_s, u"bild.png"_s, u"bmp"_s})
            testing::writeBytes(dir.filePath(name), "x");
        QVERIFY(QDir(dir.path()).mkdir(u"x.jpg"_s));
        QVERIFY(QFile::link(dir.filePath(u"c.jpg"_s), dir.filePath(u"verweis.jpg"_s)));
#ifdef Q_OS_UNIX
        // A pipe would block the reader for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"rohr.jpg"_s)).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(u"rohr.jpg"_s), dir.filePath(u"zum-rohr.jpg"_s)));
#endif

        QCOMPARE(praise::pictureCandidates(dir.path() + u'/'),
                 (QStringList{u".versteckt.bmp"_s, u"A.BMP"_s, u"b.bmp"_s, u"c.jpg"_s,
                              u"FOTO.JPG"_s, u"verweis.jpg"_s}));
    }

    void onlyALowerCaseJpgGoesToTheJpegDecoder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("jpeg");
        QTest::addRow("x.jpg") << u"x.jpg"_s << true;
        QTest::addRow("FOTO.JPG") << u"FOTO.JPG"_s << false;
        QTest::addRow("x.Jpg") << u"x.Jpg"_s << false;
        QTest::addRow("x.bmp") << u"x.bmp"_s << false;
        QTest::addRow("a.bmp.jpg") << u"a.bmp.jpg"_s << true;
    }
    void onlyALowerCaseJpgGoesToTheJpegDecoder()
    {
        QFETCH(QString, name);
        QFETCH(bool, jpeg);
        QCOMPARE(praise::usesJpegDecoder(name), jpeg);
    }

    void unusablePictureFilesSayWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addRow("empty .bmp") << u"leer.bmp"_s << QByteArray() << u"Die Datei ist leer."_s;
        QTest::addRow("header claiming 60000 x 60000")
            << u"riesig.bmp"_s << hugeBmpHeader()
            << u"Das Bild ist zu groß (60000 × 60000 Bildpunkte)."_s;
        QTest::addRow("larger than the file limit")
            << u"gross.bmp"_s << QByteArray(2000, 'x') << u"Die Datei ist größer als 0 MB."_s;
        QTest::addRow("a folder named x.jpg")
            << u"x.jpg"_s << QByteArray() << u"Dateizugriff verweigert"_s;
        QTest::addRow("missing") << u"fehlt.bmp"_s << QByteArray() << u"Datei nicht gefunden"_s;
    }
    void unusablePictureFilesSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (name == u"x.jpg")
            QVERIFY(QDir(dir.path()).mkdir(name));
        else if (name != u"fehlt.bmp")
            testing::writeBytes(dir.filePath(name), bytes);
        praise::PictureLimits limits;
        limits.maxFileBytes = 1000;
        QCOMPARE(loadFailure(dir.filePath(name), limits), reason);
    }

    void brokenPicturesAreSkippedUntilOneLoads()
    {
        const QStringList candidates{u"a.jpg"_s, u"b.bmp"_s, u"gut.bmp"_s, u"c.jpg"_s};
        auto load = [](const QString &name) {
            return name == u"gut.bmp" ? QString() : u"kaputt"_s;
        };
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QRandomGenerator random(seed);
            const praise::PictureChoice choice = praise::choosePicture(candidates, random, load);
            QCOMPARE(choice.name, u"gut.bmp"_s);
            for (const praise::PictureFailure &failure : choice.failures)
                QVERIFY(failure.name != u"gut.bmp" && failure.reason == u"kaputt");
        }
        QRandomGenerator random(3);
        const praise::PictureChoice none = praise::choosePicture(
            {u"a.jpg"_s, u"b.bmp"_s}, random, [](const QString &) { return u"kaputt"_s; });
        QVERIFY(none.name.isEmpty());
        QCOMPARE(none.failures.size(), 2);
        QVERIFY(praise::failureMessage(none.failures).contains(u"„b.bmp“: kaputt"_s));
    }

    // The start directory as shipped shows both pictures, each through its reader.
    void shippedPicturesLoad()
    {
        const QString folder = testing::shippedFile(QString()) + u'/';
        QCOMPARE(praise::pictureCandidates(folder),
                 (QStringList{u"Sonne.bmp"_s, u"Ballons.jpg"_s}));
        QCOMPARE(loadFailure(folder + u"Sonne.bmp"_s), QString());
        const jpeg::Result jpg =
            jpeg::decode(testing::fileBytes(folder + u"Ballons.jpg"_s), jpeg::Options());
        QVERIFY2(jpg.image, qPrintable(jpg.error));
        QCOMPARE(jpg.image->size(), QSize(800, 600));
    }

    void theToolDrawsBothPictures()
    {
        QTemporaryDir dir;
        QProcess tool;
        tool.start(QString::fromUtf8(MAKE_PRAISE_PICTURES), {dir.path()});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QString error;
        const std::optional<QByteArray> bmp =
            praise::readPictureFile(dir.filePath(u"Sonne.bmp"_s), {}, &error);
        QVERIFY(bmp);
        const std::optional<QImage> sun = praise::decodeOtherPicture(*bmp, {}, &error);
        QVERIFY(sun && sun->size() == QSize(640, 480));
        // Sky at the top, meadow at the bottom.
        QVERIFY(qBlue(sun->pixel(10, 10)) > 200 &&
                qGreen(sun->pixel(5, 470)) > qRed(sun->pixel(5, 470)));
        QVERIFY(jpeg::decode(testing::fileBytes(dir.filePath(u"Ballons.jpg"_s)), {}).image);
    }
};

QTEST_GUILESS_MAIN(TestPraisePicture)
#include "tst_praisepicture.moc"
