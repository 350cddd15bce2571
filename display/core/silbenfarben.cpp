#include "display/core/silbenfarben.h"

#include "exercise/core/markup.h"

namespace display {

QByteArray silbenFarben(QStringView text, const QList<qsizetype> &anfaenge)
{
    QByteArray farben(text.size(), Schriftfarbe);
    auto naechste = anfaenge.cbegin();
    bool zweite = false;    // the syllable going on has the second colour
    bool buchstabe = false; // a letter of the word going on came before
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        while (naechste != anfaenge.cend() && *naechste < i)
            ++naechste;
        if (ch.isSpace() || ch.unicode() < u' ' || ch == markup::groupJoin) {
            zweite = false;
            buchstabe = false;
            continue;
        }
        if (naechste != anfaenge.cend() && *naechste == i && buchstabe)
            zweite = !zweite;
        if (ch == u'-' && buchstabe && i + 1 < text.size() && text[i + 1].isLetter()) {
            // The letters after a typed hyphen begin the next syllable.
            zweite = !zweite;
            buchstabe = false;
            continue;
        }
        if (ch.isLetter()) {
            farben[i] = zweite ? Silbe2 : Silbe1;
            buchstabe = true;
        }
    }
    return farben;
}

} // namespace display
