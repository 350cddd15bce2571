#include "bench/bench_luecken.h"

#include "bench/messen.h"
#include "settings/core/luecken.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int woerter = 100000;

// Running text as a class reads it: words of every phenomenon and of none, capitals,
// punctuation, word groups, lines, and a few words already marked.
QString text()
{
    static const QStringList vorrat = {
        u"Die"_s,      u"Biene"_s,       u"fliegt"_s, u"über"_s,     u"den"_s,    u"Stein."_s,
        u"Vieh"_s,     u"Straße,"_s,     u"Fuchs"_s,  u"sechs"_s,    u"Hexen"_s,  u"Pfütze"_s,
        u"Theater"_s,  u"Philipp"_s,     u"Spiel!"_s, u"Vogel"_s,    u"lustig"_s, u"ärgerlich"_s,
        u"tierisch"_s, u"Kaffeetasse"_s, u"Zoo"_s,    u"Bahn"_s,     u"singt"_s,  u"Zank"_s,
        u"Katze;"_s,   u"Staub"_s,       u"Berg"_s,   u"der_Hund"_s, u"Ha§u§s"_s, u"Auto"_s,
        u"ziehen"_s,   u"Boxer"_s,       u"Keks"_s,   u"Fuß"_s,      u"Sand"_s,   u"Schiff"_s,
        u"Wasser"_s,   u"schwimmen"_s,   u"Tee"_s,    u"Mann"_s,
    };
    QString result;
    result.reserve(woerter * 8);
    for (int n = 0; n < woerter; ++n) {
        result += vorrat[(n * 7 + n / 40) % vorrat.size()];
        result += n % 12 == 11 ? u'\n' : u' ';
    }
    return result;
}

} // namespace

int runLuecken()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    const QString vorlage = text();
    // The fastest of five: on a shared machine the others measure the neighbours as well.
    double bestMs = 1e9;
    double cpuMs = 1e9;
    qsizetype laenge = 0;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QElapsedTimer timer;
        const double cpu = messen::processCpuMs();
        timer.start();
        const QString result = auswertung::lueckenSetzen(vorlage, ~0u, u'§');
        bestMs = std::min(bestMs, double(timer.nsecsElapsed()) / 1e6);
        cpuMs = std::min(cpuMs, messen::processCpuMs() - cpu);
        laenge = result.size();
    }
    figure("luecken_100000_words_ms", bestMs);
    figure("luecken_100000_words_cpu_ms", cpuMs);
    figure("luecken_marks_added", double(laenge - vorlage.size()));
    return laenge > vorlage.size() ? 0 : 1;
}
