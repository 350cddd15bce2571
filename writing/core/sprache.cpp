#include "writing/core/sprache.h"

#include "exercise/core/markup.h"

#include <QByteArray>

#include <algorithm>
#include <utility>

#ifdef LAUFBAHN_SPRACHE
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#endif

using namespace Qt::StringLiterals;

namespace sprache {

QString zuSprechen(QStringView abschnitt)
{
    const qsizetype ende = abschnitt.indexOf(u'#');
    QString woerter = markup::targetString(ende < 0 ? abschnitt : abschnitt.first(ende));
    woerter.replace(u'_', u' ');
    return woerter.simplified();
}

QString grund(Fehler fehler)
{
    switch (fehler) {
    case Fehler::Keiner:
    case Fehler::Abgebrochen:
        return {};
    case Fehler::NichtEingebaut:
        return u"Vorlesen nicht möglich: das Programm ist ohne Sprachausgabe gebaut."_s;
    case Fehler::StartFehlgeschlagen:
        return u"Vorlesen nicht möglich: die Sprachausgabe espeak-ng ließ sich nicht starten."_s;
    case Fehler::KeineDeutscheStimme:
        return u"Vorlesen nicht möglich: keine deutsche Stimme gefunden."_s;
    case Fehler::SyntheseFehlgeschlagen:
        return u"Vorlesen nicht möglich: die Sprachausgabe konnte den Text nicht sprechen."_s;
    case Fehler::KeinAusgabegeraet:
        return u"Vorlesen nicht möglich: kein Tonausgabegerät gefunden."_s;
    case Fehler::WiedergabeFehlgeschlagen:
        return u"Vorlesen nicht möglich: die Tonausgabe ist gestört."_s;
    }
    return {};
}

Diktat::Diktat(const settings::DiktatEinstellungen &einstellungen, const QString &hindernis)
    : m_einstellungen(einstellungen), m_hindernis(hindernis),
      m_an(einstellungen.vorlesen && hindernis.isEmpty())
{
}

QString Diktat::meldung() const
{
    return m_einstellungen.vorlesen ? m_hindernis : QString();
}

Diktat::Darbietung Diktat::abschnitt(lauf::Anzeige anzeige, bool stimmeBereit)
{
    const bool sprechbar = anzeige == lauf::Anzeige::Laufbahn ||
                           anzeige == lauf::Anzeige::Alternativ ||
                           anzeige == lauf::Anzeige::Kurzzeit;
    const bool vorlesen = m_an && sprechbar && stimmeBereit;
    m_jetzt = {vorlesen, !vorlesen || m_einstellungen.vorlesenUndZeigen};
    return m_jetzt;
}

bool Diktat::abschalten()
{
    return std::exchange(m_an, false);
}

writing::DiktatEingabe Diktat::eingabe(const QString &abschnitt) const
{
    writing::DiktatEingabe eingabe;
    eingabe.vorlesen = m_an && m_jetzt.vorlesen;
    eingabe.gezeigt = m_jetzt.zeigen;
    eingabe.tempo = m_einstellungen.tempo;
    if (eingabe.vorlesen)
        eingabe.abschnitt = abschnitt;
    return eingabe;
}

Stimme &Stimme::instanz()
{
    static Stimme stimme;
    return stimme;
}

Fehler Stimme::starten()
{
    std::scoped_lock lock(m_sperre);
    return startenGesperrt();
}

#ifdef LAUFBAHN_SPRACHE

bool eingebaut()
{
    return true;
}

namespace {

struct Aufnahme {
    QList<qint16> *proben;
    std::stop_token halt;
    bool abgebrochen = false;
};

// Called by espeak_Synth on the synthesizing thread for each block; the end comes as
// a block without samples. Returning 1 stops the synthesis.
int probenAufnehmen(short *wav, int anzahl, espeak_EVENT *ereignisse)
{
    if (!ereignisse || !ereignisse->user_data)
        return 0;
    auto *aufnahme = static_cast<Aufnahme *>(ereignisse->user_data);
    if (aufnahme->halt.stop_requested()) {
        aufnahme->abgebrochen = true;
        return 1;
    }
    if (wav && anzahl > 0)
        aufnahme->proben->append(QList<qint16>(wav, wav + anzahl));
    return 0;
}

} // namespace

Stimme::~Stimme()
{
    if (m_versucht && m_startfehler != Fehler::StartFehlgeschlagen)
        espeak_ng_Terminate();
}

Fehler Stimme::startenGesperrt()
{
    if (m_versucht)
        return m_startfehler;
    m_versucht = true;
    // espeak_Initialize would end the whole program when its data is missing.
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT kontext = nullptr;
    const espeak_ng_STATUS geladen = espeak_ng_Initialize(&kontext);
    espeak_ng_ClearErrorContext(&kontext);
    if (geladen != ENS_OK ||
        espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK) {
        m_startfehler = Fehler::StartFehlgeschlagen;
        return m_startfehler;
    }
    m_abtastrate = espeak_ng_GetSampleRate();
    espeak_SetSynthCallback(probenAufnehmen);
    if (espeak_ng_SetVoiceByName("de") != ENS_OK)
        m_startfehler = Fehler::KeineDeutscheStimme;
    return m_startfehler;
}

Klang Stimme::synthetisieren(QStringView text, int tempo, std::stop_token halt)
{
    std::scoped_lock lock(m_sperre);
    Klang klang;
    klang.fehler = startenGesperrt();
    if (klang.fehler != Fehler::Keiner)
        return klang;
    klang.abtastrate = m_abtastrate;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.trimmed().isEmpty())
        return klang;
    espeak_ng_SetParameter(espeakRATE, std::clamp(tempo, minTempo, maxTempo), 0);
    Aufnahme aufnahme{&klang.proben, std::move(halt)};
    const espeak_ERROR ergebnis =
        espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &aufnahme);
    if (aufnahme.abgebrochen) {
        klang.proben.clear();
        klang.fehler = Fehler::Abgebrochen;
    } else if (ergebnis != EE_OK) {
        klang.proben.clear();
        klang.fehler = Fehler::SyntheseFehlgeschlagen;
    }
    return klang;
}

#else

bool eingebaut()
{
    return false;
}

Stimme::~Stimme() = default;

Fehler Stimme::startenGesperrt()
{
    m_versucht = true;
    m_startfehler = Fehler::NichtEingebaut;
    return m_startfehler;
}

Klang Stimme::synthetisieren(QStringView, int, std::stop_token)
{
    Klang klang;
    klang.fehler = starten();
    return klang;
}

#endif

} // namespace sprache
