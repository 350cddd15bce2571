#include "display/ui/frameclock.h"

#include "display/core/refreshschedule.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace display {

FrameClock::~FrameClock() = default;

void FrameClock::setActive(bool active)
{
    if (active && !m_active)
        m_lastRefresh = -1; // a pause is not a miss
    m_active = active;
}

void FrameClock::deliver(qint64 refresh)
{
    if (m_lastRefresh >= 0 && refresh > m_lastRefresh + 1)
        m_missed += refresh - m_lastRefresh - 1;
    m_lastRefresh = refresh;
    emit tick(refresh);
}

namespace {

qint64 periodOf(QWindow *window)
{
    QScreen *screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return refreshPeriodNs(screen ? screen->refreshRate() : 0.0);
}

// Wakes on a grid of the screen's refresh period. A timer of a fixed 16 ms against
// a 60 Hz screen drifts a whole frame every 0.4 s and the line visibly stutters; the
// grid keeps the mean rate exactly the screen's.
class TimerClock final : public FrameClock {
public:
    explicit TimerClock(QWindow *window) : m_window(window)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &TimerClock::wake);
    }

    void start() override
    {
        if (isActive())
            return;
        setActive(true);
        m_period = periodOf(m_window);
        m_clock.start();
        m_origin = m_clock.nsecsElapsed();
        m_lastWake = 0;
        schedule();
    }

    void stop() override
    {
        setActive(false);
        m_timer.stop();
    }

    QString backend() const override { return u"timer"_s; }

private:
    void schedule()
    {
        const qint64 now = m_clock.nsecsElapsed();
        const RefreshSlot next = nextRefresh(m_origin, m_period, now);
        m_timer.start(timerIntervalMs(next.deadlineNs, now));
    }

    void wake()
    {
        if (!isActive())
            return;
        const qint64 refresh = refreshAt(m_origin, m_period, m_clock.nsecsElapsed());
        if (refresh > m_lastWake) {
            m_lastWake = refresh;
            deliver(refresh);
        }
        if (isActive())
            schedule();
    }

    QWindow *m_window;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_origin = 0;
    qint64 m_period = 0;
    qint64 m_lastWake = 0;
};

// On Wayland the compositor's frame callbacks pace update requests of a window.
class UpdateRequestClock final : public FrameClock {
public:
    explicit UpdateRequestClock(QWindow *window) : m_window(window)
    {
        m_window->installEventFilter(this);
    }

    void start() override
    {
        if (isActive())
            return;
        setActive(true);
        m_period = periodOf(m_window);
        m_clock.start();
        m_window->requestUpdate();
    }

    void stop() override { setActive(false); }

    QString backend() const override { return u"update"_s; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::UpdateRequest && isActive()) {
            // The compositor gives no count of refreshes; the time since the start
            // in periods shows the ones that were missed.
            const qint64 elapsed = m_clock.nsecsElapsed();
            deliver((elapsed + m_period / 2) / m_period);
            if (isActive())
                m_window->requestUpdate();
        }
        return false;
    }

private:
    QWindow *m_window;
    QElapsedTimer m_clock;
    qint64 m_period = 0;
};

} // namespace

std::unique_ptr<FrameClock> FrameClock::createTimer(QWindow *window)
{
    return std::make_unique<TimerClock>(window);
}

std::unique_ptr<FrameClock> FrameClock::create(QWindow *window)
{
    const QString wanted = qEnvironmentVariable("LAUFBAHN_FRAME_CLOCK");
    const QString platform = QGuiApplication::platformName();
    if (wanted == u"timer")
        return createTimer(window);
    if (wanted == u"update" || (wanted.isEmpty() && platform.startsWith(u"wayland")))
        return std::make_unique<UpdateRequestClock>(window);
    if (wanted.isEmpty() || wanted == u"present") {
        if (auto present = detail::createPresentClock(window))
            return present;
    }
    return createTimer(window);
}

} // namespace display
