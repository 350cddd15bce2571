#pragma once
// The X Present extension as the display windows use it, over Qt's own connection to
// the server. Included only where the extension's headers are there.

#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <xcb/present.h>
#include <xcb/xcb.h>

namespace display::xpresent {

// Qt's connection when the program runs on X11, else null.
inline xcb_connection_t *connectionOf(QWindow *window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Whether the server has the extension; its major opcode goes to `opcode`.
inline bool available(xcb_connection_t *connection, uint8_t *opcode)
{
    const xcb_query_extension_reply_t *extension =
        xcb_get_extension_data(connection, &xcb_present_id);
    if (!extension || !extension->present)
        return false;
    xcb_present_query_version_reply_t *version = xcb_present_query_version_reply(
        connection,
        xcb_present_query_version(connection, XCB_PRESENT_MAJOR_VERSION, XCB_PRESENT_MINOR_VERSION),
        nullptr);
    if (!version)
        return false;
    std::free(version);
    *opcode = extension->major_opcode;
    return true;
}

// The completion event of the extension that `eventType`/`message` carry, for the
// event selection `eventId`; null for any other event.
inline const xcb_present_complete_notify_event_t *
completeNotify(const QByteArray &eventType, void *message, uint8_t opcode, uint32_t eventId)
{
    if (eventType != "xcb_generic_event_t")
        return nullptr;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_GE_GENERIC)
        return nullptr;
    auto *generic = reinterpret_cast<xcb_ge_generic_event_t *>(event);
    if (generic->extension != opcode || generic->event_type != XCB_PRESENT_EVENT_COMPLETE_NOTIFY)
        return nullptr;
    auto *complete = reinterpret_cast<xcb_present_complete_notify_event_t *>(event);
    return complete->event == eventId ? complete : nullptr;
}

} // namespace display::xpresent
