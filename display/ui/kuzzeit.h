#pragma once
// The short-time display: after the cue "Achtung!" one word is flashed for a set
// fraction of a second. Created once at start-up; the exercise run shows it for each
// word of a word exercise, the one-word rewrite form to show a word once more.

#include "display/core/kurzzeit.h"
#include "display/core/silbenfarben.h"
#include "display/ui/displaywindow.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QLabel;

namespace display {

class FramePresenter;

// What a showing reads from the settings, anew each time.
struct FlashSettings {
    QFont font;                     // the writing font ("Schriftart", page "Nachschreiben")
    QColor letterColor = Qt::black; // its colour: the word's and the cue's
    QColor background;              // the writing page's background
    int delay = 1;                  // "Verzögerung:": the word stays delay x 50 ms
    SilbenAnsicht silben;           // coloured syllables

    // Arial 80 pixels bold, black on the button face, the shortest delay.
    static FlashSettings defaults();
};

} // namespace display

class TForm15 : public display::DisplayWindow {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
    ~TForm15() override;

    // Shows `wort` once after the cue, as plain text, and returns when the window has
    // closed itself (or was closed); what was measured of the showing comes back.
    display::KurzzeitMessung zeigen(const QString &wort, const display::FlashSettings &settings);

    // The labels hold what is shown; the window draws them itself into each picture,
    // so that a picture can go to the server whole before it is due.
    QLabel *Label1; // the word
    QLabel *Label2; // the cue "Achtung!"

    // For tests and measurements: the picture on the screen, the last showing's
    // timing, and whether the server showed the pictures at refreshes set in advance.
    display::KurzzeitPhase phase() const { return m_shown; }
    const display::KurzzeitAblauf *ablauf() const { return m_ablauf ? &*m_ablauf : nullptr; }
    bool presentedAhead() const { return m_presentedAhead; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void onTick(qint64 refresh) override;

private:
    enum Bild { Hintergrund, Achtung, Wort };
    static Bild bildOf(display::KurzzeitPhase phase);

    void begin();
    void layoutLabels();
    void renderPictures();
    bool beginPresenting();
    void onShown(quint32 presentation, qint64 refresh, bool skipped);
    void finish();

    display::FlashSettings m_settings;
    std::optional<display::KurzzeitAblauf> m_ablauf;
    display::KurzzeitPhase m_shown = display::KurzzeitPhase::Bereit;
    bool m_beginPending = false;
    bool m_presentedAhead = false;
    std::array<QImage, 3> m_bilder;

    std::unique_ptr<display::FramePresenter> m_presenter;
    quint32 m_achtungShown = 0;
    quint32 m_wortShown = 0;
    quint32 m_ausShown = 0;
    int m_wortBild = -1;
    int m_achtungBild = -1;
    // Closes a showing whose pictures the server never reports as shown.
    QTimer m_watchdog;
};
