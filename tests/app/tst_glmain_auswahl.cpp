#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/shown.h"
#include "writing/ui/auswahl.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;

class TestGlmainAuswahl : public QObject, protected testing::AppFixture {
    Q_OBJECT

    // Triggers the developer entry and plays `keys` on TForm13. Returns the text of the
    // box that reports the choice.
    QString tryOnce(const QList<Qt::Key> &keys)
    {
        QString report;
        auto playKeys = testing::as<TForm13>([keys](TForm13 &section) {
            for (Qt::Key key : keys)
                QTest::keyClick(section.RichEdit1, key);
        });
        testing::answerInTurn({playKeys, testing::boxAnswer(QMessageBox::Ok, &report)});
        form->findChild<QAction *>(u"AbschnittProbe"_s)->trigger();
        return report;
    }

    QColor colourAt(int offset) const
    {
        return testing::colourAt(app().Form13->RichEdit1->document(), offset);
    }

private slots:
    void initTestCase()
    {
        qputenv("LAUFBAHN_ENTWICKLER", "1");
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void pupilChoosesSectionsOfTheTeachersText()
    {
        TForm10 &settings = *app().Form10;
        settings.Label15->setColorValue(0x0000FF00); // green, stored as 0x00BBGGRR
        ui.Memo1->setPlainText(u"Das Ha§us§\nsteht. Es ist alt."_s);

        QString report = tryOnce({Qt::Key_Space, Qt::Key_Space, Qt::Key_Return});
        const QChar gap = settings.hiddenLetterCharacter();
        QCOMPARE(app().Form13->RichEdit1->toPlainText(), u"Das Ha"_s + gap + gap + u" steht."_s);
        QCOMPARE(colourAt(0), QColor(0, 255, 0));
        QVERIFY(colourAt(9) != QColor(0, 255, 0));
        QVERIFY2(report.contains(u"»Das Ha§us§«\nNächste Runde: Satz 1 ab Stelle 9"_s),
                 qPrintable(report));

        report = tryOnce({Qt::Key_Space, Qt::Key_Return});
        QVERIFY2(report.contains(u"»steht.«"_s), qPrintable(report));

        // Escape ends the exercise; the next try starts at the first sentence again.
        report = tryOnce({Qt::Key_Escape});
        QVERIFY2(report.contains(u"Kein Textabschnitt"_s), qPrintable(report));
        report = tryOnce({Qt::Key_Space, Qt::Key_Return});
        QVERIFY2(report.contains(u"»Das«\nNächste Runde: Satz 1 ab Stelle 4"_s),
                 qPrintable(report));
    }
};

QTEST_MAIN(TestGlmainAuswahl)
#include "tst_glmain_auswahl.moc"
