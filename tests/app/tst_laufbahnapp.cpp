#include "app/laufbahnapp.h"

#include "app/glmain.h"
#include "app/info.h"
#include "app/leer.h"
#include "app/ws_black.h"
#include "settings/ui/fontlistbox.h"
#include "settings/ui/schrift.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLaufbahnApp : public QObject {
    Q_OBJECT

    QString previousDir_;

    static bool isBlack(QWidget *widget)
    {
        return widget->autoFillBackground() &&
               widget->palette().color(QPalette::Window) == QColor(Qt::black);
    }

private slots:
    void init() { previousDir_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void formsLiveFromStartToEnd()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        {
            LaufbahnApp app;
            QCOMPARE(&laufbahn(), &app);
            // A display name of the program's own would be appended to every window's
            // title ("neuer Schüler — Laufbahn II  V2.0").
            QCOMPARE(QApplication::applicationDisplayName(), QApplication::applicationName());
            QCOMPARE(app.Form3->windowTitle(), u"Laufbahn II  V2.0"_s);
            QVERIFY(app.Form3 && app.Form7 && app.Form18 && app.Form_black);
            QCOMPARE(app.Form3->startverzeichnis, QDir::currentPath() + u'/');

            // Nothing but the main window shows at start (and the report of the
            // missing settings file, answered here).
            testing::answerNextMessageBox(QMessageBox::Ok);
            app.Form3->show();
            QVERIFY(QTest::qWaitForWindowExposed(app.Form3.get()));
            QVERIFY(!app.Form7->isVisible());
            QVERIFY(!app.Form18->isVisible());
            QVERIFY(!app.Form_black->isVisible());
            QCOMPARE(app.Form7->windowTitle(), u"Info"_s);
            QVERIFY(app.Form7->isModal());
        }
        // Everything is gone with the application object, and a new one can start.
        LaufbahnApp again;
        QCOMPARE(&laufbahn(), &again);
    }

    void coverFormsAreBorderlessAndBlack()
    {
        LaufbahnApp app;
        QCOMPARE(app.Form18->windowTitle(), u"leer"_s);
        for (QWidget *cover : {static_cast<QWidget *>(app.Form18.get()),
                               static_cast<QWidget *>(app.Form_black.get())}) {
            QVERIFY(cover->isWindow());
            QVERIFY(cover->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(isBlack(cover));
            // Maximised as it shows, not before: that would make its window at start-up.
            cover->show();
            QVERIFY(cover->windowState().testFlag(Qt::WindowMaximized));
            cover->hide();
        }
        QVERIFY(isBlack(app.Form_black->Panel1));

        // Shown, the black panel covers the whole window.
        app.Form_black->show();
        const QImage shot = app.Form_black->grab().toImage();
        QVERIFY(!shot.isNull());
        for (const QPoint p : {QPoint(0, 0), QPoint(shot.width() / 2, shot.height() / 2),
                               QPoint(shot.width() - 1, shot.height() - 1)})
            QCOMPARE(QColor(shot.pixel(p)), QColor(Qt::black));
        app.Form_black->hide();
    }

    // Every form is made at start, but what only a shown form needs waits until it
    // shows: no native window but the main window's, no file dialog, no font list.
    void startUpLeavesForLaterWhatIsNotOnTheScreen()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(QFile::copy(testing::shippedFile(u"default.opt"_s), u"default.opt"_s));
        LaufbahnApp app;
        app.Form3->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.Form3.get()));

        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != app.Form3.get())
                QVERIFY2(!window->testAttribute(Qt::WA_WState_Created),
                         qPrintable(window->objectName()));
        }
        for (QWidget *widget : QApplication::allWidgets())
            QVERIFY2(!qobject_cast<QFileDialog *>(widget), qPrintable(widget->objectName()));
        QCOMPARE(app.Form5->FontListBox1->count(), 0);

        // Shown, the font dialog lists the installed fonts.
        app.Form5->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.Form5.get()));
        QVERIFY(app.Form5->FontListBox1->count() > 0);
        app.Form5->hide();
    }

    void startDirectoryAtTheRootHasOneSeparator()
    {
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        LaufbahnApp app;
        QCOMPARE(app.Form3->startverzeichnis, QDir::rootPath());
        QCOMPARE(app.Form3->textName(u"/Text.txt"_s), u"Text.txt"_s);
    }
};

QTEST_MAIN(TestLaufbahnApp)
#include "tst_laufbahnapp.moc"
