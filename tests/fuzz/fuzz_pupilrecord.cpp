// Any file handed to "Schüler laden": reading, the list of past exercises, collecting
// and correcting the wrong words of each, recording a new exercise, writing it back.
#include "exercise/core/pupilrecord.h"

#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace pupilrecord;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Written and read again, the lines come back unchanged.
void requireRoundTrip(const QStringList &lines)
{
    const std::optional<QByteArray> bytes = serialise(lines);
    require(bytes.has_value());
    require(parse(*bytes) == lines);
}

// The scans are linear; a record with thousands of exercises would make the
// per-entry checks quadratic without finding more.
constexpr qsizetype entriesChecked = 48;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = parse(bytes);
    requireRoundTrip(lines);
    // The compact form a loaded record is kept in holds the same lines.
    const RecordLines record = RecordLines::fromBytes(bytes);
    require(record.toList() == lines);
    require(record.text() == lines.join(u'\n'));
    require(record.toBytes().bytes == serialise(lines).value());

    const QStringList listed = entries(lines);
    for (qsizetype i = 0; i < listed.size(); ++i) {
        require(isHeader(headerFor(listed[i])));
        require(lines.indexOf(headerFor(listed[i]), 1) > 0);
        require(listed.indexOf(listed[i]) == i);
    }
    (void)firstName(fullName(lines));
    for (const QString &entry : listed)
        (void)textNameOf(entry);

    for (qsizetype i = 0; i < std::min(listed.size(), entriesChecked); ++i) {
        const QString &entry = listed[i];
        const QStringList words = collectWords(lines, entry);
        for (const QString &word : words)
            require(!isHeader(word));

        // Writing back what was collected keeps every entry and every other exercise's words.
        const QStringList same = schueler_update(lines, entry, words);
        require(entries(same) == listed);
        require(fullName(same) == fullName(lines));
        require(collectWords(same, entry) == words);

        // Deleting the first word and lower-casing the last.
        QStringList corrected = nonEmpty(words);
        if (!corrected.isEmpty())
            corrected.removeFirst();
        if (!corrected.isEmpty())
            corrected.last() = lowercaseFirst(corrected.last());
        const QStringList updated = schueler_update(lines, entry, corrected);
        require(entries(updated) == listed);
        require(collectWords(updated, entry) == corrected);
        for (qsizetype j = 0; j < std::min(listed.size(), entriesChecked); ++j) {
            if (j != i)
                require(collectWords(updated, listed[j]) == collectWords(lines, listed[j]));
        }
        requireRoundTrip(updated);

        // Named by what they hold, the same blocks are corrected; naming none, none is.
        require(schueler_update(lines, entry, corrected, collectedBlocks(lines, entry)) == updated);
        require(schueler_update(lines, entry, corrected, {}) == lines);
    }

    // A new exercise is listed last and carries exactly its words.
    const QString entry =
        makeEntry(ExerciseKind::Laufbahn, QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)),
                  u"neu] "_s + QString::number(listed.size()) + u".txt"_s);
    if (!listed.contains(entry)) {
        const QStringList words =
            listed.isEmpty() ? QStringList{u"Hund"_s} : collectWords(lines, listed.front());
        const QStringList appended = appendExercise(lines, entry, words);
        require(entries(appended) == listed + QStringList{entry});
        require(collectWords(appended, entry) == words);
        require(fullName(appended) == fullName(lines));
        requireRoundTrip(appended);
    }

    // Whatever the first line says, a name the check lets through names a file directly
    // in the start folder.
    const QString name = fullName(lines);
    const QString start = u"/tmp/laufbahn-start"_s;
    QString problem;
    const std::optional<QString> path = filePathFor(start, name, &problem);
    require(path.has_value() == problem.isEmpty());
    require(path.has_value() == nameProblem(name).isEmpty());
    if (path) {
        require(QFileInfo(*path).absolutePath() == start);
        require(QFileInfo(*path).fileName() == name + u".lbs"_s);
    }
    return 0;
}
