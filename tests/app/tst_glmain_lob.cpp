#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"
#include "tests/support/shown.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::itemTexts;
using testing::opensDialog;

class TestGlmainLob : public QObject, protected testing::AppFixture {
    Q_OBJECT

    TForm10 &settings() const { return *app().Form10; }

    // Answers the praise the main window shows next: the text praise goes by itself,
    // the picture is let go at once.
    void answerPraise(QWidget **shown)
    {
        testing::answerNextDialog([shown](QWidget *dialog) {
            *shown = dialog;
            if (auto *picture = qobject_cast<TForm16 *>(dialog))
                picture->Timer1Timer();
        });
    }

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    // Read from the start directory whatever the current folder is; a missing file is
    // reported and leaves the list as it was.
    void praiseLinesComeFromTheStartDirectoryWithTheFirstName()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        testing::writeBytes(elsewhere.filePath(u"lob.inf"_s), "Falsch!\r\n");
        ui.ListBox4->addItem(u"Klasse!"_s);
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!form->lob_laden());
        QCOMPARE(message, u"Datei nicht gefunden."_s);
        QCOMPARE(itemTexts(ui.ListBox4), QStringList{u"Klasse!"_s});

        writeFile(u"lob.inf"_s, "Toll, Name!\r\nSuper!\r\n");
        ui.Edit2->setText(u"Anna"_s);
        QVERIFY(form->lob_laden());
        QCOMPARE(itemTexts(ui.ListBox4), (QStringList{u"Toll, Anna!"_s, u"Super!"_s}));
    }

    // The teacher's colours reach the praise text when it shows, also when they were
    // changed after the program started; "Lob" decides which praise is given.
    void praiseFollowsTheSettingsAtEachShowing()
    {
        writeFile(u"lob.inf"_s, "Prima gemacht!\r\n");
        QVERIFY(form->lob_laden());
        settings().Panel5->setColorValue(0x00800000); // navy, as stored: 0x00BBGGRR
        settings().RadioGroup2->setItemIndex(1);
        QWidget *shown = nullptr;
        answerPraise(&shown);
        form->lobZeigen();
        QCOMPARE(shown, app().Form11.get());
        QCOMPARE(app().Form11->Label1->text(), u"Prima gemacht!"_s);
        QCOMPARE(app().Form11->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(app().Form11->Label1->palette().color(QPalette::WindowText),
                 settings().Label4->textColor());

        settings().RadioGroup2->setItemIndex(2);
        answerPraise(&shown);
        form->lobZeigen();
        QCOMPARE(shown, app().Form16.get());

        settings().RadioGroup2->setItemIndex(0);
        QVERIFY(!opensDialog([this] { form->lobZeigen(); }));
    }

    // The grid chosen when the picture is laid out holds until the next exercise start;
    // a picture that cannot be shown is named once, at the start after it was found.
    void pictureGridIsTheOneLaidOut()
    {
        writeFile(u"kaputt.jpg"_s, "\xFF\xD8\xFF");
        settings().RadioGroup3->setItemIndex(0);
        QVERIFY(!opensDialog([this] { form->lobBildInit(); }));
        QTRY_VERIFY(!app().Form16->isLoading());
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        form->lobBildInit();
        QVERIFY2(message.contains(u"„kaputt.jpg“"_s), qPrintable(message));
        settings().RadioGroup3->setItemIndex(2);
        QWidget *shown = nullptr;
        answerPraise(&shown);
        form->lobBildZeigen();
        QCOMPARE(app().Form16->grid().pieceCount(), 9);
        QCOMPARE(app().Form16->grid().coveredCount(), 8);
        QVERIFY(!opensDialog([this] { form->lobBildInit(); }));
        QCOMPARE(app().Form16->grid().pieceCount(), 25);
    }

    void developerShortcutsShowBothPraises()
    {
        QVERIFY(QFile::copy(testing::shippedFile(u"lob.inf"_s), path(u"lob.inf"_s)));

        const std::pair<Qt::Key, QWidget *> expected[] = {{Qt::Key_F8, app().Form11.get()},
                                                          {Qt::Key_F7, app().Form16.get()}};
        for (const auto &[key, praise] : expected) {
            QWidget *shown = nullptr;
            answerPraise(&shown);
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QTest::keyClick(form, key, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(shown, praise);
        }
        QVERIFY(itemTexts(ui.ListBox4).contains(app().Form11->Label1->text()));
    }
};

QTEST_MAIN(TestGlmainLob)
#include "tst_glmain_lob.moc"
