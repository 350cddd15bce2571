#pragma once
// The timing of the short-time display, counted in refreshes of the screen: the cue
// alone for a second, then cue and word for the set time, then one picture without
// the word, and the window closes. A flash of 50 ms is a reading-research stimulus;
// a timer would show it for two, three or four refreshes, the count shows it for three.

#include <QtGlobal>

namespace display {

// The refreshes a duration lasts on a screen refreshed every `periodNs`: rounded to the
// nearest whole refresh, at least one.
int refreshesFor(qint64 durationNs, qint64 periodNs);

struct KurzzeitDauer {
    int achtung = 0; // refreshes of the cue alone: one second
    int wort = 0;    // refreshes of the word: the delay setting times 50 ms

    // For a screen with `periodNs` and the delay setting "Verzögerung:" (steps of 50 ms).
    static KurzzeitDauer fuer(qint64 periodNs, int verzoegerung);
};

// What the window shows in each phase: nothing but the background before the cue,
// the cue, the cue and the word, the cue alone again before it closes.
enum class KurzzeitPhase { Bereit, Achtung, Wort, Aus, Fertig };

// How long each picture really stood on the screen, in refreshes.
struct KurzzeitMessung {
    qint64 achtung = 0;  // the cue alone before the word
    qint64 wort = 0;     // the word
    qint64 verpasst = 0; // refreshes by which pictures came later than planned
};

// One showing. The window drives it one of two ways:
//  - counting refreshes: refresh() on every tick of the frame clock, then it paints the
//    picture of the phase returned;
//  - presenting ahead: the window has the cue shown as soon as it can, reports the
//    refresh it appeared at, and has the server show the word and its removal at the
//    refreshes returned; then reports when each appeared.
class KurzzeitAblauf {
public:
    explicit KurzzeitAblauf(KurzzeitDauer dauer) : m_dauer(dauer) {}

    // The refresh `refresh` has begun (a count that grows by one per refresh; a step
    // of more means refreshes were missed). Returns the phase to show from now on;
    // Fertig: close the window.
    KurzzeitPhase refresh(qint64 refresh);

    struct Ziele {
        qint64 wort; // the refresh the word is to appear at
        qint64 aus;  // the refresh the picture without it is to appear at
    };
    Ziele achtungGezeigt(qint64 refresh);
    void wortGezeigt(qint64 refresh);
    // The picture without the word is on the screen: the showing is over.
    void ausGezeigt(qint64 refresh);

    KurzzeitPhase phase() const { return m_phase; }
    const KurzzeitDauer &dauer() const { return m_dauer; }
    KurzzeitMessung messung() const;
    // The word stood exactly as long as set, and the cue alone exactly a second.
    bool exakt() const;

private:
    KurzzeitDauer m_dauer;
    KurzzeitPhase m_phase = KurzzeitPhase::Bereit;
    qint64 m_achtungAb = 0;
    qint64 m_wortAb = 0;
    qint64 m_ausAb = 0;
    qint64 m_verpasst = 0;
};

} // namespace display
