#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "display/ui/laufunit4.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "tests/support/shown.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestGlmainAnzeige : public QObject, protected testing::AppFixture {
    Q_OBJECT

    QColor colourAt(int position) const
    {
        return testing::colourAt(ui.RichEdit1->document(), position);
    }

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void displayTakesTheCurrentSettings()
    {
        TForm10 &settings = *app().Form10;
        settings.TrackBar2->setValue(7);
        settings.TrackBar1->setValue(12);
        settings.Panel1->setColorValue(0x00FF0000); // blue, stored as 0x00BBGGRR

        const display::DisplaySettings s = form->anzeigeEinstellungen();
        QCOMPARE(s.tempo, 7);
        QCOMPARE(s.spacing, 12);
        QCOMPARE(s.background, QColor(0, 0, 255));
        QCOMPARE(s.font.pointSize(), settings.Label1->fontSpec().size);
        QCOMPARE(s.helpFont, ui.Label7->font());
        QVERIFY(s.neueUebung);
    }

    void markedWordsLandInTheErrorListAndTheExerciseText()
    {
        ui.RichEdit1->setPlainText(u"Der kleine Hund"_s);
        form->fehlerMarkieren(u"kleine"_s, 4, 6);
        form->fehlerMarkieren(u"Hund"_s, 11, 4);
        QCOMPARE(ui.Memo3->toPlainText(), u"kleine\nHund"_s);
        QCOMPARE(colourAt(4), QColor(255, 0, 0));
        QCOMPARE(colourAt(12), QColor(255, 0, 0));
        QVERIFY(colourAt(1) != QColor(255, 0, 0));

        // A selection beyond the text written so far must not go astray.
        form->fehlerMarkieren(u"Maus"_s, 500, 4);
        QCOMPARE(ui.Memo3->toPlainText(), u"kleine\nHund\nMaus"_s);
        QCOMPARE(ui.RichEdit1->toPlainText(), u"Der kleine Hund"_s);
    }

    void developerEntryShowsTheEditorTextAndReturnsOnEsc()
    {
        ui.Memo1->setPlainText(u"Ha$us$e und Mau§s§\nzweite Zeile"_s);
        auto *entry = form->findChild<QAction *>(u"LaufbahnProbe"_s);
        QVERIFY(entry);

        QString shown;
        bool closedByEsc = false;
        QTimer::singleShot(50, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *display = qobject_cast<TLaufForm4 *>(w);
                    display && display->isVisible()) {
                    shown = display->anzeigeText();
                    QTest::keyClick(display, Qt::Key_Escape);
                    closedByEsc = true;
                }
            }
        });
        entry->trigger();
        QVERIFY(closedByEsc);
        // Gap marks replaced as the settings say, the line break a blank pair, then the
        // run-out of blanks and the end mark, as a run shows the text as one chunk.
        const QChar part = app().Form10->hiddenPartCharacter();
        const QChar letter = app().Form10->hiddenLetterCharacter();
        QCOMPARE(shown, u"Ha"_s + part + u"e und Mau"_s + letter + u"  zweite Zeile"_s +
                            QString(16, u' ') + u'#');
    }
};

QTEST_MAIN(TestGlmainAnzeige)
#include "tst_glmain_anzeige.moc"
