#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/schrift.h"
#include "settings/ui/settingwidgets.h"
#include "tests/support/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString shippedDefaultOpt()
{
    return QDir(qEnvironmentVariable("LAUFBAHN_DATA")).filePath(u"default.opt"_s);
}

void showMainWindow(LaufbahnApp &app)
{
    app.Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.Form3.get()));
}

} // namespace

// The settings dialog at the main window's first paint and behind "Einstellungen...".
class TestSettingsStart : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        previousDir_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
    }

    void cleanup()
    {
        QDir::setCurrent(previousDir_);
        dir_.reset();
    }

    void withoutDefaultOptTheStartUpValuesStayAndTheLossIsReportedOnce()
    {
        LaufbahnApp app;
        QVERIFY(app.Form10 && app.Form5);
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        showMainWindow(app);
        QCOMPARE(message, u"Datei nicht gefunden."_s);
        QVERIFY(!app.Form10->isVisible());
        QCOMPARE(app.Form10->Label1->fontSpec().size, 28);
        QCOMPARE(app.Form10->Label1->fontSpec().height, -37);
        QCOMPARE(app.Form10->hiddenPartCharacter(), QChar(u'#'));
        QCOMPARE(app.Form10->hiddenLetterCharacter(), QChar(u'_'));
        QCOMPARE(QDir(app.Form10->OpenDialog1->directory()).canonicalPath(),
                 QDir(dir_->path()).canonicalPath());
        QCOMPARE(QDir(app.Form10->SaveDialog1->directory()).canonicalPath(),
                 QDir(dir_->path()).canonicalPath());

        // Shown again later, nothing is loaded or reported any more.
        QVERIFY(QFile::copy(shippedDefaultOpt(), dir_->filePath(u"default.opt"_s)));
        app.Form3->hide();
        showMainWindow(app);
        QCOMPARE(app.Form10->hiddenPartCharacter(), QChar(u'#'));
    }

    void shippedDefaultOptOverridesTheStartUpValues()
    {
        QVERIFY(QFile::copy(shippedDefaultOpt(), dir_->filePath(u"default.opt"_s)));
        LaufbahnApp app;
        showMainWindow(app);
        QCOMPARE(app.Form10->hiddenPartCharacter(), QChar(u'¬'));
        QCOMPARE(app.Form10->Label1->fontSpec().size, 28);
        QCOMPARE(app.Form10->TrackBar2->value(), 3);
    }

    void aShortDefaultOptIsReportedAndChangesNothing()
    {
        QFile file(dir_->filePath(u"default.opt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, '\x05'));
        file.close();
        LaufbahnApp app;
        QString message;
        testing::answerNextMessageBox(QMessageBox::Ok, &message);
        showMainWindow(app);
        QCOMPARE(message, u"Versuch hinter dem Dateiende zu lesen."_s);
        QCOMPARE(app.Form10->hiddenPartCharacter(), QChar(u'#'));
        QCOMPARE(app.Form10->TrackBar2->value(), 3);
    }

    void settingsButtonShowsTheDialogModally()
    {
        QVERIFY(QFile::copy(shippedDefaultOpt(), dir_->filePath(u"default.opt"_s)));
        LaufbahnApp app;
        showMainWindow(app);
        QCOMPARE(app.Form3->BitBtn8->text(), u"Einstellungen..."_s);
        bool shown = false;
        testing::answerNextDialog([&](QWidget *dialog) {
            shown = dialog == app.Form10.get() && app.Form10->isModal();
            app.Form10->TrackBar2->setValue(7);
            QTest::mouseClick(app.Form10->BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(app.Form3->BitBtn8, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!app.Form10->isVisible());
        // The setting lives on in the dialog's control.
        QCOMPARE(app.Form10->TrackBar2->value(), 7);
    }

    void displayPreviewOpensTheApplicationsFontDialog()
    {
        QVERIFY(QFile::copy(shippedDefaultOpt(), dir_->filePath(u"default.opt"_s)));
        LaufbahnApp app;
        showMainWindow(app);
        QWidget *opened = nullptr;
        testing::answerNextDialog([&](QWidget *) {
            app.Form10->PageControl1->setCurrentIndex(2);
            testing::answerNextDialog([&](QWidget *dialog) {
                opened = dialog;
                dialog->close();
            });
            // The panel's edge, outside the label on it.
            QTest::mouseClick(app.Form10->Panel1, Qt::LeftButton, {}, QPoint(3, 3));
            app.Form10->accept();
        });
        QTest::mouseClick(app.Form3->BitBtn8, Qt::LeftButton);
        QCOMPARE(opened, static_cast<QWidget *>(app.Form5.get()));
        QCOMPARE(app.Form10->Label1->fontSpec().height, -47);
    }
};

QTEST_MAIN(TestSettingsStart)
#include "tst_settingsstart.moc"
