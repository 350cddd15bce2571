#pragma once
// How an exercise run cuts the exercise buffer into chunks: words read from the buffer,
// word groups made ready, and one (raw word, target word) pair per word of a chunk, so
// that what is shown, what is written and what is recorded stay at the same word place.

#include <QList>
#include <QString>
#include <QStringView>

namespace lauf {

// The next word of `puffer` from `pos`: runs of blanks are skipped, a word ends at a
// blank or "#". `pos` is left behind the word (on the "#" at the end). Empty at "#".
QString wortLesen(QStringView puffer, qsizetype &pos);

// Up to `anzahl` words from `pos`, joined by single blanks (word mode).
QString woerterLesen(QStringView puffer, qsizetype &pos, int anzahl);

// True when only blanks stand between `pos` and the end mark.
bool amEnde(QStringView puffer, qsizetype pos);

// One word of a chunk as shown (with its gap markup) and as the pupil must write it.
// A word wholly inside an "&" pair has an empty target: it is shown, never written.
struct Wort {
    QString roh;
    QString ziel;
    friend bool operator==(const Wort &, const Wort &) = default;
};

struct Abschnitt {
    QString roh; // as the displays and the comparison get it (abschnitt_roh)
    QList<Wort> woerter;
    // What the pupil writes: the target words that are not empty, joined by single blanks.
    QString ziel() const;
    bool leer() const { return woerter.isEmpty(); }
};

// A chunk cut from the buffer or chosen in the text, split into its words.
Abschnitt abschnittZerlegen(QStringView abschnitt);

// The word place (from 0) of the word whose display shows character `anzeigeStelle` of
// the display string of `abschnitt` (a chunk as `abschnittZerlegen` keeps it, shown with
// these placeholders). The place is found through the chunk's own words, never through
// the blanks of the display: a placeholder may be a blank, and a gap pair with nothing
// in it, standing as a word, shows nothing. A blank between two words names the word
// before it; past the chunk's words (its run-out, its end mark) there is none: -1.
int wortStelle(QStringView abschnitt, QChar letterPlaceholder, QChar partPlaceholder,
               int anzeigeStelle);

// The part of an editor text an exercise takes: all of it when it fits into the 8000
// characters of the buffer (a line break counts twice), else the text up to the last
// blank or line break that fits, so that no word and no gap pair is cut in two.
struct Uebungstext {
    qsizetype laenge = 0; // characters of the editor text
    bool gekuerzt = false;
};
Uebungstext uebungstext(QStringView editorText);

// A wrong word as the pupil file may take it: a "~" at its start would make it read
// back as an exercise header, so leading "~" are dropped.
QString fehlerwortFuerDatei(QStringView wort);

} // namespace lauf
