#include "exercise/core/filelock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace filelock {

// flock() rather than fcntl(): its lock belongs to this descriptor alone, so closing
// another descriptor of the same file (a plain read elsewhere in the program) keeps it.
Opened openLocked(const QString &path, std::chrono::milliseconds wait)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return {Opened::OpenFailed, -1};
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        if (reason == EINTR)
            continue;
        if (reason != EWOULDBLOCK || deadline.hasExpired()) {
            ::close(fd);
            return {reason == EWOULDBLOCK ? Opened::Busy : Opened::NoLocks, -1};
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    return {Opened::Locked, fd};
}

} // namespace filelock
