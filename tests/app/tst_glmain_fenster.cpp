#include "app/glmain.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestGlmainFenster : public QObject, protected testing::AppFixture {
    Q_OBJECT

    static QList<QWidget *> visiblePopups()
    {
        QList<QWidget *> popups;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->windowType() == Qt::Popup)
                popups << top;
        }
        return popups;
    }

    struct NameField {
        QString shown;    // when the dialog came up
        QString selected; // of that
        QString typed;    // when Return was pressed
    };

    // Types a name into the file dialog as a teacher does, lets the completion list
    // catch up and confirms with Return; a name typed wrong cancels the dialog, which
    // would otherwise wait with "file not found".
    static testing::Answer typeName(const QString &name, NameField *field)
    {
        return [=](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            auto *edit = widget->findChild<QLineEdit *>(u"fileNameEdit"_s);
            QVERIFY(dialog && edit);
            QTRY_VERIFY(edit->hasFocus());
            field->shown = edit->text();
            field->selected = edit->selectedText();
            QTest::keyClicks(edit, name);
            QTest::qWait(300);
            field->typed = edit->text();
            if (field->typed == name)
                QTest::keyClick(edit, Qt::Key_Return);
            else
                dialog->reject();
        };
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void fileDialogsTakeATypedName()
    {
        writeFile(u"Hund.txt"_s, "Hund\r\n");
        writeFile(u"Hundeh\xfctte.txt"_s, "Hundeh\xfctte\r\n");
        writeFile(u"Woerter.txt"_s, "Katze\r\nMaus\r\n");

        NameField field;
        testing::answerNextDialog(typeName(u"Hund.txt"_s, &field));
        ui.ffnen1->trigger();
        QCOMPARE(ui.Memo1->toPlainText(), u"Hund"_s);
        // No completion list is left over the main window to swallow the next click.
        QCOMPARE(visiblePopups(), QList<QWidget *>());

        // The name comes up selected: typing replaces it.
        testing::answerNextDialog(typeName(u"Woerter.txt"_s, &field));
        ui.ffnen1->trigger();
        QCOMPARE(field.shown, u"Hund.txt"_s);
        QCOMPARE(field.selected, u"Hund.txt"_s);
        QCOMPARE(field.typed, u"Woerter.txt"_s);
        QCOMPARE(ui.Memo1->toPlainText(), u"Katze\nMaus"_s);
        QCOMPARE(ui.Label6->text(), u"Woerter.txt"_s);
        QCOMPARE(visiblePopups(), QList<QWidget *>());
    }

    void wrongWordListFitsItsLongestEntry_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("whole");
        QTest::addRow("short words") << QStringList{u"Hund"_s, u"Maus"_s} << true;
        QTest::addRow("a word group")
            << QStringList{u"Hund"_s, u"der_große_braune_Hund_bellt"_s} << true;
        QTest::addRow("a whole sentence")
            << QStringList{u"der_große_braune_Hund_bellt_den_ganzen_Tag_lang_und_"
                           "die_Katze_schaut_ihm_dabei_vom_Dach_herunter_zu"_s}
            << false;
        QTest::addRow("empty list") << QStringList() << true;
    }
    void wrongWordListFitsItsLongestEntry()
    {
        QFETCH(QStringList, words);
        QFETCH(bool, whole);
        form->showStep3();
        ui.ListBox3->addItems(words);
        // The fit, then the layout it asks for.
        QApplication::processEvents();
        QApplication::processEvents();

        const int width = ui.ListBox3->width();
        QVERIFY(width >= 120);
        // The text pages beside it keep half of the group.
        QVERIFY(width <= ui.GroupBox3->contentsRect().width() / 2);
        const QFontMetrics metrics = ui.ListBox3->fontMetrics();
        for (int row = 0; row < ui.ListBox3->count(); ++row) {
            const QRect shown = ui.ListBox3->visualItemRect(ui.ListBox3->item(row));
            const int textWidth = metrics.horizontalAdvance(words[row]);
            QCOMPARE(textWidth <= ui.ListBox3->viewport()->width() - shown.left() - 4, whole);
        }

        // Emptied, the list goes back to its narrow width.
        ui.ListBox3->clear();
        QTRY_COMPARE(ui.ListBox3->width(), 120);
    }
};

QTEST_MAIN(TestGlmainFenster)
#include "tst_glmain_fenster.moc"
