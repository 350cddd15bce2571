#pragma once
// The pupil record (".lbs"): line 1 is the pupil's name, then per exercise a header
// "~" + entry followed by the wrong words of that exercise, one per line.
// Windows-1252, every line followed by CR LF. The main window keeps the lines in Memo2.

#include "exercise/core/ansi.h"
#include "exercise/core/fileio.h"
#include "exercise/core/geteiltedatei.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace pupilrecord {

inline constexpr QStringView fileSuffix = u".lbs";

// File bytes -> lines (CR LF, LF or a lone CR end a line) and back (always CR LF).
// Serialising fails when a line holds a character Windows-1252 cannot store;
// `unencodable` lists them.
QStringList parse(QByteArrayView bytes);
std::optional<QByteArray> serialise(const QStringList &lines, QString *unencodable = nullptr);

// The lines of a record in one piece of text, each line a view into it: a record of many
// megabytes takes two to three times its file size in memory, where a list of strings
// would take six or more.
class RecordLines {
public:
    RecordLines() = default;
    static RecordLines fromBytes(QByteArrayView bytes);

    qsizetype size() const { return qsizetype(m_starts.size()); }
    QStringView operator[](qsizetype i) const;
    // The lines joined by "\n".
    const QString &text() const { return m_text; }
    QStringList toList() const;
    // `line` holds no line break.
    void append(QStringView line);
    // Every line followed by CR LF.
    ansi::Encoded toBytes() const;

private:
    QString m_text;
    std::vector<qsizetype> m_starts;
};

// A line after line 1 is a header when it is longer than one character and begins
// with "~"; a lone "~" is an ordinary line.
bool isHeader(QStringView line);
QString headerFor(const QString &entry);

// The text name of an entry: what follows its first "] ". An entry without "] " (written
// by hand) names its text as a whole.
QString textNameOf(QStringView entry);

// Line 1, or empty for an empty file.
QString fullName(const QStringList &lines);
// The full name up to its first blank, or the whole name when it has none.
QString firstName(QStringView fullName);

// The entries of all headers from line 2 on, each once, in the order they first occur.
QStringList entries(const QStringList &lines);

// The lines an exercise run leaves: "[dd.MM.yyyy - HH:mm:ss] name" after a Laufbahn run,
// "[dd.MM.yyyy] name" after the other exercise kinds. One fixed format, whatever the
// system's locale, so that the record reads the same on every computer.
enum class ExerciseKind { Laufbahn, Other };
QString makeEntry(ExerciseKind kind, const QDateTime &end, const QString &textName);

// When an exercise ended, read from its entry "[dd.MM.yyyy - HH:mm:ss] name" or
// "[dd.MM.yyyy] name": the one reader of an entry's date for everything that reads the
// record. The date is the one the computer showed then, so the German short forms
// "d.M.yyyy" and "d.M.yy" and "yyyy-MM-dd" are read as well, and "H:mm" and "h:mm:ss AM"
// for the time; a date that could mean two days (12/7/2026) is not read, and neither is
// a year before 1990 or after 2100, which no exercise was done in.
struct EntryTime {
    enum State { Read, Missing, Unreadable };
    State state = Missing;
    QDate date;
    // Midday when the entry names no time, the middle of the day it was done on.
    QTime time;
};
EntryTime entryTime(QStringView entry);

// The header and the words appended at the end. An empty record first gets an empty
// name line, so the header never takes the place of the name.
QStringList appendExercise(QStringList lines, const QString &entry, const QStringList &words);

// The wrong words of an entry, scanning from line 2: at each header equal to "~" + entry
// the lines up to the next header are taken, and the scan goes on behind that next
// header. So of two adjacent blocks with equal headers only the first one counts.
QStringList collectWords(const QStringList &lines, const QString &entry);

// The lines that are not empty (what the list of wrong words shows).
QStringList nonEmpty(const QStringList &lines);

// "Wort kleinschreiben": the word with its first character in lower case, by the rules
// of the user's language.
QString lowercaseFirst(const QString &word);

// The lines of each block `collectWords` takes its words from, block by block.
QList<QStringList> collectedBlocks(const QStringList &lines, const QString &entry);

// Writes the corrected words back, visiting the blocks exactly as `collectWords` does.
// The first visited block gets all `words`; the further visited blocks, whose words were
// shown together with the first block's and so are part of `words`, are emptied (their
// headers stay), so a correction never duplicates words.
QStringList schueler_update(const QStringList &lines, const QString &entry,
                            const QStringList &words);
// The same for a correction made on an earlier state of the record: only the visited
// blocks that still hold what was shown, `replaced` (as `collectedBlocks` gave it then),
// are corrected, matched in order; the first of them gets the words. Blocks another
// program added or changed since, even under an equal header, stay as they are.
QStringList schueler_update(const QStringList &lines, const QString &entry,
                            const QStringList &words, const QList<QStringList> &replaced);

// Why `name` cannot name a pupil file in the start folder, in German, or an empty string
// when it can. The name becomes the file name name + ".lbs" on Linux and on Windows.
QString nameProblem(const QString &name);

// startDirectory/name.lbs, or nothing when `nameProblem` refuses the name or the path
// would not lie directly in `startDirectory`.
std::optional<QString> filePathFor(const QString &startDirectory, const QString &name,
                                   QString *problem = nullptr);

bool fileExists(const QString &path);

// A loaded or created pupil file. Every change is written at once, atomically. Before
// writing, the file is read again: when another program changed it since it was read
// or last written here, the changes not yet written are applied to what is on disk
// instead, so that exercises recorded by two computers on one shared folder all stay;
// a correction touches only the blocks that still hold the words it replaced.
// Reading, merging and writing happen under the locks every copy takes
// (`geteilt::GeteilteDatei`), so two copies never merge at the same time; a lock file left
// by a copy that ended without removing it is taken over after a while. Where the folder
// takes no new file, and so no lock file, the record is only appended to: a correction
// there is kept and refused with IoError::AppendOnly.
// A change whose write fails stays in memory and is written with the next change.
struct CreatedFile;
class PupilFile {
public:
    static std::optional<PupilFile> load(const QString &path, IoError *error);
    // Writes a record holding only the name line, replacing any file at `path`. A name
    // Windows-1252 cannot store writes nothing.
    [[nodiscard]] static CreatedFile create(const QString &path, const QString &name);

    const QString &path() const { return m_datei.pfad(); }
    // The record as it stands, including changes whose write failed: as lines, and as
    // the lines joined by "\n" (Memo2).
    QStringList lines() const { return m_lines.toList(); }
    const QString &text() const { return m_lines.text(); }
    QString fullName() const;
    QString firstName() const { return pupilrecord::firstName(fullName()); }
    QStringList entries() const;
    QStringList wordsOf(const QString &entry) const;
    bool hasUnwrittenChanges() const { return !m_unwritten.empty(); }
    // How long a write waits for another program's lock before it gives up with
    // IoError::Locked, keeping the change for the next write.
    void setLockWait(std::chrono::milliseconds wait) { m_datei.setLockWait(wait); }
    // Tries again to write changes whose write failed, merged with what is on disk now.
    // Ok when nothing is left unwritten.
    [[nodiscard]] WriteResult writeUnwritten();

    // Both change the record and write it. Words or an entry holding characters
    // Windows-1252 cannot store are refused before anything changes: the result lists
    // them and holds no file error. On a file error the change is kept in `lines()` and
    // the result says what failed. Afterwards `lines()` may also hold what another
    // program recorded in the meantime.
    [[nodiscard]] WriteResult appendExercise(const QString &entry, const QStringList &words);
    [[nodiscard]] WriteResult updateWords(const QString &entry, const QStringList &words);

private:
    struct Change {
        bool isAppend;
        QString entry;
        QStringList words;
        // A correction names the blocks it corrects by what they held.
        QList<QStringList> replaced;
    };
    PupilFile(const QString &path, RecordLines lines, QByteArrayView onDisk);
    [[nodiscard]] WriteResult apply(Change change);
    void writeInto(WriteResult &result, bool reportKeptCorrections);
    // True when nothing is left unwritten, or (unless `reportKeptCorrections`) when only
    // corrections a folder without new files cannot take are left.
    bool write(IoError *error, bool reportKeptCorrections);
    static RecordLines applyTo(RecordLines lines, const Change &change);

    geteilt::GeteilteDatei m_datei;
    RecordLines m_lines;
    std::vector<Change> m_unwritten;
};

// What `PupilFile::create` made: the file, or nothing and why.
struct CreatedFile {
    std::optional<PupilFile> file;
    WriteResult written;
};

} // namespace pupilrecord
