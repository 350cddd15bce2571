#include "exercise/core/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>

QString IoError::message() const
{
    switch (code) {
    case FileNotFound:
        return QStringLiteral("Datei nicht gefunden");
    case AccessDenied:
        return QStringLiteral("Dateizugriff verweigert");
    case TooLarge:
        return QStringLiteral("Die Datei ist zu groß");
    case ReadPastEnd:
        return QStringLiteral("Versuch hinter dem Dateiende zu lesen");
    case Locked:
        return QStringLiteral("Datei wird von einem anderen Programm benutzt");
    case DiskFull:
        return QStringLiteral("Der Datenträger mit dem Ordner „%1“ ist voll")
            .arg(QDir::toNativeSeparators(path));
    case LockInTheWay:
        return QStringLiteral("Die Sperrdatei „%1“ ist liegen geblieben oder ein Ordner und "
                              "lässt sich nicht entfernen. Bitte löschen oder verschieben Sie "
                              "sie; bis dahin bleiben die Änderungen im Programm erhalten.")
            .arg(QDir::toNativeSeparators(path));
    case NoFileLock:
        return QStringLiteral("Im Ordner „%1“ kann weder eine Sperrdatei angelegt noch die "
                              "Schülerdatei gesperrt werden, darum wird dort nichts gespeichert. "
                              "Bitte geben Sie den Ordner zum Schreiben frei; bis dahin bleiben "
                              "die Änderungen im Programm erhalten.")
            .arg(QDir::toNativeSeparators(path));
    case AppendOnly:
        return QStringLiteral("Im Ordner „%1“ können keine neuen Dateien angelegt werden, darum "
                              "lässt sich die Schülerdatei dort nur ergänzen, aber nicht "
                              "korrigieren. Die Korrektur bleibt im Programm erhalten und wird "
                              "gespeichert, sobald der Ordner wieder beschreibbar ist.")
            .arg(QDir::toNativeSeparators(path));
    default:
        return QStringLiteral("E/A-Fehler %1").arg(code);
    }
}

IoError ioErrorFor(const QFileDevice &file, const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return {IoError::PathNotFound};
    switch (file.error()) {
    case QFileDevice::NoError:
        return {};
    case QFileDevice::OpenError:
        // A failed open leaves no open mode behind; a file that was to be written
        // cannot be "not found": its folder refused it.
        if (!info.exists() && !qobject_cast<const QSaveFile *>(&file))
            return {IoError::FileNotFound};
        return {IoError::AccessDenied};
    case QFileDevice::PermissionsError:
        return {IoError::AccessDenied};
    case QFileDevice::ReadError:
        return info.exists() ? IoError{IoError::AccessDenied} : IoError{IoError::FileNotFound};
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError: {
        const QStorageInfo storage(info.absolutePath());
        if (storage.isValid() && storage.bytesAvailable() == 0)
            return {IoError::DiskFull, info.absolutePath()};
        return {IoError::WriteFailed};
    }
    default:
        return {IoError::WriteFailed};
    }
}

std::optional<QByteArray> readWholeFile(const QString &path, IoError *error, qint64 sizeLimit)
{
    if (sizeLimit < 0)
        return readFileStart(path, -1, error);
    const IoError tooLarge{IoError::TooLarge};
    if (QFileInfo(path).size() > sizeLimit) {
        if (error)
            *error = tooLarge;
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    std::optional<QByteArray> bytes = readFileStart(path, sizeLimit + 1, error);
    if (bytes && bytes->size() > sizeLimit) {
        if (error)
            *error = tooLarge;
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes, IoError *error)
{
    QFile file(path);
    const QFileInfo info(path);
    IoError failure;
    if (!info.absoluteDir().exists())
        failure = {IoError::PathNotFound};
    else if (!info.exists())
        failure = {IoError::FileNotFound};
    // A folder, a device or a pipe is not a file to read: /dev/zero would never end.
    else if (!info.isFile())
        failure = {IoError::AccessDenied};
    else if (!file.open(QIODevice::ReadOnly))
        failure = ioErrorFor(file, path);
    if (!failure.failed()) {
        QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
        if (file.error() == QFileDevice::NoError) {
            if (error)
                *error = {};
            return bytes;
        }
        failure = ioErrorFor(file, path);
    }
    if (error)
        *error = failure;
    return std::nullopt;
}

namespace {

// Writes over the file itself, for a folder that takes no new file beside it. Only the
// bytes from the first difference on are written, and when that fails the old bytes are
// put back, so that a full disk still leaves the old file whole.
IoError writeInPlace(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return ioErrorFor(file, path);
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ioErrorFor(file, path);
    const qsizetype same =
        std::mismatch(old.begin(), old.begin() + std::min(old.size(), bytes.size()), bytes.begin())
            .first -
        old.begin();
    const auto overwrite = [&file, same](QByteArrayView with) {
        const QByteArrayView rest = with.sliced(same);
        return file.seek(same) && file.write(rest.data(), rest.size()) == rest.size() &&
               file.resize(with.size());
    };
    if (overwrite(bytes))
        return {};
    IoError failure = ioErrorFor(file, path);
    if (!failure.failed())
        failure = {IoError::WriteFailed};
    file.unsetError();
    overwrite(old);
    return failure;
}

// A new file is its owner's alone (pupils' names and errors): only a folder its group may
// write to, a class folder shared on purpose, lets the group read it too, and write it
// where the umask allows. A file system without permissions keeps its own.
void keepPrivate(QFileDevice &file, const QString &folder)
{
    QFileDevice::Permissions keep = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadUser | QFileDevice::WriteUser;
    if (QFileInfo(folder).permissions().testFlag(QFileDevice::WriteGroup))
        keep |= QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    file.setPermissions(file.permissions() & keep);
}

} // namespace

WriteResult writeFileAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    const QFileInfo info(path);
    IoError failure;
    if (!info.absoluteDir().exists()) {
        failure = {IoError::PathNotFound};
    } else if (info.exists() ? !info.isFile() || !info.isWritable() : info.isSymLink()) {
        // Only a regular file is replaced: QSaveFile follows a link and would put a file in
        // the place of the device it names, or make one where a dangling link points; a
        // write-protected file it would call a write error.
        failure = {IoError::AccessDenied};
    } else if (!file.open(QIODevice::WriteOnly)) {
        failure = ioErrorFor(file, path);
        // A folder that takes no new file may still hold a file that can be written.
        if (failure.code == IoError::AccessDenied && info.isFile())
            failure = writeInPlace(path, bytes);
    } else {
        if (!info.exists())
            keepPrivate(file, info.absolutePath());
        if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
            failure = ioErrorFor(file, path);
            if (!failure.failed())
                failure = {IoError::WriteFailed};
            // The temporary file is gone again, and with it the space it filled: a disk that
            // cannot take the whole file (and some room for its blocks) was full.
            const QStorageInfo storage(info.absolutePath());
            if ((failure.code == IoError::WriteFailed || failure.code == IoError::DiskFull) &&
                storage.isValid() && storage.bytesAvailable() < bytes.size() + (64 << 10))
                failure = {IoError::DiskFull, info.absolutePath()};
        }
    }
    return {failure, {}};
}

WriteResult appendInPlace(QFile &file, const QString &path,
                          const std::function<QByteArray(QByteArrayView current)> &tail)
{
    IoError failure;
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failure = ioErrorFor(file, path);
    } else if (const QByteArray more = tail(old); !more.isEmpty()) {
        // One write at the end: a program killed while writing leaves the old bytes whole
        // and at most a torn last line behind them.
        if (!file.seek(old.size()) || file.write(more) != more.size() || !file.flush()) {
            failure = ioErrorFor(file, path);
            if (!failure.failed())
                failure = {IoError::WriteFailed};
            file.unsetError();
            file.resize(old.size());
        }
    }
    return {failure, {}};
}
