#pragma once
// Hyphenation patterns in libhyphen's file format ("hyph_de_DE.dic"), read straight into
// automata of their own and applied as libhyphen 2.8.8 applies them. Reading libhyphen's
// way builds its automaton pattern by pattern through a hash table and takes seconds for
// the German file; this takes a few hundredths of a second, with the same breaks.

#include "exercise/core/ansi.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

namespace silben {

class Trennmuster {
public:
    enum class Zustand {
        Bereit,
        Unbrauchbar, // no character set this program knows, or no pattern at all
        // Breaks that change letters ("Schiff-fahrt" of the old spelling): only libhyphen
        // applies those.
        MitErsatz,
    };

    // The patterns in `inhalt`, a whole pattern file.
    static Trennmuster lesen(QByteArrayView inhalt);

    Zustand zustand() const { return m_zustand; }
    ansi::Charset zeichensatz() const { return m_zeichensatz; }

    // Where `wort`, `laenge` bytes in the patterns' character set (the word in small
    // letters), may be broken: `stellen[b]` is odd where a break follows byte b, as in
    // the result of libhyphen's `hnj_hyphen_hyphenate3` with the minimum lengths 1 and the
    // file's own for compounds (before its conversion of UTF-8 to characters). `stellen`
    // holds `laenge + 3` bytes.
    void trennen(const char *wort, int laenge, char *stellen) const;

private:
    // One level of the patterns (a file may hold two: whole words and compound parts
    // first, after "NEXTLEVEL" the syllables of a part). Its automaton is a trie of the
    // patterns' letters in breadth-first order, the children of a node side by side,
    // each node falling back to the longest end of its letters that is a node too.
    struct Knoten {
        std::int32_t erstesKind = 0;
        std::int32_t rueckfall = -1;
        std::int32_t treffer = -1; // the pattern's digits in `ziffern`, or none
        std::uint16_t kinder = 0;
        std::uint8_t zeichen = 0; // the letter that leads here
        std::uint8_t trefferLaenge = 0;
    };
    struct Ebene {
        std::vector<Knoten> knoten;
        std::array<std::int32_t, 256> wurzel{}; // the root's children by letter
        QByteArray ziffern;
        int lhmin = 0, rhmin = 0, clhmin = 0, crhmin = 0;
        QList<QByteArray> ohneTrennung; // "NOHYPHEN": no break at either end of these
        std::int32_t kind(std::int32_t knoten, std::uint8_t zeichen) const;
        void ablaufen(const char *wort, int laenge, char *stellen) const;
    };
    struct Zeile;
    struct Rohebene;
    static Ebene bauen(std::vector<Zeile> &zeilen);

    void trennenAuf(int ebene, const char *wort, int laenge, char *stellen, int clhmin,
                    int crhmin, bool amAnfang, bool amEnde) const;
    void linksFrei(const char *wort, int laenge, char *stellen, int mindestens) const;
    void rechtsFrei(const char *wort, int laenge, char *stellen, int mindestens) const;

    Zustand m_zustand = Zustand::Unbrauchbar;
    ansi::Charset m_zeichensatz = ansi::Charset::Unsupported;
    bool m_utf8 = false;
    std::vector<Ebene> m_ebenen; // the first level's next is the second
};

} // namespace silben
