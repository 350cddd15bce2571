#pragma once
// The evaluation's prints on the shared page: word lists in framed blocks under a
// heading, a line filled word by word up to 680 units, and the sorted print with one
// block for each phenomenon that has words.

#include "exercise/core/printlayout.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace auswertungsdruck {

// The words in print lines, each followed by a blank that the end of the line drops.
// Words are appended while the line is narrower than `lineWidth`. With `zuruecknehmen`
// the word that made the line too wide is taken back and begins the next line; a word
// wider than a whole line then stands alone on its line, whole.
QStringList wortzeilen(const QStringList &woerter, const printlayout::TextMetrics &metrics,
                       int lineWidth, bool zuruecknehmen);

// "alle Wörter drucken" and "drucken": one framed block from 50 units down.
QList<printlayout::Page> wortblock(QSize pageSize, const printlayout::TextMetrics &metrics,
                                   const QString &ueberschrift, const QStringList &woerter);

struct Abschnitt {
    QString ueberschrift;
    QStringList woerter;
};
// "sortiert drucken": a block for each section that has words, 20 units apart, its last
// word on a line allowed to run past 680 units; a new page after a section that ended
// below 800 units.
QList<printlayout::Page> sortiert(QSize pageSize, const printlayout::TextMetrics &metrics,
                                  const QList<Abschnitt> &abschnitte);

} // namespace auswertungsdruck
