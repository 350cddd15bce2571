#include "exercise/core/filelock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace filelock {
namespace {

// A regular file, opened without waiting for a writer of a pipe, and then blocking again
// as a file is.
int openRegular(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool namesFile(const QByteArray &path, int fd)
{
    struct stat opened{};
    struct stat named{};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

// flock() rather than fcntl(): its lock belongs to this descriptor alone, so closing
// another descriptor of the same file (a plain read elsewhere in the program) keeps it.
Opened openLocked(const QString &path, std::chrono::milliseconds wait)
{
    const QByteArray name = QFile::encodeName(path);
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    for (;;) {
        const int fd = openRegular(name);
        if (fd < 0)
            return {Opened::OpenFailed, -1};
        int reason = 0;
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                reason = 0;
                break;
            }
            reason = errno;
            if (reason == EINTR)
                continue;
            if (reason != EWOULDBLOCK || deadline.hasExpired())
                break;
            std::this_thread::sleep_for(
                std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
            pause = std::min(pause * 2, std::chrono::milliseconds(16));
        }
        if (reason != 0) {
            ::close(fd);
            return {reason == EWOULDBLOCK ? Opened::Busy : Opened::NoLocks, -1};
        }
        if (namesFile(name, fd))
            return {Opened::Locked, fd};
        // Replaced while this program waited: the new file is the one to lock.
        ::close(fd);
        if (deadline.hasExpired())
            return {Opened::Busy, -1};
    }
}

} // namespace filelock
