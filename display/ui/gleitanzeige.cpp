#include "display/ui/gleitanzeige.h"

#include "display/core/frame.h"
#include "display/core/glyphset.h"
#include "display/core/surface.h"
#include "display/ui/frameclock.h"
#include "display/ui/silbenfarbe.h"
#include "exercise/ui/messages.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace display {

DisplaySettings DisplaySettings::defaults()
{
    DisplaySettings settings;
    settings.font = QFont(u"Arial"_s, 28, QFont::Bold);
    settings.helpFont = QFont(u"Arial"_s);
    settings.helpFont.setPixelSize(10);
    return settings;
}

GleitAnzeige::GleitAnzeige(const QString &anzeigeText, CarriedState *carried,
                           const DisplaySettings &settings, QWidget *parent)
    : DisplayWindow(Showing::FullScreen, parent), m_text(anzeigeText), m_carried(carried),
      m_settings(settings)
{
    // Every pixel is painted by the display itself; the toolkit need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(u"bitte warten.."_s);
}

GleitAnzeige::~GleitAnzeige() = default;

void GleitAnzeige::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setWindowTitle(u"bitte warten.."_s);
    m_repaintAll = true;
    if (m_motion && !m_paused)
        startClock();
    // The glyphs are built once the black window is on the screen.
    if (!m_motion && !m_initialisePending) {
        m_initialisePending = true;
        QTimer::singleShot(0, this, &GleitAnzeige::initialise);
    }
}

void GleitAnzeige::initialise()
{
    m_initialisePending = false;
    if (m_motion || !isVisible())
        return;
    const GlyphStyle style{m_settings.font, m_settings.letterColor, m_settings.background};
    m_glyphs = GlyphCache::shared().glyphs(style, size(), &m_glyphsKept);
    if (!m_glyphs) {
        // Nothing more can be shown; Esc still closes the black window.
        showWarning(this, surfaceErrorText());
        return;
    }
    m_motion = std::make_unique<GleitZeile>(m_text, m_glyphs->widths(), width(), height(),
                                            m_glyphs->textHeight(), m_settings.tempo,
                                            m_settings.spacing * 5, m_carried);
    if (QByteArray farben = silbenFarbenFuer(m_text, m_settings.silben); !farben.isEmpty()) {
        const SilbenGlyphSets sets = silbenGlyphSets(style, size(), m_settings.silben);
        if (sets.vollstaendig()) {
            m_silbe1 = sets.farbe1;
            m_silbe2 = sets.farbe2;
            m_motion->setFarben(std::move(farben));
        }
    }
    m_zeitmarke.start();
    m_frameCount = 0;
    m_repaintAll = true;
    startClock();
}

QRect GleitAnzeige::band() const
{
    return bandRect(width(), m_motion->zeileY(), *m_glyphs);
}

void GleitAnzeige::onTick(qint64)
{
    if (!m_motion || !isVisible())
        return;
    if (!m_motion->advance(m_placed)) {
        // The end of the text has been reached; this frame is not shown.
        close();
        return;
    }
    m_framesStarted = true;
    ++m_frameCount;
    if (m_zeitmarke.elapsed() > 1000) {
        setWindowTitle(QString::number(m_frameCount) + u" fps"_s);
        m_frameCount = 0;
        m_zeitmarke.restart();
    }
    if (m_repaintAll) {
        m_repaintAll = false;
        update();
    } else {
        update(band());
    }
}

void GleitAnzeige::composeInto(Surface &target, const QRect &area, QPoint origin) const
{
    HelpLine help{m_settings.helpFont, m_settings.letterColor, height()};
    composeFrame(target, area, *m_glyphs, m_placed, m_motion->zeileY(),
                 m_motion->hilfeAn() ? &help : nullptr, origin, {m_silbe1.get(), m_silbe2.get()});
}

void GleitAnzeige::paintEvent(QPaintEvent *event)
{
    if (!m_framesStarted || !m_motion) {
        QPainter(this).fillRect(event->rect(), Qt::black);
        return;
    }
    paintComposed(event, [this](Surface &target, const QRect &area, QPoint origin) {
        composeInto(target, area, origin);
    });
}

void GleitAnzeige::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_F1 || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        if (m_motion)
            apply(m_motion->keyDown(key));
        return;
    }

    QChar ch;
    if (key == Qt::Key_Escape)
        ch = QChar(27);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        ch = u'\r';
    else if (!event->text().isEmpty())
        ch = event->text().at(0);
    else
        return QWidget::keyPressEvent(event);

    m_zeitmarke.restart();
    if (m_motion) {
        apply(m_motion->keyPress(ch, m_settings.neueUebung));
    } else if (ch == QChar(27) || ch == u's' || ch == u'S') {
        // Before the letters exist (or when they could not be made) only closing works.
        close();
    }
}

void GleitAnzeige::apply(KeyEffect effect)
{
    switch (effect) {
    case KeyEffect::None:
        return;
    case KeyEffect::Close:
        close();
        return;
    case KeyEffect::CloseResetCursor:
        stopClock();
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        close();
        return;
    case KeyEffect::TogglePause:
        m_paused = !m_paused;
        if (m_paused)
            stopClock();
        else if (m_motion)
            startClock();
        return;
    case KeyEffect::HelpToggled:
        // At once: the screen in the background colour, with the help line when it is
        // now on; the next frame brings the letters back.
        m_placed.clear();
        m_framesStarted = true;
        m_repaintAll = true;
        update();
        return;
    case KeyEffect::MarkWord: {
        const MarkedWord marked = m_motion->markWord();
        // Blanks only at the right edge: there is no word to record.
        if (!marked.word.isEmpty())
            emit wordMarked(marked.word, marked.selectionStart, marked.selectionLength);
        return;
    }
    }
}

void GleitAnzeige::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_motion && m_glyphs) {
        m_motion->resize(width(), height(), m_glyphs->height());
        m_zeitmarke.restart();
        m_repaintAll = true;
        update();
    }
}

} // namespace display
