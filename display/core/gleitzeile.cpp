#include "display/core/gleitzeile.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace display {

namespace {

constexpr int kBlank = 32;
constexpr int kRueckwaertsTempo = -8;
// How far the line must move after a change of spacing or a jump before "0" may
// turn it round: the whole screen and a little more, so it has settled first.
constexpr int kSperreUeberBreite = 60;

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?';
}

} // namespace

GleitZeile::GleitZeile(QString anzeigeText, const GlyphWidths &widths, int width, int height,
                       int textHeight, int tempo, int abstand, CarriedState *carried)
    : m_text(std::move(anzeigeText)), m_widths(widths), m_width(width), m_height(height),
      m_zeileY(bandTopAtStart(height, textHeight)), m_linksX(width),
      m_tempo(std::clamp(tempo, 1, 9)), m_abstand(std::max(0, abstand)), m_carried(carried)
{
    m_terminator = int(markup::displayStringEnd(m_text)) + 1;
}

int GleitZeile::bandTopAtStart(int height, int textHeight)
{
    return std::max(1, bandTopAfterResize(height, textHeight));
}

int GleitZeile::bandTopAfterResize(int height, int glyphHeight)
{
    return height / 2 - glyphHeight / 2 - 5;
}

void GleitZeile::resize(int width, int height, int glyphHeight)
{
    m_width = width;
    m_height = height;
    m_zeileY = bandTopAfterResize(height, glyphHeight);
}

QChar GleitZeile::charAt(int position) const
{
    if (position <= 0)
        return u' ';
    if (position >= m_terminator)
        return markup::endMark;
    return m_text.at(position - 1);
}

int GleitZeile::glyphCode(int position) const
{
    const int code = ansi::toByte(charAt(position));
    return code < kBlank ? kBlank : code;
}

int GleitZeile::glyphWidth(int position) const
{
    return std::max(0, m_widths[size_t(glyphCode(position))]);
}

bool GleitZeile::isGap(int position) const
{
    return position >= m_terminator || glyphCode(position) == kBlank;
}

bool GleitZeile::close()
{
    m_geschlossen = true;
    return false;
}

bool GleitZeile::advance(std::vector<PlacedGlyph> &glyphs)
{
    glyphs.clear();
    if (m_geschlossen)
        return false;
    if (m_terminator == 1)
        return close();

    m_linksX -= m_tempo;
    // The lock counts the distance the line has moved, whichever way it runs; counting
    // backward motion as negative would let it grow without end.
    if (m_carried->umkehr_sperre > 0)
        m_carried->umkehr_sperre -= std::abs(m_tempo);

    int x = m_linksX;
    int p = m_pos;
    std::optional<int> xAmUmbruch;
    while (x < m_width) {
        if (p >= m_terminator) {
            if (!m_umlauf)
                return close();
            // A text whose glyphs have no width would wrap round for ever.
            if (xAmUmbruch == x)
                break;
            xAmUmbruch = x;
            p = 1;
        }
        glyphs.push_back({glyphCode(p), x, farbeAn(m_farben, p)});
        x += glyphWidth(p) + m_abstand;
        ++p;
    }

    if (m_tempo > 0) {
        const int w = glyphWidth(m_pos);
        if (m_linksX + w + m_abstand < 0) {
            m_linksX += w + m_abstand;
            ++m_pos;
            if (m_pos >= m_terminator) {
                m_pos = 1;
                if (!m_umlauf)
                    return close();
                m_umlauf = false;
            }
        }
    } else if (m_tempo < 0 && m_linksX > 0) {
        // The glyph that must keep its place is the one after the new leftmost; from
        // the blank at position 0 that is the first character, which follows the
        // end of the text once the line has wrapped.
        int anker = m_linksX;
        if (m_pos == 0)
            anker += glyphWidth(0) + m_abstand;
        --m_pos;
        if (m_pos <= 0) {
            m_pos = m_terminator - 1;
            m_umlauf = true;
        }
        m_linksX = anker - glyphWidth(m_pos) - m_abstand;
    }
    return true;
}

KeyEffect GleitZeile::keyPress(QChar key, bool neueUebung)
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
        if (m_tempo > 0) {
            m_abstand += 5;
            m_carried->umkehr_sperre = m_width + kSperreUeberBreite;
        }
        return KeyEffect::None;
    case u'-':
        if (m_abstand > 0 && m_tempo > 0) {
            m_abstand = std::max(0, m_abstand - 5);
            m_carried->umkehr_sperre = m_width + kSperreUeberBreite;
        }
        return KeyEffect::None;
    case u'0':
        if (m_tempo <= 0) {
            m_tempo = m_carried->tempo_vorher;
        } else if (m_carried->umkehr_sperre <= 0) {
            m_carried->tempo_vorher = m_tempo;
            m_tempo = kRueckwaertsTempo;
        }
        return KeyEffect::None;
    case u'\r':
    case u'\n':
        return neueUebung ? KeyEffect::MarkWord : KeyEffect::None;
    case u' ':
        return KeyEffect::TogglePause;
    case u's':
    case u'S':
        return KeyEffect::CloseResetCursor;
    default:
        return KeyEffect::None;
    }
}

KeyEffect GleitZeile::keyDown(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_F1:
        // With 12 rows or fewer above the band the help line would run into the letters.
        if (m_zeileY <= 12)
            return KeyEffect::None;
        m_hilfeAn = !m_hilfeAn;
        return KeyEffect::HelpToggled;
    case Qt::Key_PageUp: {
        int p = m_pos;
        while (p > 1 && !isSentenceEnd(charAt(p - 1)))
            --p;
        if (p == 1) {
            p = 0;
        } else if (p > 1) {
            --p;
            while (p >= 2 && !isSentenceEnd(charAt(p - 1)))
                --p;
            if (p == 1)
                p = 0;
        }
        jumpTo(p);
        return KeyEffect::None;
    }
    case Qt::Key_PageDown: {
        int p = m_pos;
        if (p < m_terminator)
            ++p;
        while (p < m_terminator && !isSentenceEnd(charAt(p - 1)))
            ++p;
        if (p >= m_terminator)
            p = 0;
        jumpTo(p);
        return KeyEffect::None;
    }
    default:
        return KeyEffect::None;
    }
}

void GleitZeile::jumpTo(int position)
{
    m_pos = position;
    m_linksX = m_width;
    m_umlauf = false;
    m_carried->umkehr_sperre = m_width + kSperreUeberBreite;
}

MarkedWord GleitZeile::markWord() const
{
    // The same layout as the draw walk, spacing included, so the word found is the
    // one the pupil sees at the edge.
    int p = m_pos;
    int x = m_linksX;
    int w = glyphWidth(p);
    std::optional<int> xAmUmbruch;
    while (x + w < m_width) {
        x += w + m_abstand;
        ++p;
        if (p >= m_terminator) {
            if (!m_umlauf || xAmUmbruch == x)
                break;
            xAmUmbruch = x;
            p = 1;
        }
        w = glyphWidth(p);
    }

    // On the blanks after a word (or past the end of the text) the word before them
    // is meant; several blanks in a row must not yield an empty word.
    while (p > 0 && isGap(p))
        --p;
    while (p > 0 && !isGap(p))
        --p;

    int ende = p + 1;
    while (ende < m_terminator && !isGap(ende))
        ++ende;

    MarkedWord marked;
    marked.word = m_text.mid(p, ende - (p + 1));
    marked.selectionStart = p > 0 ? p + 1 : 0;
    marked.selectionLength = int(marked.word.size());
    return marked;
}

} // namespace display
