#include "writing/ui/vorleser.h"

#include "writing/core/sprache.h"

#include <utility>

#ifdef LAUFBAHN_SPRACHE
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#endif

struct Vorleser::Wiedergabe {
#ifdef LAUFBAHN_SPRACHE
    QByteArray bytes;
    QBuffer quelle;
    std::unique_ptr<QAudioSink> ausgabe;
#endif
};

Vorleser::Vorleser(Ausgabe ausgabe, QObject *parent)
    : QObject(parent), m_ausgabe(ausgabe), m_wiedergabe(std::make_unique<Wiedergabe>())
{
    // espeak-ng takes one caller at a time anyway; a second thread would only wait.
    m_synthese.setMaxThreadCount(1);
}

Vorleser::~Vorleser()
{
    m_halt.request_stop();
    m_synthese.waitForDone();
}

void Vorleser::vorlesen(const QString &abschnitt, int tempo)
{
    m_abschnitt = abschnitt;
    m_tempo = tempo;
    anhalten();
    const QString woerter = sprache::zuSprechen(abschnitt);
    if (woerter.isEmpty())
        return;
    // espeak-ng is loaded by the worker thread: the window never waits for it.
    if (!ausgabeVorhanden()) {
        scheitern(sprache::grund(sprache::eingebaut() ? sprache::Fehler::KeinAusgabegeraet
                                                      : sprache::Fehler::NichtEingebaut));
        return;
    }
    const int nummer = m_nummer;
    m_synthese.start([this, woerter, tempo, nummer, halt = m_halt.get_token()] {
        sprache::Klang klang = sprache::Stimme::instanz().synthetisieren(woerter, tempo, halt);
        // Queued to this object: dropped if it is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, nummer, klang = std::move(klang)] {
                if (nummer != m_nummer || klang.fehler == sprache::Fehler::Abgebrochen)
                    return;
                if (klang.fehler != sprache::Fehler::Keiner)
                    emit nichtVorgelesen(sprache::grund(klang.fehler));
                else
                    abspielen(klang);
            },
            Qt::QueuedConnection);
    });
}

void Vorleser::wiederholen()
{
    if (!m_abschnitt.isEmpty())
        vorlesen(m_abschnitt, m_tempo);
}

void Vorleser::anhalten()
{
    ++m_nummer;
    m_halt.request_stop();
    m_halt = std::stop_source();
    wiedergabeBeenden();
}

void Vorleser::scheitern(const QString &grund)
{
    const int nummer = m_nummer;
    QMetaObject::invokeMethod(
        this,
        [this, nummer, grund] {
            if (nummer == m_nummer)
                emit nichtVorgelesen(grund);
        },
        Qt::QueuedConnection);
}

#ifdef LAUFBAHN_SPRACHE

namespace {

QAudioDevice ausgabegeraet(Vorleser::Ausgabe ausgabe)
{
    return ausgabe == Vorleser::Ausgabe::Standard ? QMediaDevices::defaultAudioOutput()
                                                  : QAudioDevice();
}

} // namespace

bool Vorleser::ausgabeVorhanden() const
{
    return !ausgabegeraet(m_ausgabe).isNull();
}

QString Vorleser::hindernis()
{
    if (!ausgabeVorhanden())
        return sprache::grund(sprache::Fehler::KeinAusgabegeraet);
    return sprache::grund(sprache::Stimme::instanz().starten());
}

void Vorleser::vorbereiten()
{
    if (std::exchange(m_vorbereitet, true))
        return;
    // Ahead of any synthesis: the one worker takes its jobs in turn.
    m_synthese.start([this] { m_stimme = int(sprache::Stimme::instanz().starten()); });
}

std::optional<QString> Vorleser::hindernisOhneWarten()
{
    if (!ausgabeVorhanden())
        return sprache::grund(sprache::Fehler::KeinAusgabegeraet);
    vorbereiten();
    const int stimme = m_stimme;
    if (stimme < 0)
        return std::nullopt;
    return sprache::grund(sprache::Fehler(stimme));
}

void Vorleser::abspielen(const sprache::Klang &klang)
{
    const QAudioDevice geraet = ausgabegeraet(m_ausgabe);
    QAudioFormat format;
    format.setSampleRate(klang.abtastrate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (geraet.isNull() || !geraet.isFormatSupported(format)) {
        emit nichtVorgelesen(sprache::grund(geraet.isNull()
                                                ? sprache::Fehler::KeinAusgabegeraet
                                                : sprache::Fehler::WiedergabeFehlgeschlagen));
        return;
    }
    Wiedergabe &w = *m_wiedergabe;
    w.bytes = QByteArray(reinterpret_cast<const char *>(klang.proben.constData()),
                         klang.proben.size() * qsizetype(sizeof(qint16)));
    w.quelle.setBuffer(&w.bytes);
    w.quelle.open(QIODevice::ReadOnly);
    w.ausgabe = std::make_unique<QAudioSink>(geraet, format);
    QAudioSink *ausgabe = w.ausgabe.get();
    connect(ausgabe, &QAudioSink::stateChanged, this, [this, ausgabe](QAudio::State zustand) {
        if (ausgabe != m_wiedergabe->ausgabe.get())
            return;
        const QAudio::Error fehler = ausgabe->error();
        const bool gestoert = fehler == QAudio::OpenError || fehler == QAudio::IOError ||
                              fehler == QAudio::FatalError;
        if (gestoert) {
            wiedergabeBeenden();
            emit nichtVorgelesen(sprache::grund(sprache::Fehler::WiedergabeFehlgeschlagen));
        } else if (zustand == QAudio::IdleState) {
            // All samples are played: the source is read to its end.
            wiedergabeBeenden();
            emit vorgelesen();
        }
    });
    ausgabe->start(&w.quelle);
    if (w.ausgabe.get() == ausgabe && ausgabe->error() == QAudio::OpenError) {
        wiedergabeBeenden();
        emit nichtVorgelesen(sprache::grund(sprache::Fehler::WiedergabeFehlgeschlagen));
    }
}

void Vorleser::wiedergabeBeenden()
{
    Wiedergabe &w = *m_wiedergabe;
    if (w.ausgabe) {
        // Deleted later: this may run inside the sink's own signal.
        QAudioSink *ausgabe = w.ausgabe.release();
        ausgabe->disconnect(this);
        ausgabe->stop();
        ausgabe->deleteLater();
    }
    w.quelle.close();
}

#else

bool Vorleser::ausgabeVorhanden() const
{
    return false;
}

QString Vorleser::hindernis()
{
    return sprache::grund(sprache::Fehler::NichtEingebaut);
}

void Vorleser::vorbereiten() {}

std::optional<QString> Vorleser::hindernisOhneWarten()
{
    return hindernis();
}

void Vorleser::abspielen(const sprache::Klang &) {}

void Vorleser::wiedergabeBeenden() {}

#endif
