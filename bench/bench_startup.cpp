// Start-up of the program against a bare Qt main window: each is launched as a new
// process and timed until the X server maps its main window, seven times in turn; the
// figure is the median of the program over the median of the bare window.
//
//   laufbahn_bench startup [program]  the figures (needs X11, best with a window
//                                     manager); another build may be named
//   laufbahn_bench bare               the bare window: a menu bar and an editor,
//                                     809 x 606

#include "bench/bench_startup.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#if LAUFBAHN_BENCH_XCB
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QTextStream err(stderr);

#if LAUFBAHN_BENCH_XCB

constexpr int launches = 7;
constexpr int launchTimeoutMs = 20000;

// The start directory the program ships with, copied, so nothing a launch might write
// reaches the source tree.
bool copyStartDirectory(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

class XWatch {
public:
    XWatch() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_pidAtom = atom("_NET_WM_PID");
        m_wmCheckAtom = atom("_NET_SUPPORTING_WM_CHECK");
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~XWatch() { xcb_disconnect(m_connection); }
    XWatch(const XWatch &) = delete;
    XWatch &operator=(const XWatch &) = delete;

    bool ok() const { return !xcb_connection_has_error(m_connection); }

    // A window manager announces itself on the root window before it has made its own
    // windows; a window mapped in between may never be managed. Ready is announced and
    // then a quiet root window for a while.
    bool waitForWindowManager(int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            if (hasProperty(m_root, m_wmCheckAtom) && quietFor(300))
                return true;
            drain(50);
        }
        return false;
    }

    // Milliseconds from `started` until a window of process `pid` is mapped; none when
    // the process ends first or the time is up.
    std::optional<double> waitForMap(qint64 pid, const QElapsedTimer &started, int timeoutMs,
                                     const std::function<bool()> &running)
    {
        while (started.elapsed() < timeoutMs) {
            xcb_generic_event_t *event = nextEvent(50);
            if (!event) {
                if (!running())
                    return std::nullopt;
                continue;
            }
            std::optional<double> mapped;
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // A window manager puts each new window into a frame before it maps it,
                // so the map is reported to the window itself, not to the root.
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (!created->override_redirect && watchWindow(created->window) &&
                    belongsTo(created->window, pid))
                    mapped = started.nsecsElapsed() / 1e6;
            } else if (type == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect && belongsTo(map->window, pid))
                    mapped = started.nsecsElapsed() / 1e6;
            }
            std::free(event);
            if (mapped)
                return mapped;
        }
        return std::nullopt;
    }

    // The pointer goes to the screen's bottom right corner, away from both windows: a
    // window under it would load the pointer's shape for its editor and pay for it.
    void movePointerAside()
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        xcb_warp_pointer(m_connection, XCB_NONE, m_root, 0, 0, 0, 0,
                         int16_t(screen->width_in_pixels - 1),
                         int16_t(screen->height_in_pixels - 1));
        xcb_flush(m_connection);
    }

    // Whether no window appears or changes for `ms` milliseconds.
    bool quietFor(int ms)
    {
        if (xcb_generic_event_t *event = nextEvent(ms)) {
            std::free(event);
            return false;
        }
        return true;
    }

    void drain(int timeoutMs)
    {
        while (xcb_generic_event_t *event = nextEvent(timeoutMs)) {
            std::free(event);
            timeoutMs = 0;
        }
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return result;
    }

    bool hasProperty(xcb_window_t window, xcb_atom_t property)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, property, XCB_ATOM_ANY, 0, 1),
            nullptr);
        const bool found = reply && reply->type != XCB_ATOM_NONE;
        std::free(reply);
        return found;
    }

    bool belongsTo(xcb_window_t window, qint64 pid)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        const bool found = reply && xcb_get_property_value_length(reply) == 4 &&
                           *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == pid;
        std::free(reply);
        return found;
    }

    // Listens for the window's own map; true when it is already mapped (it was quicker
    // than this listener).
    bool watchWindow(xcb_window_t window)
    {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
        xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
        const bool mapped = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(reply);
        return mapped;
    }

    xcb_generic_event_t *nextEvent(int timeoutMs)
    {
        if (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            return event;
        pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        if (poll(&fd, 1, timeoutMs) <= 0)
            return nullptr;
        return xcb_poll_for_event(m_connection);
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    xcb_atom_t m_wmCheckAtom = XCB_ATOM_NONE;
};

// One launch until the main window is mapped, in milliseconds; the process is ended
// right after.
std::optional<double> launchToMap(XWatch &watch, const QString &program,
                                  const QStringList &arguments, const QString &folder)
{
    watch.drain(0);
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer started;
    started.start();
    process.start(program, arguments);
    if (!process.waitForStarted(launchTimeoutMs)) {
        err << "startup: " << program << " does not start: " << process.errorString() << Qt::endl;
        return std::nullopt;
    }
    const std::optional<double> ms =
        watch.waitForMap(process.processId(), started, launchTimeoutMs,
                         [&process] { return !process.waitForFinished(0); });
    if (!ms) {
        if (process.state() == QProcess::NotRunning)
            err << "startup: " << program << " ended (exit code " << process.exitCode()
                << ") before its window was mapped" << Qt::endl;
        else
            err << "startup: no window of " << program << " mapped within "
                << launchTimeoutMs / 1000 << " s" << Qt::endl;
    }
    process.kill();
    process.waitForFinished(launchTimeoutMs);
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

#endif

} // namespace

int runBareWindow()
{
    QMainWindow window;
    for (const QString &title : {u"&Datei"_s, u"&Schüler"_s, u"&Optionen"_s, u"&Extras"_s}) {
        QMenu *menu = window.menuBar()->addMenu(title);
        menu->addAction(u"Neu"_s);
        menu->addAction(u"Öffnen..."_s);
    }
    window.setCentralWidget(new QPlainTextEdit);
    window.resize(809, 606);
    window.show();
    return QApplication::exec();
}

int runStartup(const QString &benchProgram, const QString &program, Figure figure)
{
#if LAUFBAHN_BENCH_XCB
    XWatch watch;
    if (!watch.ok()) {
        err << "startup: no X server" << Qt::endl;
        return 1;
    }
    if (!watch.waitForWindowManager(5000))
        err << "startup: no window manager, the figures are measured without one" << Qt::endl;
    watch.movePointerAside();

    QTemporaryDir startDirectory;
    if (!startDirectory.isValid() ||
        !copyStartDirectory(QStringLiteral(LAUFBAHN_DATA_DIR), startDirectory.path())) {
        err << "startup: cannot make the start directory" << Qt::endl;
        return 1;
    }

    // The first launch of each reads the libraries from disk; it is not counted. The
    // two take turns at going first, so neither always finds the other's files cached.
    std::vector<double> laufbahn;
    std::vector<double> bare;
    for (int i = 0; i <= launches; ++i) {
        std::optional<double> b;
        std::optional<double> p;
        const auto launchBare = [&] {
            b = launchToMap(watch, benchProgram, {u"bare"_s}, startDirectory.path());
        };
        const auto launchProgram = [&] {
            p = launchToMap(watch, program, {u"--startverzeichnis"_s, startDirectory.path()},
                            startDirectory.path());
        };
        if (i % 2 == 0) {
            launchBare();
            if (b)
                launchProgram();
        } else {
            launchProgram();
            if (p)
                launchBare();
        }
        if (!b || !p)
            return 1;
        if (i > 0) {
            bare.push_back(*b);
            laufbahn.push_back(*p);
        }
    }
    figure("startup_bare_window_ms", median(bare));
    figure("startup_laufbahn_ms", median(laufbahn));
    figure("startup_ratio", median(laufbahn) / median(bare));
    return 0;
#else
    Q_UNUSED(benchProgram);
    Q_UNUSED(program);
    Q_UNUSED(figure);
    err << "startup: built without xcb" << Qt::endl;
    return 1;
#endif
}
