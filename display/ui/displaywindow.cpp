#include "display/ui/displaywindow.h"

#include "display/core/surface.h"
#include "display/ui/frameclock.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace display {

DisplayWindow::DisplayWindow(Showing showing, QWidget *parent)
    : QWidget(parent, Qt::Window), m_showing(showing)
{
}

DisplayWindow::~DisplayWindow() = default;

int DisplayWindow::exec()
{
    QWidget *owner = parentWidget();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    setWindowModality(Qt::ApplicationModal);
    if (m_showing == Showing::FullScreen) {
        if (screen)
            setGeometry(screen->geometry());
        showFullScreen();
    } else {
        if (screen)
            setGeometry(screen->availableGeometry());
        showMaximized();
    }
    activateWindow();
    setFocus();
    if (isVisible()) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
    }
    return 0;
}

void DisplayWindow::startClock()
{
    if (!m_clock) {
        m_clock = FrameClock::create(windowHandle());
        connect(m_clock.get(), &FrameClock::tick, this, &DisplayWindow::onTick);
    }
    m_clock->start();
}

void DisplayWindow::stopClock()
{
    if (m_clock)
        m_clock->stop();
}

void DisplayWindow::discardClock()
{
    m_clock.reset();
}

void DisplayWindow::paintComposed(QPaintEvent *event, const Compose &compose)
{
    QPainter painter(this);
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    const QTransform transform = painter.deviceTransform();
    if (device && device->devType() == QInternal::Image &&
        transform.type() <= QTransform::TxTranslate) {
        auto *image = static_cast<QImage *>(device);
        if (image->isDetached() && image->devicePixelRatio() == 1.0 && Surface::canWrap(*image)) {
            Surface target = Surface::wrap(*image);
            const QPoint origin(qRound(transform.dx()), qRound(transform.dy()));
            for (const QRect &area : event->region())
                compose(target, area, origin);
            emit frameShown();
            return;
        }
    }

    if (!m_buffer || m_buffer->width() != width() || m_buffer->height() != height())
        m_buffer = std::make_unique<Surface>(width(), height());
    if (m_buffer->isNull())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect &area : event->region()) {
        compose(*m_buffer, area, QPoint());
        painter.drawImage(area.topLeft(), m_buffer->image(), area);
    }
    emit frameShown();
}

void DisplayWindow::closeEvent(QCloseEvent *event)
{
    stopClock();
    event->accept();
    if (m_loop)
        m_loop->quit();
}

} // namespace display
