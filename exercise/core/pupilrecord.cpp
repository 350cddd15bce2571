#include "exercise/core/pupilrecord.h"

#include "exercise/core/ansi.h"
#include "exercise/core/filelock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QTemporaryFile>
#include <algorithm>
#include <thread>

using namespace Qt::StringLiterals;

namespace pupilrecord {
namespace {

// The longest name whose file name (name + ".lbs") still fits the 255 bytes a file
// name may take on Linux when every character needs three bytes in UTF-8.
constexpr qsizetype maxNameLength = 80;

// Words are lines of the record: a word holding a line break becomes several lines,
// so that writing and reading the record again gives the same lines.
QStringList asLines(const QStringList &words)
{
    QStringList lines;
    lines.reserve(words.size());
    for (const QString &word : words) {
        qsizetype start = 0;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word[i] != u'\r' && word[i] != u'\n')
                continue;
            lines.append(word.sliced(start, i - start));
            if (word[i] == u'\r' && i + 1 < word.size() && word[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        lines.append(start == 0 ? word : word.sliced(start));
    }
    return lines;
}

QString asOneLine(QString entry)
{
    entry.replace(u'\r', u' ');
    entry.replace(u'\n', u' ');
    return entry;
}

// The word lines [first, end) of a block.
struct Block {
    qsizetype first;
    qsizetype end;
};

// The blocks `collectWords` takes, in order: scanning from line 2, at each header equal
// to "~" + entry the lines up to the next header, then on behind that next header.
template <typename Lines> std::vector<Block> blocksOf(const Lines &lines, const QString &entry)
{
    std::vector<Block> blocks;
    const QString header = headerFor(entry);
    if (!isHeader(header))
        return blocks;
    qsizetype i = 1;
    while (i < lines.size()) {
        if (lines[i] != header) {
            ++i;
            continue;
        }
        Block block{i + 1, i + 1};
        while (block.end < lines.size() && !isHeader(lines[block.end]))
            ++block.end;
        blocks.push_back(block);
        // The header that ends the block is passed over, as the scan always did.
        i = block.end + 1;
    }
    return blocks;
}

QString lineText(const QString &line)
{
    return line;
}

QString lineText(QStringView line)
{
    return line.toString();
}

template <typename Lines>
QList<QStringList> collectedBlocksOf(const Lines &lines, const QString &entry)
{
    QList<QStringList> result;
    for (const Block &block : blocksOf(lines, entry)) {
        QStringList &words = result.emplace_back();
        for (qsizetype i = block.first; i < block.end; ++i)
            words.append(lineText(lines[i]));
    }
    return result;
}

template <typename Lines> QStringList collectWordsOf(const Lines &lines, const QString &entry)
{
    QStringList words;
    for (const QStringList &block : collectedBlocksOf(lines, entry))
        words.append(block);
    return words;
}

template <typename Lines> bool holds(const Lines &lines, Block block, const QStringList &expected)
{
    if (block.end - block.first != expected.size())
        return false;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (lines[block.first + i] != expected[i])
            return false;
    }
    return true;
}

// Sorted by the hash of their entries, equal headers meet, and only the first of each
// is listed; the same with a hash set of the entries takes three times as long on a
// large record.
template <typename Lines> QStringList entriesOf(const Lines &lines)
{
    struct Header {
        size_t hash;
        qsizetype line;
    };
    std::vector<Header> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (isHeader(line))
            headers.push_back({qHash(line), i});
    }
    std::sort(headers.begin(), headers.end(), [](const Header &a, const Header &b) {
        return a.hash != b.hash ? a.hash < b.hash : a.line < b.line;
    });
    std::vector<qsizetype> firsts;
    std::vector<QStringView> distinct;
    for (auto run = headers.begin(); run != headers.end();) {
        const size_t hash = run->hash;
        distinct.clear();
        for (; run != headers.end() && run->hash == hash; ++run) {
            const QStringView header = lines[run->line];
            if (std::find(distinct.begin(), distinct.end(), header) != distinct.end())
                continue;
            distinct.push_back(header);
            firsts.push_back(run->line);
        }
    }
    std::sort(firsts.begin(), firsts.end());
    QStringList result;
    result.reserve(qsizetype(firsts.size()));
    for (qsizetype line : firsts)
        result.append(QStringView(lines[line]).sliced(1).toString());
    return result;
}

template <typename Lines>
Lines appendTo(Lines lines, const QString &entry, const QStringList &words)
{
    if (lines.size() == 0)
        lines.append(QString());
    lines.append(headerFor(asOneLine(entry)));
    for (const QString &line : asLines(words))
        lines.append(line);
    return lines;
}

// One pass that copies the record and replaces the corrected blocks: the first of them
// gets all words, the others are emptied. With `replaced`, only the blocks that still
// hold one of what it lists, in order, count as corrected; one that was changed
// elsewhere since is passed over.
template <typename Lines>
Lines correct(const Lines &lines, const QString &entry, const QStringList &words,
              const QList<QStringList> *replaced)
{
    const std::vector<Block> blocks = blocksOf(lines, entry);
    const QStringList replacement = asLines(words);
    Lines result;
    qsizetype copied = 0;
    qsizetype corrected = 0;
    qsizetype nextReplaced = 0;
    const auto copyUpTo = [&](qsizetype end) {
        for (; copied < end; ++copied)
            result.append(lines[copied]);
    };
    for (const Block &block : blocks) {
        if (replaced) {
            const auto found =
                std::find_if(replaced->begin() + nextReplaced, replaced->end(),
                             [&](const QStringList &held) { return holds(lines, block, held); });
            if (found == replaced->end())
                continue;
            nextReplaced = found - replaced->begin() + 1;
        }
        copyUpTo(block.first);
        if (corrected++ == 0) {
            for (const QString &line : replacement)
                result.append(line);
        }
        copied = block.end;
        if (replaced && nextReplaced == replaced->size())
            break;
    }
    copyUpTo(lines.size());
    return result;
}

// Far longer than any write takes: a lock this old was left by a program on another
// computer that ended while writing. (One on this computer is taken over as soon as
// its program has ended.)
constexpr int staleLockMs = 30000;

bool takesNewFiles(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(u".laufbahn-XXXXXX"_s));
    return probe.open();
}

enum class LockFile { Held, Busy, CannotBeMade, InTheWay };

// Waits for the lock with short pauses: a record is written in milliseconds, and
// QLockFile's own waiting starts with a tenth of a second.

LockFile takeLockFile(QLockFile &lock, const QString &lockPath, std::chrono::milliseconds wait)
{
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause(1);
    for (bool first = true; !lock.tryLock(0); first = false) {
        if (lock.error() != QLockFile::LockFailedError)
            return LockFile::CannotBeMade;
        const QFileInfo info(lockPath);
        if (first) {
            // In a folder that takes no new file no program can make a lock file: one
            // found there was left before, and the record itself is the lock.
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

bool isControl(QChar ch)
{
    return ch.category() == QChar::Other_Control;
}

bool isReservedDeviceName(QString base)
{
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList plain = {u"CON"_s, u"PRN"_s,    u"AUX"_s,
                                      u"NUL"_s, u"CONIN$"_s, u"CONOUT$"_s};
    if (plain.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(u"COM"_s) || base.startsWith(u"LPT"_s))) {
        const QChar digit = base[3];
        return (digit >= u'0' && digit <= u'9') || digit == u'¹' || digit == u'²' || digit == u'³';
    }
    return false;
}

// Runs `work` while holding the lock file beside the record. Nothing when no lock file can
// be made there: the caller then locks the record itself.
std::optional<bool> underLockFile(const QString &recordPath, std::chrono::milliseconds wait,
                                  const std::function<bool(IoError *)> &work, IoError *error)
{
    const QString lockPath = recordPath + u".lock"_s;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(staleLockMs);
    switch (takeLockFile(lock, lockPath, wait)) {
    case LockFile::Held:
        return work(error);
    case LockFile::Busy:
        if (error)
            *error = {IoError::Locked};
        return false;
    case LockFile::InTheWay:
        if (error)
            *error = {IoError::LockInTheWay, lockPath};
        return false;
    case LockFile::CannotBeMade:
        break;
    }
    return std::nullopt;
}

} // namespace

QStringList parse(QByteArrayView bytes)
{
    return ansi::decodeLines(bytes);
}

std::optional<QByteArray> serialise(const QStringList &lines, QString *unencodable)
{
    ansi::Encoded encoded = ansi::encodeLines(lines);
    if (unencodable)
        *unencodable = encoded.unencodable;
    if (!encoded.ok())
        return std::nullopt;
    return std::move(encoded.bytes);
}

RecordLines RecordLines::fromBytes(QByteArrayView bytes)
{
    RecordLines lines;
    lines.m_text = ansi::decodeJoinedLines(bytes, &lines.m_starts);
    lines.m_text.squeeze();
    return lines;
}

QStringView RecordLines::operator[](qsizetype i) const
{
    const qsizetype start = m_starts[std::size_t(i)];
    const qsizetype end = i + 1 < size() ? m_starts[std::size_t(i + 1)] - 1 : m_text.size();
    return QStringView(m_text).sliced(start, end - start);
}

QStringList RecordLines::toList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append((*this)[i].toString());
    return lines;
}

void RecordLines::append(QStringView line)
{
    if (!m_starts.empty())
        m_text += u'\n';
    m_starts.push_back(m_text.size());
    m_text += line;
}

ansi::Encoded RecordLines::toBytes() const
{
    return ansi::encodeJoinedLines(m_text, size() > 0);
}

bool isHeader(QStringView line)
{
    return line.size() > 1 && line.front() == u'~';
}

QString headerFor(const QString &entry)
{
    return u'~' + entry;
}

QString textNameOf(QStringView entry)
{
    const qsizetype at = entry.indexOf(u"] ");
    if (at < 0)
        return entry.toString();
    return entry.sliced(at + 2).toString();
}

QString fullName(const QStringList &lines)
{
    return lines.isEmpty() ? QString() : lines.front();
}

QString firstName(QStringView name)
{
    const qsizetype blank = name.indexOf(u' ');
    return (blank < 0 ? name : name.first(blank)).toString();
}

QStringList entries(const QStringList &lines)
{
    return entriesOf(lines);
}

QString makeEntry(ExerciseKind kind, const QDateTime &end, const QString &textName)
{
    const QString date = end.date().toString(u"dd.MM.yyyy");
    if (kind == ExerciseKind::Laufbahn)
        return u'[' + date + u" - "_s + end.time().toString(u"HH:mm:ss") + u"] "_s + textName;
    return u'[' + date + u"] "_s + textName;
}

QStringList appendExercise(QStringList lines, const QString &entry, const QStringList &words)
{
    return appendTo(std::move(lines), entry, words);
}

QStringList collectWords(const QStringList &lines, const QString &entry)
{
    return collectWordsOf(lines, entry);
}

QStringList nonEmpty(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            result.append(line);
    }
    return result;
}

QString lowercaseFirst(const QString &word)
{
    if (word.isEmpty())
        return word;
    return QLocale().toLower(word.first(1)) + word.sliced(1);
}

QList<QStringList> collectedBlocks(const QStringList &lines, const QString &entry)
{
    return collectedBlocksOf(lines, entry);
}

QStringList schueler_update(const QStringList &lines, const QString &entry,
                            const QStringList &words)
{
    return correct(lines, entry, words, nullptr);
}

QStringList schueler_update(const QStringList &lines, const QString &entry,
                            const QStringList &words, const QList<QStringList> &replaced)
{
    return correct(lines, entry, words, &replaced);
}

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return u"Bitte geben Sie den Namen des Schülers ein."_s;
    for (QChar ch : name) {
        if (isControl(ch))
            return u"Der Name darf keine Steuerzeichen enthalten."_s;
    }
    static const QString forbidden = u"<>:\"/\\|?*"_s;
    for (QChar ch : name) {
        if (forbidden.contains(ch))
            return u"Der Name darf keines dieser Zeichen enthalten: < > : \" / \\ | ? *"_s;
    }
    const QString unencodable = ansi::unencodableCharacters(name);
    if (!unencodable.isEmpty())
        return u"Der Name enthält Zeichen, die in der Schülerdatei nicht gespeichert werden "
               u"können: "_s +
               unencodable;
    if (name.startsWith(u' ') || name.endsWith(u' '))
        return u"Der Name darf nicht mit einem Leerzeichen beginnen oder enden."_s;
    if (name.startsWith(u'.') || name.endsWith(u'.'))
        return u"Der Name darf nicht mit einem Punkt beginnen oder enden."_s;
    const QString base = name.section(u'.', 0, 0);
    if (isReservedDeviceName(base))
        return u"Der Name „%1“ ist unter Windows für ein Gerät reserviert und kann keine Datei "
               u"benennen."_s.arg(base);
    if (name.size() > maxNameLength)
        return u"Der Name darf höchstens %1 Zeichen lang sein."_s.arg(maxNameLength);
    return {};
}

std::optional<QString> filePathFor(const QString &startDirectory, const QString &name,
                                   QString *problem)
{
    QString reason = nameProblem(name);
    std::optional<QString> path;
    if (reason.isEmpty()) {
        const QDir dir(QDir::fromNativeSeparators(startDirectory));
        const QString candidate = QDir::cleanPath(dir.absoluteFilePath(name + fileSuffix));
        // The checks above already rule out every way out of the folder; this one makes
        // sure no rule forgotten there can place the file anywhere else.
        const QFileInfo info(candidate);
        if (info.absolutePath() == QDir::cleanPath(dir.absolutePath()) &&
            info.fileName() == name + fileSuffix)
            path = candidate;
        else
            reason = u"Aus diesem Namen lässt sich keine Schülerdatei bilden."_s;
    }
    if (problem)
        *problem = reason;
    return path;
}

bool fileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

WriteResult underRecordLock(const QString &recordPath, std::chrono::milliseconds wait,
                            const std::function<WriteResult()> &work)
{
    WriteResult result;
    const auto arbeit = [&](IoError *error) {
        result = work();
        if (error)
            *error = result.io;
        return result.ok();
    };
    IoError lockError;
    if (const std::optional<bool> done = underLockFile(recordPath, wait, arbeit, &lockError)) {
        // Not done and no result of the work: the lock was not to be had.
        if (!*done && result.ok())
            result.io = lockError;
        return result;
    }
    // Where no lock file can be made, the record itself is the lock, as for its appends.
    const filelock::Opened opened = filelock::openLocked(recordPath, wait);
    if (opened.state == filelock::Opened::Busy)
        return {{IoError::Locked}, {}};
    QFile held;
    if (opened.state == filelock::Opened::Locked)
        held.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    // A file system without locks, or a record that cannot be opened to be locked: the
    // work is still done, as every program on that folder has to.
    return work();
}

PupilFile::Fingerprint PupilFile::Fingerprint::of(QByteArrayView bytes)
{
    return {bytes.size(), qHash(bytes)};
}

PupilFile::PupilFile(QString path, RecordLines lines, Fingerprint onDisk)
    : m_path(std::move(path)), m_lines(std::move(lines)), m_onDisk(onDisk)
{
}

std::optional<PupilFile> PupilFile::load(const QString &path, IoError *error)
{
    std::optional<QByteArray> bytes = readWholeFile(path, error);
    if (!bytes)
        return std::nullopt;
    const Fingerprint read = Fingerprint::of(*bytes);
    RecordLines lines = RecordLines::fromBytes(*bytes);
    bytes.reset();
    return PupilFile(path, std::move(lines), read);
}

CreatedFile PupilFile::create(const QString &path, const QString &name)
{
    CreatedFile created;
    RecordLines lines;
    lines.append(asOneLine(name));
    const ansi::Encoded bytes = lines.toBytes();
    created.written.unencodable = bytes.unencodable;
    if (!bytes.ok())
        return created;
    created.written.io = writeFileAtomically(path, bytes.bytes).io;
    if (created.written.io.failed())
        return created;
    created.file = PupilFile(path, std::move(lines), Fingerprint::of(bytes.bytes));
    return created;
}

QString PupilFile::fullName() const
{
    return m_lines.size() > 0 ? m_lines[0].toString() : QString();
}

QStringList PupilFile::entries() const
{
    return entriesOf(m_lines);
}

QStringList PupilFile::wordsOf(const QString &entry) const
{
    return collectWordsOf(m_lines, entry);
}

WriteResult PupilFile::appendExercise(const QString &entry, const QStringList &words)
{
    return apply({true, entry, words, {}});
}

WriteResult PupilFile::updateWords(const QString &entry, const QStringList &words)
{
    return apply({false, entry, words, collectedBlocksOf(m_lines, entry)});
}

RecordLines PupilFile::applyTo(RecordLines lines, const Change &change)
{
    if (change.isAppend)
        return appendTo(std::move(lines), change.entry, change.words);
    return correct(lines, change.entry, change.words, &change.replaced);
}

WriteResult PupilFile::apply(Change change)
{
    WriteResult result;
    result.unencodable =
        ansi::unencodableCharacters(QString(change.entry + change.words.join(u'\n')));
    if (!result.unencodable.isEmpty())
        return result;
    const bool isAppend = change.isAppend;
    m_lines = applyTo(std::move(m_lines), change);
    m_unwritten.push_back(std::move(change));
    writeInto(result, !isAppend);
    return result;
}

WriteResult PupilFile::writeUnwritten()
{
    WriteResult result;
    if (!m_unwritten.empty())
        writeInto(result, true);
    return result;
}

void PupilFile::writeInto(WriteResult &result, bool reportKeptCorrections)
{
    // A failure must never read as success, whatever path it took.
    if (!write(&result.io, reportKeptCorrections) && !result.io.failed())
        result.io = {IoError::WriteFailed};
}

bool PupilFile::write(IoError *error, bool reportKeptCorrections)
{
    const auto merge = [this](IoError *mergeError) { return mergeAndWrite(mergeError); };
    if (const std::optional<bool> done = underLockFile(m_path, m_lockWait, merge, error))
        return *done;
    return appendUnderRecordLock(error, reportKeptCorrections);
}

bool PupilFile::appendUnderRecordLock(IoError *error, bool reportKeptCorrections)
{
    std::vector<Change> corrections;
    RecordLines merged;
    Fingerprint written;
    const auto tail = [&](QByteArrayView current) {
        // Only appends can be written here: rewriting the file in place, a program
        // killed halfway would leave other exercises garbled.
        merged = RecordLines::fromBytes(current);
        const qsizetype kept = merged.size();
        corrections.clear();
        for (const Change &change : m_unwritten) {
            if (change.isAppend)
                merged = applyTo(std::move(merged), change);
            else
                corrections.push_back(change);
        }
        RecordLines added;
        for (qsizetype i = kept; i < merged.size(); ++i)
            added.append(merged[i]);
        // Every line came from decoded bytes or passed the check in `apply`.
        QByteArray bytes = added.size() > 0 ? added.toBytes().bytes : QByteArray();
        // A last line without its line end gets one first.
        if (!bytes.isEmpty() && !current.isEmpty() && !current.endsWith('\n') &&
            !current.endsWith('\r'))
            bytes.prepend("\r\n");
        written = Fingerprint::of(QByteArray(current.toByteArray() + bytes));
        return bytes;
    };
    if (const WriteResult appended = appendInPlace(m_path, m_lockWait, tail); !appended.ok()) {
        if (error)
            *error = appended.io;
        return false;
    }
    // Corrections stay unwritten, after the appends now on disk, as the next write that
    // can make a new file will apply them.
    for (const Change &change : corrections)
        merged = applyTo(std::move(merged), change);
    m_lines = std::move(merged);
    m_onDisk = written;
    m_unwritten = std::move(corrections);
    if (!m_unwritten.empty() && reportKeptCorrections) {
        if (error)
            *error = {IoError::AppendOnly, QFileInfo(m_path).absolutePath()};
        return false;
    }
    if (error)
        *error = {};
    return true;
}

bool PupilFile::mergeAndWrite(IoError *error)
{
    IoError readError;
    if (std::optional<QByteArray> current = readWholeFile(m_path, &readError)) {
        if (Fingerprint::of(*current) != m_onDisk) {
            RecordLines merged = RecordLines::fromBytes(*current);
            current.reset();
            for (const Change &change : m_unwritten)
                merged = applyTo(std::move(merged), change);
            m_lines = std::move(merged);
        }
    } else if (readError.code != IoError::FileNotFound) {
        // Without knowing what is on disk, writing could wipe out another program's work.
        if (error)
            *error = readError;
        return false;
    }
    // Every line came from decoded bytes or passed the check in `apply`.
    const ansi::Encoded bytes = m_lines.toBytes();
    if (!bytes.ok()) {
        if (error)
            *error = {IoError::WriteFailed};
        return false;
    }
    const WriteResult written = writeFileAtomically(m_path, bytes.bytes);
    if (error)
        *error = written.io;
    if (!written.ok())
        return false;
    m_onDisk = Fingerprint::of(bytes.bytes);
    m_unwritten.clear();
    return true;
}

} // namespace pupilrecord
