#include "writing/ui/lob2.h"
#include "writing/ui/tjpgimg.h"

#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray praiseData(const QString &name)
{
    return testing::fileBytes(testing::testDataFile(u"praise/"_s + name));
}

int coveredPieces(const TForm16 &form)
{
    int covered = 0;
    for (const QFrame *piece : form.bildteile)
        covered += piece->isVisibleTo(&form) ? 1 : 0;
    return covered;
}

} // namespace

class TestLob2 : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder() const { return dir->path() + u'/'; }
    void put(const QString &name, const QByteArray &bytes)
    {
        testing::writeBytes(dir->filePath(name), bytes);
    }

    // One picture praise; `whileShown` runs once the form is on the screen and must
    // let it close.
    void praiseOnce(TForm16 &form, QRandomGenerator &random,
                    const std::function<void()> &whileShown)
    {
        testing::answerNextDialog([&](QWidget *) { whileShown(); });
        form.zeigen(random);
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    // 4 x 4: each praise opens one piece for three seconds; the sixteenth shows the
    // whole picture for ten seconds, then "weiter"; the seventeenth covers it again.
    void sixteenPraisesOpenThePictureAndTheSeventeenthCoversItAgain()
    {
        put(u"bild.jpg"_s, praiseData(u"farbe.jpg"_s));
        TForm16 form;
        QRandomGenerator random(5);
        QVERIFY(form.init({folder(), 4, {}}, random).isEmpty());
        QCOMPARE(coveredPieces(form), 16);

        for (int praised = 1; praised <= 17; ++praised) {
            int covered = -1;
            int pause = 0;
            bool keysIgnored = false;
            bool weiter = false;
            praiseOnce(form, random, [&] {
                covered = coveredPieces(form);
                pause = form.Timer1->isActive() ? form.Timer1->interval() : 0;
                // A second Return meant for the rewrite form, or Escape, ends nothing.
                QTest::keyClick(&form, Qt::Key_Return);
                QTest::keyClick(&form, Qt::Key_Escape);
                keysIgnored = form.isVisible();
                form.Timer1Timer();
                weiter = form.isVisible() && form.Button1->isVisible();
                if (weiter)
                    QTest::keyClick(&form, Qt::Key_Return);
            });
            QCOMPARE(covered, praised <= 16 ? 16 - praised : 15);
            QCOMPARE(pause, praised == 16 ? 10000 : 3000);
            QVERIFY(keysIgnored);
            QCOMPARE(weiter, praised == 16);
            QVERIFY(!form.isVisible());
        }
    }

    // The grid is laid out over the window as it is shown, not as it was created; the
    // JPEG lies under it, decoded with the control's options.
    void gridAndPictureFillTheShownWindow()
    {
        const QByteArray jpeg = praiseData(u"farbe.jpg"_s);
        put(u"bild.jpg"_s, jpeg);
        TForm16 form;
        QRandomGenerator random(1);
        QVERIFY(form.init({folder(), 3, {}}, random).isEmpty());
        QCOMPARE(form.pictureName(), u"bild.jpg"_s);
        QCOMPARE(form.FEJpeg1->options(), jpeg::Options());
        QCOMPARE(form.FEJpeg1->image(), *jpeg::decode(jpeg, jpeg::Options()).image);

        QRect pictureArea;
        QRect shownArea;
        QList<QRect> pieces;
        bool jpegShown = false;
        praiseOnce(form, random, [&] {
            pictureArea = form.FEJpeg1->geometry();
            shownArea = form.rect();
            jpegShown = form.FEJpeg1->isVisible() && !form.Image1->isVisible();
            for (int piece = 1; piece <= praise::maxPieces; ++piece) {
                const QFrame *panel = form.bildteile[std::size_t(piece - 1)];
                if (panel->isVisible())
                    pieces << panel->geometry();
                if (panel->isVisible() || piece <= 9)
                    QCOMPARE(panel->geometry(), praise::pieceRect(3, piece, form.size()));
            }
            form.Timer1Timer();
        });
        QVERIFY(jpegShown);
        QCOMPARE(pictureArea, shownArea);
        QCOMPARE(pieces.size(), 8);
    }

    // Pictures that cannot be shown are left out and named once; with none left the
    // pieces open over the empty form. "FOTO.JPG" goes through the general reader.
    void brokenPicturesAreSkippedAndReportedOnce()
    {
        put(u"a.jpg"_s, praiseData(u"abgeschnitten.jpg"_s));
        put(u"leer.bmp"_s, QByteArray());
        QVERIFY(QDir(dir->path()).mkdir(u"x.jpg"_s));
        TForm16 form;
        QRandomGenerator random(9);
        QList<praise::PictureFailure> failures = form.init({folder(), 4, {}}, random);
        QStringList names;
        for (const praise::PictureFailure &failure : failures)
            names << failure.name;
        names.sort();
        QCOMPARE(names, (QStringList{u"a.jpg"_s, u"leer.bmp"_s}));
        QVERIFY(form.pictureName().isEmpty());
        QVERIFY(form.Image1->isHidden() && form.FEJpeg1->isHidden());

        int covered = -1;
        praiseOnce(form, random, [&] {
            covered = coveredPieces(form);
            form.Timer1Timer();
        });
        QCOMPARE(covered, 15);

        put(u"FOTO.JPG"_s, praiseData(u"farbe.jpg"_s));
        for (int again = 0; again < 3; ++again) {
            QVERIFY(form.init({folder(), 4, {}}, random).isEmpty());
            QCOMPARE(form.pictureName(), u"FOTO.JPG"_s);
            QVERIFY(!form.Image1->isHidden() && form.FEJpeg1->isHidden());
            QCOMPARE(form.Image1->image().size(), QSize(48, 32));
        }
        QStringList listed;
        for (int row = 0; row < form.ListBox1->count(); ++row)
            listed << form.ListBox1->item(row)->text();
        QCOMPARE(listed, (QStringList{u"leer.bmp"_s, u"a.jpg"_s, u"FOTO.JPG"_s}));
    }
};

QTEST_MAIN(TestLob2)
#include "tst_lob2.moc"
