#include "writing/ui/auswahl.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A form for a turn on two sentences, and what the turn handed back.
struct Form : TForm13 {
    writing::AuswahlEingabe eingabe;
    writing::AuswahlErgebnis ergebnis;
    bool gezeigt = false;

    explicit Form(int abschnittEnde = 0, const QString &puffer = u"Der Hund. Die Katze miaut. #"_s)
    {
        eingabe.puffer = puffer;
        eingabe.abschnitt_ende = abschnittEnde;
    }
    // Runs a turn as the exercise run does, with `schritte` played once the form shows.
    void zeigen(const std::function<void()> &schritte)
    {
        QTimer::singleShot(0, this, [this, schritte] {
            gezeigt = isVisible();
            schritte();
        });
        QTimer::singleShot(10000, this, &QWidget::close);
        ergebnis = auswaehlen(eingabe, {});
    }
    void tasten(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(RichEdit1, key);
    }
    QString satz() const { return RichEdit1->toPlainText(); }
};

} // namespace

class TestAuswahl : public QObject {
    Q_OBJECT
private slots:
    void keysChangeNeitherTheSentenceNorLeaveASelection_data()
    {
        QTest::addColumn<QString>("tasten");
        QTest::addRow("typing") << u"H, a, l, o"_s;
        QTest::addRow("deleting") << u"Del, Del, Ctrl+Del"_s;
        QTest::addRow("cutting and pasting") << u"Ctrl+X, Ctrl+V, Shift+Ins"_s;
        QTest::addRow("selecting with shift") << u"Shift+Right, Shift+End"_s;
        QTest::addRow("selecting all") << u"Ctrl+A"_s;
    }
    void keysChangeNeitherTheSentenceNorLeaveASelection()
    {
        QFETCH(QString, tasten);
        QApplication::clipboard()->setText(u"fremd"_s);
        Form form(4);
        form.zeigen([&] {
            const QKeySequence keys(tasten, QKeySequence::PortableText);
            for (int i = 0; i < keys.count(); ++i)
                QTest::keyClick(form.RichEdit1, keys[i].key(), keys[i].keyboardModifiers());
            QCOMPARE(form.satz(), u"Der Hund."_s);
            QVERIFY(!form.RichEdit1->textCursor().hasSelection());
            form.tasten({Qt::Key_Return});
        });
        QVERIFY(form.gezeigt);
        QCOMPARE(form.ergebnis.abschnitt, u" "_s);
    }

    void arrowButtonsMoveBetweenSentences()
    {
        Form form(4);
        form.zeigen([&] {
            form.SpeedButton2->click();
            QCOMPARE(form.RichEdit1->textCursor().position(), 0);
            form.SpeedButton2->click(); // behind the last: the last again
            QCOMPARE(form.satz(), u"Die Katze miaut."_s);
            form.SpeedButton1->click();
            form.SpeedButton1->click();
            QCOMPARE(form.satz(), u"Der Hund."_s);
            form.SpeedButton2->click();
            form.tasten({Qt::Key_Space, Qt::Key_Enter});
        });
        QCOMPARE(form.ergebnis.abschnitt, u" Die "_s);
        QCOMPARE(form.ergebnis.satz_nr, 2);
    }

    void leavingWithoutOkGivesAnEmptyResult_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("shown");
        QTest::addRow("Escape") << u"Der Hund. #"_s << true << true;
        QTest::addRow("closing the window") << u"Der Hund. #"_s << false << true;
        QTest::addRow("no sentence: not shown at all") << u"   #"_s << false << false;
    }
    void leavingWithoutOkGivesAnEmptyResult()
    {
        QFETCH(QString, puffer);
        QFETCH(bool, escape);
        Form form(0, puffer);
        form.zeigen([&] {
            form.tasten({Qt::Key_Space});
            if (escape)
                form.tasten({Qt::Key_Escape});
            else
                form.close();
        });
        QTEST(form.gezeigt, "shown");
        QVERIFY(form.ergebnis.abschnitt.isEmpty());
    }
};

QTEST_MAIN(TestAuswahl)
#include "tst_auswahl.moc"
