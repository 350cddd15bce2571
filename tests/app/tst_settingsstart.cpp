#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/schrift.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// The settings dialog at the main window's first paint and behind "Einstellungen...".
class TestSettingsStart : public QObject, protected testing::AppFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Each case starts the program itself, the settings file prepared as it needs.
    void init() { QVERIFY(enterStartDir()); }
    void cleanup() { stop(); }

    void withoutDefaultOptTheStartUpValuesStayAndTheLossIsReportedOnce()
    {
        createApp();
        QVERIFY(app().Form10 && app().Form5);
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(showMainWindow());
        QCOMPARE(message, u"Datei nicht gefunden."_s);
        QVERIFY(!app().Form10->isVisible());
        QCOMPARE(app().Form10->Label1->fontSpec().size, 28);
        QCOMPARE(app().Form10->Label1->fontSpec().height, -37);
        QCOMPARE(app().Form10->hiddenPartCharacter(), QChar(u'#'));
        QCOMPARE(app().Form10->hiddenLetterCharacter(), QChar(u'_'));
        QCOMPARE(QDir(app().Form10->OpenDialog1->directory()).canonicalPath(),
                 QDir(startDir()).canonicalPath());
        QCOMPARE(QDir(app().Form10->SaveDialog1->directory()).canonicalPath(),
                 QDir(startDir()).canonicalPath());

        // Shown again later, nothing is loaded or reported any more.
        QVERIFY(copyShippedSettings());
        form->hide();
        QVERIFY(showMainWindow());
        QCOMPARE(app().Form10->hiddenPartCharacter(), QChar(u'#'));
    }

    void shippedDefaultOptOverridesTheStartUpValues()
    {
        QVERIFY(copyShippedSettings());
        createApp();
        QVERIFY(showMainWindow());
        QCOMPARE(app().Form10->hiddenPartCharacter(), QChar(u'¬'));
        QCOMPARE(app().Form10->Label1->fontSpec().size, 28);
        QCOMPARE(app().Form10->TrackBar2->value(), 3);
    }

    void aShortDefaultOptIsReportedAndChangesNothing()
    {
        writeFile(u"default.opt"_s, QByteArray(100, '\x05'));
        createApp();
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        QVERIFY(showMainWindow());
        QCOMPARE(message, u"Versuch hinter dem Dateiende zu lesen."_s);
        QCOMPARE(app().Form10->hiddenPartCharacter(), QChar(u'#'));
        QCOMPARE(app().Form10->TrackBar2->value(), 3);
    }

    void settingsButtonShowsTheDialogModally()
    {
        QVERIFY(copyShippedSettings());
        createApp();
        QVERIFY(showMainWindow());
        QCOMPARE(ui.BitBtn8->text(), u"Einstellungen..."_s);
        bool shown = false;
        testing::answerNextDialog([&](QWidget *dialog) {
            shown = dialog == app().Form10.get() && app().Form10->isModal();
            app().Form10->TrackBar2->setValue(7);
            QTest::mouseClick(app().Form10->BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(ui.BitBtn8, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!app().Form10->isVisible());
        // The setting lives on in the dialog's control.
        QCOMPARE(app().Form10->TrackBar2->value(), 7);
    }

    void displayPreviewOpensTheApplicationsFontDialog()
    {
        QVERIFY(copyShippedSettings());
        createApp();
        QVERIFY(showMainWindow());
        QWidget *opened = nullptr;
        testing::answerNextDialog([&](QWidget *) {
            app().Form10->PageControl1->setCurrentIndex(2);
            testing::answerNextDialog([&](QWidget *dialog) {
                opened = dialog;
                dialog->close();
            });
            // The panel's edge, outside the label on it.
            QTest::mouseClick(app().Form10->Panel1, Qt::LeftButton, {}, QPoint(3, 3));
            app().Form10->accept();
        });
        QTest::mouseClick(ui.BitBtn8, Qt::LeftButton);
        QCOMPARE(opened, static_cast<QWidget *>(app().Form5.get()));
        QCOMPARE(app().Form10->Label1->fontSpec().height, -47);
    }
};

QTEST_MAIN(TestSettingsStart)
#include "tst_settingsstart.moc"
