#pragma once
// The beat of the full-screen displays: one tick per refresh of the screen, whatever
// the platform offers to learn of it, and never a loop that spins.

#include <QObject>
#include <QString>
#include <memory>

class QWindow;

namespace display {

class FrameClock : public QObject {
    Q_OBJECT
public:
    // The clock for the platform `window` runs on: the X Present extension's refresh
    // counter on X11, the compositor's frame callbacks on Wayland, elsewhere a timer
    // on the screen's refresh period. The environment variable LAUFBAHN_FRAME_CLOCK
    // ("present", "update", "timer") picks one for trying them out.
    static std::unique_ptr<FrameClock> create(QWindow *window);
    // The timer clock, on any platform.
    static std::unique_ptr<FrameClock> createTimer(QWindow *window);

    ~FrameClock() override;

    virtual void start() = 0;
    virtual void stop() = 0;
    bool isActive() const { return m_active; }
    // "present", "update" or "timer".
    virtual QString backend() const = 0;

    // Refreshes that passed without a tick since the clock last started.
    qint64 missedRefreshes() const { return m_missed; }

signals:
    // Once per refresh. `refresh` counts the screen's refreshes; a step of more than
    // one from the tick before means refreshes were missed.
    void tick(qint64 refresh);

protected:
    explicit FrameClock(QObject *parent = nullptr) : QObject(parent) {}
    void setActive(bool active);
    void deliver(qint64 refresh);

private:
    bool m_active = false;
    qint64 m_lastRefresh = -1;
    qint64 m_missed = 0;
};

namespace detail {
// The Present clock, or null when the platform is not X11 or the server lacks the
// extension.
std::unique_ptr<FrameClock> createPresentClock(QWindow *window);
} // namespace detail

} // namespace display
