#include "writing/ui/vergleich.h"

#include "tests/support/dialogs.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

int pixels(const QImage &bild, const QRect &bereich, const QColor &farbe)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += bild.pixel(x, y) == farbe.rgb();
    return n;
}

} // namespace

class TestVergleich : public QObject {
    Q_OBJECT

private slots:
    void pupilSeesEachWordAboveItsTargetInRows()
    {
        const QColor gruen(0, 128, 0), rot(255, 0, 0), blau(0, 0, 255);
        VergleichsAnsicht ansicht{QFont(u"Arial"_s), gruen, rot, blau, false};
        ansicht.schrift.setPixelSize(40);
        ansicht.schrift.setBold(true);
        const int th = QFontMetrics(ansicht.schrift).height();
        writing::VergleichsEingabe eingabe;
        eingabe.dateityp = markup::FileType::Text;
        eingabe.geschrieben = u"der große Hund belt"_s;
        eingabe.vorlage = eingabe.abschnittRoh = u"der Hund bellt"_s;
        for (int k = 0; k < 30; ++k) {
            eingabe.geschrieben += u" Wortnummer%1"_s.arg(k);
            eingabe.vorlage += u" Wortnummer%1"_s.arg(k);
        }

        TForm14 form;
        int verglichen = 0;
        connect(&form, &TForm14::verglichen, this, [&] { ++verglichen; });
        bool gezeigt = false;
        testing::answerNextDialog([&](QWidget *) {
            gezeigt = true;
            const auto zu =
                qScopeGuard([&] { QTest::mouseClick(form.SpeedButton1, Qt::LeftButton); });
            QVERIFY(form.windowState() & Qt::WindowMaximized);
            QCOMPARE(form.Label1->text(), u"Du hast ein Wort zuviel geschrieben"_s);
            QCOMPARE(form.Label1->palette().color(QPalette::WindowText), rot);

            // Places side by side, a new row two and a half text heights down; the rows
            // that run off the window are reached by scrolling.
            const QList<QRect> f = form.felder();
            QCOMPARE(f.size(), 34);
            QCOMPARE(f[0].topLeft(), QPoint(50, 16));
            for (qsizetype k = 1; k < f.size(); ++k) {
                QVERIFY(f[k].right() < form.zeichenflaeche()->width() - 50);
                const bool neueZeile = f[k].y() == f[k - 1].y() + 5 * th / 2 && f[k].x() == 50;
                QVERIFY(neueZeile || (f[k].y() == f[k - 1].y() && f[k].x() > f[k - 1].right()));
            }
            QVERIFY(form.findChild<QScrollArea *>()->verticalScrollBar()->maximum() > 0);

            const QImage bild = form.zeichenflaeche()->grab().toImage();
            auto oben = [&](int k) { return f[k].adjusted(0, 0, 0, -th); };
            auto unten = [&](int k) { return f[k].adjusted(0, th, 0, 0); };
            // "der" right, "große" extra with nothing below, "belt" wrong over "bellt".
            QVERIFY(pixels(bild, oben(0), gruen) > 20);
            QCOMPARE(pixels(bild, oben(0), rot), 0);
            QVERIFY(pixels(bild, unten(0), blau) > 20);
            QVERIFY(pixels(bild, oben(1), rot) > 20);
            QCOMPARE(pixels(bild, unten(1), blau), 0);
            QVERIFY(pixels(bild, oben(3), rot) > 20);
            QVERIFY(pixels(bild, unten(3), blau) > 20);
        });
        form.vergleichen(eingabe, ansicht);
        QVERIFY(gezeigt);
        QVERIFY(!form.isVisible());
        QCOMPARE(verglichen, 1);
    }
};

QTEST_MAIN(TestVergleich)
#include "tst_vergleich.moc"
