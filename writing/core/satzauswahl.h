#pragma once
// Choosing a section of running text, without a window: finding a sentence of the
// exercise buffer, showing it with its gaps, marking words with Space and taking them
// back with Backspace, and turning the marked words back into raw text with their gaps.

#include "exercise/core/markup.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace writing {

// What a turn of the section choice reads.
struct AuswahlEingabe {
    QString puffer;         // the exercise text, ended by "#"
    int satz_nr = 1;        // the sentence to show
    int abschnitt_ende = 0; // caret offset in that sentence at which this turn starts
    QChar letterPlaceholder = u'_';
    QChar partPlaceholder = u'#';
};

// What a turn hands back.
struct AuswahlErgebnis {
    // The chosen words in raw form behind one blank; empty when the pupil stopped
    // (Escape, closing the window) or the text holds no sentence.
    QString abschnitt;
    int abschnitt_ende = 0; // where the next turn continues in the sentence
    int satz_nr = 1;        // the sentence the next turn shows
};

// A sentence of the exercise buffer.
struct Satz {
    // The sentence found: the one asked for, or the last one when the text ends before
    // it; 0 when the text holds no sentence at all.
    int nummer = 0;
    QString roh; // as written, with its markup; no blanks at either end
};

// Sentence `n` (from 1) of `puffer`, read up to its first "#". A sentence ends with a
// run of ".", "!" and "?" ("..." and "?!" end one sentence) outside a gap pair, or at
// the "#".
Satz satzFinden(QStringView puffer, int n);

class SatzAuswahl {
public:
    SatzAuswahl() = default;
    // `rohSatz` as satzFinden returns it; the placeholders as the displays use them.
    SatzAuswahl(const QString &rohSatz, QChar letterPlaceholder, QChar partPlaceholder);

    const QString &rohSatz() const { return m_roh; }
    // The sentence as shown: gaps converted as on the displays, one blank between words.
    const QString &anzeigeSatz() const { return m_anzeige; }
    int laenge() const { return int(m_anzeige.size()); }
    bool markiert(int offset) const;

    // Space with the caret at `caret`: marks the word at or after the caret with the
    // blank behind it. Returns the caret behind what was marked.
    int leertaste(int caret);
    // Backspace with the caret at `caret`: takes back the word the caret stands in or
    // behind. Returns the caret at the start of that word.
    int ruecktaste(int caret);

    // The marked words as raw text: a blank first, then every marked character, a gap
    // placeholder replaced by its whole pair from the raw sentence (once per pair).
    QString abschnitt() const;

private:
    // A blank between words; a placeholder that is a blank belongs to its word.
    bool istLeer(int offset) const;
    void setzen(int von, int bis, bool markiert);
    QString paarAb(qsizetype oeffnung) const;

    QString m_roh;
    QString m_anzeige;
    QList<markup::DisplaySource> m_quellen; // one per character of m_anzeige
    QList<bool> m_markiert;                 // one per character of m_anzeige
};

} // namespace writing
