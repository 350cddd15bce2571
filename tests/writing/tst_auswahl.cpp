#include "writing/ui/auswahl.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QColor kText(0, 0, 0);
const QColor kAuswahl(0, 0, 255);

writing::AuswahlEingabe eingabe(int abschnittEnde = 0,
                                const QString &puffer = u"Der Hund bellt. Die Katze miaut. #"_s)
{
    writing::AuswahlEingabe e;
    e.puffer = puffer;
    e.abschnitt_ende = abschnittEnde;
    e.font = QFont(u"Arial"_s, 20, QFont::Bold);
    e.textColor = kText;
    e.selectionColor = kAuswahl;
    return e;
}

// Runs the form as the exercise run does, with `schritte` played inside its loop.
int zeigen(TForm13 &form, const std::function<void()> &schritte)
{
    QTimer::singleShot(0, &form, schritte);
    QTimer::singleShot(10000, &form, &QWidget::close);
    return form.exec();
}

QColor farbe(const TForm13 &form, int offset)
{
    QTextCursor cursor(form.RichEdit1->document());
    cursor.setPosition(offset + 1);
    return cursor.charFormat().foreground().color();
}

} // namespace

class TestAuswahl : public QObject {
    Q_OBJECT
private slots:
    void keysChangeNeitherTheSentenceNorLeaveASelection_data()
    {
        QTest::addColumn<QKeySequence>("tasten");
        QTest::addRow("typing") << QKeySequence(u"H, a, l, o"_s, QKeySequence::PortableText);
        QTest::addRow("deleting") << QKeySequence(u"Del, Del, Ctrl+Del"_s,
                                                  QKeySequence::PortableText);
        QTest::addRow("cutting and pasting")
            << QKeySequence(u"Ctrl+X, Ctrl+V, Shift+Ins"_s, QKeySequence::PortableText);
        QTest::addRow("selecting with shift")
            << QKeySequence(u"Shift+Right, Shift+End"_s, QKeySequence::PortableText);
        QTest::addRow("selecting all") << QKeySequence(QKeySequence::SelectAll);
    }
    void keysChangeNeitherTheSentenceNorLeaveASelection()
    {
        QFETCH(QKeySequence, tasten);
        QApplication::clipboard()->setText(u"fremd"_s);
        TForm13 form;
        form.vorbereiten(eingabe(4));
        form.init(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int i = 0; i < tasten.count(); ++i)
            QTest::keyClick(form.RichEdit1, tasten[i].key(), tasten[i].keyboardModifiers());
        QCOMPARE(form.RichEdit1->toPlainText(), u"Der Hund bellt."_s);
        QVERIFY(!form.RichEdit1->textCursor().hasSelection());
        QVERIFY(form.isVisible());
    }

    void marksWithSpaceAndHandsThemOverWithReturn()
    {
        TForm13 form;
        form.vorbereiten(eingabe());
        form.init(1);
        const int code = zeigen(form, [&] {
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            QTest::keyClick(form.RichEdit1, Qt::Key_Backspace);
            QCOMPARE(farbe(form, 0), kAuswahl);
            QCOMPARE(farbe(form, 8), kAuswahl);
            QCOMPARE(farbe(form, 9), kText);
            QTest::keyClick(form.RichEdit1, Qt::Key_Return);
        });
        QCOMPARE(code, int(QDialog::Accepted));
        const writing::AuswahlErgebnis e = form.ergebnis();
        QCOMPARE(e.abschnitt, u" Der Hund "_s);
        QCOMPARE(e.abschnitt_ende, 9);
        QCOMPARE(e.satz_nr, 1);

        // The next turn shows the same sentence and goes on behind the words taken.
        form.vorbereiten(eingabe(e.abschnitt_ende));
        form.init(e.satz_nr);
        zeigen(form, [&] {
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            form.BitBtn1->click();
        });
        QCOMPARE(form.ergebnis().abschnitt, u" bellt."_s);
    }

    void arrowButtonsMoveBetweenSentences()
    {
        TForm13 form;
        form.vorbereiten(eingabe(9));
        form.init(1);
        zeigen(form, [&] {
            form.SpeedButton2->click();
            QCOMPARE(form.RichEdit1->toPlainText(), u"Die Katze miaut."_s);
            QCOMPARE(form.RichEdit1->textCursor().position(), 0);
            form.SpeedButton2->click();
            QCOMPARE(form.RichEdit1->toPlainText(), u"Die Katze miaut."_s);
            form.SpeedButton1->click();
            form.SpeedButton1->click();
            QCOMPARE(form.RichEdit1->toPlainText(), u"Der Hund bellt."_s);
            form.SpeedButton2->click();
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            QTest::keyClick(form.RichEdit1, Qt::Key_Enter);
        });
        QCOMPARE(form.ergebnis().abschnitt, u" Die "_s);
        QCOMPARE(form.ergebnis().satz_nr, 2);
    }

    void leavingWithoutOkGivesAnEmptyResult_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addRow("Escape") << true;
        QTest::addRow("closing the window") << false;
    }
    void leavingWithoutOkGivesAnEmptyResult()
    {
        QFETCH(bool, escape);
        TForm13 form;
        form.vorbereiten(eingabe());
        form.init(1);
        const int code = zeigen(form, [&] {
            QTest::keyClick(form.RichEdit1, Qt::Key_Space);
            if (escape)
                QTest::keyClick(form.RichEdit1, Qt::Key_Escape);
            else
                form.close();
        });
        QCOMPARE(code, int(QDialog::Rejected));
        QVERIFY(form.ergebnis().abschnitt.isEmpty());
    }

    void aTextWithoutSentenceEndsAtOnce()
    {
        TForm13 form;
        form.vorbereiten(eingabe(0, u"   #"_s));
        form.init(1);
        bool gezeigt = false;
        QCOMPARE(zeigen(form, [&] { gezeigt = form.isVisible(); }), int(QDialog::Rejected));
        QVERIFY(!gezeigt);
        QVERIFY(form.ergebnis().abschnitt.isEmpty());
    }
};

QTEST_MAIN(TestAuswahl)
#include "tst_auswahl.moc"
