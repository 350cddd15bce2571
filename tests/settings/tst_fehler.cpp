#include "settings/ui/fehler.h"

#include "tests/support/dialogs.h"
#include "tests/support/files.h"
#include "tests/support/printpages.h"
#include "tests/support/shown.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using testing::Shown;

namespace {

// The texts of a print's pages as laid out on the test sheet.
QList<QStringList> printed(const printing::PrintJob &job)
{
    QList<QStringList> pages;
    for (const printlayout::Page &page :
         job.layout(testing::printSheet, testing::printMetrics(10))) {
        pages.append(QStringList());
        for (const printlayout::PrintedText &text : page.texts)
            pages.last().append(text.text);
    }
    return pages;
}

void clickRow(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestFehler : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void teacherEvaluatesPrintsAndSavesTheWrongWordsOfAPupil()
    {
        Shown<TForm17> shown;
        TForm17 &form = shown.form;
        QList<printing::PrintJob> jobs;
        connect(&form, &TForm17::druckauftrag, this,
                [&jobs](const printing::PrintJob &job) { jobs.append(job); });
        QFont font(u"Arial"_s);
        font.setPointSize(10);
        form.setDruckschrift(font);

        form.init({u"Anna"_s, u"~Text 1"_s, u"Ha$u$s"_s, u"haus"_s, u"der_Hund"_s, u"Ball"_s,
                   u"~Text 2"_s, u"Fuß"_s, u"Ball"_s, u"Spaß"_s});
        QCOMPARE(form.windowTitle(), u"Fehlerauswertung"_s);
        QCOMPARE(form.Label1->text(), u"Anna"_s);
        QCOMPARE(testing::itemTexts(form.ListBox1),
                 (QStringList{u"Ball"_s, u"Fuß"_s, u"Haus"_s, u"Spaß"_s}));
        QCOMPARE(form.ListBox3->item(15)->text(), u"Wörter mit \"s\" am Ende (1)"_s);
        QCOMPARE(form.ListBox3->item(26)->text(), u"sonstige Wörter (0)"_s);

        // The counts are shown: the list is evaluated anew, nothing is chosen.
        clickRow(form.ListBox3, 0);
        QCOMPARE(testing::itemTexts(form.ListBox2), QStringList{u"Ball"_s});
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        const QStringList all{u"Ball(2)"_s, u"Fuß"_s, u"Haus(2)"_s, u"Spaß"_s};
        QCOMPARE(testing::itemTexts(form.ListBox1), all);
        QVERIFY(form.ListBox3->selectedItems().isEmpty());
        QVERIFY(testing::itemTexts(form.ListBox2).isEmpty());

        // "drucken" prints the chosen words as the teacher left them; "sortiert drucken"
        // every phenomenon in full, and leaves them so.
        clickRow(form.ListBox3, 3);
        clickRow(form.ListBox2, 0);
        form.SpeedButton1->click();
        QCOMPARE(testing::itemTexts(form.ListBox2), QStringList{u"Spaß"_s});
        form.BitBtn3->click();
        form.BitBtn2->click();
        form.BitBtn1->click();
        QCOMPARE(jobs.size(), 3);
        QCOMPARE(jobs[0].font, font);
        QCOMPARE(printed(jobs[0]), (QList<QStringList>{{u"Anna: Wörter mit \"ß\""_s, u"Spaß"_s}}));
        QCOMPARE(
            printed(jobs[1]),
            (QList<QStringList>{{u"Anna: Doppellaute"_s, u"Ball(2)"_s, u"Anna: Wörter mit \"ß\""_s,
                                 u"Fuß Spaß"_s, u"Anna: Wörter mit \"s\" am Ende"_s, u"Haus(2)"_s,
                                 u"Anna: Wörter mit \"ß\" am Ende"_s, u"Fuß Spaß"_s}}));
        QCOMPARE(printed(jobs[2]), (QList<QStringList>{{u"Anna"_s, all.join(u' ')}}));
        QCOMPARE(testing::itemTexts(form.ListBox2), QStringList{u"Spaß"_s});
        // A word taken out comes back with the next click on its phenomenon.
        clickRow(form.ListBox3, 3);
        QCOMPARE(testing::itemTexts(form.ListBox2), (QStringList{u"Fuß"_s, u"Spaß"_s}));

        // The words are saved without their counts, as an exercise text to open.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Fehler.txt"_s);
        clickRow(form.ListBox3, 15);
        testing::answerNextFileDialog(path);
        form.BitBtn5->click();
        QCOMPARE(testing::fileBytes(path), QByteArray("Haus "));

        // An empty list prints nothing.
        form.init({u"Anna"_s});
        form.BitBtn1->click();
        form.BitBtn3->click();
        QCOMPARE(jobs.size(), 3);

        form.BitBtn4->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void teacherEvaluatesTheLoadedText()
    {
        Shown<TForm17> shown;
        TForm17 &form = shown.form;
        form.init2({u"Er rief: \"Halt!\" Ωmega"_s}, u"Sport.txt"_s);
        // Switching the counts on evaluates the same text again.
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        QCOMPARE(form.windowTitle() + u' ' + form.Label1->text(), u"Textauswertung Sport.txt"_s);
        QCOMPARE(testing::itemTexts(form.ListBox1),
                 (QStringList{u"Er"_s, u"Halt"_s, u"rief"_s, u"Ωmega"_s}));

        // A word the text file cannot hold is named, and nothing is written.
        clickRow(form.ListBox3, 26);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Woerter.txt"_s);
        QString message;
        testing::answerInTurn(
            {testing::fileAnswer(path), testing::boxAnswer(QMessageBox::Ok, &message)});
        form.BitBtn5->click();
        QVERIFY2(message.contains(u"Ω"_s), qPrintable(message));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestFehler)
#include "tst_fehler.moc"
