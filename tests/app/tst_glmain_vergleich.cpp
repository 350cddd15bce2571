#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
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

// A result text with its colours: black as it is, red in [], blue in ().
QString farbig(const QTextEdit *text)
{
    QString result;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString piece = it.fragment().text();
            const QColor colour = it.fragment().charFormat().foreground().color();
            if (colour == QColor(255, 0, 0))
                result += u'[' + piece + u']';
            else if (colour == QColor(0, 0, 255))
                result += u'(' + piece + u')';
            else
                result += piece;
        }
    }
    return result;
}

// Closes the comparison with "fertig", keeping its message line.
testing::Answer fertig(QString *meldung)
{
    return [meldung](QWidget *dialog) {
        auto *vergleich = qobject_cast<TForm14 *>(dialog);
        QVERIFY(vergleich);
        *meldung = vergleich->Label1->text();
        QTest::mouseClick(vergleich->SpeedButton1, Qt::LeftButton);
    };
}

} // namespace

class TestGlmainVergleich : public QObject, protected testing::AppFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void wrongRewritesAreRecordedInTheMainWindow_data()
    {
        QTest::addColumn<bool>("neueUebung");
        QTest::addColumn<bool>("diktatmodus");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("geschrieben");

        const QString original = u"Der [Hund] bellt. Die (Katze) "_s;
        const QString geschrieben = u"Der [hund ]bellt. Die [ ]"_s;
        QTest::addRow("first run") << true << false << u"Hu$n$d"_s << original << geschrieben;
        QTest::addRow("dictation mode") << true << true << u"Hu$n$d"_s << original << geschrieben;
        QTest::addRow("error repetition") << false << false << QString() << QString() << QString();
    }

    void wrongRewritesAreRecordedInTheMainWindow()
    {
        QFETCH(bool, neueUebung);
        QFETCH(bool, diktatmodus);
        QGuiApplication::clipboard()->setText(u"vom Lehrer kopiert"_s);
        app().Form10->CheckBox2->setChecked(diktatmodus);
        form->RadioButton3->setChecked(true);
        form->neue_uebung = neueUebung;

        QString meldung;
        auto rewrite = [&](const QString &roh, const QString &geschrieben) {
            form->abschnitt_roh = roh;
            if (!diktatmodus)
                testing::answerNextDialog(fertig(&meldung));
            app().Form14->vergleichen(
                form->vergleichsEingabe(geschrieben, markup::targetString(roh)),
                form->vergleichsAnsicht());
        };
        rewrite(u"Der Hu$n$d bellt."_s, u"Der hund bellt.  "_s);
        rewrite(u"Die Katze"_s, u"Die"_s);

        QCOMPARE(meldung, diktatmodus ? QString() : u"Du hast ein Wort vergessen"_s);
        QTEST(form->Memo3->toPlainText(), "fehler");
        QTEST(farbig(form->RichEdit1), "original");
        QTEST(farbig(form->RichEdit2), "geschrieben");
        QCOMPARE(QGuiApplication::clipboard()->text(), u"vom Lehrer kopiert"_s);
    }

    void developerShortcutComparesTheEditorText()
    {
        // A line break in the editor is no word of its own.
        form->Memo1->setPlainText(u"der Hund\nbellt"_s);
        auto *entry = form->findChild<QAction *>(u"VergleichProbe"_s);
        QVERIFY(entry);
        QCOMPARE(entry->shortcut(), QKeySequence(u"Ctrl+Shift+F9"_s));
        QCOMPARE(entry->associatedObjects(), QObjectList{form});

        QString meldung;
        testing::answerInTurn({
            [](QWidget *dialog) {
                auto *input = qobject_cast<QInputDialog *>(dialog);
                QVERIFY(input);
                input->setTextValue(u"der bellt "_s);
                input->accept();
            },
            fertig(&meldung),
        });
        entry->trigger();

        QCOMPARE(meldung, u"Du hast ein Wort vergessen"_s);
        QCOMPARE(farbig(form->RichEdit1), u"der (Hund) bellt "_s);
        QCOMPARE(farbig(form->RichEdit2), u"der [ ]bellt "_s);
        QVERIFY(form->GroupBox3->isVisible());
        QVERIFY(!form->neue_uebung);
    }
};

QTEST_MAIN(TestGlmainVergleich)
#include "tst_glmain_vergleich.moc"
