#include "exercise/core/printlayout.h"
#include "tests/support/printpages.h"

#include <QTest>

using namespace Qt::StringLiterals;
using printlayout::Page;
using printlayout::PrintedLine;
using printlayout::PrintedText;
using testing::frameBand;
using testing::frameSides;
using testing::lineWords;
using testing::printMetrics;
using testing::printSheet;

namespace {

// `count` words, a line each.
QString numbers(int count)
{
    return lineWords(count).join(u' ') + u" #"_s;
}

} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    // Characters are taken while the line is narrower than 680: seven of 100 pixels.
    void lineFilling_data()
    {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<QStringList>("lines");

        QTest::addRow("word that does not fit begins the next line")
            << u"Der Hund bellt #"_s << 100 << QStringList{u"Der "_s, u"Hund "_s, u"bellt "_s};
        QTest::addRow("line ending on a blank is kept")
            << u"abcdef g #"_s << 100 << QStringList{u"abcdef "_s, u"g "_s};
        QTest::addRow("word wider than a line is cut where the line is full")
            << u"Da Donaudampfschiff #"_s << 100
            << QStringList{u"Da "_s, u"Donaud"_s, u"ampfsc"_s, u"hiff "_s};
        QTest::addRow("text ends at the first #")
            << u"Der Hund# bellt #"_s << 100 << QStringList{u"Der "_s, u"Hund"_s};
        QTest::addRow("word that runs full right before a #")
            << u"abc def#"_s << 100 << QStringList{u"abc "_s, u"def"_s};
        QTest::addRow("empty text prints a blank line") << u" #"_s << 100 << QStringList{u" "_s};
        QTest::addRow("character wider than the line stands alone")
            << u"ab #"_s << 1000 << QStringList{u"a"_s, u"b"_s, u" "_s};
    }
    void lineFilling()
    {
        QFETCH(QString, buffer);
        QFETCH(int, charWidth);
        QFETCH(QStringList, lines);
        QCOMPARE(printlayout::fillLines(buffer, printMetrics(charWidth), 680), lines);
    }

    void singlePrintFramesTheTextUnderItsHeading()
    {
        const QList<Page> pages = printlayout::singlePrint(
            printSheet, printMetrics(), {{60, u"Hof"_s}, {400, u"Zoo"_s}}, u"Der Hund bellt #"_s);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].texts, (QList<PrintedText>{{{60, 60}, u"Hof"_s},
                                                     {{400, 60}, u"Zoo"_s},
                                                     {{60, 110}, u"Der "_s},
                                                     {{60, 140}, u"Hund "_s},
                                                     {{60, 170}, u"bellt "_s}}));
        QCOMPARE(pages[0].lines, frameBand(50, 50) + frameSides(50, 200));

        // A heading wider than the frame is filled over lines, one that would overlap the
        // heading before it goes under it; the band grows to hold them.
        const Page crowded = printlayout::singlePrint(
            printSheet, printMetrics(), {{60, u"Ben Tim Ute"_s}, {400, u"Zoo"_s}}, u"a #"_s)[0];
        QCOMPARE(crowded.texts, (QList<PrintedText>{{{60, 60}, u"Ben "_s},
                                                    {{60, 90}, u"Tim "_s},
                                                    {{60, 120}, u"Ute "_s},
                                                    {{60, 150}, u"Zoo"_s},
                                                    {{60, 200}, u"a "_s}}));
        QCOMPARE(crowded.lines.mid(0, 2), frameBand(50, 140));

        // Units grow with the page (rounded), the line step stays the font's.
        const Page a4 =
            printlayout::singlePrint(QSize(4960, 7016), printMetrics(1), {}, u"a #"_s)[0];
        QCOMPARE(a4.texts[0].position, QPoint(372, 702));
        QCOMPARE(a4.lines.last(), (PrintedLine{{4650, 732}, {4650, 319}}));
    }

    // A text too long for its page goes on on the next: the frame is closed at the break
    // and continued from the top; a text that just fills a page leaves no empty page.
    void singlePrintBreaksPages_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QList<int>>("linesPerPage");
        QTest::addColumn<int>("lastBottom");

        // Lines at 110, 140, ... 1040; after the 32nd, y = 1070 lies past 1050.
        QTest::addRow("a page full") << 32 << QList<int>{32} << 1070;
        QTest::addRow("one line more") << 33 << QList<int>{32, 1} << 80;
        QTest::addRow("three pages") << 70 << QList<int>{32, 34, 4} << 170;
    }
    void singlePrintBreaksPages()
    {
        QFETCH(int, lineCount);
        QFETCH(QList<int>, linesPerPage);
        QFETCH(int, lastBottom);

        const QList<Page> pages =
            printlayout::singlePrint(printSheet, printMetrics(), {}, numbers(lineCount));
        QCOMPARE(pages.size(), linesPerPage.size());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const int first = i == 0 ? 110 : 50;
            const int last = first + 30 * (linesPerPage[i] - 1);
            QCOMPARE(pages[i].texts.size(), linesPerPage[i]);
            QCOMPARE(pages[i].texts.first().position.y(), first);
            QCOMPARE(pages[i].texts.last().position.y(), last);
            const QList<PrintedLine> frame =
                frameSides(50, i + 1 < pages.size() ? last + 30 : lastBottom);
            QCOMPARE(pages[i].lines, i == 0 ? frameBand(50, 50) + frame : frame);
        }
    }

    // Each text in its block, 20 apart; a block ending below 800 sends the next one to a
    // new page, a block running past 1050 goes on on the next page.
    void folderPrintPutsBlocksUnderEachOther()
    {
        const QList<Page> pages = printlayout::folderPrint(printSheet, printMetrics(),
                                                           {{u"a.txt"_s, u"Der Hund #"_s},
                                                            {u"b.txt"_s, numbers(20)},
                                                            {u"c.txt"_s, numbers(40)},
                                                            {u"d.txt"_s, u"x #"_s}});
        QCOMPARE(pages.size(), 3);
        // a.txt: band 50..80, lines at 90 and 120, closed at 150; b.txt from 170: 20
        // lines from 210 to 780, closed at 810.
        QCOMPARE(pages[0].texts.mid(0, 4), (QList<PrintedText>{{{60, 60}, u"a.txt"_s},
                                                               {{60, 90}, u"Der "_s},
                                                               {{60, 120}, u"Hund "_s},
                                                               {{60, 180}, u"b.txt"_s}}));
        QCOMPARE(pages[0].lines, frameBand(50, 30) + frameSides(50, 150) + frameBand(170, 30) +
                                     frameSides(170, 810));
        // c.txt at the top of page 2: 33 lines from 90 to 1050, broken at 1080; the other
        // 7 on page 3, closed at 260; d.txt 20 below.
        QCOMPARE(pages[1].texts.size(), 1 + 33);
        QCOMPARE(pages[1].lines, frameBand(50, 30) + frameSides(50, 1080));
        QCOMPARE(pages[2].lines.mid(0, 3), frameSides(50, 260));
        QCOMPARE(pages[2].texts[7], (PrintedText{{60, 290}, u"d.txt"_s}));

        // Nothing to print is one empty page, and a break at the very end begins none.
        const QList<Page> none = printlayout::folderPrint(printSheet, printMetrics(), {});
        QVERIFY(none.size() == 1 && none[0].isEmpty());
        QCOMPARE(printlayout::folderPrint(printSheet, printMetrics(), {{u"b.txt"_s, numbers(24)}})
                     .size(),
                 1);
    }
};

QTEST_APPLESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
