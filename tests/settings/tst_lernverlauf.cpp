// The progress of a pupil as the charts show it: one point per exercise of the record in
// the order the exercises were done, the moving mean, the exercises without a readable
// date, and the phenomena of the two halves of a span.

#include "settings/core/lernverlauf.h"

#include "exercise/core/wiederholung.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate heute(2026, 12, 10);

QStringList punkte(const lernverlauf::Verlauf &verlauf)
{
    QStringList texte;
    for (const lernverlauf::Punkt &punkt : verlauf.punkte)
        texte << punkt.wann.toString(u"yyyy-MM-dd HH:mm"_s) + u' ' + QString::number(punkt.fehler) +
                     u' ' + QString::number(punkt.mittel);
    return texte;
}

// "exercises | row:count ..." for the phenomena with wrong words.
QString haelfte(const lernverlauf::Haelfte &h)
{
    QString text = QString::number(h.uebungen) + u" |";
    for (size_t row = 0; row < h.phaenomene.size(); ++row) {
        if (h.phaenomene[row] > 0)
            text += u' ' + QString::number(row) + u':' + QString::number(h.phaenomene[row]);
    }
    return text;
}

} // namespace

class TestLernverlauf : public QObject {
    Q_OBJECT
private slots:
    void recordToPoints_data()
    {
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QStringList>("apart");
        QTest::addRow("only the name line")
            << QStringList{u"Anna"_s} << QStringList{} << QStringList{};
        QTest::addRow("mean of the last five, in the order done")
            << QStringList{u"Anna"_s,
                           u"~[03.12.2026 - 09:00:00] c"_s,
                           u"a"_s,
                           u"b"_s,
                           u"c"_s,
                           u"~[01.12.2026 - 09:00:00] a"_s,
                           u"a"_s,
                           u"~[02.12.2026 - 09:00:00] b"_s,
                           u"a"_s,
                           u"b"_s,
                           u"~[04.12.2026 - 09:00:00] d"_s,
                           u"a"_s,
                           u"b"_s,
                           u"c"_s,
                           u"d"_s,
                           u"~[05.12.2026 - 09:00:00] e"_s,
                           u"~[06.12.2026 - 09:00:00] f"_s,
                           u"a"_s,
                           u"b"_s,
                           u"c"_s,
                           u"d"_s,
                           u"e"_s,
                           u"f"_s}
            << QStringList{u"2026-12-01 09:00 1 1"_s, u"2026-12-02 09:00 2 1.5"_s,
                           u"2026-12-03 09:00 3 2"_s, u"2026-12-04 09:00 4 2.5"_s,
                           u"2026-12-05 09:00 0 2"_s, u"2026-12-06 09:00 6 3"_s}
            << QStringList{};
        QTest::addRow("equal headers are two exercises, a date alone is midday")
            << QStringList{u"Anna"_s,  u"~[04.12.2026] Woerter.txt"_s,
                           u"Hund"_s,  u"~[04.12.2026] Woerter.txt"_s,
                           u"Katze"_s, u"Maus"_s}
            << QStringList{u"2026-12-04 12:00 1 1"_s, u"2026-12-04 12:00 2 1.5"_s} << QStringList{};
        QTest::addRow("word groups count, empty lines do not")
            << QStringList{u"Anna"_s, u"~[04.12.2026] Wortgruppen.txt"_s, u"die_kl$ein$e_Maus"_s,
                           u""_s, u"Ha$u$s"_s}
            << QStringList{u"2026-12-04 12:00 2 2"_s} << QStringList{};
        QTest::addRow("short German and ISO dates")
            << QStringList{u"Anna"_s, u"~[7.12.26 - 8:05:00] a"_s, u"~[2026-12-08] b"_s,
                           u"~[9.12.2026 - 7:30:00 PM] c"_s}
            << QStringList{u"2026-12-07 08:05 0 0"_s, u"2026-12-08 12:00 0 0"_s,
                           u"2026-12-09 19:30 0 0"_s}
            << QStringList{};
        QTest::addRow("without a readable date: apart, in the order of the record")
            << QStringList{u"Anna"_s,
                           u"~[12/7/2026] a"_s,
                           u"Hund"_s,
                           u"~Woerter.txt"_s,
                           u"~[31.02.2026] b"_s,
                           u"~[01.12.2026 - 25:00:00] c"_s,
                           u"~[01.12.2026 - 10:00:00] d"_s,
                           u"Katze"_s,
                           u"~[] e"_s,
                           u"~[01.12.2026"_s}
            << QStringList{u"2026-12-01 10:00 1 1"_s}
            << QStringList{u"[12/7/2026] a (Datum nicht lesbar, 1 Fehler)"_s,
                           u"Woerter.txt (ohne Datum, 0 Fehler)"_s,
                           u"[31.02.2026] b (Datum nicht lesbar, 0 Fehler)"_s,
                           u"[01.12.2026 - 25:00:00] c (Datum nicht lesbar, 0 Fehler)"_s,
                           u"[] e (ohne Datum, 0 Fehler)"_s,
                           u"[01.12.2026 (Datum nicht lesbar, 0 Fehler)"_s};
    }
    void recordToPoints()
    {
        QFETCH(QStringList, record);
        QFETCH(QStringList, points);
        QFETCH(QStringList, apart);
        const lernverlauf::Verlauf verlauf = lernverlauf::verlauf(record, heute);
        QCOMPARE(punkte(verlauf), points);
        QStringList ohneDatum;
        for (const lernverlauf::Uebung &uebung : verlauf.ohneDatum)
            ohneDatum << lernverlauf::ohneDatumZeile(uebung);
        QCOMPARE(ohneDatum, apart);
    }

    // The chart and the review read an entry's day alike: a day after today counts as
    // today, a year no exercise was done in is no date (the review takes such an entry
    // as recorded today, the chart keeps it apart).
    void chartAndReviewReadTheSameDay_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QDate>("tag"); // invalid: no date
        QTest::addRow("a Laufbahn run") << u"[07.12.2026 - 09:00:00] a"_s << QDate(2026, 12, 7);
        QTest::addRow("another kind of exercise") << u"[07.12.2026] a"_s << QDate(2026, 12, 7);
        QTest::addRow("a two-digit year") << u"[07.12.25] a"_s << QDate(2025, 12, 7);
        QTest::addRow("ISO") << u"[2026-12-08] a"_s << QDate(2026, 12, 8);
        QTest::addRow("after today") << u"[31.12.2099] a"_s << heute;
        QTest::addRow("tomorrow") << u"[11.12.2026 - 08:00:00] a"_s << heute;
        QTest::addRow("before 1990") << u"[31.12.1989] a"_s << QDate();
        QTest::addRow("after 2100") << u"[01.01.9999] a"_s << QDate();
        QTest::addRow("no day") << u"[31.02.2026] a"_s << QDate();
        QTest::addRow("no brackets") << u"Woerter.txt"_s << QDate();
    }
    void chartAndReviewReadTheSameDay()
    {
        QFETCH(QString, eintrag);
        QFETCH(QDate, tag);
        const QStringList record{u"Anna"_s, u'~' + eintrag, u"Hund"_s};
        const lernverlauf::Verlauf verlauf = lernverlauf::verlauf(record, heute);
        QCOMPARE(verlauf.datiert.size(), tag.isValid() ? 1 : 0);
        if (tag.isValid())
            QCOMPARE(verlauf.datiert.first().zeit.wann.date(), tag);
        const std::vector<wiederholung::Erfassung> review =
            wiederholung::erfassungen(record.join(u'\n'), heute);
        QCOMPARE(review.at(0).zuletzt, tag.isValid() ? tag : heute);
    }

    // Row 0 "Doppellaute", 6 "ie", 15 "s" am Ende, 26 "sonstige Wörter"; word groups
    // are left out as the evaluation leaves them out.
    void halvesOfASpan_data()
    {
        QTest::addColumn<QDate>("von");
        QTest::addColumn<QDate>("bis");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addRow("four days, two each") << QDate(2026, 12, 1) << QDate(2026, 12, 4)
                                             << u"2 | 0:1 6:1 26:1"_s << u"2 | 15:1 26:1"_s;
        QTest::addRow("given the wrong way round") << QDate(2026, 12, 4) << QDate(2026, 12, 1)
                                                   << u"2 | 0:1 6:1 26:1"_s << u"2 | 15:1 26:1"_s;
        QTest::addRow("one day parts at noon")
            << QDate(2026, 12, 2) << QDate(2026, 12, 2) << u"1 | 26:1"_s << u"0 |"_s;
        QTest::addRow("a span without exercises")
            << QDate(2027, 1, 1) << QDate(2027, 1, 31) << u"0 |"_s << u"0 |"_s;
    }
    void halvesOfASpan()
    {
        QFETCH(QDate, von);
        QFETCH(QDate, bis);
        const lernverlauf::Verlauf verlauf =
            lernverlauf::verlauf({u"Anna"_s, u"~[01.12.2026 - 09:00:00] a"_s, u"Ball"_s, u"Biene"_s,
                                  u"~[02.12.2026 - 09:00:00] b"_s, u"Auto"_s, u"der_Hund"_s,
                                  u"~[03.12.2026 - 09:00:00] c"_s, u"Haus"_s, u"~[04.12.2026] d"_s,
                                  u"Ta$f$el"_s, u"~[05.12.2026] e"_s, u"Ball"_s},
                                 heute);
        const lernverlauf::Vergleich vergleich = lernverlauf::vergleich(verlauf.datiert, von, bis);
        QTEST(haelfte(vergleich.erste), "first");
        QTEST(haelfte(vergleich.zweite), "second");
    }

    // On an A4-shaped sheet of 800 x 1131 pixels with 20-pixel lines: the two charts
    // under the heading band, each in its half and in its own proportions, inside the
    // frame; what has no readable date on a page of its own, never left out.
    void printedPage_data()
    {
        QTest::addColumn<QSize>("chart");
        QTest::addColumn<QStringList>("apart");
        QTest::addColumn<int>("pages");
        QTest::addRow("wide charts") << QSize(800, 545) << QStringList{} << 1;
        QTest::addRow("a tall chart") << QSize(800, 800) << QStringList{} << 1;
        QTest::addRow("exercises without a date follow")
            << QSize(800, 545) << QStringList{u"Diktat (ohne Datum, 2 Fehler)"_s} << 2;
    }
    void printedPage()
    {
        QFETCH(QSize, chart);
        QFETCH(QStringList, apart);
        const printlayout::TextMetrics metrics{[](QStringView t) { return int(t.size()) * 8; }, 20};
        const QList<printlayout::Page> pages = lernverlauf::druckseiten(
            QSize(800, 1131), metrics, u"Lernverlauf: Anna"_s, QSize(800, 545), chart, apart);
        QTEST(int(pages.size()), "pages");
        const QList<printlayout::PrintedPicture> pictures = pages.first().pictures;
        QCOMPARE(pictures.size(), 2);
        const QRect frame(QPoint(50, 103), QPoint(750, 1080));
        QVERIFY(frame.contains(pictures[0].rect) && frame.contains(pictures[1].rect));
        QVERIFY(pictures[0].rect.bottom() < pictures[1].rect.top());
        QCOMPARE(pictures[1].picture, 1);
        QVERIFY(qAbs(pictures[1].rect.width() * chart.height() -
                     pictures[1].rect.height() * chart.width()) < chart.width() + chart.height());
        QStringList printed;
        for (const printlayout::PrintedText &text : pages.last().texts)
            printed << text.text;
        for (const QString &line : apart)
            QVERIFY(printed.contains(line));
    }
};

QTEST_GUILESS_MAIN(TestLernverlauf)
#include "tst_lernverlauf.moc"
