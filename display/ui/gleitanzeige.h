#pragma once
// The gliding-line display shared by TLaufForm4 and TForm4: one chunk of the exercise
// glides across the whole screen in very large letters, one step per screen refresh.
// The exercise run and the rewrite forms open it modally, once per chunk.

#include "display/core/gleitzeile.h"
#include "display/core/silbenfarben.h"
#include "display/ui/displaywindow.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <memory>
#include <vector>

namespace display {

class GlyphSet;
class Surface;

// What the caller hands the display from the settings and the main window.
struct DisplaySettings {
    QFont font;                     // the display font with its size in points
    QColor letterColor = Qt::white; // the display font's colour
    QColor background = Qt::black;
    int tempo = 3;           // "Geschwindigkeit:", 1..9
    int spacing = 3;         // "Abstand:", 0..30; five pixels a step
    QFont helpFont;          // the main window's help label
    bool neueUebung = false; // Return marks words only in a first run
    SilbenAnsicht silben;    // coloured syllables

    // Arial bold 28 points, white on black, speed 3, spacing 3, help in Arial 10 px.
    static DisplaySettings defaults();
};

class GleitAnzeige : public DisplayWindow {
    Q_OBJECT
public:
    ~GleitAnzeige() override;

    // For tests and measurements.
    const QString &anzeigeText() const { return m_text; }
    const GleitZeile *motion() const { return m_motion.get(); }
    const GlyphSet *glyphSet() const { return m_glyphs.get(); }
    bool glyphsWereKept() const { return m_glyphsKept; }
    bool isPaused() const { return m_paused; }

signals:
    // A word marked with Return, with the selection that colours it in the exercise text.
    void wordMarked(const QString &word, int selectionStart, int selectionLength);

protected:
    GleitAnzeige(const QString &anzeigeText, CarriedState *carried, const DisplaySettings &settings,
                 QWidget *parent);

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void onTick(qint64 refresh) override;

private:
    void initialise();
    void apply(KeyEffect effect);
    void composeInto(Surface &target, const QRect &area, QPoint origin) const;
    QRect band() const;

    const QString m_text;
    CarriedState *m_carried;
    const DisplaySettings m_settings;

    std::shared_ptr<const GlyphSet> m_glyphs;
    std::shared_ptr<const GlyphSet> m_silbe1; // the syllable colours' glyphs, when coloured
    std::shared_ptr<const GlyphSet> m_silbe2;
    bool m_glyphsKept = false;
    std::unique_ptr<GleitZeile> m_motion;
    std::vector<PlacedGlyph> m_placed;

    bool m_initialisePending = false;
    bool m_framesStarted = false; // black until the first frame
    bool m_repaintAll = true;
    bool m_paused = false;
    int m_frameCount = 0;
    QElapsedTimer m_zeitmarke;
};

} // namespace display
