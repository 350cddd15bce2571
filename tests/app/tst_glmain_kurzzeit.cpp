#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "display/core/refreshschedule.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "display/ui/unit1.h"
#include "settings/ui/einstell.h"
#include "settings/ui/einstellwerte.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestGlmainKurzzeit : public QObject, protected testing::AppFixture {
    Q_OBJECT

    // Whatever display is on the screen when it first is: its kind, and Esc for it.
    QString closeTheDisplayWithEsc()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || (!qobject_cast<TForm1 *>(w) && !qobject_cast<TLaufForm4 *>(w)))
                continue;
            QTest::keyClick(w, Qt::Key_Escape);
            return QString::fromLatin1(w->metaObject()->className());
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    // The writing page's font and background and the delay, as they are when the
    // word is shown, not as they were when the program started.
    void theShortTimeDisplayTakesTheCurrentSettings()
    {
        TForm10 &settings = *app().Form10;
        settings::FontSpec font = settings.Label4->fontSpec();
        font.color = 0x000000FF; // red, stored as 0x00BBGGRR
        font.name = u"Courier New"_s;
        settings.Label4->setFontSpec(font);
        settings.Panel5->setColorValue(0x0000FFFF); // yellow
        settings.TrackBar5->setValue(12);

        const display::FlashSettings s = einstellwerte::kurzzeit(*app().Form10);
        QCOMPARE(s.letterColor, QColor(255, 0, 0));
        QCOMPARE(s.background, QColor(255, 255, 0));
        QCOMPARE(s.font.family(), u"Courier New"_s);
        QCOMPARE(s.delay, 12);
    }

    // "Show again" passes its own delay; the teacher's setting stays as it is.
    void aDelayPassedForOneShowingLeavesTheSettingAlone()
    {
        app().Form10->TrackBar5->setValue(1);
        form->kurzzeitZeigen(u"Hund"_s, 4);
        QCOMPARE(app().Form10->TrackBar5->value(), 1);
        QCOMPARE(app().Form15->Label1->text(), u"Hund"_s);
        const qint64 period = display::refreshPeriodNs(app().Form15->screen()->refreshRate());
        QCOMPARE(app().Form15->ablauf()->dauer().wort,
                 display::KurzzeitDauer::fuer(period, 4).wort);
    }

    // Ctrl+Shift+F11 flashes the words of the editor one after the other, gap marks
    // shown as the settings say: "#" for a word part, as before "default.opt" is loaded.
    void theDeveloperShortcutFlashesEachWord()
    {
        app().Form10->Panel4->setCaption(u"#"_s);
        ui.Memo1->setPlainText(u"Ha$us$e\nMau§s§"_s);
        auto *entry = form->findChild<QAction *>(u"KurzzeitProbe"_s);
        QVERIFY(entry);
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11));
        QStringList shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            TForm15 &flash = *app().Form15;
            if (flash.phase() == display::KurzzeitPhase::Wort &&
                (shown.isEmpty() || shown.last() != flash.Label1->text()))
                shown << flash.Label1->text();
        });
        watch.start(5);
        entry->trigger();
        const QChar letter = app().Form10->hiddenLetterCharacter();
        QCOMPARE(shown, (QStringList{u"Ha#e"_s, u"Mau"_s + letter}));
    }

    // Ctrl+Shift+F10 shows the editor's text in the display the exercise run would
    // choose: the alternative one when "alternativer Laufmodus" is checked.
    void theDeveloperShortcutFollowsTheAlternativeMode_data()
    {
        QTest::addColumn<bool>("alternativ");
        QTest::addColumn<QString>("display");
        QTest::addRow("checked") << true << u"TForm1"_s;
        QTest::addRow("unchecked") << false << u"TLaufForm4"_s;
    }
    void theDeveloperShortcutFollowsTheAlternativeMode()
    {
        QFETCH(bool, alternativ);
        QFETCH(QString, display);
        ui.Memo1->setPlainText(u"Der Hund bellt."_s);
        ui.alternativerLaufmodus1->setChecked(alternativ);
        auto *entry = form->findChild<QAction *>(u"AlternativProbe"_s);
        QVERIFY(entry);
        QString closed;
        QTimer::singleShot(100, this, [&] { closed = closeTheDisplayWithEsc(); });
        entry->trigger();
        QCOMPARE(closed, display);
    }
};

QTEST_MAIN(TestGlmainKurzzeit)
#include "tst_glmain_kurzzeit.moc"
