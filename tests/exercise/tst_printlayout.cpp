#include "exercise/core/printlayout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using printlayout::Heading;
using printlayout::Page;
using printlayout::PrintedLine;
using printlayout::PrintedText;
using printlayout::TextMetrics;

namespace {

// Every character `charWidth` pixels wide; "Üg" 20 pixels high, so lines stand 30 apart.
TextMetrics fixedMetrics(int charWidth = 100)
{
    return {[charWidth](QStringView text) { return int(text.size()) * charWidth; }, 20};
}

// A page as big as the sheet: units and pixels are the same.
const QSize sheet(800, 1100);

// `count` lines of the text "n " each, n counted from 1; short enough for a line each
// when a character is 100 pixels wide and the words are taken back.
QString numberedLines(int count)
{
    QString buffer;
    for (int n = 1; n <= count; ++n)
        buffer += u"%1 "_s.arg(n, 6, 10, QChar(u'0'));
    return buffer + u'#';
}

QList<int> textTops(const Page &page)
{
    QList<int> tops;
    for (const PrintedText &text : page.texts)
        tops.append(text.position.y());
    return tops;
}

// The frame's left, bottom and right edges from `top` down to `bottom`.
QList<PrintedLine> frameSides(int top, int bottom)
{
    return {{{50, top}, {50, bottom}}, {{50, bottom}, {750, bottom}}, {{750, bottom}, {750, top}}};
}

} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    // Characters are taken while the line is narrower than 680 pixels: seven characters of
    // 100 pixels, or as many as fit of other widths.
    void lineFilling_data()
    {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<QStringList>("lines");

        QTest::addRow("word that does not fit begins the next line")
            << u"Der Hund bellt #"_s << 100 << QStringList{u"Der "_s, u"Hund "_s, u"bellt "_s};
        QTest::addRow("line that ends on a blank is kept")
            << u"abcdef g #"_s << 100 << QStringList{u"abcdef "_s, u"g "_s};
        QTest::addRow("word wider than a line is cut where the line is full")
            << u"Donaudampfschiff #"_s << 100 << QStringList{u"Donaud"_s, u"ampfsc"_s, u"hiff "_s};
        QTest::addRow("long word after a short one gets lines of its own")
            << u"Da Donaudampf ja #"_s << 100
            << QStringList{u"Da "_s, u"Donaud"_s, u"ampf "_s, u"ja "_s};
        QTest::addRow("line breaks print as blanks and are refilled")
            << u"Hund  Katze #"_s << 10 << QStringList{u"Hund  Katze "_s};
        QTest::addRow("text ends at the first #")
            << u"Der Hund# bellt #"_s << 100 << QStringList{u"Der "_s, u"Hund"_s};
        QTest::addRow("empty text prints one blank line") << u" #"_s << 100 << QStringList{u" "_s};
        QTest::addRow("buffer that is only the end mark") << u"#"_s << 100 << QStringList{u""_s};
        QTest::addRow("character wider than the line stands alone")
            << u"ab #"_s << 1000 << QStringList{u"a"_s, u"b"_s, u" "_s};
        QTest::addRow("text without an end mark ends where the buffer does")
            << u"Haus"_s << 100 << QStringList{u"Haus"_s};
    }
    void lineFilling()
    {
        QFETCH(QString, buffer);
        QFETCH(int, charWidth);
        QFETCH(QStringList, lines);
        QCOMPARE(printlayout::fillLines(buffer, fixedMetrics(charWidth), 680), lines);
    }

    void singlePrintFramesTheTextUnderItsHeading()
    {
        const QList<Page> pages = printlayout::singlePrint(
            sheet, fixedMetrics(), {{60, u"Tiere.txt"_s}, {400, u"rechts"_s}},
            u"Der Hund bellt #"_s);
        QCOMPARE(pages.size(), 1);
        const Page &page = pages.first();
        QCOMPARE(page.texts, (QList<PrintedText>{{{60, 60}, u"Tiere.txt"_s},
                                                 {{400, 60}, u"rechts"_s},
                                                 {{60, 110}, u"Der "_s},
                                                 {{60, 140}, u"Hund "_s},
                                                 {{60, 170}, u"bellt "_s}}));
        // The heading band, then the frame closed a line step below the last line.
        QCOMPARE(page.lines, (QList<PrintedLine>{{{50, 50}, {750, 50}}, {{50, 100}, {750, 100}}} +
                              frameSides(50, 200)));
    }

    // A text too long for one page goes on on the next, its frame closed at the break and
    // continued from the top; a text that just fills a page leaves no empty page behind.
    void singlePrintBreaksPages_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QList<int>>("linesPerPage");
        QTest::addColumn<int>("lastFrameBottom");

        // Lines stand at 110, 140, ... 1040; after the 32nd, y = 1070 lies past 1050.
        QTest::addRow("one line") << 1 << QList<int>{1} << 140;
        QTest::addRow("a page full") << 32 << QList<int>{32} << 1070;
        QTest::addRow("one line more") << 33 << QList<int>{32, 1} << 80;
        QTest::addRow("three pages") << 70 << QList<int>{32, 34, 4} << 170;
    }
    void singlePrintBreaksPages()
    {
        QFETCH(int, lineCount);
        QFETCH(QList<int>, linesPerPage);
        QFETCH(int, lastFrameBottom);

        const QList<Page> pages =
            printlayout::singlePrint(sheet, fixedMetrics(), {}, numberedLines(lineCount));
        QCOMPARE(pages.size(), linesPerPage.size());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QList<int> tops = textTops(pages[i]);
            QCOMPARE(tops.size(), linesPerPage[i]);
            const int firstTop = i == 0 ? 110 : 50;
            QCOMPARE(tops.first(), firstTop);
            QCOMPARE(tops.last(), firstTop + 30 * (linesPerPage[i] - 1));
            const int bottom = i + 1 < pages.size() ? tops.last() + 30 : lastFrameBottom;
            QCOMPARE(pages[i].lines.mid(pages[i].lines.size() - 3), frameSides(50, bottom));
            // Only the first page has the heading band across the top.
            QCOMPARE(pages[i].lines.size(), i == 0 ? 5 : 3);
        }
        QCOMPARE(pages.last().texts.last().text, u"%1 "_s.arg(lineCount, 6, 10, QChar(u'0')));
    }

    // Units become pixels in proportion to the printable area, rounded; the line step
    // stays 1.5 times the font's height on the device.
    void unitsScaleWithThePage_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<QPoint>("heading");
        QTest::addColumn<QPoint>("firstLine");
        QTest::addColumn<int>("lineStep");
        QTest::addColumn<int>("frameRight");

        QTest::addRow("sheet size")
            << sheet << 20 << QPoint(60, 60) << QPoint(60, 110) << 30 << 750;
        QTest::addRow("twice the sheet")
            << QSize(1600, 2200) << 20 << QPoint(120, 120) << QPoint(120, 220) << 30 << 1500;
        // A4 at 600 dpi: 4960 x 7016 printable.
        QTest::addRow("A4 at 600 dpi")
            << QSize(4960, 7016) << 83 << QPoint(372, 383) << QPoint(372, 702) << 125 << 4650;
        QTest::addRow("odd height rounds the step up")
            << sheet << 21 << QPoint(60, 60) << QPoint(60, 110) << 32 << 750;
    }
    void unitsScaleWithThePage()
    {
        QFETCH(QSize, page);
        QFETCH(int, fontHeight);
        QFETCH(QPoint, heading);
        QFETCH(QPoint, firstLine);
        QFETCH(int, lineStep);
        QFETCH(int, frameRight);

        const TextMetrics metrics{[](QStringView text) { return int(text.size()); }, fontHeight};
        const Page pageLaidOut =
            printlayout::singlePrint(page, metrics, {{60, u"Kopf"_s}}, u"eins zwei #"_s).first();
        QCOMPARE(pageLaidOut.texts[0].position, heading);
        QCOMPARE(pageLaidOut.texts[1].position, firstLine);
        QCOMPARE(pageLaidOut.lines.last().from.x(), frameRight);
        QCOMPARE(pageLaidOut.lines.last().from.y(), firstLine.y() + lineStep);
    }

    void folderPrintPutsBlocksUnderEachOther()
    {
        const QList<Page> pages = printlayout::folderPrint(
            sheet, fixedMetrics(),
            {{u"/t/a.txt"_s, u"Hund #"_s}, {u"/t/b.txt"_s, u"Der Hund #"_s}});
        QCOMPARE(pages.size(), 1);
        // a.txt: band 50..80, name at 60, one line at 90, frame closed at 120; 20 below,
        // b.txt from 140.
        QCOMPARE(pages[0].texts, (QList<PrintedText>{{{60, 60}, u"/t/a.txt"_s},
                                                     {{60, 90}, u"Hund "_s},
                                                     {{60, 150}, u"/t/b.txt"_s},
                                                     {{60, 180}, u"Der "_s},
                                                     {{60, 210}, u"Hund "_s}}));
        QCOMPARE(pages[0].lines,
                 (QList<PrintedLine>{{{50, 50}, {750, 50}}, {{50, 80}, {750, 80}}} +
                  frameSides(50, 120) +
                  QList<PrintedLine>{{{50, 140}, {750, 140}}, {{50, 170}, {750, 170}}} +
                  frameSides(140, 240)));
    }

    // A block that ends below 800 units sends the next one to a new page; one that runs
    // past 1050 units goes on on the next page from 50.
    void folderPrintBreaksPages()
    {
        // 24 lines: from 90 to 780, frame closed at 810, the next block on page 2.
        const QList<Page> pages = printlayout::folderPrint(sheet, fixedMetrics(),
                                                           {{u"lang"_s, numberedLines(24)},
                                                            {u"länger"_s, numberedLines(40)},
                                                            {u"kurz"_s, u"x #"_s}});
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].texts.size(), 1 + 24);
        QCOMPARE(pages[0].lines.mid(2), frameSides(50, 810));
        // "länger" from the top of page 2: lines 90 .. 1050 (33), broken at 1080.
        QCOMPARE(pages[1].texts.first(), (PrintedText{{60, 60}, u"länger"_s}));
        QCOMPARE(textTops(pages[1]).last(), 1050);
        QCOMPARE(pages[1].texts.size(), 1 + 33);
        QCOMPARE(pages[1].lines.mid(2), frameSides(50, 1080));
        // Page 3: the 7 lines left (50 .. 230), closed at 260; "kurz" 20 below at 280.
        QCOMPARE(pages[2].lines.mid(0, 3), frameSides(50, 260));
        QCOMPARE(pages[2].texts[7], (PrintedText{{60, 290}, u"kurz"_s}));
    }

    void emptyJobsPrintOneEmptyPage()
    {
        const QList<Page> none = printlayout::folderPrint(sheet, fixedMetrics(), {});
        QCOMPARE(none.size(), 1);
        QVERIFY(none.first().isEmpty());

        // A page break asked for at the end of a job begins no page.
        printlayout::PageWriter writer(sheet, fixedMetrics());
        writer.framedBlock(30, {{60, u"Wörter"_s}}, {u"Ball Bett"_s});
        writer.moveTo(900);
        writer.newPageBelow(800);
        QCOMPARE(writer.pages().size(), 1);
        // A block of no lines is its band and a closed frame below it.
        writer.framedBlock(30, {{60, u"leer"_s}}, {});
        QCOMPARE(writer.pages().size(), 2);
        QCOMPARE(writer.pages().last().lines.mid(2), frameSides(50, 90));
    }
};

QTEST_APPLESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
