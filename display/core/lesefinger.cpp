#include "display/core/lesefinger.h"

#include "exercise/core/markup.h"

#include <Qt>
#include <algorithm>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace display {

namespace {

constexpr int kMitte = Lesefinger::kBreite / 2;
constexpr int kLinkerRand = 28;
// The passed part reaches this far beyond the pointer's tip.
constexpr int kVorlauf = 10;

} // namespace

LesefingerSettings LesefingerSettings::defaults()
{
    LesefingerSettings settings;
    settings.font = QFont(u"Arial"_s, 28, QFont::Bold);
    settings.helpFont = QFont(u"Arial"_s);
    settings.helpFont.setPixelSize(10);
    return settings;
}

QList<bool> satzEnden(QStringView text)
{
    QList<bool> enden(text.size(), false);
    for (qsizetype i = markup::nextSentenceEnd(text, 0); i < text.size();
         i = markup::nextSentenceEnd(text, i + 1))
        enden[i] = true;
    return enden;
}

LeseText::LeseText(QStringView buffer)
{
    const qsizetype ende = buffer.indexOf(markup::endMark);
    puffer = (ende < 0 ? buffer : buffer.first(ende)).toString();
    const QList<bool> enden = satzEnden(puffer);
    zeichen.reserve(puffer.size());
    for (qsizetype i = 0; i < puffer.size(); ++i) {
        QChar c = puffer[i];
        if (markup::isPairMark(c))
            continue;
        const qsizetype von = i;
        if (c == u'\r' && i + 1 < puffer.size() && puffer[i + 1] == u'\n')
            ++i;
        if (c.unicode() < u' ' || c == markup::groupJoin)
            c = u' ';
        zeichen += c;
        quelle.append(von);
        satzende.append(enden[von]);
    }
}

void LeseText::silbenSetzen(const QList<qsizetype> &anfaenge, bool automatisch, bool farbig)
{
    silbeBeginnt.clear();
    farben.clear();
    const QByteArray imPuffer = farbig ? silbenFarben(puffer, anfaenge) : QByteArray();
    if (automatisch) {
        silbeBeginnt.fill(false, size());
        auto naechste = anfaenge.cbegin();
        for (int i = 0; i < size(); ++i) {
            while (naechste != anfaenge.cend() && *naechste < quelle[i])
                ++naechste;
            silbeBeginnt[i] = naechste != anfaenge.cend() && *naechste == quelle[i];
        }
    }
    if (farbig) {
        farben.resize(size());
        for (int i = 0; i < size(); ++i)
            farben[i] = imPuffer[quelle[i]];
    }
}

bool LeseText::silbenEnde(int i) const
{
    const QChar c = zeichen[i];
    return c == u' ' || c == u'-' || (i + 1 < silbeBeginnt.size() && silbeBeginnt[i + 1]);
}

int editorPosition(QStringView puffer, qsizetype pufferIndex)
{
    pufferIndex = std::clamp<qsizetype>(pufferIndex, 0, puffer.size());
    qsizetype paare = 0;
    for (qsizetype i = 0; i + 1 < pufferIndex; ++i) {
        if (puffer[i] == u'\r' && puffer[i + 1] == u'\n')
            ++paare;
    }
    return int(pufferIndex - paare);
}

Lesefinger::Tempo Lesefinger::tempo(int stufe)
{
    static constexpr Tempo tabelle[9] = {{1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2},
                                         {1, 1}, {2, 1}, {3, 1}, {4, 1}};
    return tabelle[std::clamp(stufe, 1, 9) - 1];
}

std::pair<int, int> Lesefinger::zeigerZeile(bool ueberDerZeile, int y)
{
    if (ueberDerZeile)
        return {y, kZeigerBreite - 1 - y};
    return {kPfeilHoehe - 1 - y, kPfeilHoehe + y};
}

std::optional<LeseZeile> Lesefinger::zeileBauen(const LeseText &text, int &lesePos, int naechsteY,
                                                int textHoehe, const TextBreite &breite)
{
    const QString &z = text.zeichen;
    const int n = text.size();
    int p = std::clamp(lesePos, 0, n);
    while (p < n && z[p] == u' ')
        ++p;
    lesePos = p;
    if (p >= n)
        return std::nullopt;
    const int start = p;
    const auto weite = [&](int bis) { return breite(QStringView(z).sliced(start, bis - start)); };

    // The width test comes before each character, so a line may end up one character
    // wider than the limit.
    while (p < n && !text.satzende[p] && weite(p) <= kZeilenBreite)
        ++p;
    if (p < n && text.satzende[p] && weite(p) <= kZeilenBreite) {
        // A sentence end stays on its line, "..." and "?!" whole.
        while (p < n && text.satzende[p])
            ++p;
    } else if (p < n) {
        // Back to a word boundary: the word that did not fit starts the next line.
        int q = p;
        while (q - start >= 2 && z[q - 1] != u' ')
            --q;
        if (z[q - 1] == u' ') {
            p = q;
        } else {
            // A word wider than the line stands alone on it, whole, and overhangs.
            while (p < n && z[p] != u' ' && !text.satzende[p])
                ++p;
            while (p < n && text.satzende[p])
                ++p;
        }
    }
    lesePos = p;

    LeseZeile zeile;
    zeile.start = start;
    zeile.laenge = p - start;
    zeile.breite = weite(p);
    zeile.x = std::max(kLinkerRand, kMitte - zeile.breite / 2);
    zeile.neueSeite = naechsteY <= kErsteZeile;
    zeile.pfeilY = naechsteY;
    zeile.textY = zeile.pfeilY + kPfeilHoehe;
    zeile.naechsteY = zeile.textY + textHoehe;
    if (zeile.neueSeite || zeile.naechsteY > kSeitenEnde) {
        zeile.neueSeite = true;
        zeile.pfeilY = kErsteZeile;
        zeile.textY = kErsteZeile + kPfeilHoehe;
        zeile.naechsteY = zeile.textY + textHoehe;
    }
    return zeile;
}

Lesefinger::Lesefinger(LeseText text, LeseModus modus, int stufe, int textHoehe, TextBreite breite)
    : m_text(std::move(text)), m_modus(modus), m_textHoehe(textHoehe), m_breite(std::move(breite)),
      m_tempo(tempo(stufe)), m_tempoVorher(m_tempo)
{
    neuerLauf();
}

void Lesefinger::neuerLauf()
{
    if (m_modus == LeseModus::Silbenlesen) {
        m_tempo = {0, 1};
        // The first syllable comes at the first step.
        m_weiter = true;
    }
    m_lesePos = 0;
    m_naechsteY = kErsteZeile;
    m_zeile.reset();
    m_fertig.clear();
    m_pause = false;
    zeileBeginnen();
}

void Lesefinger::neueSeite()
{
    m_fertig.clear();
    m_hilfe = false;
    ++m_seite;
}

void Lesefinger::zeileBeginnen()
{
    m_warten = 0;
    m_sprung = false;
    std::optional<LeseZeile> zeile =
        zeileBauen(m_text, m_lesePos, m_naechsteY, m_textHoehe, m_breite);
    if (!zeile) {
        // Only blanks are left, or nothing: the reading has ended.
        m_phase = Phase::Ende;
        return;
    }
    if (zeile->neueSeite)
        neueSeite();
    m_naechsteY = zeile->naechsteY;
    m_zeilenStart = zeile->start;
    m_praefix.resize(zeile->laenge + 1);
    for (int k = 0; k <= zeile->laenge; ++k)
        m_praefix[k] = m_breite(QStringView(m_text.zeichen).sliced(zeile->start, k));
    m_zeile = zeile;
    m_gezeigt = 0;
    m_pause = false;
    m_fingerX = 1;
    m_phase = Phase::Zeile;
}

void Lesefinger::zeileBeenden()
{
    m_fertig.push_back(*m_zeile);
    m_zeile.reset();
    m_gezeigt = 0;
    const int n = m_text.size();
    int rest = m_lesePos;
    while (rest < n && m_text.zeichen[rest] == u' ')
        ++rest;
    if (rest >= n) {
        m_phase = Phase::Ende;
        return;
    }
    if (m_lesePos > 0 && m_text.satzende[m_lesePos - 1]) {
        // Every sentence begins on a new page; syllable reading waits before it.
        m_naechsteY = kErsteZeile;
        if (m_modus == LeseModus::Silbenlesen) {
            m_phase = Phase::Satzende;
            return;
        }
    }
    zeileBeginnen();
}

int Lesefinger::passend(int pixel) const
{
    int k = 0;
    while (k < m_zeile->laenge && m_praefix[k + 1] <= pixel)
        ++k;
    return k;
}

void Lesefinger::lesefingerSchritt()
{
    // Running backwards stops at the line's start.
    if (m_fingerX < 0 && m_tempo.schritt < 0)
        m_pause = true;
    m_gezeigt = passend(m_fingerX + kVorlauf);
    m_gelesenBis = m_zeile->start + m_gezeigt;
    if (!m_pause)
        m_fingerX += m_tempo.schritt;
}

void Lesefinger::silbenSchritt()
{
    const int start = m_zeile->start;
    const int laenge = m_zeile->laenge;
    int n = 0;
    if (m_weiter) {
        // Space reveals up to and including the next blank or hyphen.
        m_weiter = false;
        n = m_gezeigt;
        if (n < laenge)
            ++n;
        while (n < laenge && !m_text.silbenEnde(start + n - 1))
            ++n;
        m_fingerX = m_praefix[n] + 1;
    } else if (m_tempo.schritt > 0) {
        // With an automatic speed only whole syllables appear; the line's end is the
        // end of its last syllable.
        n = passend(m_fingerX + kVorlauf);
        if (n < laenge) {
            while (n > 0 && !m_text.silbenEnde(start + n - 1))
                --n;
        }
    } else {
        // Only Space reveals: the pointer's lead must not show a syllable found after
        // the one Space stopped at ("I" of "I-gel" being narrower than the lead).
        n = m_gezeigt;
    }
    m_gezeigt = std::max(m_gezeigt, n);
    m_gelesenBis = start + m_gezeigt;
    if (!m_pause)
        m_fingerX += m_tempo.schritt;
}

bool Lesefinger::advance()
{
    ++m_refresh;
    const auto bild = [this] {
        return std::make_tuple(m_seite, m_zeile ? m_zeile->start : -1, m_gezeigt,
                               zeigerSichtbar() ? zeigerX() : -1, m_fertig.size());
    };
    const auto vorher = bild();
    bool geaendert = std::exchange(m_geaendert, false);

    if (m_sprung) {
        // A page key ends the line in progress; reading goes on on a fresh page.
        m_zeile.reset();
        zeileBeginnen();
    } else if (m_phase == Phase::Satzende) {
        if (m_weiter || m_tempo.schritt >= 1)
            zeileBeginnen();
    } else if (m_phase == Phase::Zeile) {
        ++m_warten;
        const bool faellig =
            m_warten >= m_tempo.takt || (m_modus == LeseModus::Silbenlesen && m_weiter);
        if (faellig) {
            m_warten = 0;
            ++m_schritte;
            m_letzterSchritt = m_refresh;
            if (m_modus == LeseModus::Lesefinger)
                lesefingerSchritt();
            else
                silbenSchritt();
            if (m_zeile->breite < m_fingerX)
                zeileBeenden();
        }
    }
    return geaendert || bild() != vorher;
}

bool Lesefinger::zeigerSichtbar() const
{
    return m_modus == LeseModus::Lesefinger && m_phase == Phase::Zeile && m_zeile.has_value();
}

int Lesefinger::zeigerX() const
{
    return m_zeile ? m_zeile->x + m_fingerX - 1 : 0;
}

KeyEffect Lesefinger::keyPress(QChar key, bool neueUebung)
{
    const char16_t k = key.unicode();
    if (k == 27)
        return KeyEffect::Close;
    if (k == u'\r' || k == u'\n')
        return neueUebung ? KeyEffect::MarkWord : KeyEffect::None;
    if (k >= u'1' && k <= u'9') {
        m_tempo = tempo(k - u'0');
        m_pause = false;
        return KeyEffect::None;
    }
    const bool silben = m_modus == LeseModus::Silbenlesen;
    switch (k) {
    case u'0':
        if (silben) {
            m_tempo = {0, 1};
        } else if (m_tempo.schritt > 0) {
            m_tempoVorher = m_tempo;
            m_tempo = {-2, 1};
            m_pause = false;
        } else {
            // Forward again at the saved speed, also from the stop at the line's start.
            m_tempo = m_tempoVorher;
            m_pause = false;
        }
        return KeyEffect::None;
    case u' ':
        if (silben)
            m_weiter = true;
        else
            m_pause = !m_pause;
        return KeyEffect::None;
    case u's':
    case u'S':
        // Only once the reading has ended: from the start, at speed 5.
        if (m_phase == Phase::Ende) {
            m_tempo = tempo(5);
            neuerLauf();
            m_geaendert = true;
        }
        return KeyEffect::None;
    default:
        return KeyEffect::None;
    }
}

int Lesefinger::satzAnfang(int index) const
{
    while (index > 0 && !m_text.satzende[index - 1])
        --index;
    return index;
}

void Lesefinger::springen(int lesePos)
{
    m_lesePos = lesePos;
    m_naechsteY = kErsteZeile;
    m_sprung = true;
}

KeyEffect Lesefinger::keyDown(int qtKey)
{
    const int n = m_text.size();
    // Page keys pressed before the reading has acted on one go on from where it leads.
    const int hier = m_sprung ? m_lesePos : m_zeilenStart;
    // Once the reading has ended only "s" starts it again.
    const bool seitenTaste = qtKey == Qt::Key_PageUp || qtKey == Qt::Key_PageDown;
    if (m_phase == Phase::Ende && seitenTaste)
        return KeyEffect::None;
    switch (qtKey) {
    case Qt::Key_F1:
        m_hilfe = true;
        m_geaendert = true;
        return KeyEffect::HelpToggled;
    case Qt::Key_PageUp: {
        // The sentence before the one on the screen; in the first, its start.
        int p = satzAnfang(hier);
        if (p > 0) {
            --p;
            while (p > 0 && m_text.satzende[p - 1])
                --p;
            p = satzAnfang(p);
        }
        springen(p);
        return KeyEffect::None;
    }
    case Qt::Key_PageDown: {
        // The sentence after the one on the screen; after the last, its start again.
        int p = hier;
        while (p < n && !m_text.satzende[p])
            ++p;
        while (p < n && m_text.satzende[p])
            ++p;
        int rest = p;
        while (rest < n && m_text.zeichen[rest] == u' ')
            ++rest;
        springen(rest < n ? p : satzAnfang(hier));
        return KeyEffect::None;
    }
    default:
        return KeyEffect::None;
    }
}

std::optional<LeseMarkierung> Lesefinger::markWord() const
{
    const QString &z = m_text.zeichen;
    const int n = m_text.size();
    if (n == 0)
        return std::nullopt;
    // A word goes up to the next blank of the buffer: a word group's joins, shown as
    // blanks, are inside it.
    const auto trennt = [&](int i) {
        return z[i] == u' ' && m_text.puffer[m_text.quelle[i]] != markup::groupJoin;
    };
    // The word the pointer or the revealed part has reached; on the blanks after a
    // word, that word; before anything is revealed, the text's first word.
    int a = std::clamp(m_gelesenBis - 1, 0, n - 1);
    while (a > 0 && trennt(a))
        --a;
    while (a > 0 && !trennt(a - 1))
        --a;
    while (a < n && trennt(a))
        ++a;
    int e = a;
    while (e < n && !trennt(e))
        ++e;
    if (e == a)
        return std::nullopt;

    // In the buffer the word takes its gap marks with it, those at its edges too.
    const QString &puffer = m_text.puffer;
    qsizetype rohStart = m_text.quelle[a];
    qsizetype rohEnde = m_text.quelle[e - 1] + 1;
    while (rohStart > 0 && markup::isPairMark(puffer[rohStart - 1]))
        --rohStart;
    while (rohEnde < puffer.size() && markup::isPairMark(puffer[rohEnde]))
        ++rohEnde;

    LeseMarkierung m;
    m.angezeigt = z.mid(a, e - a);
    m.roh = puffer.mid(rohStart, rohEnde - rohStart);
    m.pufferStart = int(rohStart);
    m.selectionStart = editorPosition(puffer, rohStart);
    m.selectionLength = editorPosition(puffer, rohEnde) - m.selectionStart;
    return m;
}

} // namespace display
