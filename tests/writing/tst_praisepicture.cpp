#include "writing/core/jpegdecoder.h"
#include "writing/core/praisepicture.h"

#include "tests/support/files.h"
#include "tests/support/pictures.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

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
