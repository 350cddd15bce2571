#include "exercise/core/filelock.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <thread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace filelock {

// Windows locks bar reading and writing the locked bytes to every other handle, so the
// lock covers one byte far beyond any record's end: a program that only reads the file
// is never kept from it.
Opened openLocked(const QString &path, std::chrono::milliseconds wait)
{
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {Opened::OpenFailed, -1};
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    for (;;) {
        OVERLAPPED at{};
        at.Offset = 0xFFFFFFFE;
        at.OffsetHigh = 0x7FFFFFFF;
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            break;
        const DWORD reason = GetLastError();
        if (reason != ERROR_LOCK_VIOLATION || deadline.hasExpired()) {
            CloseHandle(handle);
            return {reason == ERROR_LOCK_VIOLATION ? Opened::Busy : Opened::NoLocks, -1};
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    // The lock ends with the handle, which the descriptor now owns.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return {Opened::OpenFailed, -1};
    }
    return {Opened::Locked, fd};
}

} // namespace filelock
