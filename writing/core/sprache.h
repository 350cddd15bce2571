#pragma once
// The spoken dictation: what of a chunk is spoken, and its synthesis by espeak-ng's German
// voice into 16-bit samples. Playing them is the window's business (writing/ui/vorleser).

#include "exercise/core/uebungslauf.h"
#include "settings/core/zusatzeinstellungen.h"
#include "writing/core/nachschreiben.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <mutex>
#include <stop_token>

namespace sprache {

// Words per minute.
inline constexpr int minTempo = 80;
inline constexpr int maxTempo = 200;
inline constexpr int standardTempo = 120;

// What the pupil hears of a chunk: the words to be written (the gap marks dropped, the
// letters of an "&" pair with them), "_" as a blank, nothing from the first "#" on, all
// white space as single blanks.
QString zuSprechen(QStringView abschnitt);

enum class Fehler {
    Keiner,
    NichtEingebaut,      // built without espeak-ng
    StartFehlgeschlagen, // espeak-ng's data could not be loaded
    KeineDeutscheStimme,
    SyntheseFehlgeschlagen,
    KeinAusgabegeraet,
    WiedergabeFehlgeschlagen,
    Abgebrochen, // stopped by a newer reading; never shown
};

// The German reason for the status bar.
QString grund(Fehler fehler);

struct Klang {
    QList<qint16> proben; // mono
    int abtastrate = 0;   // samples per second
    Fehler fehler = Fehler::Keiner;
    double sekunden() const { return abtastrate > 0 ? double(proben.size()) / abtastrate : 0; }
};

// espeak-ng keeps its voice, its parameters and its sample callback for the whole process,
// is loaded once and may be used by one thread at a time: this object is its only user.
// It loads espeak-ng at its first use, from whichever thread asks first.
class Stimme {
public:
    static Stimme &instanz();

    // Loads espeak-ng and its German voice unless done already; what went wrong stays.
    Fehler starten();
    // `text` spoken at `tempo` words per minute (clamped to 80..200), retrieved as
    // samples. Waits while another thread synthesizes. A stop requested through `halt`
    // ends the synthesis between two blocks of samples (Fehler::Abgebrochen).
    Klang synthetisieren(QStringView text, int tempo, std::stop_token halt = {});

private:
    Stimme() = default;
    ~Stimme();
    Fehler startenGesperrt();

    std::mutex m_sperre;
    bool m_versucht = false;
    Fehler m_startfehler = Fehler::Keiner;
    int m_abtastrate = 0;
};

// True when the program was built with espeak-ng.
bool eingebaut();

// The spoken dictation through one exercise run. With "Diktat: vorlesen statt zeigen" a
// chunk of the gliding line, the alternative line or the flashed words is spoken instead
// of shown, or while it is shown ("vorlesen und zeigen"); the reading displays and the
// whole text of "Laufbahn alt" are never spoken. A computer that cannot speak shows
// every chunk, and once speaking has failed the run goes on shown.
class Diktat {
public:
    struct Darbietung {
        bool vorlesen = false;
        bool zeigen = true;
        bool operator==(const Darbietung &) const = default;
    };

    // `hindernis`: why this computer cannot speak, empty when it can.
    Diktat(const settings::DiktatEinstellungen &einstellungen, const QString &hindernis);

    // What the status bar says as the run starts: why the chunks are shown after all.
    QString meldung() const;
    // The next chunk, to be presented on `anzeige`. A chunk that comes before the voice
    // is ready (`stimmeBereit` false) is shown as without a voice.
    Darbietung abschnitt(lauf::Anzeige anzeige, bool stimmeBereit = true);
    // Speaking the chunk failed: switches the speaking off, so the rest of the run is
    // shown. True when it was on, the one time the status bar should say why.
    [[nodiscard]] bool abschalten();
    // What the rewrite forms get for the current chunk `abschnitt` (with its markup).
    writing::DiktatEingabe eingabe(const QString &abschnitt) const;
    int tempo() const { return m_einstellungen.tempo; }

private:
    settings::DiktatEinstellungen m_einstellungen;
    QString m_hindernis;
    bool m_an;
    Darbietung m_jetzt;
};

} // namespace sprache
