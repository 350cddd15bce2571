#pragma once
// The evaluation of words by German spelling phenomena: which words a pupil record or
// an exercise text gives, their sorted list with duplicates merged, the 27 phenomena a
// word is tested for, and the word list a teacher saves.

#include "exercise/core/fileio.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace auswertung {

inline constexpr int phaenomenAnzahl = 27;
// "sonstige Wörter": the words that show none of the other phenomena.
inline constexpr int sonstigeWoerter = 26;

// The caption of phenomenon `row` (0..26) as the list shows it and the prints head it.
QString beschriftung(int row);

// Where a phenomenon's letters stand in a word: anywhere, at its start, at its end; the
// last row has none and holds when no other does.
enum class Test { Enthaelt, Anfang, Ende, Keiner };
Test test(int row);
// The letters phenomenon `row` looks for, all lower case; none for "sonstige Wörter".
std::span<const QStringView> muster(int row);

// The phenomena an entry shows, one bit per row (bit 26 when it shows none of the
// others). An entry is a word, or a word followed by its count "(n)"; the tests compare
// characters exactly, so "Stein" does not start with "st".
quint32 phaenomene(QStringView entry);
inline bool zeigt(quint32 phaenomenBits, int row)
{
    return row >= 0 && row < phaenomenAnzahl && (phaenomenBits >> row) & 1u;
}

// "Fehlerauswertung": the wrong words of a pupil record, given as its lines with the
// pupil's name first. Exercise headings ("~...") and empty lines are skipped, and so are
// word groups (a line holding "_"); the markup "$", "&" and "§" is taken out.
QStringList fehlerWoerter(const QStringList &recordLines);
// The word one line of wrong words gives to the evaluation, or an empty string when the
// line gives none (a heading, an empty line, a word group).
QString fehlerWort(QStringView line);

// "Textauswertung": the words of an exercise text, split at blanks, line breaks and
// . ? ! , ; : and the double quote. The markup "$", "&" and "§" is taken out as above;
// a word group joined by "_" stays one word.
QStringList textWoerter(const QStringList &textLines);

// The upper-case form duplicates are compared in: a-z, ä, ö and ü become capitals,
// everything else stays ("ß" has no capital, so "Straße" and "STRASSE" differ).
QString grossform(QStringView word);

// The order of the lists: alphabetical without regard to case in the user's language,
// German when no language is set.
QCollator sortierung();

// Sorts the words in that order. Words that differ only in case end up side by side, in
// the order they came in, so the first of them is the one that stays when merging.
void sortieren(QStringList &words, const QCollator &collator);

// A list entry: a word and how many times it was found.
struct Eintrag {
    QString wort;
    int anzahl = 1;
    // The word, followed by "(n)" when the count is shown and more than one was found.
    QString text(bool mitHaeufigkeit) const;
    bool operator==(const Eintrag &) const = default;
};

// "doppelte" on a sorted list: an entry equal in upper-case form to the one before it
// is merged into that one, whose count grows by its count.
QList<Eintrag> doppelte(const QList<Eintrag> &sorted);

// The words sorted, each as an entry of its own, and the same merged.
QList<Eintrag> sortiert(QStringList words, const QCollator &collator);
QList<Eintrag> wortliste(QStringList words, const QCollator &collator);

// Saves chosen words as a text file: each word followed by one blank, no line break, in
// Windows-1252. Nothing is written when a word holds characters Windows-1252 cannot store;
// the result lists them. The old file stays whole whatever goes wrong.
[[nodiscard]] WriteResult speichern(const QString &path, const QStringList &words);

} // namespace auswertung
