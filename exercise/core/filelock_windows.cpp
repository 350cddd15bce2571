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
namespace {

HANDLE openShared(const QString &path, DWORD access)
{
    return CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool namesFile(const QString &path, HANDLE locked)
{
    const HANDLE named = openShared(path, 0);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    const bool same = GetFileInformationByHandle(locked, &a) &&
                      GetFileInformationByHandle(named, &b) &&
                      a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
                      a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(named);
    return same;
}

} // namespace

// Windows locks bar reading and writing the locked bytes to every other handle, so the
// lock covers one byte far beyond any record's end: a program that only reads the file
// is never kept from it.
Opened openLocked(const QString &path, std::chrono::milliseconds wait)
{
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    for (;;) {
        const HANDLE handle = openShared(path, GENERIC_READ | GENERIC_WRITE);
        if (handle == INVALID_HANDLE_VALUE)
            return {Opened::OpenFailed, -1};
        if (GetFileType(handle) != FILE_TYPE_DISK) {
            CloseHandle(handle);
            return {Opened::OpenFailed, -1};
        }
        DWORD reason = ERROR_SUCCESS;
        for (;;) {
            OVERLAPPED at{};
            at.Offset = 0xFFFFFFFE;
            at.OffsetHigh = 0x7FFFFFFF;
            if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &at)) {
                reason = ERROR_SUCCESS;
                break;
            }
            reason = GetLastError();
            if (reason != ERROR_LOCK_VIOLATION || deadline.hasExpired())
                break;
            std::this_thread::sleep_for(
                std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
            pause = std::min(pause * 2, std::chrono::milliseconds(16));
        }
        if (reason != ERROR_SUCCESS) {
            CloseHandle(handle);
            return {reason == ERROR_LOCK_VIOLATION ? Opened::Busy : Opened::NoLocks, -1};
        }
        if (!namesFile(path, handle)) {
            // Replaced while this program waited: the new file is the one to lock.
            CloseHandle(handle);
            if (deadline.hasExpired())
                return {Opened::Busy, -1};
            continue;
        }
        // The lock ends with the handle, which the descriptor now owns.
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
        if (fd < 0) {
            CloseHandle(handle);
            return {Opened::OpenFailed, -1};
        }
        return {Opened::Locked, fd};
    }
}

} // namespace filelock
