#include "display/ui/unit1.h"

#include "display/core/frame.h"
#include "display/core/glyphset.h"
#include "display/core/refreshschedule.h"
#include "display/ui/silbenfarbe.h"
#include "exercise/ui/messages.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;
using display::AlternativZeile;

TForm1::TForm1(const QString &anzeigeText, const display::DisplaySettings &settings,
               QWidget *parent)
    : BildFenster(settings.background, parent), m_text(anzeigeText), m_settings(settings)
{
    setObjectName(u"TForm1"_s);
    setWindowTitle(u"Form1"_s);
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent *event)
{
    BildFenster::showEvent(event);
    if (m_motion && !m_paused)
        startClock();
    // The letters are built once the window is on the screen.
    if (!m_motion && !m_initialisePending) {
        m_initialisePending = true;
        QTimer::singleShot(0, this, &TForm1::initialise);
    }
}

void TForm1::initialise()
{
    m_initialisePending = false;
    if (m_motion || !isVisible())
        return;
    const display::GlyphStyle style{m_settings.font, m_settings.letterColor, m_settings.background,
                                    true};
    m_glyphs = display::GlyphCache::shared().glyphs(
        style, QSize(AlternativZeile::kBreite, AlternativZeile::kHoehe));
    if (!m_glyphs) {
        // Nothing more can be shown; Esc still closes the window.
        showWarning(this, display::surfaceErrorText());
        return;
    }
    const qint64 period = display::refreshPeriodNs(screen() ? screen()->refreshRate() : 0.0);
    m_motion = std::make_unique<AlternativZeile>(m_text, m_glyphs->widths(), m_glyphs->textHeight(),
                                                 m_settings.tempo, m_settings.spacing * 5, period);
    if (QByteArray farben = display::silbenFarbenFuer(m_text, m_settings.silben);
        !farben.isEmpty()) {
        const display::SilbenGlyphSets sets = display::silbenGlyphSets(
            style, QSize(AlternativZeile::kBreite, AlternativZeile::kHoehe), m_settings.silben);
        if (sets.vollstaendig()) {
            m_silbe1 = sets.farbe1;
            m_silbe2 = sets.farbe2;
            m_motion->setFarben(std::move(farben));
        }
    }
    if (!m_paused)
        startClock();
}

void TForm1::onTick(qint64 refresh)
{
    if (!m_motion || !isVisible())
        return;
    if (!m_motion->advance(refresh, m_placed)) {
        close();
        return;
    }
    // The whole band anew each frame, every letter at its place however many entered;
    // only the rows that hold ink now or held it before are touched.
    QRect inked;
    for (const display::PlacedGlyph &glyph : m_placed) {
        // The syllable colours' glyphs have the same ink as the letter colour's.
        const QRect ink = m_glyphs->inkRect(glyph.code);
        if (!ink.isEmpty())
            inked |= QRect(0, m_motion->zeileY() + m_glyphs->inkOffset(glyph.code).y(),
                           AlternativZeile::kBreite, ink.height());
    }
    const QRect rows = (inked | m_inkRows)
                           .intersected(display::bandRect(AlternativZeile::kBreite,
                                                          m_motion->zeileY(), *m_glyphs));
    m_inkRows = inked;
    if (rows.isEmpty())
        return;
    display::composeFrame(bild(), rows, *m_glyphs, m_placed, m_motion->zeileY(), nullptr, QPoint(),
                          {m_silbe1.get(), m_silbe2.get()});
    zeigen(rows);
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    QChar ch;
    if (event->key() == Qt::Key_Escape)
        ch = QChar(27);
    else if (!event->text().isEmpty())
        ch = event->text().at(0);
    else
        return;
    if (!m_motion) {
        // Before the letters exist (or when they could not be made) only Esc works.
        if (ch == QChar(27))
            close();
        return;
    }
    switch (m_motion->keyPress(ch)) {
    case display::KeyEffect::Close:
        close();
        return;
    case display::KeyEffect::TogglePause:
        // Paused, the screen keeps its picture; the keys still act and show on resume.
        m_paused = !m_paused;
        if (m_paused)
            stopClock();
        else
            startClock();
        return;
    default:
        return;
    }
}
