#pragma once
// A pupil's file that copies of the program on several computers change at once on a
// shared folder: the record, and the files kept beside it. Every write reads the file
// again, brings the changes not yet written onto what another copy wrote meanwhile, and
// writes the result, all while holding the same locks in every copy, whatever the folder
// lets it do: the lock file beside the record (record + ".lock", where one can be made)
// and a lock on the record and on the file written (`filelock`). A copy that replaces the
// file by a new one holds the old one's lock until the new one is in place; a copy that
// waited for it then finds the path naming the new file and locks that. So a copy that
// may make files in the folder and one that may only write the file never write at once.

#include "exercise/core/fileio.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace geteilt {

// What a file held as last read or written here, to tell whether another copy changed it
// since, without keeping a second copy of a large file.
struct Fingerprint {
    qsizetype size = -1; // -1: no file
    size_t hash = 0;
    static Fingerprint of(QByteArrayView bytes);
    bool operator==(const Fingerprint &) const = default;
};

// What a kind of file does in one write.
struct Schritte {
    // Brings the changes not yet written onto `aufPlatte`, what another copy left in the
    // file since it was last read or written here.
    std::function<void(QByteArrayView aufPlatte)> nachtragen;
    // The whole file as it is to be written now; nothing when it cannot be (`result` says
    // why).
    std::function<std::optional<QByteArray>(WriteResult &result)> inhalt;
    // For a file that, where the folder takes no new file, is only appended to: what goes
    // behind `aufPlatte`, the file as it is now. Without it such a file is written over in
    // place.
    std::function<QByteArray(QByteArrayView aufPlatte)> anhang;
};

enum class Geschrieben { Nicht, Ganz, Angehaengt };

class GeteilteDatei {
public:
    // A file larger than `groesste` bytes (when given) is no such file: it is written anew.
    GeteilteDatei(QString pfad, QString recordPfad, qint64 groesste = -1);

    const QString &pfad() const { return m_pfad; }
    // How long a write waits for another copy's locks before it gives up with
    // IoError::Locked.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }
    // What the file held when it was read here.
    void gelesen(QByteArrayView bytes) { m_aufPlatte = Fingerprint::of(bytes); }

    // One read-merge-write under the locks. On failure `result` says why and nothing was
    // written.
    Geschrieben schreiben(const Schritte &schritte, WriteResult &result);

private:
    QString m_pfad;
    QString m_recordPfad;
    qint64 m_groesste;
    Fingerprint m_aufPlatte;
    std::chrono::milliseconds m_lockWait{5000};
};

} // namespace geteilt
