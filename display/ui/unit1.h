#pragma once
// The alternative gliding line of "alternativer Laufmodus": the chunk glides through a
// picture of 640 x 480 pixels in two colours, enlarged to fill the screen. Opened
// modally for each chunk by the exercise run and by the rewrite forms' "show again".

#include "display/core/alternativzeile.h"
#include "display/ui/bildfenster.h"
#include "display/ui/gleitanzeige.h"

#include <QString>
#include <memory>
#include <vector>

namespace display {
class GlyphSet;
}

class TForm1 : public display::BildFenster {
    Q_OBJECT
public:
    // `anzeigeText` is the display string; of the settings the font, both colours,
    // speed and spacing count here.
    TForm1(const QString &anzeigeText, const display::DisplaySettings &settings,
           QWidget *parent = nullptr);
    ~TForm1() override;

    // For tests and measurements.
    const display::AlternativZeile *motion() const { return m_motion.get(); }
    const display::GlyphSet *glyphSet() const { return m_glyphs.get(); }
    bool isPaused() const { return m_paused; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void onTick(qint64 refresh) override;

private:
    void initialise();

    const QString m_text;
    const display::DisplaySettings m_settings;
    std::shared_ptr<const display::GlyphSet> m_glyphs;
    std::shared_ptr<const display::GlyphSet> m_silbe1; // the syllable colours, when coloured
    std::shared_ptr<const display::GlyphSet> m_silbe2;
    std::unique_ptr<display::AlternativZeile> m_motion;
    std::vector<display::PlacedGlyph> m_placed;
    QRect m_inkRows; // the rows of the picture the last frame put ink in
    bool m_initialisePending = false;
    bool m_paused = false;
};
