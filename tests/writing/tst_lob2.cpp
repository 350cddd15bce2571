#include "writing/ui/lob2.h"
#include "writing/ui/tjpgimg.h"

#include "tests/support/dialogs.h"
#include "tests/support/files.h"
#include "tests/support/pictures.h"

#include <QDir>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

int coveredPieces(const TForm16 &form)
{
    int covered = 0;
    for (const QFrame *piece : form.bildteile)
        covered += piece->isVisibleTo(&form) ? 1 : 0;
    return covered;
}

// One picture praise; `whileShown` runs once the form is on the screen.
void praiseOnce(TForm16 &form, QRandomGenerator &random, const std::function<void()> &whileShown)
{
    testing::answerNextDialog([&](QWidget *) { whileShown(); });
    form.zeigen(random);
}

} // namespace

class TestLob2 : public QObject {
    Q_OBJECT
private slots:
    // 4 x 4: each praise opens one piece for three seconds, keys meant for the rewrite
    // form end nothing; the sixteenth shows the whole picture for ten seconds, then
    // "weiter"; the seventeenth covers it again. The grid lies over the window as it is
    // shown, the JPEG under it decoded with the control's options.
    void sixteenPraisesOpenThePictureAndTheSeventeenthCoversItAgain()
    {
        QTemporaryDir dir;
        const QByteArray jpeg = testing::testDataBytes(u"praise/farbe.jpg"_s);
        testing::writeBytes(dir.filePath(u"bild.jpg"_s), jpeg);
        TForm16 form;
        QRandomGenerator random(5);
        QVERIFY(form.init({dir.path() + u'/', 4, {}}, random).isEmpty());

        for (int praised = 1; praised <= 17; ++praised) {
            int covered = -1;
            int pause = 0;
            bool keysIgnored = false;
            bool weiter = false;
            praiseOnce(form, random, [&] {
                // The first praise may come before the picture is decoded.
                QTRY_VERIFY(!form.isLoading());
                for (int piece = 1; piece <= 16; ++piece)
                    QCOMPARE(form.bildteile[piece - 1]->geometry(),
                             praise::pieceRect(4, piece, form.size()));
                QCOMPARE(form.FEJpeg1->geometry(), form.rect());
                QVERIFY(form.FEJpeg1->isVisible() && !form.Image1->isVisible());
                covered = coveredPieces(form);
                pause = form.Timer1->isActive() ? form.Timer1->interval() : 0;
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
        QCOMPARE(form.FEJpeg1->image(), *jpeg::decode(jpeg, jpeg::Options()).image);
    }

    // Pictures that cannot be shown are left out and named once, at the next init, as
    // they are found while the exercise runs; with none left the pieces open over the
    // empty form. "FOTO.JPG" is shown by the general control.
    void brokenPicturesAreSkippedAndReportedOnce()
    {
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(u"a.jpg"_s),
                            testing::testDataBytes(u"praise/abgeschnitten.jpg"_s));
        testing::writeBytes(dir.filePath(u"leer.bmp"_s), QByteArray());
        testing::writeBytes(dir.filePath(u"viele.bmp"_s), testing::jpegInManyScans());
        QVERIFY(QDir(dir.path()).mkdir(u"x.jpg"_s));
        TForm16 form;
        QRandomGenerator random(9);
        const TForm16::Setup setup{dir.path() + u'/', 4, {}};
        QVERIFY(form.init(setup, random).isEmpty());
        QTRY_VERIFY(!form.isLoading());
        QStringList failed;
        for (const praise::PictureFailure &failure : form.init(setup, random))
            failed << failure.name;
        failed.sort();
        QCOMPARE(failed, (QStringList{u"a.jpg"_s, u"leer.bmp"_s, u"viele.bmp"_s}));
        QTRY_VERIFY(!form.isLoading());
        QVERIFY(form.pictureName().isEmpty() && form.Image1->isHidden() &&
                form.FEJpeg1->isHidden());
        int covered = -1;
        praiseOnce(form, random, [&] {
            covered = coveredPieces(form);
            form.Timer1Timer();
        });
        QCOMPARE(covered, 15);

        testing::writeBytes(dir.filePath(u"FOTO.JPG"_s),
                            testing::testDataBytes(u"praise/farbe.jpg"_s));
        for (int again = 0; again < 3; ++again) {
            QVERIFY(form.init(setup, random).isEmpty());
            QTRY_VERIFY(!form.isLoading());
            QCOMPARE(form.pictureName(), u"FOTO.JPG"_s);
            QVERIFY(!form.Image1->isHidden() && form.FEJpeg1->isHidden());
        }
        QCOMPARE(form.ListBox1->count(), 4);
    }

    // The teacher starts anew and leaves while a picture is still being decoded: the
    // new start shows its picture at once, and the window goes without waiting for the
    // old decoding, which is told to stop and ends on its own.
    void closingDuringASlowDecodeWaitsForNothing()
    {
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(u"bild.jpg"_s),
                            testing::testDataBytes(u"praise/farbe.jpg"_s));
        const TForm16::Setup setup{dir.path() + u'/', 3, {}};
        QRandomGenerator random(3);
        QSemaphore started;
        QSemaphore release;
        std::atomic_bool toldToStop = false;
        auto form = std::make_unique<TForm16>();
        form->setLoader([&](const praise::PictureJob &job, const std::atomic_bool *cancel) {
            started.release();
            release.acquire(); // a decoding that takes as long as the test wants
            toldToStop = cancel->load();
            return praise::loadFirstPicture(job, cancel);
        });
        form->init(setup, random);
        started.acquire();

        form->setLoader([](const praise::PictureJob &job, const std::atomic_bool *cancel) {
            return praise::loadFirstPicture(job, cancel);
        });
        form->init(setup, random);
        QTRY_VERIFY(!form->isLoading());
        QCOMPARE(form->pictureName(), u"bild.jpg"_s);

        // Were the window to wait for the first decoding, this would end the wait.
        QSemaphore closed;
        std::atomic_bool waited = false;
        std::thread watchdog([&] {
            if (!closed.tryAcquire(1, 20000)) {
                waited = true;
                release.release();
            }
        });
        form.reset();
        closed.release();
        watchdog.join();
        if (!waited)
            release.release();
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(!waited);
        QVERIFY(toldToStop);
    }
};

QTEST_MAIN(TestLob2)
#include "tst_lob2.moc"
