#pragma once
// The spoken dictation through one exercise run, for the main window's driver: each chunk
// spoken, shown or both, what the rewrite forms need to speak it again, and why in the
// status bar when this computer cannot speak.

#include "writing/core/sprache.h"

#include <QMetaObject>
#include <functional>
#include <optional>

class QStatusBar;
class QWidget;
class Vorleser;

// Held for the length of a run; stops the speaking when the run ends.
class DiktatLauf {
public:
    // Says in `status` why the computer cannot speak.
    DiktatLauf(QStatusBar &status, const lauf::Uebungslauf &lauf);
    ~DiktatLauf();
    DiktatLauf(const DiktatLauf &) = delete;
    DiktatLauf &operator=(const DiktatLauf &) = delete;

    // Presents the chunk of `zeigen`: starts speaking it, without waiting, and/or shows
    // it through `anzeigen`.
    void darbieten(const lauf::Zeigen &zeigen, const std::function<void()> &anzeigen);
    // What the rewrite forms need to speak the current chunk again.
    writing::DiktatEingabe eingabe() const;

private:
    void melden(const QString &grund);
    // True once the voice is loaded or known to be missing.
    bool stimmeBereit();

    QStatusBar &m_status;
    const lauf::Uebungslauf &m_lauf;
    Vorleser &m_vorleser;
    settings::DiktatEinstellungen m_einstellungen;
    // Why the computer cannot speak (empty: it can); nothing while the voice is loading.
    std::optional<QString> m_hindernis;
    sprache::Diktat m_diktat;
    QMetaObject::Connection m_gescheitert;
};

// Loads the voice in the background as soon as the settings ask for speaking: after
// start-up and whenever `fenster` comes to the front (the settings dialog closed), so
// that no run waits for it.
void diktatVorbereiten(QWidget &fenster);
