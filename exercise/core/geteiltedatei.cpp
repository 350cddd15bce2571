#include "exercise/core/geteiltedatei.h"

#include "exercise/core/fileio.h"
#include "exercise/core/filelock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>
#include <algorithm>
#include <thread>

using namespace Qt::StringLiterals;

namespace geteilt {
namespace {

// Far longer than any write takes: a lock file this old was left by a copy on another
// computer that ended while writing. (One on this computer is taken over as soon as its
// program has ended.)
constexpr int staleLockMs = 30000;

bool takesNewFiles(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(u".laufbahn-XXXXXX"_s));
    return probe.open();
}

enum class LockFile { Held, Busy, CannotBeMade, InTheWay };

// Waits for the lock file with short pauses: a record is written in milliseconds, and
// QLockFile's own waiting starts with a tenth of a second.
LockFile takeLockFile(QLockFile &lock, const QString &lockPath, const QDeadlineTimer &deadline)
{
    std::chrono::milliseconds pause(1);
    for (bool first = true; !lock.tryLock(0); first = false) {
        if (lock.error() != QLockFile::LockFailedError)
            return LockFile::CannotBeMade;
        const QFileInfo info(lockPath);
        if (first) {
            // In a folder that takes no new file no copy can make a lock file: one found
            // there was left before, and the files themselves are the lock.
            if (!takesNewFiles(info.absolutePath()))
                return LockFile::CannotBeMade;
            // A folder of that name is no lock, and waiting would not remove it.
            if (info.exists() && !info.isFile())
                return LockFile::InTheWay;
        }
        if (deadline.hasExpired()) {
            // A lock left for longer than a stale one stays only when it could not be
            // taken over.
            const QDateTime changed = info.lastModified();
            return changed.isValid() && changed.msecsTo(QDateTime::currentDateTime()) > staleLockMs
                       ? LockFile::InTheWay
                       : LockFile::Busy;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    return LockFile::Held;
}

// Every lock of one write, taken in one order by every copy (lock file, record, the file
// written) and held until the write is done.
class Sperre {
public:
    Sperre(const QString &recordPfad, const QString &pfad, std::chrono::milliseconds wait)
    {
        const QDeadlineTimer frist(wait);
        const QString lockPfad = recordPfad + u".lock"_s;
        m_lock.emplace(lockPfad);
        m_lock->setStaleLockTime(staleLockMs);
        switch (takeLockFile(*m_lock, lockPfad, frist)) {
        case LockFile::Held:
            lockDatei = true;
            break;
        case LockFile::Busy:
            fehler = {IoError::Locked};
            return;
        case LockFile::InTheWay:
            fehler = {IoError::LockInTheWay, lockPfad};
            return;
        case LockFile::CannotBeMade:
            m_lock.reset();
            break;
        }
        bool gesperrt = false;
        bool ohneSperren = false;
        const auto sperren = [&](const QString &dateiPfad, QFile &file) {
            // A file yet to be made has nothing to lock; the lock file stands for it.
            if (!QFileInfo::exists(dateiPfad))
                return true;
            const filelock::Opened opened = filelock::openLocked(
                dateiPfad, std::chrono::ceil<std::chrono::milliseconds>(
                               frist.remainingTimeAsDuration()));
            if (opened.state == filelock::Opened::Busy)
                return false;
            if (opened.state == filelock::Opened::Locked)
                gesperrt = file.open(opened.fd, QIODevice::ReadWrite | QIODevice::Unbuffered,
                                     QFileDevice::AutoCloseHandle);
            ohneSperren = ohneSperren || opened.state == filelock::Opened::NoLocks;
            return true;
        };
        const bool eineDatei = QFileInfo(recordPfad) == QFileInfo(pfad);
        if (!sperren(recordPfad, eineDatei ? datei : m_record) ||
            (!eineDatei && !sperren(pfad, datei))) {
            fehler = {IoError::Locked};
            return;
        }
        // Without any lock two copies could write at once and lose each other's work; a
        // file that cannot be opened fails with its own error when it is written.
        if (!lockDatei && !gesperrt && ohneSperren)
            fehler = {IoError::NoFileLock, QFileInfo(pfad).absolutePath()};
    }

    // Nothing, or why the write must not go on.
    IoError fehler;
    // The lock file is held: the folder takes new files.
    bool lockDatei = false;
    // The file written, open for reading and writing, when it exists and could be locked.
    QFile datei;

private:
    std::optional<QLockFile> m_lock;
    QFile m_record;
};

IoError oeffnungsfehler(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.absoluteDir().exists())
        return {IoError::PathNotFound};
    if (!info.exists())
        return {IoError::FileNotFound};
    return {IoError::AccessDenied};
}

} // namespace

Fingerprint Fingerprint::of(QByteArrayView bytes)
{
    return {bytes.size(), qHash(bytes)};
}

GeteilteDatei::GeteilteDatei(QString pfad, QString recordPfad, qint64 groesste)
    : m_pfad(std::move(pfad)), m_recordPfad(std::move(recordPfad)), m_groesste(groesste)
{
}

Geschrieben GeteilteDatei::schreiben(const Schritte &schritte, WriteResult &result)
{
    Sperre sperre(m_recordPfad, m_pfad, m_lockWait);
    if (sperre.fehler.failed()) {
        result.io = sperre.fehler;
        return Geschrieben::Nicht;
    }
    if (!sperre.lockDatei && schritte.anhang) {
        // Rewritten in place, a copy killed halfway would leave the file garbled.
        if (!sperre.datei.isOpen()) {
            result.io = oeffnungsfehler(m_pfad);
            return Geschrieben::Nicht;
        }
        Fingerprint danach;
        const auto tail = [&](QByteArrayView current) {
            const QByteArray mehr = schritte.anhang(current);
            danach = Fingerprint::of(QByteArray(current.toByteArray() + mehr));
            return mehr;
        };
        if (result = appendInPlace(sperre.datei, m_pfad, tail); !result.ok())
            return Geschrieben::Nicht;
        m_aufPlatte = danach;
        return Geschrieben::Angehaengt;
    }
    IoError lesefehler;
    std::optional<QByteArray> aufPlatte = readWholeFile(m_pfad, &lesefehler, m_groesste);
    if (!aufPlatte && lesefehler.code != IoError::FileNotFound &&
        !(m_groesste >= 0 && lesefehler.code == IoError::TooLarge)) {
        // Without knowing what is on disk, writing could wipe out another copy's work.
        result.io = lesefehler;
        return Geschrieben::Nicht;
    }
    if (aufPlatte && Fingerprint::of(*aufPlatte) != m_aufPlatte)
        schritte.nachtragen(*aufPlatte);
    aufPlatte.reset();
    const std::optional<QByteArray> bytes = schritte.inhalt(result);
    if (!bytes)
        return Geschrieben::Nicht;
    if (result = writeFileAtomically(m_pfad, *bytes); !result.ok())
        return Geschrieben::Nicht;
    m_aufPlatte = Fingerprint::of(*bytes);
    return Geschrieben::Ganz;
}

} // namespace geteilt
