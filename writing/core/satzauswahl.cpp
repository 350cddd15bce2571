#include "writing/core/satzauswahl.h"

#include <algorithm>

namespace writing {
namespace {

bool istWortgrenze(QChar ch, const markup::DisplaySource &quelle)
{
    return ch == u' ' && quelle.kind == markup::DisplaySource::Plain;
}

} // namespace

Satz satzFinden(QStringView puffer, int n)
{
    const qsizetype ende = [&] {
        const qsizetype e = puffer.indexOf(markup::endMark);
        return e < 0 ? puffer.size() : e;
    }();
    Satz gefunden;
    qsizetype i = 0;
    for (int nummer = 1;; ++nummer) {
        while (i < ende && puffer[i] == u' ')
            ++i;
        if (i >= ende)
            break;
        const qsizetype anfang = i;
        i = markup::nextSentenceEnd(puffer.first(ende), i);
        // "..." or "?!" end one sentence, so no sentence is made of a lone ".".
        while (i < ende && markup::isSentenceEndMark(puffer[i]))
            ++i;
        gefunden = {nummer, puffer.sliced(anfang, i - anfang).trimmed().toString()};
        if (nummer >= n)
            break;
    }
    return gefunden;
}

SatzAuswahl::SatzAuswahl(const QString &rohSatz, QChar letterPlaceholder, QChar partPlaceholder)
    : m_roh(rohSatz)
{
    const markup::MappedDisplay shown =
        markup::mappedDisplay(rohSatz, letterPlaceholder, partPlaceholder);
    // A line break stands as two blanks in the buffer, and a dropped "&" pair may leave
    // blanks side by side: one blank between words, so that Space always reaches a word.
    for (qsizetype i = 0; i < shown.text.size(); ++i) {
        if (istWortgrenze(shown.text[i], shown.sources[i]) &&
            (m_anzeige.isEmpty() || istLeer(int(m_anzeige.size()) - 1)))
            continue;
        m_anzeige += shown.text[i];
        m_quellen.append(shown.sources[i]);
    }
    if (!m_anzeige.isEmpty() && istLeer(laenge() - 1)) {
        m_anzeige.chop(1);
        m_quellen.removeLast();
    }
    m_markiert.fill(false, m_anzeige.size());
}

bool SatzAuswahl::istLeer(int offset) const
{
    return istWortgrenze(m_anzeige[offset], m_quellen[offset]);
}

bool SatzAuswahl::markiert(int offset) const
{
    return offset >= 0 && offset < m_markiert.size() && m_markiert[offset];
}

void SatzAuswahl::setzen(int von, int bis, bool markiert)
{
    for (int k = std::max(von, 0); k < std::min(bis, laenge()); ++k)
        m_markiert[k] = markiert;
}

// Positions below are 1-based as a caret counts them: character i stands at offset
// i - 1, and the caret i stands behind it.
int SatzAuswahl::leertaste(int caret)
{
    const int n = laenge();
    if (n == 0)
        return 0;
    int i = std::clamp(caret, 0, n);
    if (i < n)
        ++i;
    while (i > 1 && !istLeer(i - 2))
        --i;
    const int wortAnfang = i - 1;
    while (i < n && !istLeer(i - 1))
        ++i;
    setzen(wortAnfang, i, true);
    return i;
}

int SatzAuswahl::ruecktaste(int caret)
{
    const int n = laenge();
    int i = std::clamp(caret, 0, n);
    while (i > 0 && i < n && !istLeer(i - 1))
        ++i;
    const int auswahlEnde = i;
    if (i > 0)
        --i;
    while (i > 0 && istLeer(i - 1))
        --i;
    while (i > 0 && !istLeer(i - 1))
        --i;
    setzen(i, auswahlEnde, false);
    return i;
}

QString SatzAuswahl::paarAb(qsizetype oeffnung) const
{
    const QChar mark = m_roh[oeffnung];
    const qsizetype schluss = m_roh.indexOf(mark, oeffnung + 1);
    if (schluss < 0)
        return m_roh.mid(oeffnung) + mark;
    return m_roh.mid(oeffnung, schluss - oeffnung + 1);
}

QString SatzAuswahl::abschnitt() const
{
    QString ergebnis = QStringLiteral(" ");
    // Each placeholder knows its pair, so a pair of several letters comes back once and
    // two pairs side by side come back both.
    qsizetype letztesPaar = -1;
    for (int k = 0; k < laenge(); ++k) {
        if (!m_markiert[k])
            continue;
        const markup::DisplaySource &quelle = m_quellen[k];
        if (quelle.kind == markup::DisplaySource::Plain) {
            ergebnis += m_anzeige[k];
            letztesPaar = -1;
        } else if (quelle.position != letztesPaar) {
            ergebnis += paarAb(quelle.position);
            letztesPaar = quelle.position;
        }
    }
    return ergebnis;
}

} // namespace writing
