#include "display/core/alternativzeile.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"

#include <algorithm>
#include <utility>

namespace display {

namespace {
constexpr int kBlank = 32;
// The band is centred on this row, five rows above the middle of the picture.
constexpr int kBandMitte = 235;
} // namespace

Skalierung AlternativZeile::skalierungFuer(QSize screen)
{
    const int faktor = std::max(1, std::min(screen.width() / kBreite, screen.height() / kHoehe));
    const QSize bild(kBreite * faktor, kHoehe * faktor);
    return {faktor, QRect(QPoint((screen.width() - bild.width()) / 2,
                                 (screen.height() - bild.height()) / 2),
                          bild)};
}

int AlternativZeile::bandTop(int textHeight)
{
    const int top = kBandMitte - textHeight / 2;
    return top <= 0 ? 1 : top;
}

AlternativZeile::AlternativZeile(QString anzeigeText, const GlyphWidths &widths, int textHeight,
                                 int tempo, int abstand, qint64 periodNs)
    : m_text(std::move(anzeigeText)), m_widths(widths), m_periodNs(std::max<qint64>(1, periodNs)),
      m_terminator(int(markup::displayStringEnd(m_text)) + 1), m_zeileY(bandTop(textHeight)),
      m_tempo(std::clamp(tempo, 1, 9)), m_abstand(std::max(0, abstand))
{
}

int AlternativZeile::glyphCode(int position) const
{
    if (position <= 0)
        return kBlank;
    const int code = ansi::toByte(m_text.at(position - 1));
    return code < kBlank ? kBlank : code;
}

int AlternativZeile::textBreite(int code) const
{
    return std::max(0, m_widths[size_t(code)] - 2);
}

bool AlternativZeile::advance(qint64 refresh, std::vector<PlacedGlyph> &glyphs)
{
    glyphs.clear();
    if (m_geschlossen)
        return false;
    // Time is the count of refreshes, so a clock set back cannot stop the line; a
    // count that starts again (a clock restarted after a pause) counts one refresh.
    if (m_gestartet)
        m_jetztNs += std::max<qint64>(1, refresh - m_letzterRefresh) * m_periodNs;
    m_gestartet = true;
    m_letzterRefresh = refresh;

    // The step deadline moves on by the step, not to the moment of the step, so a
    // screen whose period does not divide 16 ms still moves once per 16 ms; after a
    // pause (or at 60 Hz, where every refresh takes a step and the deadline falls
    // behind) it starts again from now instead of catching up.
    const qint64 jetzt = m_jetztNs;
    int schritt = 0;
    if (jetzt - m_letzterSchrittNs >= kSchrittNs) {
        schritt = m_tempo;
        ++m_schritte;
        m_letzterSchrittNs =
            jetzt - m_letzterSchrittNs >= 2 * kSchrittNs ? jetzt : m_letzterSchrittNs + kSchrittNs;
    }

    m_xRechts -= schritt;
    for (PlacedGlyph &zeichen : m_zeichen)
        zeichen.x -= schritt;

    while (m_xRechts + m_breite + m_abstand < kBreite || m_pos < 0) {
        m_xRechts += m_breite + m_abstand;
        ++m_pos;
        if (m_pos >= m_terminator) {
            // The end mark has entered: the run-out of blanks has followed the text in.
            m_geschlossen = true;
            m_zeichen.clear();
            return false;
        }
        const int code = glyphCode(m_pos);
        m_breite = textBreite(code);
        m_zeichen.push_back({code, m_xRechts, farbeAn(m_farben, m_pos)});
    }

    // Characters whose glyph image has left the picture at the left.
    const auto sichtbar =
        std::find_if(m_zeichen.begin(), m_zeichen.end(),
                     [&](const PlacedGlyph &g) { return g.x + m_widths[size_t(g.code)] > 0; });
    m_zeichen.erase(m_zeichen.begin(), sichtbar);
    glyphs = m_zeichen;
    return true;
}

KeyEffect AlternativZeile::keyPress(QChar key)
{
    const char16_t k = key.unicode();
    if (k >= u'1' && k <= u'9') {
        m_tempo = k - u'0';
        return KeyEffect::None;
    }
    switch (k) {
    case 27:
        return KeyEffect::Close;
    case u'+':
        m_abstand += 5;
        return KeyEffect::None;
    case u'-':
        if (m_abstand > 0)
            m_abstand = std::max(0, m_abstand - 5);
        return KeyEffect::None;
    case u' ':
        return KeyEffect::TogglePause;
    default:
        return KeyEffect::None;
    }
}

} // namespace display
