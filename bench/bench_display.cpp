// Benchmarks of the displays: composing a frame of the gliding line against the naive
// way and against a plain fill, building the glyphs, the time to the first frame, the
// pacing of the gliding line and of the alternative one for five seconds, and how
// exactly the short-time display flashes its words. Prints one figure per line,
// "name value", for scripts. Measurements that need a cold process (first glyph
// build, first display) run in a child process of this program.
//
//   laufbahn_bench              everything; ends with "targets_missed <n>"
//   laufbahn_bench compose      frame composing and glyph building (Google Benchmark)
//   laufbahn_bench glyphs       the first glyph build of a process
//   laufbahn_bench window       creating the display to its first shown frame
//   laufbahn_bench pacing       five seconds of gliding (needs X11 with Present for
//                               the figures the targets speak of)
//   laufbahn_bench alternative  five seconds of the alternative gliding line
//   laufbahn_bench lesefinger   the reading finger for five seconds at each takt 1..6
//   (pacing, alternative and lesefinger followed by "farbig": with coloured syllables)
//   laufbahn_bench flash        200 flashes of the short-time display (X11 with Present)
//   laufbahn_bench record       loading and correcting a 50 MB pupil record
//   laufbahn_bench review       the spaced review's due list and review file
//   laufbahn_bench texts        opening a 16 MiB exercise text, a long random word order
//   laufbahn_bench auswertung   the evaluation window on a whole German dictionary
//   laufbahn_bench luecken      gaps set by every phenomenon in 100,000 words
//   laufbahn_bench silben       reading syllables of a whole German dictionary
//   laufbahn_bench lernverlauf  the progress window on a record of 10,000 exercises
//   laufbahn_bench klasse       the class overview on 30 pupils of 1,000 exercises each
//   laufbahn_bench startup      the program's start-up against a bare window
//   laufbahn_bench lobbild      praise pictures: phone photos and the costliest files
//   laufbahn_bench laufstart diktat|silben  a run started while the voice or the
//                               syllables are still being loaded

#include "bench/bench_auswertung.h"
#include "bench/bench_klassenuebersicht.h"
#include "bench/bench_laufstart.h"
#include "bench/bench_lernverlauf.h"
#include "bench/bench_lobbild.h"
#include "bench/bench_luecken.h"
#include "bench/bench_pupilrecord.h"
#include "bench/bench_silben.h"
#include "bench/bench_startup.h"
#include "bench/bench_texts.h"
#include "bench/bench_wiederholung.h"
#include "bench/messen.h"
#include "display/core/frame.h"
#include "display/core/gleitzeile.h"
#include "display/core/glyphset.h"
#include "display/core/silbenfarben.h"
#include "display/core/surface.h"
#include "display/ui/frameclock.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "display/ui/lesefinger.h"
#include "display/ui/unit1.h"
#include "exercise/core/ansi.h"
#include "reading/core/silben.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <functional>
#include <iterator>
#include <map>
#include <numeric>
#include <sched.h>

#if LAUFBAHN_BENCH_XCB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;
using namespace display;

namespace {

QTextStream out(stdout);

void figure(const char *name, double value)
{
    out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
}

const QString kText = u" Der kleine Hund läuft über die Wiese. Er sucht einen Ball! Wo ist er "
                      u"nur geblieben? Die Katze sitzt auf dem Zaun und schaut zu."_s.repeated(8);

GlyphStyle defaultStyle()
{
    const DisplaySettings settings = DisplaySettings::defaults();
    return GlyphStyle{settings.font, settings.letterColor, settings.background};
}

// The fonts of a running program's windows are loaded before its first display.
void warmFontDatabase()
{
    QFont small = DisplaySettings::defaults().font;
    small.setPointSize(10);
    QFontMetrics(small).horizontalAdvance(u"Schriftart"_s);
}

qint64 processCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// ---------------------------------------------------------------- composing

// A screen full of text as the display shows it after the line has entered.
struct Scene {
    int width;
    int height;
    std::shared_ptr<const GlyphSet> glyphs;
    std::shared_ptr<const GlyphSet> silbe1; // with coloured syllables
    std::shared_ptr<const GlyphSet> silbe2;
    std::vector<PlacedGlyph> placed;
    int zeileY = 0;
    int abstand = 15;
    QString visible;
};

// The colours the syllables of kText take.
QByteArray textFarben()
{
    const auto anfaenge = silben::deutsch().textGrenzen(kText);
    return anfaenge ? silbenFarben(kText, *anfaenge) : QByteArray();
}

Scene makeScene(int width, int height, bool farbig = false)
{
    Scene scene{width, height, GlyphSet::build(defaultStyle(), height), {}, {}, {}, 0, 15, {}};
    CarriedState carried;
    GleitZeile line(kText, scene.glyphs->widths(), width, height, scene.glyphs->textHeight(), 9,
                    scene.abstand, &carried);
    if (farbig) {
        const SilbenAnsicht ansicht;
        GlyphStyle style = defaultStyle();
        style.letterColor = ansicht.farbe1;
        scene.silbe1 = GlyphSet::build(style, height);
        style.letterColor = ansicht.farbe2;
        scene.silbe2 = GlyphSet::build(style, height);
        line.setFarben(textFarben());
    }
    for (int i = 0; i < width / 9 + 40; ++i)
        line.advance(scene.placed);
    scene.zeileY = line.zeileY();
    for (const PlacedGlyph &glyph : scene.placed)
        scene.visible += ansi::fromByte(uchar(glyph.code));
    return scene;
}

void composeBand(benchmark::State &state, const Scene *scene)
{
    Surface target(scene->width, scene->height);
    target.fill(scene->glyphs->background());
    const QRect band = bandRect(scene->width, scene->zeileY, *scene->glyphs);
    for (auto _ : state) {
        composeFrame(target, band, *scene->glyphs, scene->placed, scene->zeileY, nullptr, QPoint(),
                     {scene->silbe1.get(), scene->silbe2.get()});
        benchmark::DoNotOptimize(target.image().constBits());
        benchmark::ClobberMemory();
    }
}

void composeFull(benchmark::State &state, const Scene *scene)
{
    Surface target(scene->width, scene->height);
    for (auto _ : state) {
        composeFrame(target, target.rect(), *scene->glyphs, scene->placed, scene->zeileY);
        benchmark::DoNotOptimize(target.image().constBits());
        benchmark::ClobberMemory();
    }
}

// How a Qt program would usually draw a moving line: its paint event fills the
// window and draws the visible text at the line's position.
void naiveDrawText(benchmark::State &state, const Scene *scene)
{
    QImage image(scene->width, scene->height, QImage::Format_RGB32);
    QFont font = scene->glyphs->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2 + scene->abstand);
    const int baseline = scene->zeileY + QFontMetrics(font).ascent();
    const int x = scene->placed.empty() ? 0 : scene->placed.front().x;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::black);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(x, baseline, scene->visible);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void plainFill(benchmark::State &state, const Scene *scene)
{
    QImage image(scene->width, scene->height, QImage::Format_RGB32);
    auto *pixels = reinterpret_cast<Pixel *>(image.bits());
    const size_t count = size_t(scene->width) * size_t(scene->height);
    for (auto _ : state) {
        std::fill(pixels, pixels + count, Pixel(0xFF000000u));
        benchmark::DoNotOptimize(pixels);
        benchmark::ClobberMemory();
    }
}

void buildGlyphs(benchmark::State &state)
{
    for (auto _ : state) {
        auto set = GlyphSet::build(defaultStyle(), 1080);
        benchmark::DoNotOptimize(set.get());
    }
}

int runCompose(int argc, char **argv)
{
    warmFontDatabase();
    const Scene hd = makeScene(1920, 1080);
    const Scene uhd = makeScene(3840, 2160);
    const Scene hdFarbig = makeScene(1920, 1080, true);
    const Scene uhdFarbig = makeScene(3840, 2160, true);
    auto add = [](const char *name, auto function, const Scene *scene) {
        benchmark::RegisterBenchmark(name, function, scene)
            ->Repetitions(5)
            ->MinTime(0.1)
            ->Unit(benchmark::kMicrosecond);
    };
    add("compose_band_1920x1080", composeBand, &hd);
    add("naive_drawtext_1920x1080", naiveDrawText, &hd);
    add("compose_band_3840x2160", composeBand, &uhd);
    add("compose_band_farbig_1920x1080", composeBand, &hdFarbig);
    add("compose_band_farbig_3840x2160", composeBand, &uhdFarbig);
    add("naive_drawtext_3840x2160", naiveDrawText, &uhd);
    add("compose_full_3840x2160", composeFull, &uhd);
    add("std_fill_3840x2160", plainFill, &uhd);
    benchmark::RegisterBenchmark("glyph_build", buildGlyphs)
        ->Repetitions(3)
        ->MinTime(0.2)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    messen::FastestRun reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto us = [&](const char *name) { return reporter.fastest[name] * 1e6; };

    figure("compose_band_1920x1080_us", us("compose_band_1920x1080"));
    figure("naive_drawtext_1920x1080_us", us("naive_drawtext_1920x1080"));
    figure("compose_vs_naive_1920x1080",
           us("compose_band_1920x1080") / us("naive_drawtext_1920x1080"));
    figure("compose_band_3840x2160_us", us("compose_band_3840x2160"));
    figure("naive_drawtext_3840x2160_us", us("naive_drawtext_3840x2160"));
    figure("compose_vs_naive_3840x2160",
           us("compose_band_3840x2160") / us("naive_drawtext_3840x2160"));
    figure("compose_band_farbig_1920x1080_us", us("compose_band_farbig_1920x1080"));
    figure("compose_farbig_vs_naive_1920x1080",
           us("compose_band_farbig_1920x1080") / us("naive_drawtext_1920x1080"));
    figure("compose_band_farbig_3840x2160_us", us("compose_band_farbig_3840x2160"));
    figure("compose_farbig_vs_naive_3840x2160",
           us("compose_band_farbig_3840x2160") / us("naive_drawtext_3840x2160"));
    figure("compose_full_3840x2160_us", us("compose_full_3840x2160"));
    figure("std_fill_3840x2160_us", us("std_fill_3840x2160"));
    figure("compose_full_vs_fill_3840x2160",
           us("compose_full_3840x2160") / us("std_fill_3840x2160"));
    figure("glyph_build_warm_ms", us("glyph_build") / 1000);
    figure("glyph_memory_mib", double(hd.glyphs->byteCount()) / (1024 * 1024));
    return 0;
}

// ---------------------------------------------------------------- glyphs, cold

int runGlyphs()
{
    warmFontDatabase();
    QElapsedTimer timer;
    timer.start();
    const auto set = GlyphSet::build(defaultStyle(), 1080);
    const double ms = timer.nsecsElapsed() / 1e6;
    figure("glyph_build_ms", ms);
    figure("glyph_build_memory_mib", double(set->byteCount()) / (1024 * 1024));
    return 0;
}

// ---------------------------------------------------------------- first frame

// Waits until the X server has handled everything sent so far, the frame included.
void roundTrip()
{
#if LAUFBAHN_BENCH_XCB
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
#endif
}

// From creating the display to its first frame on the screen, in milliseconds.
double timeToFirstFrame(QWidget *owner)
{
    CarriedState stand;
    QElapsedTimer timer;
    timer.start();
    TLaufForm4 form(kText, stand, DisplaySettings::defaults(), owner);
    double ms = -1;
    bool seen = false;
    QObject::connect(&form, &DisplayWindow::frameShown, &form, [&] {
        if (seen)
            return;
        seen = true;
        // The frame goes out when the paint event has returned.
        QTimer::singleShot(0, &form, [&] {
            roundTrip();
            ms = timer.nsecsElapsed() / 1e6;
            form.close();
        });
    });
    QTimer::singleShot(10000, &form, &QWidget::close);
    form.exec();
    return ms;
}

int runWindow()
{
    // The program's main window is on the screen, with its fonts, before any display.
    QWidget mainWindow;
    QLabel label(u"Schriftart"_s, &mainWindow);
    QFont labelFont = DisplaySettings::defaults().font;
    labelFont.setPointSize(10);
    label.setFont(labelFont);
    mainWindow.resize(640, 480);
    mainWindow.show();
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();

    GlyphCache::shared().clear();
    const double first = timeToFirstFrame(&mainWindow);
    const double kept = timeToFirstFrame(&mainWindow);
    figure("first_frame_ms", first);
    figure("first_frame_kept_ms", kept);
    figure("first_frame_kept_ratio", kept / first);
    return 0;
}

// ---------------------------------------------------------------- pacing

// Five seconds of a display from its first shown frame: the intervals between the
// frames it paints, against the screen's period, and the processor time it takes.
// Figures are named "<prefix>_...".
int measurePacing(
    DisplayWindow &form, const char *prefix,
    const std::function<bool()> &begun = [] { return true; })
{
    const auto figureOf = [prefix](const char *name, double value) {
        figure(QByteArray(prefix).append('_').append(name).constData(), value);
    };
    QElapsedTimer clock;
    std::vector<qint64> shown;
    qint64 firstRefresh = -1;
    qint64 lastRefresh = -1;
    qint64 ticks = 0;
    qint64 cpuStart = 0;
    qint64 cpuEnd = 0;
    qint64 wallEnd = 0;
    QObject::connect(&form, &DisplayWindow::frameShown, &form, [&] {
        // Frames painted before the display glides (its background) do not count.
        if (!form.frameClock() || !begun())
            return;
        if (shown.empty()) {
            clock.start();
            cpuStart = processCpuNs();
            QObject::connect(form.frameClock(), &FrameClock::tick, &form, [&](qint64 refresh) {
                if (firstRefresh < 0)
                    firstRefresh = refresh;
                lastRefresh = refresh;
                ++ticks;
            });
            QTimer::singleShot(5000, Qt::PreciseTimer, &form, [&] {
                cpuEnd = processCpuNs();
                wallEnd = clock.nsecsElapsed();
                form.close();
            });
        }
        shown.push_back(clock.nsecsElapsed());
    });
    QTimer::singleShot(20000, &form, &QWidget::close);
    form.exec();
    if (shown.size() < 3 || wallEnd == 0) {
        figureOf("frames", double(shown.size()));
        return 1;
    }

    const double hz = form.screen() ? form.screen()->refreshRate() : 60.0;
    const double period = 1e9 / (hz > 0 ? hz : 60.0);
    std::vector<double> intervals;
    for (size_t i = 1; i < shown.size(); ++i)
        intervals.push_back(double(shown[i] - shown[i - 1]));
    const double mean =
        std::accumulate(intervals.begin(), intervals.end(), 0.0) / double(intervals.size());
    const double longest = *std::max_element(intervals.begin(), intervals.end());

    out << prefix << "_clock " << form.frameClock()->backend() << Qt::endl;
    figureOf("refresh_hz", hz);
    figureOf("seconds", double(wallEnd) / 1e9);
    figureOf("frames", double(shown.size()));
    figureOf("mean_interval_ms", mean / 1e6);
    // Against the screen's nominal period; a virtual server's clock may itself run a
    // little off, which the frames per counted refresh below tell apart.
    figureOf("mean_deviation_percent", std::abs(mean - period) / period * 100);
    figureOf("max_interval_periods", longest / period);
    if (lastRefresh > firstRefresh)
        figureOf("ticks_per_refresh", double(ticks) / double(lastRefresh - firstRefresh + 1));
    figureOf("missed_refreshes", double(form.frameClock()->missedRefreshes()));
    figureOf("cpu_percent", double(cpuEnd - cpuStart) / double(wallEnd) * 100);
    return 0;
}

// The display settings, with the syllables coloured when `farbig`.
DisplaySettings anzeigeSettings(bool farbig)
{
    DisplaySettings settings = DisplaySettings::defaults();
    settings.silben.farbig = farbig;
    return settings;
}

int runPacing(bool farbig)
{
    CarriedState stand;
    TLaufForm4 form(kText, stand, anzeigeSettings(farbig));
    return measurePacing(form, farbig ? "pacing_farbig" : "pacing");
}

// The alternative gliding line full screen: its 640 x 480 picture enlarged twice on
// the 1920 x 1080 screen of bench/run.
int runAlternative(bool farbig)
{
    TForm1 form(kText + QString(16, u' ') + u'#', anzeigeSettings(farbig));
    // A frame without letters changes nothing on the screen and is not painted: the
    // count starts once the first letters are in.
    return measurePacing(form, farbig ? "alternative_farbig" : "alternative",
                         [&] { return form.motion()->pos() > 3; });
}

// The reading finger full screen for five seconds at each takt 1..6: every pointer
// step must land exactly `takt` refreshes (as the clock counts them) after the one
// before, no refresh may pass without a tick. Its processor time is taken at takt 1,
// where the finger moves on every refresh.
int runLesefinger(bool farbig)
{
    const QByteArray prefix = farbig ? "lesefinger_farbig" : "lesefinger";
    const auto figureOf = [&prefix](const char *name, double value) {
        figure(QByteArray(prefix).append('_').append(name).constData(), value);
    };
    LesefingerSettings settings = LesefingerSettings::defaults();
    settings.silben.farbig = farbig;
    qint64 inexact = 0;
    qint64 missed = 0;
    double cpuTakt1 = 0;
    for (int takt = 1; takt <= 6; ++takt) {
        settings.tempo = 7 - takt;
        TleseForm4 form(kText + u'#', LeseModus::Lesefinger, settings);
        qint64 steps = 0;
        qint64 lastStepRefresh = -1;
        qint64 lastCount = 0;
        qint64 cpuStart = 0;
        qint64 cpuEnd = 0;
        QElapsedTimer clock;
        qint64 wall = 0;
        QObject::connect(&form, &DisplayWindow::frameShown, &form, [&] {
            if (clock.isValid() || !form.frameClock())
                return;
            clock.start();
            cpuStart = processCpuNs();
            lastCount = form.motion()->schritte();
            // Runs after the window's own tick, so a step taken in it is counted here.
            QObject::connect(form.frameClock(), &FrameClock::tick, &form, [&](qint64 refresh) {
                if (form.motion()->schritte() == lastCount)
                    return;
                lastCount = form.motion()->schritte();
                if (lastStepRefresh >= 0 && refresh - lastStepRefresh != takt)
                    ++inexact;
                lastStepRefresh = refresh;
                ++steps;
            });
            QTimer::singleShot(5000, Qt::PreciseTimer, &form, [&] {
                cpuEnd = processCpuNs();
                wall = clock.nsecsElapsed();
                form.close();
            });
        });
        QTimer::singleShot(20000, &form, &QWidget::close);
        form.exec();
        if (wall == 0 || steps < 2)
            return 1;
        if (takt == 1) {
            out << prefix << "_clock " << form.frameClock()->backend() << Qt::endl;
            cpuTakt1 = double(cpuEnd - cpuStart) / double(wall) * 100;
        }
        figureOf(QByteArray("takt").append(QByteArray::number(takt)).append("_steps").constData(),
                 double(steps));
        missed += form.frameClock()->missedRefreshes();
    }
    figureOf("inexact_steps", double(inexact));
    figureOf("missed_refreshes", double(missed));
    figureOf("cpu_percent", cpuTakt1);
    return 0;
}

// ---------------------------------------------------------------- flashes

// 100 flashes at each of the delays 1 and 3 (50 and 150 ms). A flash is exact when
// the server's completion reports put the word on the screen for exactly the planned
// refreshes; the cue is exact when it stood alone exactly a second's refreshes.
int runFlash()
{
    TForm15 form;
    FlashSettings settings = FlashSettings::defaults();
    int presentedAhead = 0;
    int cueExact = 0;
    qint64 missed = 0;
    for (int delay : {1, 3}) {
        settings.delay = delay;
        int exact = 0;
        for (int i = 0; i < 100; ++i) {
            const KurzzeitMessung m = form.zeigen(u"Wiese"_s, settings);
            const KurzzeitDauer &dauer = form.ablauf()->dauer();
            exact += m.wort == dauer.wort;
            cueExact += m.achtung == dauer.achtung;
            missed += m.verpasst;
            presentedAhead += form.presentedAhead();
        }
        figure(delay == 1 ? "flash_pos1_exact" : "flash_pos3_exact", exact);
        figure(delay == 1 ? "flash_pos1_refreshes" : "flash_pos3_refreshes",
               form.ablauf()->dauer().wort);
    }
    figure("flash_cue_exact", cueExact);
    figure("flash_cue_refreshes", form.ablauf()->dauer().achtung);
    figure("flash_missed_refreshes", double(missed));
    figure("flash_presented_ahead", presentedAhead);
    return 0;
}

// ---------------------------------------------------------------- everything

struct Target {
    const char *name;
    double limit;         // the figure must not exceed it ...
    bool atLeast = false; // ... or, when set, not fall below it
};

int runAll(const QString &program)
{
    QMap<QString, double> figures;
    int failures = 0;
    for (const QString &mode :
         {u"compose"_s, u"glyphs"_s, u"window"_s, u"pacing"_s, u"pacing farbig"_s, u"alternative"_s,
          u"alternative farbig"_s, u"lesefinger"_s, u"lesefinger farbig"_s, u"flash"_s, u"record"_s,
          u"review"_s, u"texts"_s, u"auswertung"_s, u"luecken"_s, u"silben"_s, u"lernverlauf"_s, u"klasse"_s,
          u"lobbild"_s,
          u"startup"_s, u"laufstart diktat"_s, u"laufstart silben"_s}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, mode.split(u' '));
        child.waitForFinished(600000);
        const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
        for (const QString &line : lines) {
            if (line.isEmpty())
                continue;
            out << line << Qt::endl;
            const QStringList parts = line.split(u' ');
            bool ok = false;
            const double value = parts.value(1).toDouble(&ok);
            if (ok)
                figures.insert(parts.first(), value);
        }
        failures += child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0;
    }
    // The reading finger may take no more processor time than the gliding line.
    for (const QString &farbig : {u""_s, u"_farbig"_s}) {
        const QString finger = u"lesefinger"_s + farbig + u"_cpu_percent"_s;
        const QString gleit = u"pacing"_s + farbig + u"_cpu_percent"_s;
        if (figures.contains(finger) && figures.contains(gleit)) {
            const double ratio = figures.value(finger) / figures.value(gleit);
            const QString name = u"lesefinger"_s + farbig + u"_cpu_vs_gliding"_s;
            figure(name.toLatin1().constData(), ratio);
            figures.insert(name, ratio);
        }
    }
    // A word list opens about as fast as running text of the same size.
    if (figures.contains(u"text_open_16mib_wordlist_ms"_s) &&
        figures.contains(u"text_open_16mib_story_ms"_s)) {
        const double ratio = figures.value(u"text_open_16mib_wordlist_ms"_s) /
                             figures.value(u"text_open_16mib_story_ms"_s);
        figure("text_wordlist_vs_story", ratio);
        figures.insert(u"text_wordlist_vs_story"_s, ratio);
    }
    const Target targets[] = {
        {"compose_vs_naive_1920x1080", 0.05},
        {"compose_vs_naive_3840x2160", 0.05},
        {"compose_farbig_vs_naive_1920x1080", 0.05},
        {"compose_farbig_vs_naive_3840x2160", 0.05},
        {"compose_full_vs_fill_3840x2160", 1.6},
        {"glyph_build_ms", 30},
        {"glyph_build_memory_mib", 32},
        {"first_frame_ms", 150},
        {"first_frame_kept_ms", 150.0 / 3},
        {"pacing_mean_deviation_percent", 1.0},
        {"pacing_max_interval_periods", 1.5},
        {"pacing_cpu_percent", 8.0},
        {"pacing_farbig_mean_deviation_percent", 1.0},
        {"pacing_farbig_max_interval_periods", 1.5},
        {"pacing_farbig_cpu_percent", 8.0},
        {"alternative_mean_deviation_percent", 1.0},
        {"alternative_max_interval_periods", 1.2},
        {"alternative_cpu_percent", 5.0},
        {"alternative_farbig_mean_deviation_percent", 1.0},
        {"alternative_farbig_max_interval_periods", 1.2},
        {"alternative_farbig_cpu_percent", 5.0},
        {"lesefinger_inexact_steps", 0},
        {"lesefinger_missed_refreshes", 0},
        {"lesefinger_cpu_vs_gliding", 1.0},
        {"lesefinger_farbig_inexact_steps", 0},
        {"lesefinger_farbig_missed_refreshes", 0},
        {"lesefinger_farbig_cpu_vs_gliding", 1.0},
        {"flash_pos1_exact", 100, true},
        {"flash_pos3_exact", 100, true},
        {"flash_cue_exact", 200, true},
        {"flash_missed_refreshes", 0},
        {"flash_presented_ahead", 200, true},
        {"pupil_record_load_ms", 1000},
        {"pupil_record_load_memory_ratio", 5},
        {"review_rebuild_10000_exercises_ms", 100},
        {"review_due_list_10000_exercises_ms", 100},
        {"review_file_5000_words_ms", 50},
        {"text_read_16mib_ms", 1000},
        {"text_open_16mib_story_ms", 1000},
        {"text_keystroke_16mib_ms", 50},
        {"text_keystroke_16mib_wordlist_ms", 50},
        {"text_wordlist_vs_story", 3},
        {"random_order_350k_words_ms", 1000},
        {"auswertung_form_s", 2.0},
        {"luecken_100000_words_ms", 500},
        {"silben_wngerman_ms", 1000},
        {"silben_muster_vs_wngerman", 0.5},
        {"silben_wngerman_abweichungen", 0},
        {"lernverlauf_open_ms", 1000},
        {"praise_12mp_cpu_ms", 150},
        {"praise_50mp_cpu_ms", 400},
        {"praise_50mp_peak_mib", 64},
        {"praise_24mp_progressive_cpu_ms", 1000},
        {"praise_24mp_progressive_peak_mib", 512},
        {"praise_worst_time_cpu_ms", 1000},
        {"praise_worst_time_peak_mib", 512},
        {"praise_worst_memory_cpu_ms", 1000},
        {"praise_worst_memory_peak_mib", 512},
        {"klassenuebersicht_open_ms", 1000},
        {"startup_ratio", 1.5},
        {"laufstart_diktat_ms", 1000},
        {"laufstart_silben_ms", 1000},
    };
    int missed = failures;
    for (const Target &target : targets) {
        const QString name = QString::fromLatin1(target.name);
        const double value = figures.value(name);
        if (!figures.contains(name) ||
            (target.atLeast ? value < target.limit : value > target.limit)) {
            QTextStream(stderr) << "missed: " << name << " = "
                                << (figures.contains(name) ? QString::number(figures.value(name))
                                                           : u"(none)"_s)
                                << ", limit " << target.limit << Qt::endl;
            ++missed;
        }
    }
    figure("targets_missed", missed);
    return missed == 0 ? 0 : 1;
}

// What measures time on the screen runs at the real-time priority bench/run offers
// (LAUFBAHN_BENCH_REALTIME), as the display would on a machine doing nothing else;
// what measures processor speed runs as it is, so it does not take a core from the
// machine. Raised before the application starts its threads, so they share it.
void raisePriorityForTiming(const char *mode)
{
    const int priority = qEnvironmentVariableIntValue("LAUFBAHN_BENCH_REALTIME");
    const QByteArray timing[] = {"window", "pacing", "alternative", "lesefinger", "flash"};
    if (priority <= 0 || std::find(std::begin(timing), std::end(timing), mode) == std::end(timing))
        return;
    sched_param param{};
    param.sched_priority = priority;
    sched_setscheduler(0, SCHED_FIFO, &param);
}

} // namespace

int main(int argc, char **argv)
{
    raisePriorityForTiming(argc > 1 ? argv[1] : "");
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == u"compose")
        return runCompose(argc - 1, argv + 1);
    if (mode == u"glyphs")
        return runGlyphs();
    if (mode == u"window")
        return runWindow();
    // "farbig" after a display's mode: its syllables coloured.
    const bool farbig = argc > 2 && QByteArrayView(argv[2]) == "farbig";
    if (mode == u"pacing")
        return runPacing(farbig);
    if (mode == u"alternative")
        return runAlternative(farbig);
    if (mode == u"lesefinger")
        return runLesefinger(farbig);
    if (mode == u"flash")
        return runFlash();
    if (mode == u"record")
        return runPupilRecord();
    if (mode == u"review")
        return runWiederholung();
    if (mode == u"texts")
        return runTexts();
    if (mode == u"auswertung")
        return runAuswertung();
    if (mode == u"luecken")
        return runLuecken();
    if (mode == u"silben")
        return runSilben(argc - 1, argv + 1);
    if (mode == u"lernverlauf")
        return runLernverlauf();
    if (mode == u"lobbild")
        return runLobbild(QCoreApplication::applicationFilePath());
    if (mode == u"lobbild-eins" && argc > 3)
        return runLobbildEins(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (mode == u"klasse")
        return runKlassenuebersicht();
    if (mode == u"startup")
        return runStartup(
            QCoreApplication::applicationFilePath(),
            argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(LAUFBAHN_PROGRAM), figure);
    if (mode == u"bare")
        return runBareWindow();
    if (mode == u"laufstart")
        return runLaufstart(argc > 2 ? QString::fromLocal8Bit(argv[2]) : u"diktat"_s);
    return runAll(QCoreApplication::applicationFilePath());
}
