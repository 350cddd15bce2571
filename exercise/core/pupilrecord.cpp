#include "exercise/core/pupilrecord.h"

#include "exercise/core/ansi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <algorithm>

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

// The numbers of `text` between the separator `trenner`, each of one to `stellen`
// digits; nothing when anything else stands there. Read by hand: Qt's own date parser
// takes longer than the whole of the rest of a large record.
std::optional<QList<int>> zahlen(QStringView text, QChar trenner, int stellen)
{
    QList<int> result;
    for (QStringView teil : text.split(trenner)) {
        if (teil.isEmpty() || teil.size() > stellen)
            return std::nullopt;
        int zahl = 0;
        for (QChar ch : teil) {
            if (ch < u'0' || ch > u'9')
                return std::nullopt;
            zahl = zahl * 10 + (ch.unicode() - u'0');
        }
        result.append(zahl);
    }
    return result;
}

// A date as a German computer shows it in its short form, or as ISO writes it. Two-digit
// years are read as the system did that wrote them: 30 to 99 in the 1900s, the rest in
// the 2000s.
std::optional<QDate> datumLesen(QStringView text)
{
    text = text.trimmed();
    QDate date;
    if (const auto teile = zahlen(text, u'.', 4); teile && teile->size() == 3) {
        const int jahr = (*teile)[2];
        const qsizetype stellen = text.size() - text.lastIndexOf(u'.') - 1;
        if (stellen == 4)
            date = QDate(jahr, (*teile)[1], (*teile)[0]);
        else if (stellen == 2)
            date = QDate(jahr < 30 ? 2000 + jahr : 1900 + jahr, (*teile)[1], (*teile)[0]);
    } else if (const auto iso = zahlen(text, u'-', 4);
               iso && iso->size() == 3 && text.indexOf(u'-') == 4) {
        date = QDate((*iso)[0], (*iso)[1], (*iso)[2]);
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// "H:mm:ss" or "H:mm", also with " AM" or " PM" after the hour of twelve.
std::optional<QTime> zeitLesen(QStringView text)
{
    text = text.trimmed();
    int zusatz = 0;
    bool zwoelf = false;
    if (text.endsWith(u" AM", Qt::CaseInsensitive) || text.endsWith(u" PM", Qt::CaseInsensitive)) {
        zwoelf = true;
        zusatz = text.endsWith(u"PM", Qt::CaseInsensitive) ? 12 : 0;
        text.chop(3);
    }
    const auto teile = zahlen(text, u':', 2);
    if (!teile || teile->size() < 2 || teile->size() > 3 || text.indexOf(u':') > 2 ||
        text.size() - text.indexOf(u':') - 1 < 2)
        return std::nullopt;
    int stunde = (*teile)[0];
    if (zwoelf) {
        if (stunde < 1 || stunde > 12)
            return std::nullopt;
        stunde = stunde % 12 + zusatz;
    }
    const QTime time(stunde, (*teile)[1], teile->value(2, 0));
    if (!time.isValid())
        return std::nullopt;
    return time;
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

EntryTime entryTime(QStringView entry)
{
    const qsizetype end = entry.indexOf(u"] ");
    if (!entry.startsWith(u'[') || end < 0) {
        // A heading someone wrote by hand, without the brackets, names no date; brackets
        // that hold something and were not closed do.
        return {entry.startsWith(u'[') ? EntryTime::Unreadable : EntryTime::Missing, {}, {}};
    }
    const QStringView inside = entry.sliced(1, end - 1);
    if (inside.trimmed().isEmpty())
        return {EntryTime::Missing, {}, {}};
    const qsizetype separator = inside.indexOf(u" - ");
    const std::optional<QDate> date = datumLesen(separator < 0 ? inside : inside.first(separator));
    std::optional<QTime> time = QTime(12, 0);
    if (separator >= 0)
        time = zeitLesen(inside.sliced(separator + 3));
    if (!date || !time || date->year() < 1990 || date->year() > 2100)
        return {EntryTime::Unreadable, {}, {}};
    return {EntryTime::Read, *date, *time};
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

PupilFile::PupilFile(const QString &path, RecordLines lines, QByteArrayView onDisk)
    : m_datei(path, path), m_lines(std::move(lines))
{
    m_datei.gelesen(onDisk);
}

std::optional<PupilFile> PupilFile::load(const QString &path, IoError *error)
{
    std::optional<QByteArray> bytes = readWholeFile(path, error);
    if (!bytes)
        return std::nullopt;
    RecordLines lines = RecordLines::fromBytes(*bytes);
    return PupilFile(path, std::move(lines), *bytes);
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
    created.file = PupilFile(path, std::move(lines), bytes.bytes);
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
    std::vector<Change> corrections;
    RecordLines merged;
    geteilt::Schritte schritte;
    schritte.nachtragen = [this](QByteArrayView onDisk) {
        RecordLines lines = RecordLines::fromBytes(onDisk);
        for (const Change &change : m_unwritten)
            lines = applyTo(std::move(lines), change);
        m_lines = std::move(lines);
    };
    schritte.inhalt = [this](WriteResult &result) -> std::optional<QByteArray> {
        // Every line came from decoded bytes or passed the check in `apply`.
        ansi::Encoded bytes = m_lines.toBytes();
        if (!bytes.ok()) {
            result.io = {IoError::WriteFailed};
            return std::nullopt;
        }
        return std::move(bytes.bytes);
    };
    schritte.anhang = [&](QByteArrayView current) {
        // Only appends can be written there: rewriting the file in place, a copy killed
        // halfway would leave other exercises garbled.
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
        QByteArray bytes = added.size() > 0 ? added.toBytes().bytes : QByteArray();
        // A last line without its line end gets one first.
        if (!bytes.isEmpty() && !current.isEmpty() && !current.endsWith('\n') &&
            !current.endsWith('\r'))
            bytes.prepend("\r\n");
        return bytes;
    };
    WriteResult result;
    const geteilt::Geschrieben geschrieben = m_datei.schreiben(schritte, result);
    if (error)
        *error = result.io;
    if (geschrieben == geteilt::Geschrieben::Nicht)
        return false;
    if (geschrieben == geteilt::Geschrieben::Ganz) {
        m_unwritten.clear();
        return true;
    }
    // Corrections stay unwritten, after the appends now on disk, as the next write that
    // can make a new file will apply them.
    for (const Change &change : corrections)
        merged = applyTo(std::move(merged), change);
    m_lines = std::move(merged);
    m_unwritten = std::move(corrections);
    if (!m_unwritten.empty() && reportKeptCorrections) {
        if (error)
            *error = {IoError::AppendOnly, QFileInfo(path()).absolutePath()};
        return false;
    }
    return true;
}

} // namespace pupilrecord
