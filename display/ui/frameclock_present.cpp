#include "display/ui/frameclock.h"

#if LAUFBAHN_HAVE_XCB_PRESENT

#include "display/ui/xpresent.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace display {

namespace {

// Asks the X server to report each refresh of the window's screen: PresentNotifyMSC
// for the refresh after the one just reported. The server answers with a completion
// event at that refresh, which arrives through Qt's connection as a native event.
class PresentClock final : public FrameClock, public QAbstractNativeEventFilter {
public:
    PresentClock(xcb_connection_t *connection, xcb_window_t window, uint8_t opcode)
        : m_connection(connection), m_window(window), m_opcode(opcode),
          m_eventId(xcb_generate_id(connection))
    {
        xcb_present_select_input(m_connection, m_eventId, m_window,
                                 XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
        xcb_flush(m_connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~PresentClock() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        // Ends the event selection; a notification still on its way is then dropped.
        xcb_present_select_input(m_connection, m_eventId, m_window, 0);
        xcb_flush(m_connection);
    }

    void start() override
    {
        if (isActive())
            return;
        setActive(true);
        // Target 0 lies in the past, so the server answers at once with the current
        // refresh count, and the beat starts from there.
        if (!m_pending)
            request(0);
    }

    void stop() override { setActive(false); }

    QString backend() const override { return u"present"_s; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const auto *complete = xpresent::completeNotify(eventType, message, m_opcode, m_eventId);
        if (!complete || complete->kind != XCB_PRESENT_COMPLETE_KIND_NOTIFY_MSC)
            return false;
        m_pending = false;
        if (isActive()) {
            // Ask for the next refresh first, so that the time the display spends on
            // the frame does not push the request past it.
            request(complete->msc + 1);
            deliver(qint64(complete->msc));
        }
        return true;
    }

private:
    void request(uint64_t msc)
    {
        xcb_present_notify_msc(m_connection, m_window, ++m_serial, msc, 0, 0);
        xcb_flush(m_connection);
        m_pending = true;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    uint8_t m_opcode;
    uint32_t m_eventId;
    uint32_t m_serial = 0;
    bool m_pending = false;
};

} // namespace

std::unique_ptr<FrameClock> detail::createPresentClock(QWindow *window)
{
    xcb_connection_t *connection = xpresent::connectionOf(window);
    uint8_t opcode = 0;
    if (!connection || !xpresent::available(connection, &opcode))
        return nullptr;
    return std::make_unique<PresentClock>(connection, xcb_window_t(window->winId()), opcode);
}

} // namespace display

#else

namespace display {

std::unique_ptr<FrameClock> detail::createPresentClock(QWindow *)
{
    return nullptr;
}

} // namespace display

#endif
