#include "settings/core/auswertungsdruck.h"

using namespace printlayout;

namespace auswertungsdruck {
namespace {

// The heading band of a block is 30 units high.
constexpr int band = 30;

} // namespace

QStringList wortzeilen(const QStringList &woerter, const TextMetrics &metrics, int lineWidth,
                       bool zuruecknehmen)
{
    const auto width = [&metrics](const QString &text) {
        return metrics.width ? metrics.width(text) : 0;
    };
    QStringList lines;
    qsizetype next = 0;
    while (next < woerter.size()) {
        const qsizetype first = next;
        QString line;
        while (next < woerter.size() && width(line) < lineWidth)
            line += woerter[next++] + u' ';
        if (line.size() > 1)
            line.chop(1);
        if (zuruecknehmen && next - first > 1 && width(line) > lineWidth) {
            --next;
            line.chop(woerter[next].size() + 1);
        }
        lines.append(line);
    }
    return lines;
}

QList<Page> wortblock(QSize pageSize, const TextMetrics &metrics, const QString &ueberschrift,
                      const QStringList &woerter)
{
    PageWriter writer(pageSize, metrics);
    writer.framedBlock(band, {{textLeft, ueberschrift}},
                       wortzeilen(woerter, writer.metrics(), writer.lineWidth(), true));
    return writer.pages();
}

QList<Page> sortiert(QSize pageSize, const TextMetrics &metrics, const QList<Abschnitt> &abschnitte)
{
    PageWriter writer(pageSize, metrics);
    for (const Abschnitt &abschnitt : abschnitte) {
        if (!abschnitt.woerter.isEmpty()) {
            writer.framedBlock(
                band, {{textLeft, abschnitt.ueberschrift}},
                wortzeilen(abschnitt.woerter, writer.metrics(), writer.lineWidth(), false));
            writer.moveDown(20);
        }
        writer.newPageBelow(800);
    }
    return writer.pages();
}

} // namespace auswertungsdruck
