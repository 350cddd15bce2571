#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "app/ws_black.h"
#include "display/core/refreshschedule.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A result text: black as it is, red in [].
QString farbig(const QTextEdit *text)
{
    QString result;
    for (auto it = text->document()->begin().begin(); !it.atEnd(); ++it) {
        const QString piece = it.fragment().text();
        result += it.fragment().charFormat().foreground().color() == Qt::red ? u'[' + piece + u']'
                                                                             : piece;
    }
    return result;
}

// The rewrite form that shows up: `text` written, Return pressed after `vorher`; the
// comparison of a wrong text is closed with "fertig".
testing::Answer schreiben(const QString &text, bool falsch,
                          std::function<void(Nachschreiben *)> vorher = {})
{
    return [text, falsch, vorher](QWidget *dialog) {
        const auto zu = qScopeGuard([dialog] { dialog->close(); });
        auto *form = qobject_cast<Nachschreiben *>(dialog);
        QVERIFY(form);
        QTest::keyClicks(form->RichEdit1, text);
        if (vorher)
            vorher(form);
        if (falsch)
            testing::answerNextDialog([](QWidget *vergleich) {
                qobject_cast<TForm14 *>(vergleich)->SpeedButton1->click();
            });
        QTest::keyClick(form->RichEdit1, Qt::Key_Return);
    };
}

} // namespace

class TestGlmainSchreiben : public QObject, protected testing::AppFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void developerShortcutsRecordEachRewrite()
    {
        QGuiApplication::clipboard()->setText(u"vom Lehrer kopiert"_s);
        app().Form10->RadioButton6->setChecked(true);
        app().Form10->RadioGroup2->setItemIndex(0);
        ui.Memo1->setPlainText(u"Haus M§au§s\nzweite Zeile"_s);
        ui.RadioButton1->setChecked(true);
        app().Form10->CheckBox1->setChecked(true);
        app().Form10->TrackBar5->setValue(40);
        auto *wort = form->findChild<QAction *>(u"WortSchreibProbe"_s);
        auto *gruppe = form->findChild<QAction *>(u"AbschnittSchreibProbe"_s);
        QVERIFY(wort && gruppe);
        QCOMPARE(wort->associatedObjects(), QObjectList{form});

        // The word is flashed again for as long as the pupil's slider says, the teacher's
        // setting left alone.
        testing::answerNextDialog(schreiben(u"Haus"_s, false, [&](Nachschreiben *schreib) {
            qobject_cast<TForm9 *>(schreib)->TrackBar1->setValue(1);
            schreib->SpeedButton2->click();
            QCOMPARE(app().Form15->Label1->text(), u"Haus"_s);
            const qint64 period = display::refreshPeriodNs(app().Form15->screen()->refreshRate());
            QCOMPARE(app().Form15->ablauf()->dauer().wort,
                     display::KurzzeitDauer::fuer(period, 3).wort);
            QCOMPARE(app().Form10->TrackBar5->value(), 40);
        }));
        wort->trigger();

        // A section shown again glides over the black cover, which goes afterwards.
        ui.RadioButton3->setChecked(true);
        QString gezeigt;
        bool schwarz = false;
        testing::answerNextDialog(schreiben(u"Haus Mau"_s, true, [&](Nachschreiben *schreib) {
            testing::answerNextDialog([&](QWidget *anzeige) {
                auto *gleitzeile = qobject_cast<TLaufForm4 *>(anzeige);
                QVERIFY(gleitzeile);
                gezeigt = gleitzeile->anzeigeText();
                schwarz = app().Form_black->isVisible();
                anzeige->close();
            });
            schreib->SpeedButton2->click();
            QVERIFY(!app().Form_black->isVisible());
        }));
        gruppe->trigger();
        QVERIFY(schwarz);
        QVERIFY(gezeigt.startsWith(u"Haus M"_s) && gezeigt.endsWith(u"s                #"_s));
        QCOMPARE(ui.Memo5->toPlainText(), u"Haus Haus Mau "_s);
        QCOMPARE(farbig(ui.RichEdit1), u"Haus Haus [Maus] "_s);
        QCOMPARE(farbig(ui.RichEdit2), u"Haus Haus [Mau ]"_s);
        QCOMPARE(ui.Memo3->toPlainText(), u"M§au§s"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"vom Lehrer kopiert"_s);
    }
};

QTEST_MAIN(TestGlmainSchreiben)
#include "tst_glmain_schreiben.moc"
