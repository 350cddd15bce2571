#pragma once
// Hands whole pictures of a window to the window system to be shown at a refresh
// named in advance, so that the server, not the event loop, decides when a picture
// appears and how long it stays; it reports back the refresh each one really
// appeared at. Built on the X Present extension; elsewhere there is none.

#include <QObject>
#include <QtGlobal>
#include <memory>

class QImage;
class QWindow;

namespace display {

class FramePresenter : public QObject {
    Q_OBJECT
public:
    // None when the platform is not X11, the server lacks the extension, or its
    // pixels are not laid out as the pictures are (32 bits, least significant byte
    // first). The environment variable LAUFBAHN_FRAME_CLOCK set to anything but
    // "present" also gives none, so the fallback can be tried out.
    static std::unique_ptr<FramePresenter> create(QWindow *window);
    ~FramePresenter() override;

    // Copies a picture of the window's size in device pixels (an opaque 32-bit image)
    // to the server. Its number, or -1 when the server cannot hold it.
    virtual int upload(const QImage &picture) = 0;
    // Has picture `id` shown at the refresh counted `refresh`, or at the next one when
    // that has passed (0: as soon as possible). Returns the number the report carries.
    virtual quint32 present(int id, qint64 refresh) = 0;

signals:
    // What present() returned `presentation` for is on the screen since the refresh
    // `refresh`. `skipped`: it was never shown, replaced by another for the same refresh.
    void shown(quint32 presentation, qint64 refresh, bool skipped);

protected:
    FramePresenter() = default;
};

} // namespace display
