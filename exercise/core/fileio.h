#pragma once
// Whole-file reads and atomic writes, with the German run-time error texts the
// program shows in its standard error box.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

class QFile;
class QFileDevice;

struct IoError {
    // The run-time error numbers the messages are made from.
    enum Code : int {
        None = 0,
        FileNotFound = 2,
        TooLarge = 8,
        PathNotFound = 3,
        AccessDenied = 5,
        // Another program holds the file's lock longer than a write may wait.
        Locked = 32,
        // Something that is no live lock stands where the lock file `path` belongs and
        // cannot be removed.
        LockInTheWay = 33,
        // The folder `path` takes no new file and its file system locks no file either.
        NoFileLock = 50,
        // The folder `path` takes no new file, so its files can only be appended to.
        AppendOnly = 82,
        ReadPastEnd = 100,
        WriteFailed = 101,
        // The disk holding the folder `path` is full.
        DiskFull = 112,
    };
    int code = None;
    // The file or folder a message names, where it names one.
    QString path = {};

    bool failed() const { return code != None; }
    // "Datei nicht gefunden", "Dateizugriff verweigert", "Die Datei ist zu groß",
    // "Versuch hinter dem Dateiende zu lesen",
    // "Datei wird von einem anderen Programm benutzt", a sentence naming `path` and what
    // the user can do, or "E/A-Fehler <n>".
    QString message() const;
};

// What a write of a file tells the caller: a file error, or the characters Windows-1252
// cannot store (then nothing was written). Every writer returns one; the windows turn it
// into their German message in one place (showWriteError).
struct WriteResult {
    IoError io;
    QString unencodable;
    bool ok() const { return !io.failed() && unencodable.isEmpty(); }
};

// Reads the whole file. A missing file, a missing folder and a file that may not be
// read each give their own code. A file of more than `sizeLimit` bytes (when given) is
// refused with TooLarge without being read.
std::optional<QByteArray> readWholeFile(const QString &path, IoError *error, qint64 sizeLimit = -1);

// Reads at most the first `maxBytes` bytes, for records of a fixed size that must not
// pull a huge file into memory.
std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes, IoError *error);

// Writes the whole file through a temporary file that replaces the old one only when
// everything was written: an interrupted or failed write leaves the old file whole.
// Where the folder takes no new file but the file itself may be written, the file is
// written in place; a failed write then puts the old bytes back. A write-protected file,
// and anything that is not a regular file (after following links: a folder, a device, a
// pipe, a dangling link), is "Dateizugriff verweigert" and stays as it is.
[[nodiscard]] WriteResult writeFileAtomically(const QString &path, QByteArrayView bytes);

// Appends to `file` in place, for a folder that takes no new file: `file` is open for
// reading and writing and locked (`filelock`) by the caller. `tail` gets the file's bytes
// as they stand under the lock and gives what to append. Nothing already in the file is
// ever written over: an interrupted write leaves it whole, and a failed one cuts the file
// back to it.
[[nodiscard]] WriteResult
appendInPlace(QFile &file, const QString &path,
              const std::function<QByteArray(QByteArrayView current)> &tail);

// The error code for a failed open, read or commit of `file` at `path`.
IoError ioErrorFor(const QFileDevice &file, const QString &path);
