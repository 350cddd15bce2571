#include "writing/ui/vergleich.h"

#include "tests/support/dialogs.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QColor gruen(0, 128, 0);
const QColor rot(255, 0, 0);
const QColor blau(0, 0, 255);

VergleichsAnsicht ansicht(bool diktatmodus = false)
{
    VergleichsAnsicht a;
    a.schrift = QFont(u"Arial"_s);
    a.schrift.setPixelSize(40);
    a.schrift.setBold(true);
    a.normalFarbe = gruen;
    a.fehlerFarbe = rot;
    a.vergleichsFarbe = blau;
    a.diktatmodus = diktatmodus;
    return a;
}

writing::VergleichsEingabe eingabe(const QString &geschrieben, const QString &vorlage)
{
    writing::VergleichsEingabe e;
    e.geschrieben = geschrieben;
    e.vorlage = vorlage;
    e.dateityp = markup::FileType::Text;
    e.abschnittRoh = vorlage;
    return e;
}

int pixels(const QImage &bild, const QRect &bereich, const QColor &farbe)
{
    int n = 0;
    const QRect r = bereich.intersected(bild.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += bild.pixel(x, y) == farbe.rgb();
    return n;
}

class ShowCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

} // namespace

// What the pupil saw of one comparison, taken while the window was open.
struct Gesehen {
    bool gezeigt = false;
    QString titel;
    bool maximiert = false;
    QString meldung;
    QColor meldungsFarbe;
    QList<QRect> felder;
    QImage bild;
    int flaechenBreite = 0;
    int flaechenHoehe = 0;
    int rollweg = 0;
};

class TestVergleich : public QObject {
    Q_OBJECT

    TForm14 *form = nullptr;
    QList<writing::Vergleich> verglichen;

    enum Schliessen { Fertig, Esc, Rahmen };

    // Runs one comparison, looks at the window and closes it the given way.
    Gesehen vergleichen(const QString &geschrieben, const QString &vorlage, Schliessen weg = Fertig)
    {
        Gesehen gesehen;
        testing::answerNextDialog([&](QWidget *) {
            gesehen.gezeigt = true;
            gesehen.titel = form->windowTitle();
            gesehen.maximiert = form->windowState() & Qt::WindowMaximized;
            gesehen.meldung = form->Label1->text();
            gesehen.meldungsFarbe = form->Label1->palette().color(QPalette::WindowText);
            gesehen.felder = form->felder();
            gesehen.bild = form->zeichenflaeche()->grab().toImage();
            gesehen.flaechenBreite = form->zeichenflaeche()->width();
            gesehen.flaechenHoehe = form->zeichenflaeche()->height();
            gesehen.rollweg = form->findChild<QScrollArea *>()->verticalScrollBar()->maximum();
            if (weg == Fertig)
                QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
            else if (weg == Esc)
                QTest::keyClick(form, Qt::Key_Escape);
            else
                form->close();
        });
        form->vergleichen(eingabe(geschrieben, vorlage), ansicht());
        return gesehen;
    }

private slots:
    void init()
    {
        form = new TForm14;
        verglichen.clear();
        connect(form, &TForm14::verglichen, this,
                [this](const writing::Vergleich &v) { verglichen << v; });
    }
    void cleanup() { delete form; }

    void pupilSeesEachWordAboveItsTarget()
    {
        const Gesehen g = vergleichen(u"der große Hund belt"_s, u"der Hund bellt"_s);
        QVERIFY(g.gezeigt);
        QVERIFY(!form->isVisible());
        QCOMPARE(verglichen.size(), 1);
        QCOMPARE(g.titel, u"vergleichen"_s);
        QVERIFY(g.maximiert);
        QCOMPARE(g.meldung, u"Du hast ein Wort zuviel geschrieben"_s);
        QCOMPARE(g.meldungsFarbe, rot);

        QCOMPARE(g.felder.size(), 4);
        QCOMPARE(g.felder[0].topLeft(), QPoint(50, 16));
        for (qsizetype k = 1; k < g.felder.size(); ++k) {
            QCOMPARE(g.felder[k].y(), g.felder[0].y());
            QVERIFY(g.felder[k].x() > g.felder[k - 1].right());
        }
        const int th = QFontMetrics(ansicht().schrift).height();
        auto oben = [&](int k) { return g.felder[k].adjusted(0, 0, 0, -th); };
        auto unten = [&](int k) { return g.felder[k].adjusted(0, th, 0, 0); };
        // "der" right: in the normal colour over its target.
        QVERIFY(pixels(g.bild, oben(0), gruen) > 20);
        QCOMPARE(pixels(g.bild, oben(0), rot), 0);
        QVERIFY(pixels(g.bild, unten(0), blau) > 20);
        // "große" extra: in the error colour with nothing below.
        QVERIFY(pixels(g.bild, oben(1), rot) > 20);
        QCOMPARE(pixels(g.bild, unten(1), blau), 0);
        // "belt" wrong: in the error colour over "bellt".
        QVERIFY(pixels(g.bild, oben(3), rot) > 20);
        QVERIFY(pixels(g.bild, unten(3), blau) > 20);
    }

    void rowsWrapAndScrollWhenTheyRunOffTheWindow()
    {
        QStringList woerter;
        for (int k = 0; k < 40; ++k)
            woerter << u"Wortnummer%1"_s.arg(k);
        const Gesehen g = vergleichen(woerter.join(u' '), woerter.join(u' ') + u" Ende"_s);
        const int th = QFontMetrics(ansicht().schrift).height();
        QCOMPARE(g.felder.size(), 41);
        for (qsizetype k = 1; k < g.felder.size(); ++k) {
            QVERIFY(g.felder[k].right() < g.flaechenBreite - 50);
            if (g.felder[k].y() != g.felder[k - 1].y()) {
                QCOMPARE(g.felder[k].y(), g.felder[k - 1].y() + 5 * th / 2);
                QCOMPARE(g.felder[k].x(), 50);
            }
        }
        QVERIFY(g.felder.constLast().y() > g.felder.constFirst().y());
        QVERIFY(g.flaechenHoehe > g.felder.constLast().bottom());
        QVERIFY(g.rollweg > 0);
    }

    void dictationModeRecordsWithoutShowing()
    {
        ShowCounter counter;
        form->installEventFilter(&counter);
        form->vergleichen(eingabe(u"der bellt"_s, u"der Hund bellt"_s), ansicht(true));
        form->vergleichen(eingabe(u"die Katze"_s, u"der Hund"_s), ansicht(true));
        QCOMPARE(counter.shows, 0);
        QCOMPARE(verglichen.size(), 2);
        QCOMPARE(verglichen[1].fehler, QStringList({u"der"_s, u"Hund"_s}));
    }

    void everyComparisonIsHandedOnHoweverTheWindowCloses_data()
    {
        QTest::addColumn<int>("weg");
        QTest::addRow("fertig") << int(Fertig);
        QTest::addRow("Esc") << int(Esc);
        QTest::addRow("window frame") << int(Rahmen);
    }

    void everyComparisonIsHandedOnHoweverTheWindowCloses()
    {
        QFETCH(int, weg);
        QVERIFY(vergleichen(u"der Hunt"_s, u"der Hund"_s, Schliessen(weg)).gezeigt);
        QVERIFY(vergleichen(u"die Kaze"_s, u"die Katze"_s, Schliessen(weg)).gezeigt);
        QCOMPARE(verglichen.size(), 2);
        QCOMPARE(verglichen[0].fehler, QStringList{u"Hund"_s});
        QCOMPARE(verglichen[1].fehler, QStringList{u"Katze"_s});
    }
};

QTEST_MAIN(TestVergleich)
#include "tst_vergleich.moc"
