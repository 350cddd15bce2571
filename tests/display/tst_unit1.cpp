#include "display/core/glyphset.h"
#include "display/ui/frameclock.h"
#include "display/ui/unit1.h"
#include "tests/display/modal.h"
#include "tests/display/pixelcount.h"

#include <QTest>

using namespace Qt::StringLiterals;
using display::DisplaySettings;
using testing::countPixels;
using testing::runModal;

namespace {

const QColor kBackground(0, 0, 160);
const QColor kLetter(255, 255, 0);

DisplaySettings settings(int tempo = 9, int points = 28)
{
    DisplaySettings s = DisplaySettings::defaults();
    s.font.setPointSize(points);
    s.background = kBackground;
    s.letterColor = kLetter;
    s.tempo = tempo;
    s.spacing = 0;
    return s;
}

const QString kText = u"Der Hund läuft über die Wiese und sucht seinen Ball."_s.repeated(3) +
                      QString(16, u' ') + u'#';

} // namespace

class TestUnit1 : public QObject {
    Q_OBJECT
private slots:
    // The 640 x 480 picture, enlarged and centred, in nothing but the two colours;
    // the letters only in their band, the border in the background colour.
    void thePictureFillsTheScreenInTwoColours()
    {
        TForm1 form(kText, settings());
        QCOMPARE(form.windowTitle(), u"Form1"_s);
        runModal(form, [&] {
            QVERIFY(form.isFullScreen());
            QCOMPARE(form.cursor().shape(), Qt::BlankCursor);
            QTRY_VERIFY(form.motion() && form.motion()->schritte() > 40);
            const QImage screen = form.grab().toImage();
            const display::Skalierung s = form.skalierung();
            QCOMPARE(s.bild, display::AlternativZeile::skalierungFuer(form.size()).bild);
            const int letters = countPixels(screen, kLetter.rgb());
            QVERIFY(letters > 500);
            QCOMPARE(letters + countPixels(screen, kBackground.rgb()),
                     screen.width() * screen.height());
            const int f = s.faktor;
            const QRect band(s.bild.left(), s.bild.top() + form.motion()->zeileY() * f,
                             s.bild.width(), form.glyphSet()->height() * f);
            QCOMPARE(countPixels(screen, band, kLetter.rgb()), letters);
            // Each pixel of the picture is a square of the screen.
            const display::Surface &picture = form.picture();
            for (int y = 0; y < 480; y += 7)
                for (int x = 0; x < 640; x += 5)
                    QCOMPARE(screen.pixel(s.bild.left() + x * f + f - 1, s.bild.top() + y * f),
                             picture.pixel(x, y));
            form.close();
        });
    }

    void spacePausesAndResumes()
    {
        TForm1 form(kText, settings());
        runModal(form, [&] {
            QTRY_VERIFY(form.motion() && form.motion()->schritte() > 0);
            QTest::keyClick(&form, ' ');
            QVERIFY(form.isPaused());
            QVERIFY(!form.frameClock()->isActive());
            const int schritte = form.motion()->schritte();
            // Keys act while paused.
            QTest::keyClick(&form, '4');
            QTest::qWait(150);
            QCOMPARE(form.motion()->schritte(), schritte);
            QTest::keyClick(&form, ' ');
            QVERIFY(!form.isPaused());
            QTRY_VERIFY(form.motion()->schritte() > schritte);
            QCOMPARE(form.motion()->tempo(), 4);
            form.close();
        });
    }

    void escClosesBeforeTheLettersExist()
    {
        TForm1 form(kText, settings());
        QVERIFY(runModal(form, [&] {
            QVERIFY(!form.motion());
            QTest::keyClick(&form, Qt::Key_Escape);
        }));
    }

    // The run-out of blanks glides in after the text; the end mark behind it ends the
    // display, a "#" in the text does not.
    void theDisplayEndsWhenTheEndMarkHasEntered()
    {
        TForm1 form(u"a#b"_s + QString(16, u' ') + u'#', settings(9, 4));
        const bool closedByItself = runModal(form, [] {});
        QVERIFY(closedByItself);
        QCOMPARE(form.motion()->pos(), 20);
    }
};

QTEST_MAIN(TestUnit1)
#include "tst_unit1.moc"
