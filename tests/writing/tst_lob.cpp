#include "writing/ui/lob.h"

#include "tests/support/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLob : public QObject {
    Q_OBJECT
private slots:
    // A pupil who writes a chunk right sees the praise line as it is written, for about a
    // second, while a second Return goes nowhere.
    void praiseShowsItsLineForASecondAndHoldsTheKeyboard()
    {
        TForm11 form;

        bool modal = false;
        bool stayedAfterKeys = false;
        QString shownText;
        testing::answerNextDialog([&](QWidget *shown) {
            modal = shown == &form && QApplication::activeModalWidget() == &form;
            shownText = form.Label1->text();
            QTest::keyClick(&form, Qt::Key_Return);
            QTest::keyClick(&form, Qt::Key_Escape);
            QTest::keyClick(&form, Qt::Key_A);
            stayedAfterKeys = form.isVisible();
        });
        QElapsedTimer clock;
        clock.start();
        form.zeigen(u"<b>Toll</b>, Anna!"_s, PraiseTextLook());
        const qint64 elapsed = clock.elapsed();

        QVERIFY(modal);
        QVERIFY(stayedAfterKeys);
        QVERIFY(!form.isVisible());
        QVERIFY2(elapsed >= 950 && elapsed < 5000, qPrintable(QString::number(elapsed)));
        QCOMPARE(shownText, u"<b>Toll</b>, Anna!"_s);
        QCOMPARE(form.Label1->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(TestLob)
#include "tst_lob.moc"
