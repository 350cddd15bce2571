#pragma once
// The random word order of a text: every word of the editor's text once, shuffled
// into one line, each word followed by a blank.

#include <QString>
#include <QStringList>
#include <QStringView>

class QRandomGenerator;

namespace wortfolge {

// The pieces of the text in text order. A piece runs up to and including the next
// blank or line break (or to the end of the text); a line break at its end is
// removed, empty pieces and a lone "#" are dropped, and every piece ends in a blank.
QStringList wortstuecke(QStringView text);

// The pieces taken out one at a time at a uniformly chosen index and joined into
// one line.
QString zufaellige_wortfolge(QStringView text, QRandomGenerator &random);

} // namespace wortfolge
