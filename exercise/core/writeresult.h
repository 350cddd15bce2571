#pragma once
// What a write of a file tells the caller: a file error, or the characters Windows-1252
// cannot store (then nothing was written). Every writer returns one; the windows turn it
// into their German message in one place (showWriteError).

#include "exercise/core/fileio.h"

#include <QString>

struct WriteResult {
    IoError io;
    QString unencodable;
    bool ok() const { return !io.failed() && unencodable.isEmpty(); }
};
