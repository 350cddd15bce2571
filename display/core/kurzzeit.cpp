#include "display/core/kurzzeit.h"

#include <algorithm>

namespace display {

namespace {
constexpr qint64 kMs = 1'000'000;
constexpr qint64 kAchtungNs = 1000 * kMs;
constexpr qint64 kVerzoegerungsschrittNs = 50 * kMs;
} // namespace

int refreshesFor(qint64 durationNs, qint64 periodNs)
{
    if (periodNs <= 0)
        return 1;
    return int(std::max<qint64>(1, (std::max<qint64>(0, durationNs) + periodNs / 2) / periodNs));
}

KurzzeitDauer KurzzeitDauer::fuer(qint64 periodNs, int verzoegerung)
{
    return {refreshesFor(kAchtungNs, periodNs),
            refreshesFor(qint64(std::max(0, verzoegerung)) * kVerzoegerungsschrittNs, periodNs)};
}

KurzzeitPhase KurzzeitAblauf::refresh(qint64 refresh)
{
    switch (m_phase) {
    case KurzzeitPhase::Bereit:
        m_achtungAb = refresh;
        m_phase = KurzzeitPhase::Achtung;
        break;
    case KurzzeitPhase::Achtung:
        if (refresh >= m_achtungAb + m_dauer.achtung) {
            m_verpasst += refresh - (m_achtungAb + m_dauer.achtung);
            m_wortAb = refresh;
            m_phase = KurzzeitPhase::Wort;
        }
        break;
    case KurzzeitPhase::Wort:
        if (refresh >= m_wortAb + m_dauer.wort) {
            m_verpasst += refresh - (m_wortAb + m_dauer.wort);
            m_ausAb = refresh;
            m_phase = KurzzeitPhase::Aus;
        }
        break;
    case KurzzeitPhase::Aus:
        // The picture without the word has stood for a refresh.
        if (refresh > m_ausAb)
            m_phase = KurzzeitPhase::Fertig;
        break;
    case KurzzeitPhase::Fertig:
        break;
    }
    return m_phase;
}

KurzzeitAblauf::Ziele KurzzeitAblauf::achtungGezeigt(qint64 refresh)
{
    m_achtungAb = refresh;
    m_phase = KurzzeitPhase::Achtung;
    const qint64 wort = refresh + m_dauer.achtung;
    return {wort, wort + m_dauer.wort};
}

void KurzzeitAblauf::wortGezeigt(qint64 refresh)
{
    m_verpasst += std::max<qint64>(0, refresh - (m_achtungAb + m_dauer.achtung));
    m_wortAb = refresh;
    m_phase = KurzzeitPhase::Wort;
}

void KurzzeitAblauf::ausGezeigt(qint64 refresh)
{
    // Against the refresh the server was given, so a late word that leaves on time
    // shows as a word too short, not as a second miss.
    m_verpasst += std::max<qint64>(0, refresh - (m_achtungAb + m_dauer.achtung + m_dauer.wort));
    m_ausAb = refresh;
    m_phase = KurzzeitPhase::Fertig;
}

KurzzeitMessung KurzzeitAblauf::messung() const
{
    KurzzeitMessung m;
    const bool wortDa = m_phase >= KurzzeitPhase::Wort;
    const bool ausDa = m_phase >= KurzzeitPhase::Aus;
    m.achtung = wortDa ? m_wortAb - m_achtungAb : 0;
    m.wort = ausDa ? m_ausAb - m_wortAb : 0;
    m.verpasst = m_verpasst;
    return m;
}

bool KurzzeitAblauf::exakt() const
{
    const KurzzeitMessung m = messung();
    return m_phase >= KurzzeitPhase::Aus && m.achtung == m_dauer.achtung && m.wort == m_dauer.wort;
}

} // namespace display
