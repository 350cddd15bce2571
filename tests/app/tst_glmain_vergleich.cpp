#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/einstellwerte.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "writing/ui/vergleich.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A result text: black as it is, red in [], blue in ().
QString farbig(const QTextEdit *text)
{
    QString result;
    for (auto it = text->document()->begin().begin(); !it.atEnd(); ++it) {
        const QColor colour = it.fragment().charFormat().foreground().color();
        const QString piece = it.fragment().text();
        result += colour == Qt::red    ? u'[' + piece + u']'
                  : colour == Qt::blue ? u'(' + piece + u')'
                                       : piece;
    }
    return result;
}

enum Weg { Fertig, Esc, Rahmen, Diktat };

// Closes the comparison the given way, keeping its message line.
testing::Answer schliessen(Weg weg, QString *meldung)
{
    return testing::as<TForm14>([weg, meldung](TForm14 &vergleich) {
        *meldung = vergleich.Label1->text();
        if (weg == Fertig)
            QTest::mouseClick(vergleich.SpeedButton1, Qt::LeftButton);
        else if (weg == Esc)
            QTest::keyClick(&vergleich, Qt::Key_Escape);
        else
            vergleich.close();
    });
}

} // namespace

class TestGlmainVergleich : public QObject, protected testing::AppFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void everyWrongRewriteOfARunIsRecorded_data()
    {
        QTest::addColumn<int>("weg");
        QTest::addColumn<bool>("neueUebung");
        QTest::addRow("closed with fertig") << int(Fertig) << true;
        QTest::addRow("closed with Esc") << int(Esc) << true;
        QTest::addRow("closed by its frame") << int(Rahmen) << true;
        QTest::addRow("dictation mode") << int(Diktat) << true;
        QTest::addRow("error repetition") << int(Fertig) << false;
    }

    void everyWrongRewriteOfARunIsRecorded()
    {
        QFETCH(int, weg);
        QFETCH(bool, neueUebung);
        QGuiApplication::clipboard()->setText(u"vom Lehrer kopiert"_s);
        app().Form10->CheckBox2->setChecked(weg == Diktat);
        ui.RadioButton3->setChecked(true);

        QString meldung;
        auto rewrite = [&](const QString &roh, const QString &geschrieben) {
            lauf::Nachschreiben teil;
            teil.abschnittRoh = roh;
            teil.ziel = markup::targetString(roh);
            teil.neueUebung = neueUebung;
            if (weg != Diktat)
                testing::answerNextDialog(schliessen(Weg(weg), &meldung));
            form->vergleichen(geschrieben, teil);
        };
        rewrite(u"Der Hu$n$d bellt."_s, u"Der hund bellt.  "_s);
        rewrite(u"Die Katze"_s, u"Die"_s);
        rewrite(u"Sie lacht"_s, u"Sie lacht laut"_s);

        QCOMPARE(meldung, weg == Diktat ? QString() : u"Du hast ein Wort zuviel geschrieben"_s);
        QCOMPARE(app().Form14->windowHandle() != nullptr, weg != Diktat);
        const bool recorded = neueUebung;
        QCOMPARE(ui.Memo3->toPlainText(), recorded ? u"Hu$n$d"_s : QString());
        QCOMPARE(farbig(ui.RichEdit1),
                 recorded ? u"Der [Hund] bellt. Die (Katze) Sie lacht "_s : QString());
        QCOMPARE(farbig(ui.RichEdit2),
                 recorded ? u"Der [hund ]bellt. Die [ ]Sie lacht [laut ]"_s : QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"vom Lehrer kopiert"_s);
    }

    void developerShortcutComparesTheEditorText()
    {
        // A line break in the editor is no word of its own.
        ui.Memo1->setPlainText(u"der Hund\nbellt"_s);
        auto *entry = form->findChild<QAction *>(u"VergleichProbe"_s);
        QVERIFY(entry);

        QString meldung;
        testing::answerInTurn({
            testing::as<QInputDialog>([](QInputDialog &input) {
                input.setTextValue(u"der bellt "_s);
                input.accept();
            }),
            schliessen(Fertig, &meldung),
        });
        entry->trigger();

        QCOMPARE(meldung, u"Du hast ein Wort vergessen"_s);
        QCOMPARE(farbig(ui.RichEdit1), u"der (Hund) bellt "_s);
        QVERIFY(ui.GroupBox3->isVisible());
    }
};

QTEST_MAIN(TestGlmainVergleich)
#include "tst_glmain_vergleich.moc"
