#pragma once
// Coloured syllables on the displays: which of two alternating colours each character of
// a shown text takes, decided once per text so a frame only looks the colour up.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QStringView>

namespace display {

// What the displays take from the syllable settings.
struct SilbenAnsicht {
    bool automatisch = false; // syllable reading finds the syllables of an unhyphenated text
    bool farbig = false;      // the syllables in two alternating colours
    QColor farbe1 = QColor(0, 0, 255);
    QColor farbe2 = QColor(255, 0, 0);
};

// The colour of a character: the letter colour, or one of the syllable colours.
enum SilbenFarbe : char { Schriftfarbe = 0, Silbe1 = 1, Silbe2 = 2 };

// One `SilbenFarbe` per character of `text`. `anfaenge` are the places where syllables
// begin (the splitter's, ascending); a hyphen typed between letters begins one too. Each
// word (after a blank, a no-break space or "_") begins in the first colour and the colours
// alternate syllable by syllable; only letters are coloured, so hyphens, punctuation, digits and
// the placeholders of hidden letters keep the letter colour.
QByteArray silbenFarben(QStringView text, const QList<qsizetype> &anfaenge);

} // namespace display
