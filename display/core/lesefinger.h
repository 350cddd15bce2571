#pragma once
// Reading finger and syllable reading without a window: the exercise text page by page
// in a picture of 640 x 480 pixels, one sentence at a time, in lines of at most 569
// pixels. One call per display refresh; a step is taken every `takt` refreshes. The
// keys change the state and the next refresh acts on it. Text widths come in as a
// function, so everything here runs without fonts.

#include "display/core/gleitzeile.h"
#include "display/core/silbenfarben.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace display {

// What the caller hands the reading from the settings and the main window.
struct LesefingerSettings {
    QFont font;                     // the text's font at its configured size in points
    QColor letterColor = Qt::white; // the font's colour
    QColor background = Qt::black;
    int tempo = 3;                        // "Geschwindigkeit:", 1..9
    QFont helpFont;                       // the main window's help label ...
    QColor helpColor = QColor(0, 255, 0); // ... and its colour
    bool neueUebung = false;              // Return marks words only in a first run
    SilbenAnsicht silben;

    // Arial bold 28 points, white on black, speed 3, help in Arial 10 px, lime.
    static LesefingerSettings defaults();
};

enum class LeseModus { Lesefinger, Silbenlesen };

// The sentence ends of `text` as the section choice finds them (markup::nextSentenceEnd):
// ".", "!" and "?" outside an open gap pair. One flag per character.
QList<bool> satzEnden(QStringView text);

// The exercise buffer as the reading shows it: up to the first "#" (or the end), the
// gap marks taken out so every letter shows, a line break (CR LF, LF or CR) and every
// other control character one blank, the word-group join "_" a blank. Each shown
// character keeps where it stands in the buffer.
struct LeseText {
    QString puffer;          // the buffer up to its end mark
    QString zeichen;         // what is shown
    QList<qsizetype> quelle; // per shown character: its index in `puffer`
    QList<bool> satzende;    // per shown character: it ends a sentence

    // Per shown character, both empty unless `silbenSetzen` filled them: a syllable
    // found in the text begins here, and the character's `SilbenFarbe`.
    QList<bool> silbeBeginnt;
    QByteArray farben;

    explicit LeseText(QStringView buffer = {});
    int size() const { return int(zeichen.size()); }
    // The syllables found in `puffer` (where they begin, ascending): with `automatisch`
    // syllable reading stops at each as at a typed hyphen, with `farbig` they are coloured.
    void silbenSetzen(const QList<qsizetype> &anfaenge, bool automatisch, bool farbig);
    // Syllable reading may stop after shown character `i`: a blank, a hyphen, or the end
    // of a syllable found.
    bool silbenEnde(int i) const;
};

// Index `pufferIndex` of `puffer` as the editor counts it: a CR LF is one character.
int editorPosition(QStringView puffer, qsizetype pufferIndex);

// The width of a piece of text in pixels, in the display font.
using TextBreite = std::function<int(QStringView)>;

// One line of the reading on its page.
struct LeseZeile {
    int start = 0;  // index of its first shown character
    int laenge = 0; // never 0
    int x = 0;      // left edge: centred, at least 28
    int breite = 0; // text width
    int pfeilY = 0; // the upper pointer strip
    int textY = 0;
    int naechsteY = 0; // the lower pointer strip, the next line's upper one
    bool neueSeite = false;
};

// A word marked with Return: as shown, as it stands in the buffer (gap marks and all),
// and where it stands in the editor's text (a line break one character).
struct LeseMarkierung {
    QString angezeigt;
    QString roh;
    int pufferStart = 0;
    int selectionStart = 0;
    int selectionLength = 0;
};

class Lesefinger {
public:
    static constexpr int kBreite = 640;
    static constexpr int kHoehe = 480;
    static constexpr int kZeilenBreite = 569;
    static constexpr int kSeitenEnde = 440;
    static constexpr int kPfeilHoehe = 25;
    static constexpr int kErsteZeile = 10; // the first pointer strip of a page
    static constexpr int kZeigerBreite = 50;

    // The pointers are triangles 50 x 25 pixels with their tips at column 25: above
    // the line pointing down, below it pointing up. The columns of row y (0 at the
    // top) that are pointer.
    static std::pair<int, int> zeigerZeile(bool ueberDerZeile, int y);

    struct Tempo {
        int schritt; // pixels per step; 0 in syllable reading: only Space reveals
        int takt;    // refreshes per step
    };
    // The speed table of the digits 1..9.
    static Tempo tempo(int stufe);

    // Builds the line that starts at `lesePos` (blanks before it are skipped) below
    // the one whose lower strip is `naechsteY` (kErsteZeile: a new page). Moves
    // `lesePos` past the line. Nothing when only blanks are left.
    static std::optional<LeseZeile> zeileBauen(const LeseText &text, int &lesePos, int naechsteY,
                                               int textHoehe, const TextBreite &breite);

    Lesefinger(LeseText text, LeseModus modus, int stufe, int textHoehe, TextBreite breite);

    // A refresh of the frame clock has begun. True when the picture has changed.
    bool advance();

    // Character keys: digits, Space, Return, "s", Esc.
    KeyEffect keyPress(QChar key, bool neueUebung);
    // F1 and the page keys, as Qt::Key values.
    KeyEffect keyDown(int qtKey);
    // The word the pointer or the revealed part has reached; nothing when there is none.
    std::optional<LeseMarkierung> markWord() const;

    // What the picture shows.
    LeseModus modus() const { return m_modus; }
    const LeseText &text() const { return m_text; }
    // The lines drawn before the current one on this page: all passed, all revealed.
    const std::vector<LeseZeile> &fertigeZeilen() const { return m_fertig; }
    const std::optional<LeseZeile> &zeile() const { return m_zeile; }
    // Characters of the current line that are passed (reading finger) or shown.
    int gezeigt() const { return m_gezeigt; }
    // Where the passed or shown part of the current line ends on the picture.
    int gezeigtBisX() const { return m_zeile ? m_zeile->x + m_praefix[m_gezeigt] : 0; }
    // The reading finger's pointer: the tips' x (the triangles are drawn around it).
    bool zeigerSichtbar() const;
    int zeigerX() const;
    bool hilfe() const { return m_hilfe; }
    // Counts the pages begun; a new one erases the picture.
    int seite() const { return m_seite; }

    // State, for the window and for tests.
    bool beendet() const { return m_phase == Phase::Ende; }
    bool pausiert() const { return m_pause; }
    int schritt() const { return m_tempo.schritt; }
    int takt() const { return m_tempo.takt; }
    int lesePos() const { return m_lesePos; }
    int gelesenBis() const { return m_gelesenBis; }
    int fingerX() const { return m_fingerX; }
    // Steps taken since the start, and the refresh of the last one.
    qint64 schritte() const { return m_schritte; }
    qint64 letzterSchritt() const { return m_letzterSchritt; }

private:
    enum class Phase { Zeile, Satzende, Ende };
    void neuerLauf();
    void neueSeite();
    void zeileBeginnen();
    // The line in progress has been read: the next one, the wait between sentences or
    // the end.
    void zeileBeenden();
    void lesefingerSchritt();
    void silbenSchritt();
    int passend(int pixel) const; // characters of the line within `pixel`
    void springen(int lesePos);
    int satzAnfang(int index) const;

    LeseText m_text;
    LeseModus m_modus;
    int m_textHoehe;
    TextBreite m_breite;
    Tempo m_tempo;
    Tempo m_tempoVorher;
    Phase m_phase = Phase::Zeile;
    std::optional<LeseZeile> m_zeile;
    std::vector<LeseZeile> m_fertig;
    QList<int> m_praefix; // the widths of the current line's beginnings, 0..laenge
    int m_lesePos = 0;
    int m_zeilenStart = 0; // the first character of the line on the screen
    int m_naechsteY = kErsteZeile;
    int m_gelesenBis = 0;
    int m_gezeigt = 0;
    int m_fingerX = 1;
    int m_warten = 0; // refreshes since the last step
    bool m_pause = false;
    bool m_weiter = false;
    bool m_sprung = false;
    bool m_hilfe = false;
    bool m_geaendert = false;
    int m_seite = 0;
    qint64 m_refresh = 0;
    qint64 m_schritte = 0;
    qint64 m_letzterSchritt = -1;
};

} // namespace display
