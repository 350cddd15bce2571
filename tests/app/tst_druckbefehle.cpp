#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "exercise/core/printlayout.h"
#include "exercise/ui/printing.h"
#include "exercise/ui/textedrucken.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

using testing::Answer;
using testing::answerInTurn;
using testing::as;
using testing::fileAnswer;

namespace {

QStringList texts(const printlayout::Page &page)
{
    QStringList result;
    for (const printlayout::PrintedText &text : page.texts)
        result << text.text;
    return result;
}

// What the preview a command opens shows; `then` acts in it before it is closed.
struct Shown {
    QList<printlayout::Page> pages;
    int pageCount = 0;
};
Answer takePreview(Shown *shown, const std::function<void(printing::Druckvorschau &)> &then = {})
{
    return as<printing::Druckvorschau>([shown, then](printing::Druckvorschau &preview) {
        *shown = {printing::layOut(preview.job(), preview.printer()),
                  preview.preview()->pageCount()};
        if (then)
            then(preview);
        if (preview.isVisible())
            preview.reject();
    });
}

// "Texte drucken" is clicked once `setUp` has filled in the dialog.
Answer printTexts(const std::function<void(TForm8 &)> &setUp)
{
    return as<TForm8>([setUp](TForm8 &dialog) {
        setUp(dialog);
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    });
}

} // namespace

class TestDruckbefehle : public QObject, protected testing::AppFixture {
    Q_OBJECT

    QString native(const QString &name) const { return QDir::toNativeSeparators(path(name)); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    // Each single print heads its page from the window's state and prints its own text,
    // without the gap marks when "Sonderzeichen nicht drucken" is checked (but for what
    // the pupil wrote, which is printed as written).
    void singlePrints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("textName");
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("withoutMarks");
        QTest::addColumn<QStringList>("page");

        // German whatever the system's locale (the tests run in the C locale).
        const QString date = QDate::currentDate().toString(u"dd.MM.yyyy");
        const QString none = TForm3::keinSchueler.toString();

        QTest::addRow("tool button, named text")
            << u"SpeedButton4"_s << u"Tiere.txt"_s << none << u""_s << false
            << QStringList{u"Tiere.txt"_s, u"Ha$us$e  M&&a§§u$$s "_s};
        QTest::addRow("new text without special characters, side by side too")
            << u"drucken1"_s << TForm3::neuerText.toString() << none << u""_s << true
            << QStringList{u"Hause  Maus "_s};
        QTest::addRow("wrong words of a pupil's named text")
            << u"SpeedButton5"_s << u"Tiere.txt"_s << u"Ben Müller"_s << u""_s << false
            << QStringList{u"["_s + date + u"] Ben Müller"_s, u"Fehler beim Text: Tiere.txt"_s,
                           u"Ha$us$e  K§a§tze "_s};
        QTest::addRow("wrong words, nothing loaded, marks removed")
            << u"SpeedButton5"_s << TForm3::keinText.toString() << none << u""_s << true
            << QStringList{u"["_s + date + u"] "_s, u"Hause  Katze "_s};
        QTest::addRow("written text of a past exercise keeps its marks")
            << u"SpeedButton9"_s << u"Tiere.txt"_s << u"Ben Müller"_s << u"[01.12.2026] Tiere.txt"_s
            << true
            << QStringList{u"Ergbnis: Ben Müller [01.12.2026] Tiere.txt"_s, u"Ha$us$e Maus "_s};
    }
    void singlePrints()
    {
        QFETCH(QString, command);
        QFETCH(QString, textName);
        QFETCH(QString, pupil);
        QFETCH(QString, entry);
        QFETCH(bool, withoutMarks);
        QFETCH(QStringList, page);

        ui.Memo1->setPlainText(u"Ha$us$e\nM&&a§§u$$s"_s);
        ui.Memo3->setPlainText(u"Ha$us$e\nK§a§tze"_s);
        ui.Memo5->setPlainText(u"Ha$us$e Maus"_s);
        form->setCurrentText(textName);
        ui.Edit1->setText(pupil);
        const QSignalBlocker quiet(ui.ListBox1);
        ui.ListBox1->addItem(entry);
        ui.ListBox1->setCurrentRow(entry.isEmpty() ? -1 : 0);
        if (withoutMarks)
            ui.Sonderzeichennichtdrucken1->trigger();
        form->showStep3();
        ui.PageControl1->setCurrentWidget(ui.TabSheet2);

        Shown shown;
        answerInTurn({takePreview(&shown)});
        if (auto *action = form->findChild<QAction *>(command))
            action->trigger();
        else
            QTest::mouseClick(form->findChild<QToolButton *>(command), Qt::LeftButton);
        QCOMPARE(shown.pageCount, 1);
        QCOMPARE(texts(shown.pages.first()), page);
    }

    // The teacher loads a long text and prints it; without a printer she is told so and
    // keeps it as a PDF instead, every page of it.
    void longTextIsPrintedOnSeveralPages()
    {
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << u"Geburtstag"_s << u"Hund"_s;
        writeFile(u"Lang.txt"_s, words.join(u"\r\n"_s).toLatin1());
        answerInTurn({fileAnswer(path(u"Lang.txt"_s))});
        ui.ffnen1->trigger();

        Shown shown;
        bool linesFit = true;
        QString noPrinter;
        answerInTurn({takePreview(&shown, [&](printing::Druckvorschau &preview) {
            // Measured on the printer, what shows of a line stays within its 680 units.
            QPrinter *printer = preview.printer();
            const printlayout::TextMetrics font = printing::measure(preview.job().font, printer);
            const printlayout::PageWriter page(QSize(printer->width(), printer->height()), font);
            for (const printlayout::PrintedText &text : shown.pages[0].texts)
                linesFit = linesFit && font.width(text.text.trimmed()) < page.lineWidth();
            if (QPrinterInfo::availablePrinterNames().isEmpty()) {
                answerInTurn({testing::boxAnswer(QMessageBox::Ok, &noPrinter)});
                preview.printAction()->trigger();
            }
            answerInTurn({fileAnswer(path(u"Lang.pdf"_s))});
            preview.pdfAction()->trigger();
        })});
        QTest::mouseClick(ui.SpeedButton4, Qt::LeftButton);
        QVERIFY(shown.pages.size() >= 2);
        QCOMPARE(shown.pageCount, shown.pages.size());
        QCOMPARE(texts(shown.pages[0]).first(), u"Lang.txt"_s);
        QVERIFY(texts(shown.pages.last()).last().endsWith(u"Geburtstag  Hund "_s));
        QVERIFY(linesFit);
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QVERIFY2(noPrinter.startsWith(u"Es ist kein Drucker eingerichtet"_s),
                     qPrintable(noPrinter));
        const QByteArray pdf = readFile(u"Lang.pdf"_s);
        QVERIFY(pdf.startsWith("%PDF"));
        const QByteArray pageCount = "/Count " + QByteArray::number(shown.pages.size());
        QVERIFY(pdf.contains(pageCount));
    }

    // "alle Texte drucken..." prints the texts of the start directory, or of a folder
    // chosen beside the pattern; only regular files, not a folder or a pipe that matches.
    void folderPrintTakesTheTextsOfAFolder()
    {
        writeFile(u"a.txt"_s, "Hund\r\n");
        writeFile(u"b.txt"_s, "Katze\r\n");
        writeFile(u"notiz.doc"_s, "Maus\r\n");
        writeFile(u"klasse2/c.txt"_s, "Maus\r\n");
        QVERIFY(QDir(startDir()).mkdir(u"ordner.txt"_s));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path(u"rohr.txt"_s)).constData(), 0600), 0);
#endif

        QString offered;
        Shown shown;
        answerInTurn({printTexts([&](TForm8 &dialog) { offered = dialog.Edit1->text(); }),
                      takePreview(&shown)});
        ui.alleTextedrucken1->trigger();
        QCOMPARE(offered, native(u"*.txt"_s));
        QCOMPARE(shown.pages.size(), 1);
        QCOMPARE(texts(shown.pages.first()),
                 (QStringList{native(u"a.txt"_s), u"Hund "_s, native(u"b.txt"_s), u"Katze "_s}));

        answerInTurn({printTexts([&](TForm8 &dialog) {
                          answerInTurn({fileAnswer(path(u"klasse2"_s))});
                          QTest::mouseClick(dialog.findChild<QToolButton *>(u"Ordnerwahl"_s),
                                            Qt::LeftButton);
                          offered = dialog.Edit1->text();
                      }),
                      takePreview(&shown)});
        ui.alleTextedrucken1->trigger();
        QCOMPARE(offered, native(u"klasse2/*.txt"_s));
        QCOMPARE(texts(shown.pages.first()), (QStringList{native(u"klasse2/c.txt"_s), u"Maus "_s}));
    }
};

QTEST_MAIN(TestDruckbefehle)
#include "tst_druckbefehle.moc"
