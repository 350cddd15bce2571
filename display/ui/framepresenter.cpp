#include "display/ui/framepresenter.h"

namespace display {
FramePresenter::~FramePresenter() = default;
} // namespace display

#if LAUFBAHN_HAVE_XCB_PRESENT

#include "display/ui/xpresent.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <vector>

namespace display {

namespace {

// Pictures are X pixmaps of the window's depth, filled by PutImage; PresentPixmap
// copies one into the window at the refresh asked for, and the server's completion
// event names the refresh it happened at.
class XPresenter final : public FramePresenter, public QAbstractNativeEventFilter {
public:
    XPresenter(xcb_connection_t *connection, xcb_window_t window, uint8_t depth, uint8_t opcode)
        : m_connection(connection), m_window(window), m_depth(depth), m_opcode(opcode),
          m_eventId(xcb_generate_id(connection)), m_gc(xcb_generate_id(connection))
    {
        xcb_create_gc(m_connection, m_gc, m_window, 0, nullptr);
        xcb_present_select_input(m_connection, m_eventId, m_window,
                                 XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
        xcb_flush(m_connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~XPresenter() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        xcb_present_select_input(m_connection, m_eventId, m_window, 0);
        // A pixmap still waiting to be shown is kept by the server until it has been.
        for (xcb_pixmap_t pixmap : m_pixmaps)
            xcb_free_pixmap(m_connection, pixmap);
        xcb_free_gc(m_connection, m_gc);
        xcb_flush(m_connection);
    }

    int upload(const QImage &picture) override
    {
        const QImage image = picture.format() == QImage::Format_RGB32 ||
                                     picture.format() == QImage::Format_ARGB32_Premultiplied
                                 ? picture
                                 : picture.convertToFormat(QImage::Format_RGB32);
        if (image.isNull() || image.width() > 0x7FFF || image.height() > 0x7FFF)
            return -1;
        const xcb_pixmap_t pixmap = xcb_generate_id(m_connection);
        xcb_void_cookie_t made =
            xcb_create_pixmap_checked(m_connection, m_depth, pixmap, m_window,
                                      uint16_t(image.width()), uint16_t(image.height()));
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, made)) {
            std::free(error);
            return -1;
        }
        // A request may not exceed the server's limit; a picture of a large screen
        // goes in bands of rows.
        const uint32_t rowBytes = uint32_t(image.bytesPerLine());
        const uint64_t limit = uint64_t(xcb_get_maximum_request_length(m_connection)) * 4;
        const uint64_t wanted = std::min<uint64_t>(limit > 64 ? limit - 64 : 0, 4u << 20);
        const int rowsPerRequest = int(std::max<uint64_t>(1, wanted / rowBytes));
        for (int y = 0; y < image.height(); y += rowsPerRequest) {
            const int rows = std::min(rowsPerRequest, image.height() - y);
            xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, m_gc,
                          uint16_t(image.width()), uint16_t(rows), 0, int16_t(y), 0, m_depth,
                          rowBytes * uint32_t(rows), image.constScanLine(y));
        }
        xcb_flush(m_connection);
        m_pixmaps.push_back(pixmap);
        return int(m_pixmaps.size()) - 1;
    }

    quint32 present(int id, qint64 refresh) override
    {
        if (id < 0 || id >= int(m_pixmaps.size()))
            return 0;
        const quint32 serial = ++m_serial;
        xcb_present_pixmap(m_connection, m_window, m_pixmaps[size_t(id)], serial, 0, 0, 0, 0, 0, 0,
                           0, XCB_PRESENT_OPTION_NONE, uint64_t(std::max<qint64>(0, refresh)), 0, 0,
                           0, nullptr);
        xcb_flush(m_connection);
        return serial;
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const auto *complete = xpresent::completeNotify(eventType, message, m_opcode, m_eventId);
        if (!complete || complete->kind != XCB_PRESENT_COMPLETE_KIND_PIXMAP)
            return false;
        emit shown(complete->serial, qint64(complete->msc),
                   complete->mode == XCB_PRESENT_COMPLETE_MODE_SKIP);
        return true;
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    uint8_t m_depth;
    uint8_t m_opcode;
    uint32_t m_eventId;
    xcb_gcontext_t m_gc;
    quint32 m_serial = 0;
    std::vector<xcb_pixmap_t> m_pixmaps;
};

// Whether the server keeps pixels of `depth` as 32 bits, least significant byte first,
// as the pictures are laid out on this machine.
bool pixelsAsOurs(xcb_connection_t *connection, uint8_t depth)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
    }
    return false;
}

} // namespace

std::unique_ptr<FramePresenter> FramePresenter::create(QWindow *window)
{
    const QString wanted = qEnvironmentVariable("LAUFBAHN_FRAME_CLOCK");
    if (!wanted.isEmpty() && wanted != QLatin1String("present"))
        return nullptr;
    xcb_connection_t *connection = xpresent::connectionOf(window);
    uint8_t opcode = 0;
    if (!connection || !xpresent::available(connection, &opcode))
        return nullptr;
    const auto id = xcb_window_t(window->winId());
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (!geometry)
        return nullptr;
    const uint8_t depth = geometry->depth;
    std::free(geometry);
    if ((depth != 24 && depth != 32) || !pixelsAsOurs(connection, depth))
        return nullptr;
    return std::make_unique<XPresenter>(connection, id, depth, opcode);
}

} // namespace display

#else

namespace display {

std::unique_ptr<FramePresenter> FramePresenter::create(QWindow *)
{
    return nullptr;
}

} // namespace display

#endif
