#include "exercise/core/printlayout.h"

#include <utility>

namespace printlayout {

namespace {

// value * numerator / denominator, rounded to the nearest whole number (halves up).
int scaled(int value, int numerator, int denominator)
{
    const long long product = 2LL * value * numerator;
    const long long twice = 2LL * denominator;
    const long long rounded =
        product >= 0 ? (product + denominator) / twice : -((-product + denominator) / twice);
    return int(rounded);
}

constexpr QChar endMark = u'#';
constexpr QChar blank = u' ';

// The whole of `text` filled into lines.
QStringList fillText(QStringView text, const TextMetrics &metrics, int lineWidth)
{
    const qsizetype end = text.size();
    const auto width = [&metrics](QStringView part) {
        return metrics.width ? metrics.width(part) : 0;
    };

    QStringList lines;
    qsizetype pos = 0;
    do {
        const qsizetype start = pos;
        // At least one character a line, however narrow the page.
        while (pos < end && (pos == start || width(text.sliced(start, pos - start)) < lineWidth))
            ++pos;
        QStringView line = text.sliced(start, pos - start);
        // Only a line that ran full is broken anew; the last one, ended within the width,
        // stays whole.
        if (line.size() >= 2 && !line.endsWith(blank) && width(line) >= lineWidth) {
            const qsizetype lastBlank = line.lastIndexOf(blank);
            // The word that did not fit begins the next line; a word wider than the
            // whole line keeps the characters that fit (all but the one that overflowed).
            const qsizetype keep = lastBlank >= 0 ? lastBlank + 1 : line.size() - 1;
            line.truncate(keep);
            pos = start + keep;
        }
        lines.append(line.toString());
    } while (pos < end);
    return lines;
}

} // namespace

PageWriter::PageWriter(QSize pageSize, TextMetrics metrics)
    : m_pageSize(pageSize), m_metrics(std::move(metrics)),
      m_lineStep(scaled(m_metrics.height, 3, 2)), m_pages(1)
{
    if (!m_metrics.width)
        m_metrics.width = [](QStringView) { return 0; };
    moveTo(pageTop);
}

int PageWriter::toX(int units) const
{
    return scaled(units, m_pageSize.width(), sheetWidth);
}

int PageWriter::toY(int units) const
{
    return scaled(units, m_pageSize.height(), sheetHeight);
}

void PageWriter::newPage()
{
    m_pageBreakPending = true;
    moveTo(pageTop);
}

void PageWriter::newPageBelow(int units)
{
    if (m_y > toY(units))
        newPage();
}

Page &PageWriter::currentPage()
{
    if (m_pageBreakPending) {
        m_pageBreakPending = false;
        m_pages.append(Page());
    }
    return m_pages.last();
}

void PageWriter::addLine(QPoint from, QPoint to)
{
    currentPage().lines.append({from, to});
}

void PageWriter::addText(QPoint position, const QString &text)
{
    currentPage().texts.append({position, text});
}

void PageWriter::addPicture(QRect rect, int picture)
{
    currentPage().pictures.append({rect, picture});
}

void PageWriter::closeFrame(int top)
{
    const int left = toX(frameLeft);
    const int right = toX(frameRight);
    addLine({left, top}, {left, m_y});
    addLine({left, m_y}, {right, m_y});
    addLine({right, m_y}, {right, top});
}

void PageWriter::framedBlock(int bandUnits, const QList<Heading> &headings,
                             const QStringList &lines)
{
    int top = m_y;
    const int left = toX(frameLeft);
    const int right = toX(frameRight);
    // A heading that would run into the one before it, or out of the frame, goes under it
    // at the left; one wider than the frame is filled over as many lines as it needs. The
    // band grows by a line for each line more.
    const int headingRight = toX(frameRight - 10);
    int extraLines = 0;
    int headingEnd = 0;
    for (qsizetype i = 0; i < headings.size(); ++i) {
        int x = toX(headings[i].x);
        const QString &heading = headings[i].text;
        if (i > 0 && (x < headingEnd + toX(10) || x + m_metrics.width(heading) > headingRight)) {
            ++extraLines;
            x = toX(textLeft);
        }
        const QStringList parts =
            m_metrics.width(heading) > headingRight - x
                ? fillText(QString(heading + blank), m_metrics, headingRight - x)
                : QStringList{heading};
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0)
                ++extraLines;
            addText({x, top + toY(10) + extraLines * m_lineStep}, parts[part]);
        }
        headingEnd = x + m_metrics.width(parts.last());
    }
    const int bandBottom = top + toY(bandUnits) + extraLines * m_lineStep;
    addLine({left, top}, {right, top});
    addLine({left, bandBottom}, {right, bandBottom});
    m_y = top + toY(bandUnits + 10) + extraLines * m_lineStep;

    const int x = toX(textLeft);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        addText({x, m_y}, lines[i]);
        m_y += m_lineStep;
        // Only while lines are left: a break after the last one would begin a page
        // that holds nothing but the bottom of the frame.
        if (m_y > toY(pageBottom) && i + 1 < lines.size()) {
            closeFrame(top);
            newPage();
            top = m_y;
        }
    }
    closeFrame(top);
}

QList<Page> PageWriter::pages() const
{
    return m_pages;
}

QStringList fillLines(QStringView buffer, const TextMetrics &metrics, int lineWidth)
{
    const qsizetype end = buffer.indexOf(endMark);
    return fillText(end < 0 ? buffer : buffer.first(end), metrics, lineWidth);
}

QList<Page> singlePrint(QSize pageSize, const TextMetrics &metrics, const QList<Heading> &headings,
                        QStringView buffer)
{
    PageWriter writer(pageSize, metrics);
    writer.framedBlock(50, headings, fillLines(buffer, writer.metrics(), writer.lineWidth()));
    return writer.pages();
}

QList<Page> folderPrint(QSize pageSize, const TextMetrics &metrics, const QList<NamedText> &texts)
{
    PageWriter writer(pageSize, metrics);
    for (const NamedText &text : texts) {
        writer.framedBlock(30, {{textLeft, text.name}},
                           fillLines(text.buffer, writer.metrics(), writer.lineWidth()));
        writer.moveDown(20);
        writer.newPageBelow(800);
    }
    return writer.pages();
}

} // namespace printlayout
