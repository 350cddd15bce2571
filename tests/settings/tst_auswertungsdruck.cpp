#include "settings/core/auswertungsdruck.h"

#include "tests/support/printpages.h"

#include <QTest>

using namespace Qt::StringLiterals;
using auswertungsdruck::Abschnitt;
using printlayout::Page;
using printlayout::PrintedText;
using testing::frameBand;
using testing::frameSides;
using testing::printMetrics;
using testing::printSheet;

namespace {

// `count` words of six characters: with a blank they fill 700 of the 680, one a line.
QStringList woerter(int count)
{
    QStringList words;
    for (int n = 1; n <= count; ++n)
        words.append(u"w%1"_s.arg(n, 5, 10, QChar(u'0')));
    return words;
}

} // namespace

class TestAuswertungsdruck : public QObject {
    Q_OBJECT
private slots:
    void wordsFillLines_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<bool>("takeBack");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("the word that overflows begins the next line")
            << QStringList{u"ab"_s, u"cd"_s, u"ef"_s} << 100 << true
            << QStringList{u"ab cd"_s, u"ef"_s};
        QTest::addRow("sorted print: the last word may overflow")
            << QStringList{u"ab"_s, u"cd"_s, u"ef"_s} << 100 << false << QStringList{u"ab cd ef"_s};
        QTest::addRow("a line exactly 680 wide stays whole")
            << QStringList{u"abcdefghij"_s, u"abcdefghij"_s, u"abcdefghijkl"_s} << 20 << true
            << QStringList{u"abcdefghij abcdefghij abcdefghijkl"_s};
        QTest::addRow("a word wider than a line stands alone, whole")
            << QStringList{u"a"_s, u"Donaudampfschiff"_s, u"b"_s} << 100 << true
            << QStringList{u"a"_s, u"Donaudampfschiff"_s, u"b"_s};
        QTest::addRow("counts print as listed")
            << QStringList{u"Ball(2)"_s, u"Fuß"_s} << 10 << true << QStringList{u"Ball(2) Fuß"_s};
        QTest::addRow("no words, no lines") << QStringList{} << 100 << true << QStringList{};
    }
    void wordsFillLines()
    {
        QFETCH(QStringList, words);
        QFETCH(int, charWidth);
        QFETCH(bool, takeBack);
        QFETCH(QStringList, lines);
        QCOMPARE(auswertungsdruck::wortzeilen(words, printMetrics(charWidth), 680, takeBack),
                 lines);
    }

    // A block of 40 lines: heading band at 50, lines from 90; past 1050 the frame is
    // closed and goes on at 50 on the next page.
    void wordBlockGoesOnOnTheNextPage()
    {
        const QList<Page> pages =
            auswertungsdruck::wortblock(printSheet, printMetrics(), u"Anna"_s, woerter(40));
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].texts.first(), (PrintedText{{60, 60}, u"Anna"_s}));
        QCOMPARE(pages[0].texts[1], (PrintedText{{60, 90}, u"w00001"_s}));
        QCOMPARE(pages[0].texts.size(), 1 + 33);
        QCOMPARE(pages[0].texts.last().position.y(), 1050);
        QCOMPARE(pages[0].lines, frameBand(50, 30) + frameSides(50, 1080));
        QCOMPARE(pages[1].texts.first(), (PrintedText{{60, 50}, u"w00034"_s}));
        QCOMPARE(pages[1].lines, frameSides(50, 260));
    }

    // One block for each phenomenon with words, 20 apart; a block ending below 800 sends
    // the next one to a new page; with no words at all the job is one empty page.
    void sortedPrintSkipsEmptyPhenomena()
    {
        const QList<Page> pages = auswertungsdruck::sortiert(
            printSheet, printMetrics(),
            {{u"A"_s, woerter(2)}, {u"B"_s, {}}, {u"C"_s, woerter(22)}, {u"D"_s, woerter(1)}});
        QCOMPARE(pages.size(), 2);
        // A: lines at 90 and 120, closed at 150; C from 170: lines 210 to 840, closed at 870.
        QCOMPARE(pages[0].lines, frameBand(50, 30) + frameSides(50, 150) + frameBand(170, 30) +
                                     frameSides(170, 870));
        QCOMPARE(pages[0].texts[3], (PrintedText{{60, 180}, u"C"_s}));
        QCOMPARE(pages[1].texts, (QList<PrintedText>{{{60, 60}, u"D"_s}, {{60, 90}, u"w00001"_s}}));

        const QList<Page> none =
            auswertungsdruck::sortiert(printSheet, printMetrics(), {{u"A"_s, {}}});
        QVERIFY(none.size() == 1 && none[0].isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestAuswertungsdruck)
#include "tst_auswertungsdruck.moc"
