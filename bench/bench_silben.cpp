#include "bench/bench_silben.h"

#include "bench/messen.h"
#include "exercise/core/fileio.h"
#include "exercise/core/textfile.h"
#include "reading/core/silben.h"
#include "reading/core/trennmuster.h"
#include "tests/support/libhyphen.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void figure(const char *name, double value)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
}

// Processor time of the fastest repetition: on a busy machine the wall-clock figure also
// counts the time other programs had the processor.
double besteCpuMs = -1;

void trenneAlle(benchmark::State &state, const QStringList *woerter)
{
    silben::Silbentrenner &trenner = silben::deutsch();
    for (auto _ : state) {
        const double anfang = messen::processCpuMs();
        qsizetype silben = 0;
        for (const QString &wort : *woerter)
            silben += trenner.trennen(wort)->size();
        benchmark::DoNotOptimize(silben);
        const double ms = messen::processCpuMs() - anfang;
        if (besteCpuMs < 0 || ms < besteCpuMs)
            besteCpuMs = ms;
    }
}

// Every word of the list through the program's reader and through libhyphen's own
// reading of the same file: the words whose breaks differ, each reported.
int abweichungen(const QStringList &woerter)
{
    const QString datei = silben::standardMuster();
    const std::optional<QByteArray> inhalt = readWholeFile(datei, nullptr);
    const testing::Libhyphen libhyphen(datei);
    if (!inhalt || !libhyphen.geladen())
        return -1;
    const silben::Trennmuster muster = silben::Trennmuster::lesen(*inhalt);
    int anders = 0;
    for (const QString &wort : woerter) {
        const QString klein = wort.toLower();
        QByteArray bytes(klein.size() * 3, Qt::Uninitialized);
        QList<qsizetype> letztesByte(klein.size());
        const qsizetype laenge =
            ansi::encodeIn(klein, muster.zeichensatz(), bytes.data(), letztesByte.data());
        if (laenge < 0)
            continue;
        bytes.truncate(laenge);
        const QByteArray erwartet = libhyphen.libhyphen(bytes);
        const QByteArray gefunden = libhyphen.leser(muster, bytes);
        if (gefunden != erwartet) {
            ++anders;
            QTextStream(stderr) << "anders getrennt: " << wort << ' ' << gefunden << " statt "
                                << erwartet << Qt::endl;
        }
    }
    return anders;
}

} // namespace

int runSilben(int argc, char **argv)
{
    const QString liste = u"/usr/share/dict/ngerman"_s; // Debian's "wngerman"
    IoError error;
    const std::optional<QString> text = textfile::readText(liste, &error);
    if (!text) {
        QTextStream(stderr) << liste << ": " << error.message() << Qt::endl;
        return 1;
    }
    const QStringList woerter = text->split(u'\n', Qt::SkipEmptyParts);

    QElapsedTimer uhr;
    uhr.start();
    if (!silben::deutsch().bereit()) {
        QTextStream(stderr) << silben::deutsch().fehlermeldung() << Qt::endl;
        return 1;
    }
    const double musterMs = double(uhr.nsecsElapsed()) / 1e6;
    figure("silben_muster_ms", musterMs);

    benchmark::RegisterBenchmark("silben_wngerman", trenneAlle, &woerter)
        ->Repetitions(3)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    messen::FastestRun reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    figure("silben_words", double(woerter.size()));
    const auto bester = reporter.fastest.find("silben_wngerman");
    if (bester == reporter.fastest.end())
        return 1;
    figure("silben_wngerman_ms", bester->second * 1e3);
    figure("silben_wngerman_cpu_ms", besteCpuMs);
    // Ready long before a dictionary is through: a run started at once never waits.
    figure("silben_muster_vs_wngerman", musterMs / (bester->second * 1e3));
    const int anders = abweichungen(woerter);
    if (anders < 0) {
        QTextStream(stderr) << "libhyphen reads no patterns" << Qt::endl;
        return 1;
    }
    figure("silben_wngerman_abweichungen", anders);
    return 0;
}
