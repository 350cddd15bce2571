#include "settings/core/auswertungsdruck.h"

#include "tests/support/printpages.h"

#include <QTest>

using namespace Qt::StringLiterals;
using auswertungsdruck::Abschnitt;
using printlayout::Page;
using printlayout::PrintedText;
using testing::frameBand;
using testing::frameSides;
using testing::lineWords;
using testing::printMetrics;
using testing::printSheet;

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

    // One block for each phenomenon with words, 20 apart; a block ending below 800 sends
    // the next one to a new page; with no words at all the job is one empty page.
    void sortedPrintSkipsEmptyPhenomena()
    {
        const QList<Page> pages = auswertungsdruck::sortiert(printSheet, printMetrics(),
                                                             {{u"A"_s, lineWords(2)},
                                                              {u"B"_s, {}},
                                                              {u"C"_s, lineWords(22)},
                                                              {u"D"_s, lineWords(1)}});
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
