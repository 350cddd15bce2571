#pragma once
// A lock on a file itself, which every program writing a pupil's files takes, also where
// no lock file can be made beside it. Only programs that open the file through
// `openLocked` wait for each other; the lock lasts until the returned descriptor is closed.

#include <QString>
#include <chrono>

namespace filelock {

struct Opened {
    enum State {
        Locked,
        // The file could not be opened for reading and writing, or is no regular file.
        OpenFailed,
        // Another program held the lock longer than `wait`.
        Busy,
        // The file system offers no such lock.
        NoLocks,
    };
    State state = OpenFailed;
    // A C library file descriptor (for QFile::open), valid when `state` is Locked.
    int fd = -1;
};

// Opens an existing regular file for reading and writing and locks it, waiting at most
// `wait` for another program's lock. A program that replaced the file by a new one while
// this one waited held the old one's lock until then: the lock is only kept when the path
// still names the file locked, else the file now there is opened and locked in its turn.
// A pipe or a device is never opened so that it could block.
Opened openLocked(const QString &path, std::chrono::milliseconds wait);

} // namespace filelock
