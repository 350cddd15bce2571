#include "exercise/core/pupilrecord.h"

#include "exercise/core/ansi.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

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
        if (!word.contains(u'\n')) {
            lines.append(word);
            continue;
        }
        const QStringList pieces = word.split(u'\n');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            QString piece = pieces[i];
            if (i + 1 < pieces.size() && piece.endsWith(u'\r'))
                piece.chop(1);
            lines.append(piece);
        }
    }
    return lines;
}

QString asOneLine(QString entry)
{
    entry.replace(u'\r', u' ');
    entry.replace(u'\n', u' ');
    return entry;
}

// Visits the blocks `collectWords` takes, in order; `visit(first, end)` gets the index of
// the block's first line and of the header ending it (or the number of lines).
// `visit` returns how far the block's end moved, so the lines may be changed on the way.
template <typename Lines, typename Visit>
int forEachCollectedBlock(Lines &lines, const QString &entry, int maxBlocks, Visit visit)
{
    const QString header = headerFor(entry);
    if (!isHeader(header))
        return 0;
    int visited = 0;
    qsizetype i = 1;
    while (i < lines.size() && (maxBlocks < 0 || visited < maxBlocks)) {
        if (lines[i] != header) {
            ++i;
            continue;
        }
        const qsizetype first = i + 1;
        qsizetype end = first;
        while (end < lines.size() && !isHeader(lines[end]))
            ++end;
        end += visit(first, end);
        ++visited;
        // The header that ends the block is passed over, as the scan always did.
        i = end + 1;
    }
    return visited;
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
    QStringList result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!isHeader(lines[i]))
            continue;
        const QString entry = lines[i].sliced(1);
        if (!result.contains(entry))
            result.append(entry);
    }
    return result;
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
    if (lines.isEmpty())
        lines.append(QString());
    lines.append(headerFor(asOneLine(entry)));
    lines.append(asLines(words));
    return lines;
}

QStringList collectWords(const QStringList &lines, const QString &entry)
{
    QStringList words;
    forEachCollectedBlock(lines, entry, -1, [&](qsizetype first, qsizetype end) {
        words.append(lines.mid(first, end - first));
        return 0;
    });
    return words;
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

int collectedBlockCount(const QStringList &lines, const QString &entry)
{
    return forEachCollectedBlock(lines, entry, -1, [](qsizetype, qsizetype) { return 0; });
}

QStringList schueler_update(QStringList lines, const QString &entry, const QStringList &words,
                            int maxBlocks)
{
    const QStringList replacement = asLines(words);
    bool first = true;
    forEachCollectedBlock(lines, entry, maxBlocks, [&](qsizetype begin, qsizetype end) {
        const QStringList &now = first ? replacement : QStringList();
        first = false;
        lines.remove(begin, end - begin);
        for (qsizetype k = 0; k < now.size(); ++k)
            lines.insert(begin + k, now[k]);
        return int(now.size() - (end - begin));
    });
    return lines;
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

PupilFile::PupilFile(QString path, QStringList lines, QByteArray onDisk)
    : m_path(std::move(path)), m_lines(std::move(lines)), m_onDisk(std::move(onDisk))
{
}

std::optional<PupilFile> PupilFile::load(const QString &path, IoError *error)
{
    std::optional<QByteArray> bytes = readWholeFile(path, error);
    if (!bytes)
        return std::nullopt;
    QStringList lines = parse(*bytes);
    return PupilFile(path, std::move(lines), std::move(*bytes));
}

std::optional<PupilFile> PupilFile::create(const QString &path, const QString &name, IoError *error,
                                           QString *unencodable)
{
    const QStringList lines{asOneLine(name)};
    std::optional<QByteArray> bytes = serialise(lines, unencodable);
    if (!bytes) {
        if (error)
            *error = {};
        return std::nullopt;
    }
    if (!writeFileAtomically(path, *bytes, error))
        return std::nullopt;
    return PupilFile(path, lines, std::move(*bytes));
}

bool PupilFile::appendExercise(const QString &entry, const QStringList &words, IoError *error,
                               QString *unencodable)
{
    return apply({true, entry, words, 0}, error, unencodable);
}

bool PupilFile::updateWords(const QString &entry, const QStringList &words, IoError *error,
                            QString *unencodable)
{
    return apply({false, entry, words, collectedBlockCount(m_lines, entry)}, error, unencodable);
}

QStringList PupilFile::applyTo(QStringList lines, const Change &change)
{
    if (change.isAppend)
        return pupilrecord::appendExercise(std::move(lines), change.entry, change.words);
    return schueler_update(std::move(lines), change.entry, change.words, change.blocks);
}

bool PupilFile::apply(Change change, IoError *error, QString *unencodable)
{
    const QString refused =
        ansi::unencodableCharacters(QString(change.entry + change.words.join(u'\n')));
    if (unencodable)
        *unencodable = refused;
    if (!refused.isEmpty()) {
        if (error)
            *error = {};
        return false;
    }
    m_lines = applyTo(std::move(m_lines), change);
    m_unwritten.push_back(std::move(change));
    return write(error);
}

bool PupilFile::writeUnwritten(IoError *error)
{
    if (error)
        *error = {};
    return m_unwritten.empty() || write(error);
}

bool PupilFile::write(IoError *error)
{
    IoError readError;
    if (std::optional<QByteArray> current = readWholeFile(m_path, &readError)) {
        if (*current != m_onDisk) {
            QStringList merged = parse(*current);
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
    const std::optional<QByteArray> bytes = serialise(m_lines);
    if (!bytes) {
        if (error)
            *error = {IoError::WriteFailed};
        return false;
    }
    if (!writeFileAtomically(m_path, *bytes, error))
        return false;
    m_onDisk = *bytes;
    m_unwritten.clear();
    return true;
}

} // namespace pupilrecord
