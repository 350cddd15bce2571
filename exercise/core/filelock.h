#pragma once
// A lock on a file itself, for a folder where no lock file can be made beside it.
// Only programs that open the file through `openLocked` wait for each other; the lock
// lasts until the returned descriptor is closed.

#include <QString>
#include <chrono>

namespace filelock {

struct Opened {
    enum State {
        Locked,
        // The file could not be opened for reading and writing.
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

// Opens an existing file for reading and writing and locks it, waiting at most `wait`
// for another program's lock.
Opened openLocked(const QString &path, std::chrono::milliseconds wait);

} // namespace filelock
