#include "app/laufbahnapp.h"

#include "app/glmain.h"
#include "app/info.h"
#include "app/leer.h"
#include "app/ws_black.h"
#include "tests/support/dialogs.h"

#include <QApplication>
#include <QDir>
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
            QVERIFY(cover->windowState().testFlag(Qt::WindowMaximized));
            QVERIFY(isBlack(cover));
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
