// Benchmarks of the spaced review: the due list of a pupil record of 10,000 exercises,
// with its review file and rebuilt without one, and a review file of 5,000 words read
// and written. Prints one figure per line, "name value".

#include "bench/bench_wiederholung.h"

#include "bench/messen.h"
#include "exercise/core/pupilrecord.h"
#include "exercise/core/wiederholung.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QDate heute(2026, 12, 7);

// Three years of daily use: ten exercises a day with up to eight wrong words each, drawn
// from a vocabulary of some 20,000 words and word groups, so that many words come back.
bool writeRecord(const QString &path, int exercises)
{
    QString text = u"Beispiel Kind"_s;
    for (int n = 0; n < exercises; ++n) {
        const QDate day = heute.addDays(n / 10 - exercises / 10);
        text += u"\n~[%1 - %2:%3:00] Text%4.txt"_s.arg(day.toString(u"dd.MM.yyyy"))
                    .arg(8 + n % 10, 2, 10, QChar(u'0'))
                    .arg(n % 60, 2, 10, QChar(u'0'))
                    .arg(n % 300);
        for (int w = 0; w < n % 9; ++w) {
            const int id = (n * 7 + w * 131) % 20000;
            text += id % 5 == 0 ? u"\nim_Gar$t$en%1"_s.arg(id) : u"\nStra$ß$e%1"_s.arg(id);
        }
    }
    QFile file(path);
    const QByteArray bytes = ansi::encodeJoinedLines(text, true).bytes;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int runWiederholung()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    // The best of five runs, in time passed and in processor time: on a busy machine
    // the time passed also counts the other programs' turns.
    struct Zeit {
        double ms = 1e9;
        double cpuMs = 1e9;
    };
    const auto messen = [](Zeit &best, const auto &lauf) {
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            const double cpu = messen::processCpuMs();
            if (!lauf())
                return false;
            best.ms = std::min(best.ms, msSince(timer));
            best.cpuMs = std::min(best.cpuMs, messen::processCpuMs() - cpu);
        }
        return true;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Beispiel Kind.lbs"_s);
    if (!writeRecord(path, 10000))
        return 1;
    IoError error;
    const std::optional<pupilrecord::PupilFile> pupil = pupilrecord::PupilFile::load(path, &error);
    if (!pupil)
        return 1;

    qsizetype words = 0;
    const auto dueList = [&] {
        WriteResult written;
        const wiederholung::WiederholungsDatei review =
            wiederholung::WiederholungsDatei::laden(path, pupil->text(), heute, &written);
        words = qsizetype(review.stand().woerter().size());
        return written.ok() &&
               qsizetype(review.stand().faellige(heute).size()) == wiederholung::faelligHoechstens;
    };
    Zeit rebuild;
    Zeit due;
    if (!messen(rebuild,
                [&] {
                    QFile::remove(wiederholung::dateiZu(path));
                    return dueList();
                }) ||
        !messen(due, dueList))
        return 1;

    // A review file of 5,000 words, read and written as a review result does.
    const QString small = dir.filePath(u"Klein.lbs"_s);
    QString text = u"Klein"_s;
    for (int i = 0; i < 5000; ++i)
        text +=
            u"\n~[%1] Text.txt\nW$ö$rter_%2"_s.arg(heute.addDays(-i % 40).toString(u"dd.MM.yyyy"))
                .arg(i);
    wiederholung::WiederholungsDatei::laden(small, text, heute);
    const QString reviewFile = wiederholung::dateiZu(small);
    Zeit file;
    const bool fileOk = messen(file, [&] {
        const std::optional<QByteArray> bytes = readWholeFile(reviewFile, &error);
        std::optional<wiederholung::Stand> stand = wiederholung::Stand::lesen(bytes.value_or(""));
        if (!stand || stand->woerter().size() != 5000)
            return false;
        stand->ergebnis(u"W$ö$rter_17"_s, true, heute);
        const std::optional<QByteArray> written = stand->speichern();
        return written && writeFileAtomically(reviewFile, *written).ok();
    });
    if (!fileOk)
        return 1;

    figure("review_record_words", double(words));
    figure("review_rebuild_10000_exercises_ms", rebuild.ms);
    figure("review_rebuild_10000_exercises_cpu_ms", rebuild.cpuMs);
    figure("review_due_list_10000_exercises_ms", due.ms);
    figure("review_due_list_10000_exercises_cpu_ms", due.cpuMs);
    figure("review_file_5000_words_ms", file.ms);
    figure("review_file_5000_words_cpu_ms", file.cpuMs);
    return 0;
}
