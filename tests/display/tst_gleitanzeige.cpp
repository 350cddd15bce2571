#include "display/core/glyphset.h"
#include "display/ui/frameclock.h"
#include "display/ui/laufunit4.h"
#include "display/ui/unit4.h"
#include "tests/display/modal.h"
#include "tests/display/pixelcount.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using display::DisplaySettings;
using display::GleitAnzeige;
using testing::countPixels;
using testing::runModal;

namespace {

const QColor kBackground(0, 0, 160);
const QColor kLetter(255, 255, 0);

DisplaySettings settings(int tempo = 3)
{
    DisplaySettings s = DisplaySettings::defaults();
    s.background = kBackground;
    s.letterColor = kLetter;
    s.tempo = tempo;
    return s;
}

// What the window system last received from the window.
QImage onScreen(QWidget &form)
{
    return form.screen()->grabWindow(form.winId()).toImage();
}

QRect bandOf(const GleitAnzeige &form)
{
    return QRect(0, form.motion()->zeileY(), form.width(), form.glyphSet()->height());
}

const QString kLongText =
    u" Der Hund läuft über die Wiese. Er sucht einen Ball! Wo ist er? "_s.repeated(4);

} // namespace

class TestGleitAnzeige : public QObject {
    Q_OBJECT
    // What the main window hands the displays: the display string, and what each of the
    // two forms keeps from one showing to the next.
    QString anzeige;
    display::CarriedState laufStand;
    display::CarriedState altStand;

private slots:
    void init()
    {
        anzeige = kLongText;
        laufStand = {};
        altStand = {};
    }

    void startsBlackAndWaitingThenShowsTheFrameRate()
    {
        TLaufForm4 form(anzeige, laufStand, settings());
        QCOMPARE(form.objectName(), u"TLaufForm4"_s);
        const bool closedByItself = runModal(form, [&] {
            QCOMPARE(form.windowTitle(), u"bitte warten.."_s);
            QVERIFY(form.isFullScreen());
            QCOMPARE(form.grab().toImage().pixel(5, 5), qRgb(0, 0, 0));
            QTRY_VERIFY_WITH_TIMEOUT(form.windowTitle().endsWith(u" fps"_s), 5000);
            static const QRegularExpression rate(u"^\\d+ fps$"_s);
            QVERIFY(rate.match(form.windowTitle()).hasMatch());
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QVERIFY(closedByItself);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.frameClock()->backend(), u"timer"_s);
    }

    void framesShowTheLetterOnTheBackground()
    {
        TLaufForm4 form(anzeige, laufStand, settings(9));
        runModal(form, [&] {
            QTRY_VERIFY(form.motion() && form.motion()->linksX() < form.width() - 200);
            const QImage screen = onScreen(form);
            const QRect band = bandOf(form);
            QCOMPARE(screen.pixel(2, 2), kBackground.rgb());
            QCOMPARE(screen.pixel(form.width() - 3, form.height() - 3), kBackground.rgb());
            QVERIFY(countPixels(screen, band, kLetter.rgb()) > 500);
            QCOMPARE(countPixels(screen, QRect(0, 0, form.width(), band.top()), kLetter.rgb()), 0);
            form.close();
        });
    }

    void theLineMovesAndOnlyTheBandIsRedrawn()
    {
        TLaufForm4 form(anzeige, laufStand, settings(5));
        runModal(form, [&] {
            QTRY_VERIFY(form.motion() && form.motion()->linksX() < form.width() - 100);
            QTest::keyClick(&form, Qt::Key_F1);
            QVERIFY(form.motion()->hilfeAn());
            const int x = form.motion()->linksX();
            QTRY_VERIFY(form.motion()->linksX() < x - 50);
            const QImage before = onScreen(form);
            const QRect band = bandOf(form);
            const int moved = form.motion()->linksX();
            QTRY_VERIFY(form.motion()->linksX() < moved - 30);
            const QImage after = onScreen(form);
            // The letters moved inside the band ...
            QVERIFY(before.copy(band) != after.copy(band));
            // ... while the help line below stayed as the full frame drew it.
            const QRect help(0, form.height() - 12, form.width(), 12);
            QVERIFY(countPixels(after, help, kBackground.rgb()) < help.width() * help.height());
            QCOMPARE(after.copy(help), before.copy(help));
            form.close();
        });
    }

    void helpLineComesAndGoesWithF1()
    {
        TLaufForm4 form(anzeige, laufStand, settings());
        runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            const QRect help(0, form.height() - 12, form.width(), 12);
            QTest::keyClick(&form, Qt::Key_F1);
            QTRY_VERIFY(countPixels(onScreen(form), help, kBackground.rgb()) <
                        help.width() * help.height());
            QTest::keyClick(&form, Qt::Key_F1);
            QVERIFY(!form.motion()->hilfeAn());
            QTRY_COMPARE(countPixels(onScreen(form), help, kBackground.rgb()),
                         help.width() * help.height());
            form.close();
        });
    }

    void closingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addRow("Esc") << int(Qt::Key_Escape) << QString();
        QTest::addRow("s") << int(Qt::Key_S) << u"s"_s;
        QTest::addRow("S") << int(Qt::Key_S) << u"S"_s;
    }
    void closingKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        TLaufForm4 form(anzeige, laufStand, settings());
        const bool closedByItself = runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(&form, &press);
        });
        QVERIFY(closedByItself);
        QVERIFY(!form.frameClock()->isActive());
    }

    void closingWithSResetsTheCursor()
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        TLaufForm4 form(anzeige, laufStand, settings());
        runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            QTest::keyClick(&form, 's');
        });
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void escClosesEvenBeforeTheLettersExist()
    {
        TLaufForm4 form(anzeige, laufStand, settings());
        const bool closedByItself = runModal(form, [&] {
            QVERIFY(!form.motion());
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QVERIFY(closedByItself);
    }

    void spacePausesAndResumes()
    {
        TLaufForm4 form(anzeige, laufStand, settings(9));
        runModal(form, [&] {
            QTRY_VERIFY(form.motion() && form.motion()->linksX() < form.width());
            QTest::keyClick(&form, ' ');
            QVERIFY(form.isPaused());
            QVERIFY(!form.frameClock()->isActive());
            const int x = form.motion()->linksX();
            QTest::qWait(150);
            QCOMPARE(form.motion()->linksX(), x);
            // Keys act while paused; the jump shows on resume.
            QTest::keyClick(&form, Qt::Key_PageDown);
            QCOMPARE(form.motion()->linksX(), form.width());
            QTest::keyClick(&form, ' ');
            QVERIFY(!form.isPaused());
            QTRY_VERIFY(form.motion()->linksX() < form.width());
            form.close();
        });
    }

    void digitKeysSetTheSpeed()
    {
        TLaufForm4 form(anzeige, laufStand, settings(3));
        runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            QCOMPARE(form.motion()->tempo(), 3);
            QTest::keyClick(&form, '7');
            QCOMPARE(form.motion()->tempo(), 7);
            QTest::keyClick(&form, '+');
            QCOMPARE(form.motion()->abstand(), 20);
            form.close();
        });
    }

    void returnMarksTheWordAtTheRightEdge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("neueUebung");
        QTest::addColumn<QString>("expected"); // empty: nothing is marked
        const QString animals = u"Hund Katze Maus Pferd Esel Kuh#"_s;
        QTest::addRow("in a first run") << animals << true << u"Hund"_s;
        QTest::addRow("in a repetition") << animals << false << QString();
        // Only blanks at the edge: no empty line may land in the error list.
        QTest::addRow("no word on the screen") << QString(40, u' ') + u'#' << true << QString();
    }
    void returnMarksTheWordAtTheRightEdge()
    {
        QFETCH(QString, text);
        QFETCH(bool, neueUebung);
        QFETCH(QString, expected);
        anzeige = text;
        DisplaySettings s = settings(1);
        s.neueUebung = neueUebung;
        TLaufForm4 form(anzeige, laufStand, s);
        QSignalSpy marked(&form, &GleitAnzeige::wordMarked);
        runModal(form, [&] {
            QTRY_VERIFY(form.motion() && form.motion()->linksX() < form.width());
            QTest::keyClick(&form, Qt::Key_Return);
            form.close();
        });
        if (expected.isEmpty()) {
            QCOMPARE(marked.count(), 0);
            return;
        }
        QCOMPARE(marked.count(), 1);
        QCOMPARE(marked.at(0).at(0).toString(), expected);
        QCOMPARE(marked.at(0).at(1).toInt(), 0);
        QCOMPARE(marked.at(0).at(2).toInt(), int(expected.size()));
    }

    void theDisplayClosesWhenTheEndReachesTheScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("a short text") << u"ab#"_s;
        QTest::addRow("a placeholder hash before the end") << u"ab#cd#"_s;
        QTest::addRow("the end of the string") << u"xy"_s;
        QTest::addRow("an empty string") << QString();
        QTest::addRow("the end mark alone") << u"#"_s;
    }
    void theDisplayClosesWhenTheEndReachesTheScreen()
    {
        QFETCH(QString, text);
        anzeige = text;
        TLaufForm4 form(anzeige, laufStand, settings(9));
        QVERIFY(runModal(form, [] {}));
        QVERIFY(!form.isVisible());
    }

    void theTwoFormsKeepTheirOwnState()
    {
        TForm4 other(u"vier fünf sechs#"_s, altStand, settings());
        QCOMPARE(other.objectName(), u"TForm4"_s);
        runModal(other, [&] {
            QTRY_VERIFY(other.motion());
            QCOMPARE(other.motion()->anzeigeText(), u"vier fünf sechs#"_s);
            QTest::keyClick(&other, '+');
            other.close();
        });
        QCOMPARE(altStand.umkehr_sperre, other.width() + 60);
        QCOMPARE(laufStand.umkehr_sperre, 0);

        TLaufForm4 form(u"eins zwei drei#"_s, laufStand, settings());
        runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            QCOMPARE(form.motion()->anzeigeText(), u"eins zwei drei#"_s);
            form.close();
        });
        // The lock left by the other form still holds for the next display of it.
        QCOMPARE(altStand.umkehr_sperre, other.width() + 60);
    }

    void theSecondDisplayKeepsTheGlyphs()
    {
        display::GlyphCache::shared().clear();
        for (bool kept : {false, true}) {
            TLaufForm4 form(anzeige, laufStand, settings());
            runModal(form, [&] {
                QTRY_VERIFY(form.motion());
                form.close();
            });
            QCOMPARE(form.glyphsWereKept(), kept);
        }
        DisplaySettings otherColour = settings();
        otherColour.letterColor = Qt::red;
        TLaufForm4 form(anzeige, laufStand, otherColour);
        runModal(form, [&] {
            QTRY_VERIFY(form.motion());
            form.close();
        });
        QVERIFY(!form.glyphsWereKept());
    }
};

QTEST_MAIN(TestGleitAnzeige)
#include "tst_gleitanzeige.moc"
