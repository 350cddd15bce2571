#pragma once
// What the display windows share: shown modally on their owner's screen until they
// close, beaten by a frame clock, and painted by composing straight into the
// window's backing store.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QEventLoop;

namespace display {

class FrameClock;
class Surface;

class DisplayWindow : public QWidget {
    Q_OBJECT
public:
    ~DisplayWindow() override;

    // Shows the window on its owner's screen and returns when it has closed.
    int exec();

    // Made when the display first starts its clock.
    FrameClock *frameClock() const { return m_clock.get(); }

signals:
    // A frame has been painted (the window system shows it next).
    void frameShown();

protected:
    enum class Showing { FullScreen, Maximized };
    DisplayWindow(Showing showing, QWidget *parent);

    // Starts the frame clock (made on first use); every tick goes to onTick().
    void startClock();
    void stopClock();
    // For a window about to lose its native window: the clock is made anew next time.
    void discardClock();
    virtual void onTick(qint64 refresh) = 0;

    // Where the areas of a paint event are composed: `target` is the window's picture,
    // its pixel `origin` the window's top-left; nothing outside `area` may be touched.
    using Compose = std::function<void(Surface &target, const QRect &area, QPoint origin)>;
    // Composes the event's areas straight into the backing store when the painter draws
    // into a plain image at the window's own scale (no copy of the frame in between),
    // else into a buffer of the window's size that is then drawn.
    void paintComposed(QPaintEvent *event, const Compose &compose);

    // Stops the clock and ends exec(); a subclass that overrides it calls it.
    void closeEvent(QCloseEvent *event) override;

private:
    const Showing m_showing;
    std::unique_ptr<FrameClock> m_clock;
    std::unique_ptr<Surface> m_buffer;
    QPointer<QEventLoop> m_loop;
};

} // namespace display
