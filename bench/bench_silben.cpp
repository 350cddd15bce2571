#include "bench/bench_silben.h"

#include "exercise/core/textfile.h"
#include "reading/core/silben.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

void figure(const char *name, double value)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Processor time of the fastest repetition: on a busy machine the wall-clock figure also
// counts the time other programs had the processor.
double besteCpuMs = -1;

void trenneAlle(benchmark::State &state, const QStringList *woerter)
{
    silben::Silbentrenner &trenner = silben::deutsch();
    for (auto _ : state) {
        const double anfang = cpuMs();
        qsizetype silben = 0;
        for (const QString &wort : *woerter)
            silben += trenner.trennen(wort)->size();
        benchmark::DoNotOptimize(silben);
        const double ms = cpuMs() - anfang;
        if (besteCpuMs < 0 || ms < besteCpuMs)
            besteCpuMs = ms;
    }
}

// The fastest of the repetitions: on a shared machine the others measure the
// neighbours as well.
class Schnellster : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            const double ms = run.real_accumulated_time / double(run.iterations) * 1e3;
            if (bester < 0 || ms < bester)
                bester = ms;
        }
    }
    double bester = -1;
};

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
    figure("silben_muster_ms", double(uhr.nsecsElapsed()) / 1e6);

    benchmark::RegisterBenchmark("silben_wngerman", trenneAlle, &woerter)
        ->Repetitions(3)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    Schnellster reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    figure("silben_words", double(woerter.size()));
    figure("silben_wngerman_ms", reporter.bester);
    figure("silben_wngerman_cpu_ms", besteCpuMs);
    return reporter.bester >= 0 ? 0 : 1;
}
