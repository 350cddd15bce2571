#include "app/glmain.h"
#include "exercise/core/printlayout.h"
#include "exercise/ui/printing.h"
#include "settings/ui/lueckendialog.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;

class TestEditorBefehle : public QObject, protected testing::AppFixture {
    Q_OBJECT

    void select(int start, int length)
    {
        QTextCursor cursor = ui.Memo1->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        ui.Memo1->setTextCursor(cursor);
    }

    // Opens PopupMenu1 as a right click does and returns the items it offers.
    QStringList openMenu()
    {
        const QPoint at(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                                ui.Memo1->viewport()->mapToGlobal(at));
        QApplication::sendEvent(ui.Memo1->viewport(), &click);
        [[maybe_unused]] const bool shown = QTest::qWaitForWindowExposed(ui.PopupMenu1);
        QStringList enabled;
        for (const QAction *action : ui.PopupMenu1->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                enabled << action->text();
        }
        return enabled;
    }

    void choose(const QString &item)
    {
        openMenu();
        ui.PopupMenu1->findChild<QAction *>(item)->trigger();
        ui.PopupMenu1->close();
    }

    // Answers "Lücken setzen" with these phenomena, this kind of gap and range, and
    // records what it showed of the last choice.
    static testing::Answer lueckenWahl(QList<int> rows, int art, bool nurAuswahl,
                                       QList<int> *gezeigt = nullptr, int *gezeigteArt = nullptr)
    {
        return testing::as<LueckenDialog>([=](LueckenDialog &dialog) {
            for (int row = 0; row < 26; ++row) {
                auto *box = dialog.findChild<QCheckBox *>(u"Phaenomen%1"_s.arg(row));
                if (gezeigt && box->isChecked())
                    gezeigt->append(row);
                box->setChecked(rows.contains(row));
            }
            for (int n = 0; n < 3; ++n) {
                auto *knopf = dialog.findChild<QRadioButton *>(u"Art%1"_s.arg(n));
                if (gezeigteArt && knopf->isChecked())
                    *gezeigteArt = n;
            }
            QTest::mouseClick(dialog.findChild<QRadioButton *>(u"Art%1"_s.arg(art)),
                              Qt::LeftButton);
            QTest::mouseClick(
                dialog.findChild<QRadioButton *>(nurAuswahl ? u"NurAuswahl"_s : u"GanzerText"_s),
                Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
    }

    QLabel *faultLabel() const { return form->findChild<QLabel *>(u"Lueckenfehler"_s); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void menuOffersOnlyPastingWithoutASelection()
    {
        ui.Memo1->setPlainText(u"Hause"_s);
        QCOMPARE(openMenu(), (QStringList{u"einfügen"_s, u"Silben trennen"_s,
                                          u"Silbentrennung entfernen"_s, u"Lücken setzen..."_s}));
        ui.PopupMenu1->close();
        select(2, 2);
        QCOMPARE(openMenu(),
                 (QStringList{u"ausscheiden"_s, u"kopieren"_s, u"einfügen"_s, u"löschen"_s,
                              u"Abschnitt nicht nachschreiben"_s, u"Abschnitt als _ _ _ _ zeigen"_s,
                              u"Abschnitt als [] zeigen"_s, u"Abschnitt zur Wortgruppe verbinden"_s,
                              u"Silben trennen"_s, u"Silbentrennung entfernen"_s,
                              u"Lücken setzen..."_s}));
        ui.PopupMenu1->close();
    }

    void commandsLeaveTheClipboardAndUndoInOneStep_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("result");

        QTest::addRow("[]") << u"Abschnittalszeigen1"_s << u"Hause"_s << 2 << 2 << u"Ha$us$e"_s;
        QTest::addRow("_ _ _ _") << u"Abschnittals1"_s << u"Hause"_s << 2 << 2 << u"Ha§us§e"_s;
        QTest::addRow("not rewritten")
            << u"Abschnittnichtnachschreiben1"_s << u"Hause"_s << 2 << 2 << u"Ha&us&e"_s;
        QTest::addRow("word group")
            << u"AbschnittzurWortgrppeverbinden1"_s << u"der große Hund bellt"_s << 0 << 14
            << u"der_große_Hund bellt"_s;
        QTest::addRow("deleted") << u"lschen1"_s << u"Hause"_s << 2 << 2 << u"Hae"_s;
        QTest::addRow("wrapped over a line break")
            << u"Abschnittals1"_s << u"ein\nHund\nKatze"_s << 4 << 10 << u"ein\n§Hund\nKatze§"_s;
        QTest::addRow("joined over a line break")
            << u"AbschnittzurWortgrppeverbinden1"_s << u"der große\nHund bellt"_s << 4 << 16
            << u"der große\nHund_bellt"_s;
        QTest::addRow("syllables of the selected word")
            << u"Silbentrennen1"_s << u"Hase Katze"_s << 1 << 2 << u"Ha-se Katze"_s;
        QTest::addRow("syllables of every word")
            << u"Silbentrennen1"_s << u"Hase\nKatze"_s << 3 << 0 << u"Ha-se\nKat-ze"_s;
        QTest::addRow("syllables taken out")
            << u"Silbentrennungentfernen1"_s << u"Ha-se Kat-ze"_s << 7 << 1 << u"Ha-se Katze"_s;
    }
    void commandsLeaveTheClipboardAndUndoInOneStep()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, result);

        QApplication::clipboard()->setText(u"vom Lehrer kopiert"_s);
        ui.Memo1->setPlainText(text);
        select(start, length);
        choose(item);
        QCOMPARE(ui.Memo1->toPlainText(), result);
        QCOMPARE(QApplication::clipboard()->text(), u"vom Lehrer kopiert"_s);
        // Joined words make a text without punctuation a list of word groups.
        QCOMPARE(ui.RadioButton2->isChecked(), result.contains(u'_'));
        ui.Memo1->undo();
        QCOMPARE(ui.Memo1->toPlainText(), text);
    }

    // The teacher sets the gaps of two phenomena in the whole text, takes them back, then
    // sets them in the selected line only: the dialog shows the last choice.
    void gapsAreSetByPhenomenonInOneUndoStep()
    {
        QApplication::clipboard()->setText(u"vom Lehrer kopiert"_s);
        const QString text = u"Die Biene fliegt zum Hund.\nDer Stein liegt im Sand."_s;
        ui.Memo1->setPlainText(text);
        testing::answerNextDialog(lueckenWahl({6, 17}, 1, false));
        choose(u"Lueckensetzen1"_s);
        QCOMPARE(ui.Memo1->toPlainText(),
                 u"D$ie$ B$ie$ne fl$ie$gt zum Hun$d$.\nDer Stein l$ie$gt im San$d$."_s);
        QCOMPARE(QApplication::clipboard()->text(), u"vom Lehrer kopiert"_s);
        QVERIFY(ui.Memo1->extraSelections().isEmpty());
        QVERIFY(faultLabel()->isHidden());
        ui.Memo1->undo();
        QCOMPARE(ui.Memo1->toPlainText(), text);

        select(27, 15);
        QList<int> gezeigt;
        int gezeigteArt = -1;
        testing::answerNextDialog(lueckenWahl({23, 6}, 0, true, &gezeigt, &gezeigteArt));
        choose(u"Lueckensetzen1"_s);
        QCOMPARE(gezeigt, (QList<int>{6, 17}));
        QCOMPARE(gezeigteArt, 1);
        QCOMPARE(ui.Memo1->toPlainText(),
                 u"Die Biene fliegt zum Hund.\nDer §St§ein l§ie§gt im Sand."_s);
        QCOMPARE(ui.Memo1->textCursor().selectedText(), u"Der §St§ein l§ie§gt"_s);
        ui.Memo1->undo();
        QCOMPARE(ui.Memo1->toPlainText(), text);
    }

    void brokenMarkupIsMarkedWhereItIsTyped()
    {
        ui.Memo1->setPlainText(u"Hund\n"_s);
        ui.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(ui.Memo1, u"Ha$u"_s);
        QList<QTextEdit::ExtraSelection> marks = ui.Memo1->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.selectedText(), u"$u"_s);
        QCOMPARE(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QVERIFY(faultLabel()->isVisible());
        QCOMPARE(faultLabel()->text(), u"Zeile 2: Lücke nicht geschlossen"_s);

        QTest::keyClicks(ui.Memo1, u" s$e"_s);
        QCOMPARE(ui.Memo1->extraSelections()[0].cursor.selectedText(), u"$u s$"_s);
        QCOMPARE(faultLabel()->text(), u"Zeile 2: Leerzeichen in einer Lücke"_s);

        // The start refuses the text, names the line and puts the caret on the pair.
        QString warning;
        testing::answerNextMessageBox(QMessageBox::Ok, &warning);
        QVERIFY(!form->lueckentextPruefen(ui.Memo1));
        QVERIFY(warning.contains(u"Zeile 2: Leerzeichen in einer Lücke"_s));
        QCOMPARE(ui.Memo1->textCursor().position(), 7);

        select(9, 1);
        QTest::keyClick(ui.Memo1, Qt::Key_Delete);
        QVERIFY(ui.Memo1->extraSelections().isEmpty());
        QVERIFY(faultLabel()->isHidden());
        QVERIFY(!testing::opensDialog([this] { QVERIFY(form->lueckentextPruefen(ui.Memo1)); }));
    }

    // A no-break space is part of its word wherever the text goes: the check as it is
    // typed, the check at the start and the print read the same text.
    void aNoBreakSpaceInAPairIsPartOfTheWord()
    {
        const QString wort = u"Ha$u\u00a0s$e"_s;
        ui.Memo1->setPlainText(u"Hund\n"_s);
        ui.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(ui.Memo1, wort);
        QVERIFY(ui.Memo1->extraSelections().isEmpty());
        QVERIFY(faultLabel()->isHidden());
        QVERIFY(!testing::opensDialog([this] { QVERIFY(form->lueckentextPruefen(ui.Memo1)); }));

        QStringList gedruckt;
        testing::answerNextDialog(
            testing::as<printing::Druckvorschau>([&](printing::Druckvorschau &vorschau) {
                for (const printlayout::PrintedText &text :
                     printing::layOut(vorschau.job(), vorschau.printer()).value(0).texts)
                    gedruckt << text.text;
                vorschau.reject();
            }));
        ui.drucken1->trigger();
        QVERIFY2(gedruckt.join(u'|').contains(wort), qPrintable(gedruckt.join(u'|')));
    }
};

QTEST_MAIN(TestEditorBefehle)
#include "tst_editorbefehle.moc"
