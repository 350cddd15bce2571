#pragma once
// The motion of the alternative gliding line, without a window: the display string
// glides through a picture of 640 x 480 pixels from its right edge, by `tempo` pixels
// at most once every 16 ms. A character enters at the right edge with the spacing
// that holds when it enters and keeps its place in the line from then on.

#include "display/core/gleitzeile.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

namespace display {

// How the picture fills a screen: enlarged by the largest whole factor that fits (at
// least 1), centred; the rest of the screen is border in the background colour.
struct Skalierung {
    int faktor = 1;
    QRect bild; // the enlarged picture on the screen; larger than a tiny screen
};

class AlternativZeile {
public:
    static constexpr int kBreite = 640;
    static constexpr int kHoehe = 480;
    // The line moves at most once in this time, whatever the screen's refresh rate.
    static constexpr qint64 kSchrittNs = 16'000'000;

    static Skalierung skalierungFuer(QSize screen);
    // The band's top row for the text height of the letters: centred on row 240, at
    // least row 1.
    static int bandTop(int textHeight);

    // `widths` are the glyph images' widths (the text width and 2); `tempo` the speed
    // setting (1..9), `abstand` the spacing in pixels; `periodNs` the screen's refresh
    // period, by which refreshes are turned into time.
    AlternativZeile(QString anzeigeText, const GlyphWidths &widths, int textHeight, int tempo,
                    int abstand, qint64 periodNs);

    // The refresh `refresh` of the frame clock has begun: the line takes its step when
    // one is due, characters enter at the right edge as long as there is room, and
    // `glyphs` gets every character on the picture. False when the end mark has
    // entered: the display closes (and the frame is not shown).
    bool advance(qint64 refresh, std::vector<PlacedGlyph> &glyphs);

    // The syllable colour of each character of the display string; empty: none.
    void setFarben(QByteArray farben) { m_farben = std::move(farben); }

    // Esc, "+", "-", the digits and Space; every other key does nothing here.
    KeyEffect keyPress(QChar key);

    int zeileY() const { return m_zeileY; }
    int tempo() const { return m_tempo; }
    int abstand() const { return m_abstand; }
    // The position of the character that entered last (0: the blank before the text).
    int pos() const { return m_pos; }
    int schritte() const { return m_schritte; }
    bool geschlossen() const { return m_geschlossen; }

private:
    int glyphCode(int position) const;
    int textBreite(int code) const;

    QString m_text;
    QByteArray m_farben;
    GlyphWidths m_widths;
    qint64 m_periodNs;
    int m_terminator; // the end mark, or one past the end
    int m_zeileY;
    int m_tempo;
    int m_abstand;
    int m_pos = -1;
    int m_xRechts = kBreite;
    int m_breite = 0;
    std::vector<PlacedGlyph> m_zeichen; // the characters on the picture, left to right
    bool m_gestartet = false;
    qint64 m_letzterRefresh = 0;
    qint64 m_jetztNs = 0;
    qint64 m_letzterSchrittNs = 0;
    int m_schritte = 0;
    bool m_geschlossen = false;
};

} // namespace display
