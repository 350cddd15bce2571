#pragma once
// The motion of the gliding line, without a window: one call per display refresh
// moves the line and says which glyph goes where; the keys change speed, spacing and
// direction, jump sentences and mark a misread word. Glyph widths come in as a table,
// so everything here runs without fonts.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace display {

// The syllable colour of the character at `position` (from 1) of a display string.
inline int farbeAn(const QByteArray &farben, int position)
{
    return position >= 1 && position <= farben.size() ? farben[position - 1] : 0;
}

// Width of the glyph image of each character code 0..255 (the advance; `abstand`
// comes on top).
using GlyphWidths = std::array<int, 256>;

// What a display form keeps from one display to the next (both 0 at program start).
struct CarriedState {
    int tempo_vorher = 0;
    int umkehr_sperre = 0;
};

struct PlacedGlyph {
    int code;      // 0..255, codes below 32 already replaced by the blank
    int x;         // left edge on the screen; may be negative for the glyph cut at the left
    int farbe = 0; // a `SilbenFarbe`: the glyph set it is taken from
};

// Words marked with Return: the word, and the selection that colours it in the
// exercise text shown under "Orginal-Text".
struct MarkedWord {
    QString word;
    int selectionStart = 0;
    int selectionLength = 0;
};

// What a key asks of the window after the motion has taken it.
enum class KeyEffect {
    None,
    Close,            // Esc
    CloseResetCursor, // "s", "S"
    TogglePause,      // Space
    HelpToggled,      // F1: clear the screen, draw the help line when it is now on
    MarkWord,         // Return while a first run is on: call markWord()
};

class GleitZeile {
public:
    // `anzeigeText` is the display string; `tempo` the speed setting (1..9), `abstand`
    // the spacing in pixels (the spacing setting times 5). `carried` is the form's
    // state kept between displays; it must outlive this object.
    GleitZeile(QString anzeigeText, const GlyphWidths &widths, int width, int height,
               int textHeight, int tempo, int abstand, CarriedState *carried);

    // The band's top row: centred for a text height, at least row 1 at start.
    static int bandTopAtStart(int height, int textHeight);
    // After a resize the glyph image height is used and there is no lower bound.
    static int bandTopAfterResize(int height, int glyphHeight);

    void resize(int width, int height, int glyphHeight);

    // One display refresh: moves the line by `tempo`, then fills `glyphs` with the
    // draw walk from the leftmost glyph to the right edge and does the bookkeeping of
    // the leftmost glyph. Returns false when the display closes (the frame is not shown).
    bool advance(std::vector<PlacedGlyph> &glyphs);

    // The syllable colour of each character of the display string (`silbenFarben`);
    // empty: every glyph in the letter colour.
    void setFarben(QByteArray farben) { m_farben = std::move(farben); }

    // Character keys (digits, "+", "-", "0", Space, Return, Esc, "s"/"S").
    KeyEffect keyPress(QChar key, bool neueUebung);
    // F1 and the page keys, as Qt::Key values.
    KeyEffect keyDown(int qtKey);

    // The word at the right edge of the screen (Return). When the edge falls on the
    // blanks after a word, that word; an empty word when there is none to record.
    MarkedWord markWord() const;

    // True once the display has closed (the terminator reached); advance() keeps
    // returning false from then on.
    bool geschlossen() const { return m_geschlossen; }
    // True after running backwards past the first character: the end of the text
    // stands to the left of its beginning until the line has moved forward past it.
    bool umlauf() const { return m_umlauf; }

    int pos() const { return m_pos; }
    int linksX() const { return m_linksX; }
    int zeileY() const { return m_zeileY; }
    int tempo() const { return m_tempo; }
    int abstand() const { return m_abstand; }
    bool hilfeAn() const { return m_hilfeAn; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    const QString &anzeigeText() const { return m_text; }

private:
    QChar charAt(int position) const;  // 1-based; position 0 is a blank; "#" from the end on
    int glyphCode(int position) const; // as drawn: codes below 32 become the blank
    int glyphWidth(int position) const;
    void jumpTo(int position);
    bool close();
    bool isGap(int position) const; // drawn as a blank, or the terminator

    QString m_text;
    QByteArray m_farben;
    GlyphWidths m_widths;
    int m_width;
    int m_height;
    int m_zeileY;
    int m_pos = 1;
    int m_linksX;
    int m_tempo;
    int m_abstand;
    bool m_hilfeAn = false;
    bool m_umlauf = false;
    bool m_geschlossen = false;
    int m_terminator; // the end mark, or one past the end
    CarriedState *m_carried;
};

} // namespace display
