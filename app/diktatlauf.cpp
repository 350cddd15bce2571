#include "app/diktatlauf.h"

#include "app/laufbahnapp.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/vorleser.h"

#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// espeak-ng is loaded here, once per program, only when the teacher asked for speaking.
sprache::Diktat diktatBeginnen(const settings::DiktatEinstellungen &einstellungen,
                               Vorleser &vorleser)
{
    return sprache::Diktat(einstellungen,
                           einstellungen.vorlesen ? vorleser.hindernis() : QString());
}

} // namespace

DiktatLauf::DiktatLauf(QStatusBar &status, const lauf::Uebungslauf &lauf)
    : m_status(status), m_lauf(lauf), m_vorleser(*laufbahn().vorleser),
      m_diktat(diktatBeginnen(einstellwerte::diktat(*laufbahn().Form10), m_vorleser))
{
    melden(m_diktat.meldung());
    // The rewrite form open at the time shows the chunk itself.
    m_gescheitert = QObject::connect(&m_vorleser, &Vorleser::nichtVorgelesen, &status,
                                     [this](const QString &grund) {
                                         if (m_diktat.abschalten())
                                             melden(grund);
                                     });
}

DiktatLauf::~DiktatLauf()
{
    QObject::disconnect(m_gescheitert);
    m_vorleser.anhalten();
}

void DiktatLauf::darbieten(const lauf::Zeigen &zeigen, const std::function<void()> &anzeigen)
{
    const sprache::Diktat::Darbietung wie = m_diktat.abschnitt(zeigen.anzeige);
    // Spoken while it is shown.
    if (wie.vorlesen)
        m_vorleser.vorlesen(m_lauf.abschnitt().roh, m_diktat.tempo());
    if (wie.zeigen)
        anzeigen();
}

writing::DiktatEingabe DiktatLauf::eingabe() const
{
    return m_diktat.eingabe(m_lauf.abschnitt().roh);
}

void DiktatLauf::melden(const QString &grund)
{
    if (grund.isEmpty())
        return;
    // A note of this run's start (a text cut short) stays in front.
    const QString vorher = m_status.currentMessage();
    m_status.showMessage(vorher.isEmpty() ? grund : vorher + u"  "_s + grund);
}
