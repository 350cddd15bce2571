#include "exercise/core/uebungslauf.h"

#include <utility>

namespace lauf {

Uebungslauf::Uebungslauf(QString puffer, bool neueUebung, const LaufEinstellungen &einstellungen)
    : m_puffer(std::move(puffer)), m_neueUebung(neueUebung), m_einstellungen(einstellungen)
{
}

Uebungslauf::Uebungslauf(QList<Uebungswort> woerter, const LaufEinstellungen &einstellungen)
    : m_puffer(QString(markup::endMark)), m_neueUebung(false), m_einstellungen(einstellungen),
      m_woerter(std::move(woerter))
{
    m_einstellungen.art = Art::Wiederholung;
    m_einstellungen.woerterProAbschnitt = 1;
}

Schritt Uebungslauf::next()
{
    switch (m_phase) {
    case Phase::Schneiden:
        return schneiden();
    case Phase::Waehlen:
        // Asked again until the pupil has chosen.
        if (!m_gewaehlt)
            return AbschnittWaehlen{m_satzNr, m_abschnittEnde};
        return abschnittBeginnen(*m_gewaehlt, QString());
    case Phase::Schreiben:
        return naechsterTeil();
    case Phase::Faerben:
        m_phase = Phase::Schneiden;
        if (m_einstellungen.art == Art::Wiederholung) {
            if (m_abbruch || m_naechstesUebungswort >= m_woerter.size())
                m_phase = Phase::Fertig;
        } else if (m_abbruch || m_einstellungen.art != Art::Laufbahn ||
                   (m_einstellungen.modus != markup::FileType::Text && amEnde(m_puffer, m_pos)))
            m_phase = Phase::Fertig;
        return next();
    case Phase::Fertig:
        break;
    }
    m_phase = Phase::Fertig;
    return Fertig{m_nachgeschrieben};
}

void Uebungslauf::gewaehlt(const QString &abschnitt, int satzNr, int abschnittEnde)
{
    if (m_phase != Phase::Waehlen)
        return;
    // A choice of blanks only is no section: the pupil chose nothing.
    m_gewaehlt = abschnitt.trimmed().isEmpty() ? QString() : abschnitt;
    m_satzNr = satzNr;
    m_abschnittEnde = abschnittEnde;
}

void Uebungslauf::nachgeschrieben(bool abbruch)
{
    if (abbruch)
        m_abbruch = true;
    else
        m_nachgeschrieben = true;
}

std::optional<QString> Uebungslauf::markiert(int selectionStart)
{
    if (m_phase != Phase::Schreiben)
        return std::nullopt;
    const int stelle = wortStelle(m_abschnitt.roh, m_einstellungen.letterPlaceholder,
                                  m_einstellungen.partPlaceholder, selectionStart);
    if (stelle < 0 || stelle >= m_abschnitt.woerter.size())
        return std::nullopt;
    // In a review a word the pupil is unsure of counts as wrong; it joins no word list.
    if (m_einstellungen.art == Art::Wiederholung) {
        m_richtig = false;
        return std::nullopt;
    }
    m_markiert.append(stelle);
    return m_abschnitt.woerter[stelle].roh;
}

void Uebungslauf::bewertet(bool richtig)
{
    if (m_einstellungen.art == Art::Wiederholung && m_phase == Phase::Schreiben)
        m_richtig = m_richtig.value_or(true) && richtig;
}

Schritt Uebungslauf::schneiden()
{
    switch (m_einstellungen.art) {
    case Art::Wiederholung:
        // A word that gives no chunk (nothing but a shown-only pair) is passed over.
        while (m_naechstesUebungswort < m_woerter.size()) {
            const Uebungswort &wort = m_woerter[m_naechstesUebungswort++];
            m_richtig.reset();
            m_einstellungen.modus =
                wort.gruppe ? markup::FileType::Wortgruppen : markup::FileType::Woerter;
            Schritt schritt =
                wort.gruppe ? abschnittBeginnen(markup::wordGroupForDisplay(wort.text), wort.text)
                            : abschnittBeginnen(wort.text, QString());
            if (m_phase == Phase::Schreiben)
                return schritt;
        }
        m_phase = Phase::Fertig;
        return Fertig{m_nachgeschrieben};
    case Art::Lesefinger:
    case Art::Silbenlesen:
        // One display of the whole buffer; the pupil reads, nothing is rewritten.
        m_phase = Phase::Fertig;
        return Zeigen{m_einstellungen.art == Art::Lesefinger ? Anzeige::Lesefinger
                                                             : Anzeige::Silbenlesen,
                      m_puffer};
    case Art::LaufbahnAlt: {
        // The whole text up to its end mark is one chunk; a line break is a blank.
        QString text = m_puffer.left(m_puffer.indexOf(u'#'));
        for (QChar &c : text) {
            if (c < u' ')
                c = u' ';
        }
        return abschnittBeginnen(text, QString());
    }
    case Art::Laufbahn:
        break;
    }
    switch (m_einstellungen.modus) {
    case markup::FileType::Text:
        m_phase = Phase::Waehlen;
        m_gewaehlt.reset();
        return AbschnittWaehlen{m_satzNr, m_abschnittEnde};
    case markup::FileType::Woerter:
        return abschnittBeginnen(woerterLesen(m_puffer, m_pos, m_einstellungen.woerterProAbschnitt),
                                 QString());
    case markup::FileType::Wortgruppen:
        break;
    }
    const QString gruppe = wortLesen(m_puffer, m_pos);
    return abschnittBeginnen(markup::wordGroupForDisplay(gruppe), gruppe);
}

bool Uebungslauf::wortweise() const
{
    return m_einstellungen.art == Art::LaufbahnAlt ||
           m_einstellungen.modus == markup::FileType::Woerter;
}

Schritt Uebungslauf::abschnittBeginnen(const QString &abschnitt, const QString &wortgruppeRoh)
{
    m_abschnitt = abschnittZerlegen(abschnitt);
    if (m_abschnitt.leer()) {
        m_phase = Phase::Fertig;
        return Fertig{m_nachgeschrieben};
    }
    m_wortgruppeRoh = wortgruppeRoh;
    m_markiert.clear();
    m_naechstesWort = 0;
    m_anzeigeText = markup::displayString(m_abschnitt.roh, m_einstellungen.letterPlaceholder,
                                          m_einstellungen.partPlaceholder);
    m_phase = Phase::Schreiben;
    const bool alt = m_einstellungen.art == Art::LaufbahnAlt;
    Anzeige anzeige = alt ? Anzeige::GleitAlt : Anzeige::Laufbahn;
    if (!alt && m_einstellungen.kurzzeit && m_einstellungen.modus == markup::FileType::Woerter)
        anzeige = Anzeige::Kurzzeit;
    else if (m_einstellungen.alternativ)
        anzeige = Anzeige::Alternativ;
    return Zeigen{anzeige, m_anzeigeText, alt};
}

Schritt Uebungslauf::naechsterTeil()
{
    if (!m_abbruch && wortweise()) {
        // Word by word; a word wholly inside an "&" pair is shown, never written.
        while (m_naechstesWort < m_abschnitt.woerter.size()) {
            const Wort &wort = m_abschnitt.woerter[m_naechstesWort++];
            if (!wort.ziel.isEmpty())
                return Nachschreiben{wort.ziel, false,           m_neueUebung,
                                     wort.roh,  m_abschnitt.roh, m_wortgruppeRoh};
        }
    } else if (!m_abbruch && m_naechstesWort == 0) {
        m_naechstesWort = 1;
        const QString ziel = m_abschnitt.ziel();
        if (!ziel.isEmpty())
            return Nachschreiben{
                ziel, true, m_neueUebung, m_abschnitt.roh, m_abschnitt.roh, m_wortgruppeRoh};
    }
    return abschnittBeenden();
}

Schritt Uebungslauf::abschnittBeenden()
{
    // The word was written when every rewrite of it was judged, none left unfinished.
    if (m_einstellungen.art == Art::Wiederholung && !m_abbruch && m_richtig)
        m_geuebt.append({m_woerter[m_naechstesUebungswort - 1].text, *m_richtig});
    m_phase = Phase::Faerben;
    if (!m_markiert.isEmpty())
        return MarkierteFaerben{m_abschnitt.woerter, std::exchange(m_markiert, {})};
    return next();
}

} // namespace lauf
