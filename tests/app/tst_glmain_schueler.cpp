#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "exercise/ui/neuschueler.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

using testing::Answer;
using testing::answerInTurn;
using testing::boxAnswer;
using testing::fileAnswer;
using testing::opensDialog;

namespace {

Answer pupilName(const QString &name)
{
    return [name](QWidget *dialog) {
        auto *form = qobject_cast<TForm2 *>(dialog);
        QVERIFY2(form, dialog->metaObject()->className());
        form->Edit1->setText(name);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    };
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// A pupil file as another program would write it: Windows-1252, CR LF.
QByteArray record(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

const QStringList tiereRecord = {
    u"Ben Müller"_s, u"~[01.12.2026 - 09:00:00] Tiere.txt"_s, u"Hund"_s,    u"Kätze"_s,
    u""_s,           u"~[02.12.2026] Gruppen.txt"_s,          u"die_Maus"_s};

} // namespace

class TestGlmainSchueler : public QObject, protected testing::AppFixture {
    Q_OBJECT

    void loadPupil(const QString &name)
    {
        answerInTurn({fileAnswer(path(name))});
        QTest::mouseClick(ui.Button2, Qt::LeftButton);
    }

    // The pupil of `tiereRecord` with its two texts beside it.
    void loadBen()
    {
        writeFile(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        writeFile(u"Gruppen.txt"_s, "die_Maus im_Haus\r\n");
        writeFile(u"Ben Müller.lbs"_s, record(tiereRecord));
        loadPupil(u"Ben Müller.lbs"_s);
    }

    void clickEntry(int row)
    {
        QListWidgetItem *item = ui.ListBox1->item(row);
        QVERIFY(item);
        ui.ListBox1->scrollToItem(item);
        QTest::mouseClick(ui.ListBox1->viewport(), Qt::LeftButton, {},
                          ui.ListBox1->visualItemRect(item).center());
    }

    void chooseWord(int row) { ui.ListBox3->setCurrentRow(row); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void newPupilWritesItsRecord()
    {
        QCOMPARE(app().Form2->parentWidget(), form);
        QVERIFY(!app().Form2->isVisible());
        loadBen();
        ui.Edit2->setText(u"Benni"_s);

        answerInTurn({pupilName(u"Anna"_s)});
        ui.neu2->trigger();
        QCOMPARE(readFile(u"Anna.lbs"_s), QByteArray("Anna\r\n"));
        QCOMPARE(form->schuelerPfad(), path(u"Anna.lbs"_s));
        QCOMPARE(ui.Edit1->text(), u"Anna"_s);
        QCOMPARE(form->statusText(1), u"aktueller Schüler: Anna"_s);
        QCOMPARE(ui.Memo2->toPlainText(), u"Anna"_s);
        QCOMPARE(ui.ListBox1->count(), 0);
        // The first name field is not filled from a new pupil's name.
        QCOMPARE(ui.Edit2->text(), u"Benni"_s);

        // Loading the same record afterwards fills it and offers "Textbezogen".
        form->Button5Click();
        answerInTurn({pupilName(u"Carla Neu"_s)});
        QTest::mouseClick(ui.Button3, Qt::LeftButton);
        QVERIFY(ui.Button5->isHidden());
        QVERIFY(ui.Edit2->text().isEmpty());
        loadPupil(u"Carla Neu.lbs"_s);
        QVERIFY(ui.Button5->isVisible());
        QCOMPARE(ui.Edit2->text(), u"Carla"_s);
    }

    void newPupilOverAnExistingRecord_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addRow("replaced") << true;
        QTest::addRow("kept") << false;
    }
    void newPupilOverAnExistingRecord()
    {
        QFETCH(bool, overwrite);
        loadBen();
        const QByteArray old = readFile(u"Ben Müller.lbs"_s);
        QString question;
        answerInTurn({pupilName(u"Ben Müller"_s),
                      boxAnswer(overwrite ? QMessageBox::Yes : QMessageBox::No, &question)});
        ui.neu2->trigger();
        QCOMPARE(question, u"Für diesen Namen gibt es schon eine Schülerdatei. Überschreiben?"_s);
        if (overwrite) {
            QCOMPARE(readFile(u"Ben Müller.lbs"_s), QByteArray("Ben M\xfcller\r\n"));
            QCOMPARE(ui.ListBox1->count(), 0);
        } else {
            QCOMPARE(readFile(u"Ben Müller.lbs"_s), old);
            QCOMPARE(ui.ListBox1->count(), 2);
            QCOMPARE(ui.Memo2->toPlainText(), tiereRecord.join(u'\n'));
        }
    }

    void refusedOrAbortedNewPupilChangesNothing()
    {
        loadBen();
        const QStringList before = QDir(startDir()).entryList(QDir::Files);
        QString warning;
        answerInTurn({pupilName(u"../Anna"_s), boxAnswer(QMessageBox::Ok, &warning)});
        ui.neu2->trigger();
        QVERIFY2(warning.contains(u'/'), qPrintable(warning));

        answerInTurn({[](QWidget *dialog) {
            auto *form2 = qobject_cast<TForm2 *>(dialog);
            QVERIFY(form2);
            form2->Edit1->setText(u"Anna"_s);
            QTest::mouseClick(form2->Button2, Qt::LeftButton);
        }});
        ui.neu2->trigger();

        QCOMPARE(QDir(startDir()).entryList(QDir::Files), before);
        QVERIFY(!QFile::exists(path(u"../Anna.lbs"_s)));
        QCOMPARE(ui.Edit1->text(), u"Ben Müller"_s);
        QCOMPARE(form->schuelerPfad(), path(u"Ben Müller.lbs"_s));
        QCOMPARE(ui.ListBox1->count(), 2);
    }

    void loadingAPupil()
    {
        // Step 3 of an earlier exercise disappears with the new pupil.
        ui.RichEdit1->setPlainText(u"alt"_s);
        ui.Memo3->setPlainText(u"alt"_s);
        form->showStep3();
        QVERIFY(QFile::copy(testing::testDataFile(u"pupilrecord/doppelt_lf.lbs"_s),
                            path(u"Mia.lbs"_s)));
        answerInTurn({fileAnswer(path(u"Mia.lbs"_s))});
        ui.ffnen2->trigger();

        QCOMPARE(form->schuelerPfad(), path(u"Mia.lbs"_s));
        QCOMPARE(ui.Edit1->text(), u"Mia"_s);
        QCOMPARE(ui.Edit2->text(), u"Mia"_s);
        QCOMPARE(form->statusText(1), u"aktueller Schüler: Mia"_s);
        QVERIFY(ui.Button5->isVisible());
        QVERIFY(ui.GroupBox3->isHidden());
        QVERIFY(ui.GroupBox4->isHidden());
        QVERIFY(ui.RichEdit1->toPlainText().isEmpty());
        QVERIFY(ui.Memo3->toPlainText().isEmpty());
        QCOMPARE(items(ui.ListBox1), (QStringList{u"[07.12.2026] Woerter.txt"_s,
                                                  u"[07.12.2026 - 10:15:00] Geschichte.txt"_s}));
        QCOMPARE(ui.ListBox1->selectedItems().size(), 0);
        QCOMPARE(ui.Memo2->toPlainText().split(u'\n').size(), 8);
    }

    // A file double-clicked in the file manager reaches the program as "laufbahn FILE":
    // a pupil file is loaded as "Schüler laden" does, a text as "Öffnen..." does, a file
    // that cannot be read is reported and nothing changes.
    void fileOpenedFromTheDesktop_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("fehler"); // the message box's text, or none
        QTest::addColumn<QString>("schueler"); // Edit1 afterwards
        QTest::addColumn<QString>("text");     // Label6 afterwards
        QTest::addColumn<QString>("memo1");
        const QString keiner = TForm3::keinSchueler.toString();
        const QString keinText = TForm3::keinText.toString();
        QTest::newRow("pupil file") << u"Ben Müller.LBS"_s << QString() << u"Ben Müller"_s
                                    << keinText << QString();
        QTest::newRow("text") << u"Tiere.txt"_s << QString() << keiner << u"Tiere.txt"_s
                              << u"Hund Katze Maus"_s;
        QTest::newRow("old DOS text, converted")
            << u"Alt.lbz"_s << QString() << keiner << u"Alt.lbz"_s << u"Grün §ab§ $cd$"_s;
        QTest::newRow("text in another folder")
            << u"anderswo/Tiere.txt"_s << QString() << keiner << u"anderswo/Tiere.txt"_s
            << u"Hund Katze Maus"_s;
        QTest::newRow("missing pupil file")
            << u"Weg.lbs"_s << u"Datei nicht gefunden."_s << keiner << keinText << QString();
        QTest::newRow("missing text")
            << u"Weg.txt"_s << u"Datei nicht gefunden."_s << keiner << keinText << QString();
    }
    void fileOpenedFromTheDesktop()
    {
        QFETCH(QString, datei);
        QFETCH(QString, fehler);
        QFETCH(QString, schueler);
        QFETCH(QString, text);
        QFETCH(QString, memo1);
        writeFile(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        writeFile(u"anderswo/Tiere.txt"_s, "Hund Katze Maus\r\n");
        writeFile(u"Alt.lbz"_s, "Gr\x81n +ab+ *cd*\r\n");
        writeFile(u"Ben Müller.LBS"_s, record(tiereRecord));

        QString gemeldet;
        if (!fehler.isEmpty())
            answerInTurn({boxAnswer(QMessageBox::Ok, &gemeldet)});
        form->dateiOeffnen(path(datei));
        QCOMPARE(gemeldet, fehler);
        QCOMPARE(ui.Edit1->text(), schueler);
        QCOMPARE(ui.Label6->text(), text.contains(u'/') ? path(text) : text);
        QCOMPARE(ui.Memo1->toPlainText(), memo1);
        if (schueler != TForm3::keinSchueler)
            QCOMPARE(items(ui.ListBox1).size(), 2);
    }

    void failedOrCancelledLoadKeepsThePupil()
    {
        loadBen();
        const QString memo2 = ui.Memo2->toPlainText();

        answerInTurn({fileAnswer(QString())});
        ui.ffnen2->trigger();
        QCOMPARE(ui.Edit1->text(), u"Ben Müller"_s);

        // The record vanishes between the choice and the reading.
        writeFile(u"weg.lbs"_s, record({u"Weg"_s}));
        QString error;
        answerInTurn(
            {fileAnswer(path(u"weg.lbs"_s), {}, [this] { QFile::remove(path(u"weg.lbs"_s)); }),
             boxAnswer(QMessageBox::Ok, &error)});
        ui.ffnen2->trigger();
        QCOMPARE(error, u"Datei nicht gefunden."_s);
        QCOMPARE(ui.Edit1->text(), u"Ben Müller"_s);
        QCOMPARE(ui.Edit2->text(), u"Ben"_s);
        QCOMPARE(form->schuelerPfad(), path(u"Ben Müller.lbs"_s));
        QCOMPARE(ui.Memo2->toPlainText(), memo2);
        QCOMPARE(ui.ListBox1->count(), 2);
    }

    void selectingAPastExercise()
    {
        loadBen();
        clickEntry(0);
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund Katze Maus"_s);
        QCOMPARE(ui.Label6->text(), u"Tiere.txt"_s);
        QCOMPARE(form->statusText(0), u"aktueller Text: Tiere.txt"_s);
        QVERIFY(ui.GroupBox1->isVisible());
        QVERIFY(ui.GroupBox3->isVisible());
        QVERIFY(ui.GroupBox4->isVisible());
        QCOMPARE(ui.Memo3->toPlainText(), u"Hund\nKätze\n"_s);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"Hund"_s, u"Kätze"_s}));
        QVERIFY(ui.RadioButton1->isChecked());

        // The arrow key selects the next exercise as a click does.
        ui.Fehlerverstecken1->trigger();
        ui.ListBox1->setFocus();
        QTest::keyClick(ui.ListBox1, Qt::Key_Down);
        QCOMPARE(ui.Label6->text(), u"Gruppen.txt"_s);
        QVERIFY(ui.RadioButton2->isChecked());
        QCOMPARE(items(ui.ListBox3), (QStringList{u"die_Maus"_s}));
        QVERIFY(ui.GroupBox3->isHidden());
        QVERIFY(ui.GroupBox4->isVisible());
    }

    void selectionDraggedWithTheMouseCountsWhereItEnds()
    {
        loadBen();
        QWidget *viewport = ui.ListBox1->viewport();
        const QPoint first = ui.ListBox1->visualItemRect(ui.ListBox1->item(0)).center();
        const QPoint second = ui.ListBox1->visualItemRect(ui.ListBox1->item(1)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, first);
        QCOMPARE(ui.Label6->text(), u"kein Text geladen"_s);
        QTest::mouseMove(viewport, second);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, second);
        QTRY_COMPARE(ui.Label6->text(), u"Gruppen.txt"_s);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"die_Maus"_s}));
    }

    void aCorrectionOnlyReachesTheExerciseItShows()
    {
        loadBen();
        clickEntry(0);
        const QByteArray old = readFile(u"Ben Müller.lbs"_s);
        {
            // Selected behind the list's back, without showing its words.
            const QSignalBlocker quiet(ui.ListBox1);
            ui.ListBox1->setCurrentRow(1);
        }
        chooseWord(0);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(ui.Memo3->toPlainText(), u"Kätze"_s);
        QCOMPARE(readFile(u"Ben Müller.lbs"_s), old);
    }

    void anOldDosTextComesBackConverted()
    {
        // Exercised after "Öffnen..." had converted it, so it is shown converted again.
        writeFile(u"Alt.lbz"_s, "Gr\x81n +ab+ *cd*\r\n");
        writeFile(u"Ida.lbs"_s, record({u"Ida"_s, u"~[03.12.2026] Alt.lbz"_s, u"Grün"_s}));
        loadPupil(u"Ida.lbs"_s);
        clickEntry(0);
        QCOMPARE(ui.Label6->text(), u"Alt.lbz"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Grün §ab§ $cd$"_s);
    }

    void textOutsideTheStartFolderAndMissingTexts()
    {
        QTemporaryDir elsewhere;
        QFile text(elsewhere.filePath(u"Fremd.txt"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Baum] Ast\r\n");
        text.close();
        const QString foreign = elsewhere.filePath(u"Fremd.txt"_s);
        writeFile(u"Ida.lbs"_s, record({u"Ida"_s, u"~[03.12.2026] "_s + foreign, u"Ast"_s,
                                        u"~[04.12.2026] Weg.txt"_s, u"Mond"_s, u"Stern"_s}));
        loadPupil(u"Ida.lbs"_s);

        clickEntry(0);
        QCOMPARE(ui.Label6->text(), foreign);
        QCOMPARE(ui.Memo1->toPlainText(), u"Baum] Ast"_s);

        // A text that is gone: the error is shown, the text stays, the words are shown
        // and belong to the selected exercise.
        QString error;
        answerInTurn({boxAnswer(QMessageBox::Ok, &error)});
        clickEntry(1);
        QCOMPARE(error, u"Datei nicht gefunden."_s);
        QCOMPARE(ui.Label6->text(), foreign);
        QCOMPARE(ui.Memo1->toPlainText(), u"Baum] Ast"_s);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"Mond"_s, u"Stern"_s}));
        chooseWord(0);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(readFile(u"Ida.lbs"_s), record({u"Ida"_s, u"~[03.12.2026] "_s + foreign, u"Ast"_s,
                                                 u"~[04.12.2026] Weg.txt"_s, u"Stern"_s}));
    }

    void unsavedTextIsAskedForBeforeSelecting()
    {
        loadBen();
        clickEntry(0);
        ui.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClicks(ui.Memo1, u" Igel"_s);

        // Cancelled: the list goes back to the exercise whose words are shown.
        QString question;
        answerInTurn({boxAnswer(QMessageBox::Cancel, &question)});
        clickEntry(1);
        QCOMPARE(question, u"Änderungen am Text speichern?"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund Katze Maus Igel"_s);
        QCOMPARE(ui.ListBox1->currentRow(), 0);
        QVERIFY(ui.ListBox1->currentItem()->isSelected());

        answerInTurn({boxAnswer(QMessageBox::No)});
        clickEntry(1);
        QCOMPARE(ui.Label6->text(), u"Gruppen.txt"_s);
        QCOMPARE(readFile(u"Tiere.txt"_s), QByteArray("Hund Katze Maus\r\n"));
    }

    void correctingWords()
    {
        loadBen();
        clickEntry(0);
        chooseWord(0);
        QTest::mouseClick(ui.SpeedButton7, Qt::LeftButton);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"hund"_s, u"Kätze"_s}));
        QStringList expected = tiereRecord;
        expected.replace(2, u"hund"_s);
        // The blank line under the words goes with the correction: it was never shown.
        expected.removeAt(4);
        QCOMPARE(readFile(u"Ben Müller.lbs"_s), record(expected));
        QCOMPARE(ui.Memo2->toPlainText(), expected.join(u'\n'));
        QCOMPARE(ui.Memo3->toPlainText(), u"hund\nKätze"_s);
        QCOMPARE(ui.ListBox1->currentRow(), 0);

        // Every word deleted: the header stays with nothing under it.
        for (int i = 0; i < 2; ++i) {
            chooseWord(0);
            QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        }
        QCOMPARE(ui.ListBox3->count(), 0);
        QCOMPARE(readFile(u"Ben Müller.lbs"_s),
                 record({u"Ben Müller"_s, u"~[01.12.2026 - 09:00:00] Tiere.txt"_s,
                         u"~[02.12.2026] Gruppen.txt"_s, u"die_Maus"_s}));
        QCOMPARE(items(ui.ListBox1).size(), 2);
    }

    void correctionOfDuplicateHeadersTouchesTheFirstBlock()
    {
        writeFile(u"Woerter.txt"_s, "Hund Katze Maus\r\n");
        QVERIFY(
            QFile::copy(testing::testDataFile(u"pupilrecord/doppelt.lbs"_s), path(u"Mia.lbs"_s)));
        loadPupil(u"Mia.lbs"_s);
        clickEntry(0);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"Hund"_s, u"Katze"_s}));
        chooseWord(1);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(readFile(u"Mia.lbs"_s),
                 record({u"Mia"_s, u"~[07.12.2026] Woerter.txt"_s, u"Hund"_s,
                         u"~[07.12.2026] Woerter.txt"_s, u"Maus"_s,
                         u"~[07.12.2026 - 10:15:00] Geschichte.txt"_s, u"Baum"_s}));
    }

    void correctionMergesWhatAnotherProgramRecorded()
    {
        loadBen();
        clickEntry(0);
        // The classroom computer next door records an exercise in the meantime.
        QStringList outside = tiereRecord;
        outside << u"~[05.12.2026] Tiere.txt"_s << u"Igel"_s;
        writeFile(u"Ben Müller.lbs"_s, record(outside));

        chooseWord(1);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(readFile(u"Ben Müller.lbs"_s),
                 record({u"Ben Müller"_s, u"~[01.12.2026 - 09:00:00] Tiere.txt"_s, u"Hund"_s,
                         u"~[02.12.2026] Gruppen.txt"_s, u"die_Maus"_s,
                         u"~[05.12.2026] Tiere.txt"_s, u"Igel"_s}));
        QCOMPARE(items(ui.ListBox1).size(), 3);
        QCOMPARE(ui.ListBox1->currentRow(), 0);
        QVERIFY(ui.Memo2->toPlainText().endsWith(u"\nIgel"_s));
    }

    void refillingTheListStartsNoSelection()
    {
        loadBen();
        clickEntry(0);
        QTest::keyClicks(ui.Memo1, u"x"_s);
        // A correction and a recording refill and reselect the list: no question, no reload.
        QVERIFY(!opensDialog([this] {
            chooseWord(0);
            QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
            form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);
        }));
        QVERIFY(ui.Memo1->document()->isModified());
        QCOMPARE(ui.ListBox1->count(), 3);
    }

    void recordingAnExercise()
    {
        loadBen();
        clickEntry(0);
        ui.Memo3->setPlainText(u"Maus\nHaus\n"_s);
        const QString today = QDate::currentDate().toString(u"dd.MM.yyyy");
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);

        const QStringList lines =
            QString::fromLatin1(readFile(u"Ben Müller.lbs"_s)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), tiereRecord.size() + 4);
        QCOMPARE(lines.mid(0, tiereRecord.size()), tiereRecord);
        const QString header = lines[tiereRecord.size()];
        QVERIFY2(QRegularExpression(u"^~\\[%1 - \\d\\d:\\d\\d:\\d\\d\\] Tiere\\.txt$"_s.arg(
                                        QRegularExpression::escape(today)))
                     .match(header)
                     .hasMatch(),
                 qPrintable(header));
        QCOMPARE(lines.mid(tiereRecord.size() + 1), (QStringList{u"Maus"_s, u"Haus"_s, u""_s}));
        // The new exercise is selected, and its words are the ones a correction changes.
        QCOMPARE(ui.ListBox1->count(), 3);
        QCOMPARE(ui.ListBox1->currentRow(), 2);
        QCOMPARE(ui.ListBox1->currentItem()->text(), header.mid(1));
        QCOMPARE(items(ui.ListBox3), (QStringList{u"Maus"_s, u"Haus"_s}));
        chooseWord(0);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QVERIFY(readFile(u"Ben Müller.lbs"_s).endsWith("Tiere.txt\r\nHaus\r\n"));

        // The other kinds: a date without time, no exercise selected afterwards, and an
        // exercise without wrong words leaves its header alone.
        ui.Memo3->clear();
        form->uebungEintragen(pupilrecord::ExerciseKind::Other);
        QVERIFY(readFile(u"Ben Müller.lbs"_s)
                    .endsWith(QByteArray("Haus\r\n~[" + today.toLatin1() + "] Tiere.txt\r\n")));
        QCOMPARE(ui.ListBox1->count(), 4);
        QCOMPARE(ui.ListBox1->selectedItems().size(), 0);
        // The same entry again appears once in the list.
        form->uebungEintragen(pupilrecord::ExerciseKind::Other);
        QCOMPARE(ui.ListBox1->count(), 4);
        QVERIFY(
            readFile(u"Ben Müller.lbs"_s)
                .endsWith(QByteArray("] Tiere.txt\r\n~[" + today.toLatin1() + "] Tiere.txt\r\n")));
    }

    void wordsOfARunAreNeverTakenForAnEarlierExercise()
    {
        loadBen();
        clickEntry(0);
        // A reading-finger run records its words, and step 3 shows them.
        ui.Memo3->setPlainText(u"Maus"_s);
        form->uebungEintragen(pupilrecord::ExerciseKind::Other);
        ui.ListBox3->clear();
        ui.ListBox3->addItem(u"Maus"_s);

        // Going back to the earlier exercise by key shows its own words again, so that a
        // correction there cannot put the run's words in their place.
        ui.ListBox1->setFocus();
        QTest::keyClick(ui.ListBox1, Qt::Key_Home);
        QCOMPARE(ui.ListBox1->currentRow(), 0);
        QCOMPARE(items(ui.ListBox3), (QStringList{u"Hund"_s, u"Kätze"_s}));
        chooseWord(1);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        const QString written = QString::fromLatin1(readFile(u"Ben Müller.lbs"_s));
        QVERIFY2(written.startsWith(u"Ben Müller\r\n~[01.12.2026 - 09:00:00] Tiere.txt\r\n"
                                    u"Hund\r\n~[02.12.2026] Gruppen.txt\r\n"_s),
                 qPrintable(written));
    }

    void nothingIsRecordedWithoutANamedTextOrAPupil()
    {
        loadBen();
        const QByteArray old = readFile(u"Ben Müller.lbs"_s);
        ui.Memo3->setPlainText(u"Maus"_s);
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn); // no text loaded
        ui.neu1->trigger();
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn); // "neuer Text"
        QCOMPARE(readFile(u"Ben Müller.lbs"_s), old);

        clickEntry(0);
        QTest::mouseClick(ui.Button5, Qt::LeftButton);
        ui.Memo3->setPlainText(u"Maus"_s);
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);
        QCOMPARE(ui.ListBox1->count(), 0);
        QVERIFY(ui.Memo2->toPlainText().isEmpty());
        // Nor does a correction reach the file of the pupil that was left.
        ui.ListBox3->addItem(u"Hund"_s);
        chooseWord(0);
        QTest::mouseClick(ui.SpeedButton8, Qt::LeftButton);
        QCOMPARE(readFile(u"Ben Müller.lbs"_s), old);
    }

    void failedWriteKeepsTheExerciseForTheNextOne()
    {
        loadBen();
        clickEntry(0);
        // Something that cannot be read as the record stands in its place for a while.
        QVERIFY(QFile::remove(path(u"Ben Müller.lbs"_s)));
        QVERIFY(QDir(startDir()).mkdir(u"Ben Müller.lbs"_s));
        ui.Memo3->setPlainText(u"Maus"_s);
        QString error;
        answerInTurn({boxAnswer(QMessageBox::Ok, &error)});
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);
        QCOMPARE(error, u"Dateizugriff verweigert."_s);
        QCOMPARE(ui.ListBox1->count(), 3);
        QVERIFY(ui.Memo2->toPlainText().endsWith(u"] Tiere.txt\nMaus"_s));

        QVERIFY(QDir(startDir()).rmdir(u"Ben Müller.lbs"_s));
        ui.Memo3->setPlainText(u"Haus"_s);
        form->uebungEintragen(pupilrecord::ExerciseKind::Other);
        const QByteArray written = readFile(u"Ben Müller.lbs"_s);
        QVERIFY(written.startsWith(record(tiereRecord)));
        QVERIFY2(written.contains("] Tiere.txt\r\nMaus\r\n~["), written.constData());
        QVERIFY(written.endsWith("] Tiere.txt\r\nHaus\r\n"));
    }

    void leavingAPupilWritesWhatAFailedWriteLeftBehind_data()
    {
        QTest::addColumn<bool>("stillFailing");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("left");
        QTest::addRow("written now, nothing asked") << false << QMessageBox::NoButton << true;
        QTest::addRow("still failing, teacher stays") << true << QMessageBox::No << false;
        QTest::addRow("still failing, teacher goes on") << true << QMessageBox::Yes << true;
    }
    void leavingAPupilWritesWhatAFailedWriteLeftBehind()
    {
        QFETCH(bool, stillFailing);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, left);
        loadBen();
        clickEntry(0);
        QVERIFY(QFile::remove(path(u"Ben Müller.lbs"_s)));
        QVERIFY(QDir(startDir()).mkdir(u"Ben Müller.lbs"_s));
        ui.Memo3->setPlainText(u"Maus"_s);
        answerInTurn({boxAnswer(QMessageBox::Ok)});
        form->uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);
        if (!stillFailing)
            QVERIFY(QDir(startDir()).rmdir(u"Ben Müller.lbs"_s));

        QString question;
        if (stillFailing)
            answerInTurn({boxAnswer(answer, &question)});
        QTest::mouseClick(ui.Button5, Qt::LeftButton); // "Textbezogen"
        QCOMPARE(ui.Edit1->text() == TForm3::keinSchueler, left);
        if (stillFailing) {
            QVERIFY2(question.startsWith(u"Die Schülerdatei konnte nicht gespeichert werden"_s),
                     qPrintable(question));
        } else {
            QVERIFY(readFile(u"Ben Müller.lbs"_s).endsWith("] Tiere.txt\r\nMaus\r\n"));
        }
    }
};

QTEST_MAIN(TestGlmainSchueler)
#include "tst_glmain_schueler.moc"
