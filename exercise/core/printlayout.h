#pragma once
// The printed page: a sheet of 800 x 1100 units on which texts stand in framed blocks,
// their lines filled up to 680 units wide, continued on a new page below 1050 units.
// Everything is laid out in the pixels of the device printed on, with the print font
// measured there; a painter then only draws what the layout holds.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace printlayout {

// The sheet in units; a unit becomes device pixels in proportion to the printable area.
inline constexpr int sheetWidth = 800;
inline constexpr int sheetHeight = 1100;
inline constexpr int frameLeft = 50;
inline constexpr int frameRight = 750;
inline constexpr int textLeft = 60;
inline constexpr int lineWidthUnits = 680;
inline constexpr int pageTop = 50;
// Past this a framed block goes on on the next page.
inline constexpr int pageBottom = 1050;

// The print font as measured on the device, in device pixels.
struct TextMetrics {
    std::function<int(QStringView)> width;
    // The printed height of "Üg"; lines stand 1.5 times that apart.
    int height = 0;
};

// A text's position is the top left corner of its first character cell.
struct PrintedText {
    QPoint position;
    QString text;
    bool operator==(const PrintedText &) const = default;
};

struct PrintedLine {
    QPoint from;
    QPoint to;
    bool operator==(const PrintedLine &) const = default;
};

// A picture the print job holds (its number among the job's pictures), drawn scaled
// into `rect`.
struct PrintedPicture {
    QRect rect;
    int picture = 0;
    bool operator==(const PrintedPicture &) const = default;
};

struct Page {
    QList<PrintedLine> lines;
    QList<PrintedText> texts;
    QList<PrintedPicture> pictures;
    bool isEmpty() const { return lines.isEmpty() && texts.isEmpty() && pictures.isEmpty(); }
};

// A heading of a framed block, `x` in units.
struct Heading {
    int x = textLeft;
    QString text;
};

// Writes framed blocks down the pages of one print job, keeping the running position y
// in device pixels. A page is begun only when something is put on it, so a page break
// at the very end of a job leaves no blank sheet behind.
class PageWriter {
public:
    PageWriter(QSize pageSize, TextMetrics metrics);

    int toX(int units) const;
    int toY(int units) const;
    const TextMetrics &metrics() const { return m_metrics; }
    // 1.5 times the height of "Üg", rounded.
    int lineStep() const { return m_lineStep; }
    // 680 units.
    int lineWidth() const { return toX(lineWidthUnits); }

    int y() const { return m_y; }
    void moveTo(int units) { m_y = toY(units); }
    void moveDown(int units) { m_y += toY(units); }
    // The next thing written goes onto a new page, at 50 units.
    void newPage();
    // A new page when y has passed `units`.
    void newPageBelow(int units);

    // A framed block from y down: lines across the frame at y and at y + `bandUnits`,
    // the headings in that band at y + 10 units (one that would overlap the heading
    // before it, or that is wider than the frame, goes on a line step lower, and so does
    // the band's bottom), the text lines
    // from y + `bandUnits` + 10 units on, one line step apart. When y passes 1050 units
    // with lines left, the frame is closed there and goes on at the top of the next page.
    // Afterwards y is the frame's bottom.
    void framedBlock(int bandUnits, const QList<Heading> &headings, const QStringList &lines);

    void addLine(QPoint from, QPoint to);
    void addText(QPoint position, const QString &text);
    void addPicture(QRect rect, int picture);

    // The pages written, at least one (an empty job prints one empty page).
    QList<Page> pages() const;

private:
    Page &currentPage();
    // The left, bottom and right edges of a frame from `top` down to y.
    void closeFrame(int top);

    QSize m_pageSize;
    TextMetrics m_metrics;
    int m_lineStep = 0;
    int m_y = 0;
    QList<Page> m_pages;
    bool m_pageBreakPending = false;
};

// Fills print lines from a prepared buffer, up to its first "#": characters are taken
// while the line is narrower than `lineWidth`; a word that does not fit is taken back
// and begins the next line, and a word wider than a whole line is cut where the line is
// full. A "#" ends the last line where it stands. At least one line comes back.
QStringList fillLines(QStringView buffer, const TextMetrics &metrics, int lineWidth);

// One text in a frame under a heading band (50 to 100 units), filled from 110 units
// down, going on over as many pages as it needs.
QList<Page> singlePrint(QSize pageSize, const TextMetrics &metrics, const QList<Heading> &headings,
                        QStringView buffer);

// Texts one after the other, each framed under its name: a block from y down (band of
// 30 units), 20 units between blocks, a new page when a block ends below 800 units.
struct NamedText {
    QString name;
    QString buffer;
};
QList<Page> folderPrint(QSize pageSize, const TextMetrics &metrics, const QList<NamedText> &texts);

} // namespace printlayout
