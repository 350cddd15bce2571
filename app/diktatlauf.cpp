#include "app/diktatlauf.h"

#include "app/laufbahnapp.h"
#include "exercise/ui/firstshow.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/vorleser.h"

#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Whether the computer can speak, when the teacher asked for speaking and it is known
// already: espeak-ng is loaded on the speaking's worker thread, never waited for here.
std::optional<QString> hindernisJetzt(const settings::DiktatEinstellungen &einstellungen,
                                      Vorleser &vorleser)
{
    if (!einstellungen.vorlesen)
        return QString();
    return vorleser.hindernisOhneWarten();
}

bool diktatGewuenscht()
{
    return einstellwerte::diktat(*laufbahn().Form10).vorlesen;
}

} // namespace

DiktatLauf::DiktatLauf(QStatusBar &status, const lauf::Uebungslauf &lauf)
    : m_status(status), m_lauf(lauf), m_vorleser(*laufbahn().vorleser),
      m_einstellungen(einstellwerte::diktat(*laufbahn().Form10)),
      m_hindernis(hindernisJetzt(m_einstellungen, m_vorleser)),
      m_diktat(m_einstellungen, m_hindernis.value_or(QString()))
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

bool DiktatLauf::stimmeBereit()
{
    if (m_hindernis)
        return true;
    // Still loading at the run's start: from the first chunk after it is ready, unless it
    // cannot speak after all, which is said as at a start.
    m_hindernis = m_vorleser.hindernisOhneWarten();
    if (!m_hindernis)
        return false;
    if (!m_hindernis->isEmpty() && m_diktat.abschalten())
        melden(*m_hindernis);
    return true;
}

void DiktatLauf::darbieten(const lauf::Zeigen &zeigen, const std::function<void()> &anzeigen)
{
    const sprache::Diktat::Darbietung wie = m_diktat.abschnitt(zeigen.anzeige, stimmeBereit());
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

void diktatVorbereiten(QWidget &fenster)
{
    // The settings are loaded at the first paint and changed in their dialog: at once after
    // start-up, and each time the main window is active again, the voice the settings
    // want is loaded in the background.
    const auto vorbereiten = [] {
        if (diktatGewuenscht())
            laufbahn().vorleser->vorbereiten();
    };
    whenFirstShown(&fenster,
                   [&fenster, vorbereiten] { QTimer::singleShot(0, &fenster, vorbereiten); });
    wheneverActivated(&fenster, vorbereiten);
}
