#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "exercise/core/textfile.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/printing.h"
#include "settings/ui/fehler.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMargins>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <vector>

using namespace Qt::StringLiterals;

using testing::Answer;
using testing::answerInTurn;
using testing::boxAnswer;
using testing::fileAnswer;
using testing::opensDialog;

class TestGlmain : public QObject, protected testing::AppFixture {
    Q_OBJECT

    void openText(const QString &name)
    {
        answerInTurn({fileAnswer(path(name))});
        ui.ffnen1->trigger();
    }

    void typeText(const QString &text)
    {
        ui.Memo1->moveCursor(QTextCursor::End);
        // Key by key as typed, umlauts included (keyClicks knows ASCII only).
        for (const QChar ch : text) {
            if (ch == u'\n')
                QTest::keyClick(ui.Memo1, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, ui.Memo1, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void startsWithNothingLoaded()
    {
        QCOMPARE(form->windowTitle(), u"Laufbahn II  V2.0"_s);
        QCOMPARE(form->startverzeichnis, QDir::currentPath() + u'/');
        QCOMPARE(ui.Label6->text(), u"kein Text geladen"_s);
        QCOMPARE(ui.Edit1->text(), u"kein Schüler geladen"_s);
        QCOMPARE(form->statusText(0), u"kein Text geladen"_s);
        QCOMPARE(form->statusText(1), u"kein Schüler geladen"_s);

        QVERIFY(ui.GroupBox2->isVisible());
        QVERIFY(ui.GroupBox1->isHidden());
        QVERIFY(ui.GroupBox3->isHidden());
        QVERIFY(ui.GroupBox4->isHidden());
        QVERIFY(ui.Button5->isHidden());
        for (const char *name :
             {"Label6", "Edit1", "Memo2", "Memo3", "Memo5", "ListBox4", "Image1", "Image2",
              "Label7", "Label8", "BitBtn1", "BitBtn2", "BitBtn4", "BitBtn5", "BitBtn6"}) {
            auto *widget = form->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(widget, name);
            QVERIFY2(widget->isHidden(), name);
        }
        // Every file dialog starts in the start directory, as the teacher opens it.
        struct Gesehen {
            QString titel;
            QStringList filter;
            QString ordner;
        };
        const auto oeffnen = [](QAction *befehl) {
            Gesehen gesehen;
            testing::answerNextDialog(testing::as<QFileDialog>([&](QFileDialog &dialog) {
                gesehen = {dialog.windowTitle(), dialog.nameFilters(),
                           dialog.directory().absolutePath()};
                dialog.reject();
            }));
            befehl->trigger();
            return gesehen;
        };
        const Gesehen laden = oeffnen(ui.ffnen1);
        QCOMPARE(laden.titel, u"Text laden"_s);
        QCOMPARE(laden.filter,
                 (QStringList{u"Laufbahn / Text (*.txt)"_s, u"alte DOS-Laufbahn (*.lbz)"_s}));
        const Gesehen speichern = oeffnen(ui.speichernunter1);
        QCOMPARE(speichern.titel, u"Text speichern unter"_s);
        const Gesehen schueler = oeffnen(ui.ffnen2);
        QCOMPARE(schueler.titel, u"Schüler laden"_s);
        QCOMPARE(schueler.filter, (QStringList{u"Schüler (*.lbs)"_s, u"alle Dateien (*)"_s}));
        for (const Gesehen &dialog : {laden, speichern, schueler})
            QCOMPARE(dialog.ordner, QDir::currentPath());
    }

    void menusHoldEveryEntry_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::addRow("Datei") << u"Datei1"_s
                               << QStringList{u"Neu"_s,          u"Öffnen..."_s,
                                              u"Speichern"_s,    u"Speichern unter..."_s,
                                              u"Text drucken"_s, u"Druckereinstellungen..."_s,
                                              u"Info..."_s,      u"Programmende"_s};
        QTest::addRow("Schüler") << u"Optionen1"_s
                                 << QStringList{u"Neu..."_s, u"Öffnen..."_s, u"Lernverlauf..."_s,
                                                u"Wiederholung..."_s, u"Klassenübersicht..."_s};
        QTest::addRow("Optionen") << u"Optionen2"_s
                                  << QStringList{u"zufällige Wortfolge"_s,
                                                 u"Fehleranzeige verstecken"_s,
                                                 u"Sonderzeichen nicht drucken"_s,
                                                 u"alternativer Laufmodus"_s};
        QTest::addRow("Extras") << u"Extras1"_s
                                << QStringList{u"alle Texte drucken..."_s, u"Textauswertung..."_s,
                                               u"Fehlerauswertung..."_s, u"español"_s,
                                               u"deutsch"_s};
    }
    void menusHoldEveryEntry()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        auto *m = form->findChild<QMenu *>(menu);
        QVERIFY(m);
        QStringList texts;
        for (QAction *action : m->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        QCOMPARE(texts, entries);
    }

    void checkItemsAndTheHiddenEntry()
    {
        for (QAction *item :
             {ui.Fehlerverstecken1, ui.Sonderzeichennichtdrucken1, ui.alternativerLaufmodus1}) {
            QVERIFY(item->isCheckable());
            QVERIFY(!item->isChecked());
            item->trigger();
            QVERIFY(item->isChecked());
            item->trigger();
            QVERIFY(!item->isChecked());
        }
        QVERIFY(!ui.Translate1->isVisible());
        QVERIFY(!ui.N5->isVisible());
        QVERIFY(ui.Translate1->shortcut().isEmpty());
        QCOMPARE(ui.SpeedButton1->toolTip(), u"neuer Text"_s);
        QCOMPARE(ui.SpeedButton2->toolTip(), u"Text laden"_s);
        QCOMPARE(ui.SpeedButton3->toolTip(), u"Text speichern"_s);
    }

    void typingDetectsTheTypeAndShowsStep2_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addRow("words") << u"Hund Katze Maus"_s << u"RadioButton1"_s;
        QTest::addRow("word groups") << u"der_Hund die_Katze"_s << u"RadioButton2"_s;
        QTest::addRow("running text") << u"Der Hund bellt."_s << u"RadioButton3"_s;
        QTest::addRow("question in a group list") << u"der_Hund wer?"_s << u"RadioButton3"_s;
    }
    void typingDetectsTheTypeAndShowsStep2()
    {
        QFETCH(QString, text);
        QFETCH(QString, button);
        // A hand-made choice is overruled by the next change of the text.
        ui.RadioButton2->setChecked(true);
        typeText(text);
        QVERIFY(ui.GroupBox1->isVisible());
        QVERIFY(form->findChild<QRadioButton *>(button)->isChecked());
        QCOMPARE(ui.Label6->text(), u"kein Text geladen"_s);
    }

    void openingATextNamesIt()
    {
        writeFile(u"Tiere.txt"_s, "B\xe4r\r\nL\xf6we\r\n");
        ui.RichEdit1->setPlainText(u"alt"_s);
        ui.Memo3->setPlainText(u"alt"_s);
        openText(u"Tiere.txt"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Bär\nLöwe"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QCOMPARE(form->statusText(0), u"aktueller Text: Tiere.txt"_s);
        QVERIFY(ui.GroupBox1->isVisible());
        QVERIFY(ui.RadioButton1->isChecked());
        QVERIFY(ui.RichEdit1->toPlainText().isEmpty());
        QVERIFY(ui.Memo3->toPlainText().isEmpty());

        // Outside the start directory the full path names the text.
        writeFile(u"Klasse 2/Satz.txt"_s, "Der Hund bellt.\r\n");
        openText(u"Klasse 2/Satz.txt"_s);
        QCOMPARE(ui.Label6->text(), path(u"Klasse 2/Satz.txt"_s));
        QCOMPARE(form->statusText(0), u"aktueller Text: "_s + path(u"Klasse 2/Satz.txt"_s));
        QVERIFY(ui.RadioButton3->isChecked());
    }

    void openingAModernUtf8Text()
    {
        writeFile(u"modern.txt"_s, "Gr\xc3\xbc\xc3\x9f"
                                   "e aus M\xc3\xbcnchen\n");
        openText(u"modern.txt"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Grüße aus München"_s);
        // Saved back like every text: Windows-1252, CR LF.
        QVERIFY(!opensDialog([this] { ui.speichern1->trigger(); }));
        QCOMPARE(readFile(u"modern.txt"_s), QByteArray("Gr\xfc\xdf"
                                                       "e aus M\xfcnchen\r\n"));
    }

    void savingKeepsEveryCharacter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("word");
        QTest::addRow("no-break space") << QByteArray("der\xa0Hund\r\n") << u"der\u00a0Hund"_s;
        // Bytes that are valid UTF-8 as well, for characters outside Windows-1252.
        QTest::addRow("gaps after capitals") << QByteArray("GR\xdc\xa7\xdf\xa7"
                                                           "E\r\n")
                                             << u"GRÜ§ß§E"_s;
    }
    void savingKeepsEveryCharacter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, word);
        writeFile(u"Text.txt"_s, bytes);
        openText(u"Text.txt"_s);
        QCOMPARE(ui.Memo1->document()->toRawText(), word);
        QVERIFY(!opensDialog([this] { ui.speichern1->trigger(); }));
        QCOMPARE(readFile(u"Text.txt"_s), bytes);

        // The random word order keeps it inside its word.
        ui.zuflligeWortfolge1->trigger();
        testing::answerNextFileDialog(path(u"Gemischt.txt"_s));
        ui.speichern1->trigger();
        QCOMPARE(readFile(u"Gemischt.txt"_s), bytes.replace("\r\n", " \r\n"));
    }

    // A word list of thousands of lines opens at once: the teacher sees one word a line as
    // in any text, moves, types and saves as there.
    void openingALongWordList()
    {
        QByteArray liste;
        for (int i = 0; i < 6000; ++i)
            liste += "Wort" + QByteArray::number(i) + "\r\n";
        writeFile(u"Liste.txt"_s, liste);
        openText(u"Liste.txt"_s);
        QVERIFY(ui.RadioButton1->isChecked());
        QVERIFY(ui.Memo1->document()->blockCount() < 1000);

        // The editor shows what the same lines a block each show. (Its scroll bar, as with
        // long paragraphs, counts the lines of a block once it has laid them out.)
        ui.Memo1->setCursorWidth(0);
        const QImage gesammelt = ui.Memo1->viewport()->grab().toImage();
        const QString text = ui.Memo1->toPlainText();
        ui.Memo1->setPlainText(text);
        ui.Memo1->document()->setModified(false);
        QCOMPARE(ui.Memo1->document()->blockCount(), 6000);
        QCOMPARE(ui.Memo1->viewport()->grab().toImage(), gesammelt);
        ui.Memo1->setCursorWidth(1);

        openText(u"Liste.txt"_s);
        QCOMPARE(editorText(*ui.Memo1->document()), text);
        // Three lines down from the start is the fourth word; a line break typed in it
        // is saved as one.
        ui.Memo1->moveCursor(QTextCursor::Start);
        for (int zeile = 0; zeile < 3; ++zeile)
            QTest::keyClick(ui.Memo1, Qt::Key_Down);
        QTest::keyClick(ui.Memo1, Qt::Key_Right);
        QCOMPARE(ui.Memo1->textCursor().position(), text.indexOf(u"Wort3"_s) + 1);
        QTest::keyClick(ui.Memo1, Qt::Key_Return);
        QVERIFY(!opensDialog([this] { ui.speichern1->trigger(); }));
        QCOMPARE(readFile(u"Liste.txt"_s), QByteArray(liste).replace("Wort3\r\n", "W\r\nort3\r\n"));
    }

    void openingAnOldDosText()
    {
        // DOS umlauts and the old gap marks "+" and "*".
        const QByteArray old = "Gr\x81n +ab+ *cd* \x84\x94\x8e\x99\x9a\xe1\r\n";
        writeFile(u"Alt.lbz"_s, old);
        answerInTurn({fileAnswer(path(u"Alt.lbz"_s), u"alte DOS-Laufbahn (*.lbz)"_s)});
        ui.ffnen1->trigger();
        QCOMPARE(ui.Memo1->toPlainText(), u"Grün §ab§ $cd$ äöÄÖÜß"_s);
        QCOMPARE(ui.Label6->text(), u"Alt.lbz"_s);

        // The converted text never goes back into the old file unasked.
        testing::answerNextFileDialog(path(u"Neu"_s));
        QTest::mouseClick(ui.SpeedButton3, Qt::LeftButton);
        QCOMPARE(readFile(u"Alt.lbz"_s), old);
        QCOMPARE(readFile(u"Neu.txt"_s), QByteArray("Gr\xfcn \xa7"
                                                    "ab\xa7 $cd$ \xe4\xf6\xc4\xd6\xdc\xdf\r\n"));
        QCOMPARE(ui.Label6->text(), u"Neu.txt"_s);
    }

    void cancellingTheOpenDialogStillDetectsTheType()
    {
        typeText(u"Der Hund bellt."_s);
        QTest::mouseClick(ui.RadioButton1, Qt::LeftButton, {},
                          QPoint(8, ui.RadioButton1->height() / 2));
        QVERIFY(ui.RadioButton1->isChecked());
        // The typed text is kept in the editor: "Nein" only means "do not save it".
        answerInTurn({boxAnswer(QMessageBox::No), fileAnswer(QString())});
        ui.ffnen1->trigger();
        QVERIFY(ui.RadioButton3->isChecked());
        QCOMPARE(ui.Memo1->toPlainText(), u"Der Hund bellt."_s);
        QCOMPARE(ui.Label6->text(), u"kein Text geladen"_s);
    }

    void fileErrorsKeepTheState()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\n");
        openText(u"Tiere.txt"_s);
        writeFile(u"weg.txt"_s, "Katze\r\n");

        // The file vanishes between the choice and the reading.
        QString error;
        answerInTurn(
            {fileAnswer(path(u"weg.txt"_s), {}, [this] { QFile::remove(path(u"weg.txt"_s)); }),
             boxAnswer(QMessageBox::Ok, &error)});
        ui.ffnen1->trigger();
        QCOMPARE(error, u"Datei nicht gefunden."_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QCOMPARE(form->statusText(0), u"aktueller Text: Tiere.txt"_s);
        QVERIFY(!ui.Memo1->document()->isModified());

        // Saving into a folder that is gone.
        typeText(u" Katze"_s);
        answerInTurn({fileAnswer(path(u"fehlt/Tiere.txt"_s)), boxAnswer(QMessageBox::Ok, &error)});
        ui.speichernunter1->trigger();
        QCOMPARE(error, u"E/A-Fehler 3."_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QCOMPARE(form->statusText(0), u"aktueller Text: Tiere.txt"_s);
        QVERIFY(ui.Memo1->document()->isModified());
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("Hund\r\n"));
    }

    void unreadableFileIsReported()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\n");
        openText(u"Tiere.txt"_s);

        // A folder where a text is expected cannot be read as one.
        QVERIFY(QDir(startDir()).mkdir(u"Ordner.txt"_s));
        QString error;
        answerInTurn({boxAnswer(QMessageBox::Ok, &error)});
        QVERIFY(!form->loadText(path(u"Ordner.txt"_s)));
        QCOMPARE(error, u"Dateizugriff verweigert."_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);

        // A file far too large for an exercise text is refused before it is read.
        QFile huge(path(u"riesig.txt"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(textfile::maxTextBytes + 1));
        huge.close();
        error.clear();
        answerInTurn({fileAnswer(path(u"riesig.txt"_s)), boxAnswer(QMessageBox::Ok, &error)});
        ui.ffnen1->trigger();
        QVERIFY2(error.startsWith(u"Die Datei ist zu groß für einen Übungstext"_s),
                 qPrintable(error));
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);

        // A file without read permission (root reads it anyway).
        writeFile(u"gesperrt.txt"_s, "Maus\r\n");
        QFile::setPermissions(path(u"gesperrt.txt"_s), QFileDevice::Permissions());
        QFile probe(path(u"gesperrt.txt"_s));
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("the file stays readable for this user");
        error.clear();
        answerInTurn({fileAnswer(path(u"gesperrt.txt"_s)), boxAnswer(QMessageBox::Ok, &error)});
        ui.ffnen1->trigger();
        QCOMPARE(error, u"Dateizugriff verweigert."_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
    }

    void newTextStartsEmpty()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\n");
        openText(u"Tiere.txt"_s);
        ui.RichEdit1->setPlainText(u"alt"_s);
        ui.Memo3->setPlainText(u"alt"_s);
        // Nothing was changed, so nothing is asked.
        QVERIFY(!opensDialog([this] { QTest::mouseClick(ui.SpeedButton1, Qt::LeftButton); }));
        QVERIFY(ui.Memo1->toPlainText().isEmpty());
        QCOMPARE(ui.Label6->text(), u"neuer Text"_s);
        QCOMPARE(form->statusText(0), u"neuer Text"_s);
        QVERIFY(ui.GroupBox1->isVisible());
        QVERIFY(ui.RichEdit1->toPlainText().isEmpty());
        QVERIFY(ui.Memo3->toPlainText().isEmpty());
    }

    void saveAsksForANameOnlyUntilTheTextHasOne()
    {
        ui.neu1->trigger();
        typeText(u"Bär\nHund"_s);
        testing::answerNextFileDialog(path(u"Tiere"_s));
        QTest::mouseClick(ui.SpeedButton3, Qt::LeftButton);
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("B\xe4r\r\nHund\r\n"));
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QCOMPARE(form->statusText(0), u"aktueller Text: Tiere.txt"_s);
        QVERIFY(!ui.Memo1->document()->isModified());

        typeText(u" Katze"_s);
        QVERIFY(!opensDialog([this] { ui.speichern1->trigger(); }));
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("B\xe4r\r\nHund Katze\r\n"));

        // "Speichern unter..." into another folder: the full path names the text.
        QDir(startDir()).mkdir(u"Klasse 3"_s);
        testing::answerNextFileDialog(path(u"Klasse 3/Tiere.txt"_s));
        ui.speichernunter1->trigger();
        QCOMPARE(ui.Label6->text(), path(u"Klasse 3/Tiere.txt"_s));
        QCOMPARE(readFile(u"Klasse 3/Tiere.txt"_s), readFile(u"Tiere.txt"_s));
        typeText(u" Maus"_s);
        ui.speichern1->trigger();
        QCOMPARE(readFile(u"Klasse 3/Tiere.txt"_s), QByteArray("B\xe4r\r\nHund Katze Maus\r\n"));
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("B\xe4r\r\nHund Katze\r\n"));
    }

    void savingRefusesCharactersWindows1252CannotHold()
    {
        ui.neu1->trigger();
        typeText(u"Łódź"_s);
        QString warning;
        answerInTurn({fileAnswer(path(u"Stadt.txt"_s)), boxAnswer(QMessageBox::Ok, &warning)});
        ui.speichern1->trigger();
        QVERIFY2(warning.contains(u'Ł') && warning.contains(u'ź'), qPrintable(warning));
        QVERIFY(!warning.contains(u'ó'));
        QVERIFY(!QFile::exists(path(u"Stadt.txt"_s)));
        QCOMPARE(ui.Label6->text(), u"neuer Text"_s);
        QVERIFY(ui.Memo1->document()->isModified());
    }

    void randomWordOrder()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\nKatze\r\nMaus\r\n");
        openText(u"Tiere.txt"_s);
        ui.RichEdit1->setPlainText(u"alt"_s);
        ui.Memo3->setPlainText(u"alt"_s);
        ui.zuflligeWortfolge1->trigger();

        const QString line = ui.Memo1->toPlainText();
        QVERIFY(!line.contains(u'\n'));
        QVERIFY(line.endsWith(u' '));
        QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        words.sort();
        QCOMPARE(words, (QStringList{u"Hund"_s, u"Katze"_s, u"Maus"_s}));
        QCOMPARE(form->statusText(0), u"zufällige Wortfolge"_s);
        QVERIFY(form->zufallsfolge);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QVERIFY(ui.RichEdit1->toPlainText().isEmpty());
        QVERIFY(ui.Memo3->toPlainText().isEmpty());

        // "Speichern" asks for a name although the text had one.
        QVERIFY(opensDialog([this] { ui.speichern1->trigger(); }));
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("Hund\r\nKatze\r\nMaus\r\n"));

        // The shuffle can be undone.
        ui.Memo1->undo();
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund\nKatze\nMaus"_s);

        testing::answerNextFileDialog(path(u"Gemischt.txt"_s));
        ui.speichernunter1->trigger();
        QVERIFY(!form->zufallsfolge);
        QCOMPARE(ui.Label6->text(), u"Gemischt.txt"_s);
    }

    void unsavedChangesAreNotLostUnasked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("Ja saves first")
            << int(QMessageBox::Yes) << true << QByteArray("Hund Katze\r\n");
        QTest::addRow("Nein discards") << int(QMessageBox::No) << true << QByteArray("Hund\r\n");
        QTest::addRow("Abbrechen keeps the text")
            << int(QMessageBox::Cancel) << false << QByteArray("Hund\r\n");
    }
    void unsavedChangesAreNotLostUnasked()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(QByteArray, file);
        writeFile(u"Tiere.txt"_s, "Hund\r\n");
        openText(u"Tiere.txt"_s);
        typeText(u" Katze"_s);

        QString seen;
        QStringList buttons;
        std::vector<Answer> answers{
            boxAnswer(QMessageBox::StandardButton(answer), &seen, &buttons)};
        answerInTurn(answers);
        ui.neu1->trigger();
        QCOMPARE(seen, u"Änderungen am Text speichern?"_s);
        QCOMPARE(buttons, (QStringList{u"Abbrechen"_s, u"Ja"_s, u"Nein"_s}));
        QCOMPARE(ui.Memo1->toPlainText().isEmpty(), replaced);
        QCOMPARE(ui.Label6->text(), replaced ? u"neuer Text"_s : u"Tiere.txt"_s);
        QCOMPARE(readFile(u"Tiere.txt"_s), file);
    }

    void unsavedChangesBeforeOpeningAndLeaving()
    {
        typeText(u"Maus"_s);

        // Cancelled before any file dialog shows.
        QString seen;
        answerInTurn({boxAnswer(QMessageBox::Cancel, &seen)});
        ui.ffnen1->trigger();
        QCOMPARE(seen, u"Änderungen am Text speichern?"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Maus"_s);

        // Closing the window asks too; cancelled, the program goes on.
        seen.clear();
        answerInTurn({boxAnswer(QMessageBox::Cancel, &seen)});
        ui.Programmende1->trigger();
        QCOMPARE(seen, u"Änderungen am Text speichern?"_s);
        QVERIFY(form->isVisible());

        answerInTurn({boxAnswer(QMessageBox::No)});
        form->close();
        QVERIFY(!form->isVisible());
    }

    void unsavedRandomOrderIsSavedUnderANewName()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\nKatze\r\n");
        openText(u"Tiere.txt"_s);
        ui.zuflligeWortfolge1->trigger();
        // "Ja" asks for a new name; cancelling it keeps everything.
        QString seen;
        answerInTurn({boxAnswer(QMessageBox::Yes, &seen), fileAnswer(QString())});
        ui.neu1->trigger();
        QCOMPARE(seen, u"Änderungen am Text speichern?"_s);
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("Hund\r\nKatze\r\n"));
        QVERIFY(!ui.Memo1->toPlainText().isEmpty()); // cancelled saving keeps the text
        QVERIFY(form->zufallsfolge);
    }

    void stepThreeWordList()
    {
        ui.ListBox3->addItems({u"Hund"_s, u"Äpfel"_s, u"Katze"_s});
        // Nothing selected: nothing happens.
        QTest::mouseClick(ui.SpeedButton7, Qt::LeftButton);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(ui.ListBox3->count(), 3);

        ui.ListBox3->setCurrentRow(1);
        QTest::mouseClick(ui.SpeedButton7, Qt::LeftButton);
        QCOMPARE(ui.ListBox3->item(1)->text(), u"äpfel"_s);
        QCOMPARE(ui.Memo3->toPlainText(), u"Hund\näpfel\nKatze"_s);

        ui.ListBox3->setCurrentRow(0);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(ui.ListBox3->count(), 2);
        QCOMPARE(ui.Memo3->toPlainText(), u"äpfel\nKatze"_s);
    }

    void wrongWordsSavedAsText()
    {
        ui.Memo3->setPlainText(u"Hund\nKätzchen"_s);
        testing::answerNextFileDialog(path(u"Fehler"_s));
        QTest::mouseClick(ui.SpeedButton6, Qt::LeftButton);
        QCOMPARE(readFile(u"Fehler.txt"_s), QByteArray("Hund\r\nK\xe4tzchen\r\n"));
        QCOMPARE(ui.Label6->text(), u"kein Text geladen"_s);
    }

    void hidingTheErrorDisplay()
    {
        form->showStep3();
        QVERIFY(ui.GroupBox3->isVisible());
        QVERIFY(ui.GroupBox4->isVisible());
        ui.Fehlerverstecken1->trigger();
        QVERIFY(ui.GroupBox3->isHidden());
        QVERIFY(ui.GroupBox4->isVisible());
        form->showStep3();
        QVERIFY(ui.GroupBox3->isHidden());
        ui.Fehlerverstecken1->trigger();
        QVERIFY(ui.GroupBox3->isVisible());

        // Unchecked without a finished exercise: step 3 stays hidden.
        form->hideStep3();
        ui.Fehlerverstecken1->trigger();
        ui.Fehlerverstecken1->trigger();
        QVERIFY(ui.GroupBox3->isHidden());
    }

    void textbezogenForgetsThePupil()
    {
        writeFile(u"Tiere.txt"_s, "Hund\r\n");
        openText(u"Tiere.txt"_s);
        ui.Edit1->setText(u"Anna Beispiel"_s);
        ui.Edit2->setText(u"Anna"_s);
        form->setStatusText(1, u"aktueller Schüler: Anna Beispiel"_s);
        ui.ListBox1->addItem(u"[01.12.2025 10:00:00] Tiere.txt"_s);
        ui.Memo2->setPlainText(u"Anna Beispiel"_s);
        ui.Memo3->setPlainText(u"Hund"_s);
        ui.RichEdit1->setPlainText(u"Hund"_s);
        ui.Button5->show();
        form->showStep3();

        QTest::mouseClick(ui.Button5, Qt::LeftButton);
        QCOMPARE(ui.Edit1->text(), u"kein Schüler geladen"_s);
        QVERIFY(ui.Edit2->text().isEmpty());
        QCOMPARE(form->statusText(1), u"kein Schüler geladen"_s);
        QCOMPARE(ui.ListBox1->count(), 0);
        QVERIFY(ui.Memo2->toPlainText().isEmpty());
        QVERIFY(ui.Memo3->toPlainText().isEmpty());
        QVERIFY(ui.RichEdit1->toPlainText().isEmpty());
        QVERIFY(ui.GroupBox3->isHidden());
        QVERIFY(ui.GroupBox4->isHidden());
        QVERIFY(ui.Button5->isHidden());
        // The text stays.
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
    }

    void evaluationsNeedATextOrAPupil()
    {
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        ui.Textauswertung1->trigger();
        QCOMPARE(message, u"Sie müssen zunächst einen Text laden."_s);
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        ui.FehlerauswertungdesaktuellenSchler1->trigger();
        QCOMPARE(message, u"Sie müssen zunächst einen Schüler laden."_s);

        // With a text its words are evaluated, with a pupil the pupil's wrong words.
        QString title;
        QStringList words;
        const Answer look = [&](QWidget *dialog) {
            auto *evaluation = qobject_cast<TForm17 *>(dialog);
            QVERIFY(evaluation);
            title = evaluation->windowTitle() + u": "_s + evaluation->Label1->text();
            words.clear();
            for (int i = 0; i < evaluation->ListBox1->count(); ++i)
                words.append(evaluation->ListBox1->item(i)->text());
            evaluation->reject();
        };
        ui.neu1->trigger();
        ui.Memo1->setPlainText(u"Der Ball\nrollt."_s);
        testing::answerNextDialog(look);
        ui.Textauswertung1->trigger();
        QCOMPARE(title, u"Textauswertung: neuer Text"_s);
        QCOMPARE(words, (QStringList{u"Ball"_s, u"Der"_s, u"rollt"_s}));

        ui.Edit1->setText(u"Anna Beispiel"_s);
        ui.Memo2->setPlainText(u"Anna Beispiel\n~[01.02.2024] Tiere.txt\nHu$n$d\n"_s);
        testing::answerNextDialog(look);
        ui.FehlerauswertungdesaktuellenSchler1->trigger();
        QCOMPARE(title, u"Fehlerauswertung: Anna Beispiel"_s);
        QCOMPARE(words, QStringList{u"Hund"_s});

        // Its prints are shown in the preview over it.
        QString preview;
        testing::answerNextDialog([&](QWidget *dialog) {
            auto *evaluation = qobject_cast<TForm17 *>(dialog);
            QVERIFY(evaluation);
            testing::answerNextDialog([&](QWidget *shown) {
                auto *druck = qobject_cast<printing::Druckvorschau *>(shown);
                preview =
                    druck ? druck->job().title + u" over "_s + druck->parentWidget()->objectName()
                          : QString::fromLatin1(shown->metaObject()->className());
                shown->close();
            });
            evaluation->BitBtn2->click();
            evaluation->reject();
        });
        ui.FehlerauswertungdesaktuellenSchler1->trigger();
        QCOMPARE(preview, u"Anna Beispiel over Form17"_s);
    }

    void aboutBoxAndPrinterSetup()
    {
        QString title;
        QString texts;
        testing::answerNextDialog([&](QWidget *dialog) {
            title = dialog->windowTitle();
            for (QLabel *label : dialog->findChildren<QLabel *>())
                texts += label->text() + u'\n';
            static_cast<QDialog *>(dialog)->accept();
        });
        ui.Info1->trigger();
        QCOMPARE(title, u"Info"_s);
        QVERIFY(texts.contains(u"Laufbahn II"_s));
        QVERIFY(texts.contains(u"2.0"_s));

        bool printDialog = false;
        testing::answerNextDialog([&](QWidget *dialog) {
            printDialog = qobject_cast<QPrintDialog *>(dialog) != nullptr;
            static_cast<QDialog *>(dialog)->reject();
        });
        ui.Druckereinstellungen1->trigger();
        QVERIFY(printDialog);
        QVERIFY(form->printer());
    }

    void windowPlacement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("maximized");
        const QMargins frame(8, 31, 8, 8);
        QTest::addRow("large screen") << QRect(0, 0, 1920, 1040) << frame << false;
        QTest::addRow("second screen") << QRect(1920, 30, 1280, 994) << frame << false;
        QTest::addRow("1024 x 768 with a task bar") << QRect(0, 0, 1024, 728) << frame << false;
        QTest::addRow("window and frame fit exactly") << QRect(0, 0, 825, 645) << frame << false;
        QTest::addRow("one pixel too low") << QRect(0, 0, 825, 644) << frame << true;
        QTest::addRow("one pixel too narrow") << QRect(0, 0, 824, 645) << frame << true;
        QTest::addRow("projector 800 x 600") << QRect(0, 0, 800, 600) << frame << true;
        QTest::addRow("projector with a panel") << QRect(0, 24, 800, 576) << frame << true;
        QTest::addRow("narrow screen") << QRect(0, 20, 640, 460) << frame << true;
        QTest::addRow("frameless window on a short screen")
            << QRect(0, 0, 1280, 600) << QMargins() << true;
    }
    void windowPlacement()
    {
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(bool, maximized);
        const TForm3::Placement placement = TForm3::placementOn(available, frame);
        QCOMPARE(placement.maximized, maximized);
        if (maximized) {
            QCOMPARE(placement.geometry, available.marginsRemoved(frame));
            return;
        }
        // Centred, the frame included, and wholly on the screen.
        QCOMPARE(placement.geometry.size(), QSize(809, 606));
        const QRect framed = placement.geometry.marginsAdded(frame);
        QVERIFY(available.contains(framed));
        QVERIFY(qAbs(framed.center().x() - available.center().x()) <= 1);
        QVERIFY(qAbs(framed.center().y() - available.center().y()) <= 1);
    }

    void readingFingerPointers()
    {
        const QImage down = ui.Image1->pixmap().toImage();
        const QImage up = ui.Image2->pixmap().toImage();
        QCOMPARE(down.size(), QSize(50, 25));
        QCOMPARE(up.size(), QSize(50, 25));
        const QRgb red = qRgb(255, 0, 0);
        const QRgb black = qRgb(0, 0, 0);
        QCOMPARE(down.pixel(0, 0), red);
        QCOMPARE(down.pixel(49, 0), red);
        QCOMPARE(down.pixel(24, 24), red);
        QCOMPARE(down.pixel(25, 24), red);
        QCOMPARE(down.pixel(23, 24), black);
        QCOMPARE(down.pixel(0, 1), black);
        QCOMPARE(up.pixel(24, 0), red);
        QCOMPARE(up.pixel(25, 0), red);
        QCOMPARE(up.pixel(23, 0), black);
        QCOMPARE(up.pixel(0, 24), red);
        QCOMPARE(up.pixel(49, 24), red);
        QCOMPARE(up.pixel(0, 23), black);
    }
};

QTEST_MAIN(TestGlmain)
#include "tst_glmain.moc"
