#pragma once
// Gaps set by spelling phenomenon: the letters of the evaluation's phenomena marked in an
// exercise text, so the teacher need not wrap every "ie" of a text by hand.

#include "settings/core/auswertung.h"

#include <QString>
#include <QStringView>

namespace auswertung {

// The rows whose letters can be marked: every phenomenon but "sonstige Wörter".
inline constexpr quint32 markierbarePhaenomene = (1u << sonstigeWoerter) - 1;

// Each word of `text` that shows one of the chosen phenomena (`phaenomene`, one bit per
// row) gets the letters of that phenomenon wrapped in a pair of `zeichen` ("§", "$" or
// "&"): "Biene" -> "B§ie§ne". Capitals count as small letters in the search and stay as
// they are; where two found letter runs overlap, the longer one wins (the earlier one
// of two as long). A word is a run of letters: "_" and "-" part words, so the words of
// a group each count and the group stays joined. A word holding a mark, or inside a
// pair, stays as it is, and nothing after the text's end mark "#" is touched.
// Only letter runs that lie wholly in [von, bis) are marked (`bis` -1: the text's end);
// the words are those of the whole text. Returns the whole text; marks are only ever
// inserted, so it differs from `text` only between `von` and `bis`.
QString lueckenSetzen(QStringView text, quint32 phaenomene, QChar zeichen, qsizetype von = 0,
                      qsizetype bis = -1);

} // namespace auswertung
