// Benchmarks of the pupil record: loading a 50 MB record and listing its exercises, and
// correcting an exercise whose header stands in the record many times. Prints one
// figure per line, "name value"; laufbahn_bench runs it in a child process of its own,
// so that the peak memory measured is the record's.

#include "bench/bench_pupilrecord.h"

#include "bench/messen.h"
#include "exercise/core/pupilrecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 recordBytes = 50 * 1024 * 1024;
const QString repeatedEntry = u"[07.12.2026] Woerter.txt"_s;

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM"), or -1 where there is none.
qint64 statusKb(QByteArrayView key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key) && line.size() > key.size() && line[key.size()] == ':')
            return line.sliced(key.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Lets the peak memory start again from what the process holds now (Linux).
void resetPeak()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A record as years of daily use would leave it: Laufbahn runs of many texts with up to
// eight wrong words each, and every fourth exercise a reading-finger run of the same
// word list, so that one header stands in the record tens of thousands of times.
bool writeRecord(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk = "Beispiel Kind\r\n";
    static const char *const words[] = {"Hund",    "Katze", "Straße",    "der_Baum", "fahren",
                                        "Fahrrad", "Mäuse", "schwimmen", "Igel",     "im_Garten"};
    for (qint64 n = 0; file.size() + chunk.size() < recordBytes; ++n) {
        const int day = int(n / 40 % 28) + 1;
        if (n % 4 == 3) {
            chunk += "~[07.12.2026] Woerter.txt\r\n";
        } else {
            chunk += QStringLiteral("~[%1.11.2026 - %2:%3:%4] Text%5.txt\r\n")
                         .arg(day, 2, 10, QChar(u'0'))
                         .arg(n / 3600 % 24, 2, 10, QChar(u'0'))
                         .arg(n / 60 % 60, 2, 10, QChar(u'0'))
                         .arg(n % 60, 2, 10, QChar(u'0'))
                         .arg(n)
                         .toLatin1();
        }
        for (qint64 w = 0; w < n % 9; ++w)
            chunk += ansi::encode(QString::fromUtf8(words[(n + w) % 10])).bytes + "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    return file.write(chunk) == chunk.size();
}

} // namespace

int runPupilRecord()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Beispiel Kind.lbs"_s);
    if (!writeRecord(path))
        return 1;
    const double size = double(QFile(path).size());

    resetPeak();
    const qint64 before = statusKb("VmRSS");
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = messen::processCpuMs();
    IoError error;
    std::optional<pupilrecord::PupilFile> pupil = pupilrecord::PupilFile::load(path, &error);
    if (!pupil)
        return 1;
    const QStringList entries = pupil->entries();
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;
    const double loadCpuMs = messen::processCpuMs() - cpuStart;
    const qint64 peak = statusKb("VmHWM");

    timer.restart();
    const QStringList words = pupil->wordsOf(repeatedEntry);
    const double collectMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    if (!pupil->updateWords(repeatedEntry, words.mid(1)).ok())
        return 1;
    const double correctMs = double(timer.nsecsElapsed()) / 1e6;

    figure("pupil_record_mib", size / (1024 * 1024));
    figure("pupil_record_entries", double(entries.size()));
    figure("pupil_record_load_ms", loadMs);
    figure("pupil_record_load_cpu_ms", loadCpuMs);
    if (before >= 0 && peak >= 0)
        figure("pupil_record_load_memory_ratio", double(peak - before) * 1024 / size);
    figure("pupil_record_collect_ms", collectMs);
    figure("pupil_record_correct_and_write_ms", correctMs);
    return 0;
}
