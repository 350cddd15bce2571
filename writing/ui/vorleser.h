#pragma once
// Reads a chunk aloud for the spoken dictation without holding up the window: espeak-ng
// synthesizes it on a worker thread, Qt's sound output plays it. One for the exercise run,
// handed to the rewrite forms so that "show again" and F5 speak the chunk again.

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <optional>
#include <stop_token>

namespace sprache {
struct Klang;
}

class Vorleser : public QObject {
    Q_OBJECT
public:
    enum class Ausgabe {
        Standard, // the system's default sound output at each reading
        Keine,    // stands for a computer without one
    };
    explicit Vorleser(Ausgabe ausgabe = Ausgabe::Standard, QObject *parent = nullptr);
    ~Vorleser() override;
    // From the next reading on.
    void setAusgabe(Ausgabe ausgabe) { m_ausgabe = ausgabe; }

    // Starts speaking the words of `abschnitt` (a chunk with its markup) at `tempo` words
    // per minute and returns at once; whatever is being spoken stops. A chunk without
    // words stops the speaking and says nothing.
    void vorlesen(const QString &abschnitt, int tempo);
    // The last chunk once more, at its tempo.
    void wiederholen();
    void anhalten();

    // Why this computer cannot read aloud (no sound output, espeak-ng or its German voice
    // missing), or empty. Loads espeak-ng at its first call, which takes a moment: ask once
    // before a run, not for every chunk.
    QString hindernis();
    // Has espeak-ng and its voice loaded on the worker thread, once; returns at once.
    void vorbereiten();
    // `hindernis` without waiting: nothing while the voice is still being loaded (which
    // this starts when nobody has).
    std::optional<QString> hindernisOhneWarten();

signals:
    // Speaking failed; the German reason is meant for the status bar, the chunk should be
    // shown instead. Always sent after `vorlesen` has returned.
    void nichtVorgelesen(const QString &grund);
    // The last chunk was spoken to its end.
    void vorgelesen();

private:
    struct Wiedergabe;

    bool ausgabeVorhanden() const;
    void scheitern(const QString &grund);
    void abspielen(const sprache::Klang &klang);
    void wiedergabeBeenden();

    Ausgabe m_ausgabe;
    QString m_abschnitt;
    int m_tempo = 0;
    int m_nummer = 0; // of the latest reading; results of older ones are dropped
    std::stop_source m_halt;
    QThreadPool m_synthese;
    bool m_vorbereitet = false;
    std::atomic<int> m_stimme{-1}; // the voice's `sprache::Fehler` once loaded
    std::unique_ptr<Wiedergabe> m_wiedergabe;
};
