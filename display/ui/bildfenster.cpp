#include "display/ui/bildfenster.h"

#include <QPaintEvent>
#include <QRegion>

namespace display {

BildFenster::BildFenster(const QColor &background, QWidget *parent)
    : DisplayWindow(Showing::FullScreen, parent),
      m_bild(AlternativZeile::kBreite, AlternativZeile::kHoehe),
      m_background(Surface::colorMatch(background))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    // The picture starts in the background colour.
    m_bild.fill(m_background);
}

QRect BildFenster::onScreen(const QRect &rows) const
{
    const int f = m_skalierung.faktor;
    return QRect(m_skalierung.bild.topLeft() + rows.topLeft() * f, rows.size() * f);
}

void BildFenster::zeigen(const QRect &rows)
{
    // Painted and handed to the window system at once, in the refresh just begun.
    repaint(onScreen(rows));
}

void BildFenster::paintEvent(QPaintEvent *event)
{
    paintComposed(event, [this](Surface &target, const QRect &area, QPoint origin) {
        const QRect bild = m_skalierung.bild;
        for (const QRect &border : QRegion(area).subtracted(bild))
            target.fillRect(border.translated(origin), m_background);
        target.drawScaled(origin.x() + bild.x(), origin.y() + bild.y(), m_bild, m_bild.rect(),
                          m_skalierung.faktor, area.translated(origin));
    });
}

void BildFenster::resizeEvent(QResizeEvent *event)
{
    DisplayWindow::resizeEvent(event);
    m_skalierung = AlternativZeile::skalierungFuer(size());
    update();
}

} // namespace display
