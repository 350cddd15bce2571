#include "bench/bench_lobbild.h"

#include "tests/support/pictures.h"
#include "writing/core/praisepicture.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

void figure(const QString &name, double value)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// A line of /proc/self/status in kB.
qint64 statusKb(const QByteArray &key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

int runLobbildEins(const QString &path, const QString &prefix)
{
    // The peak is counted from here: writing 5 resets it to what is resident now.
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const qint64 before = statusKb("VmRSS");
    const double start = cpuMs();
    const QFileInfo file(path);
    praise::PictureJob job{file.absolutePath() + u'/', {file.fileName()}, {}, jpeg::Options()};
    job.limits.shownAt = QSize(1920, 1080);
    const praise::LoadedPicture loaded = praise::loadFirstPicture(job);
    figure(prefix + u"_cpu_ms"_s, cpuMs() - start);
    figure(prefix + u"_peak_mib"_s, double(statusKb("VmHWM") - before) / 1024);
    figure(prefix + u"_shown"_s, loaded.image.isNull() ? 0 : 1);
    if (loaded.image.isNull())
        QTextStream(stderr) << prefix << ": " << loaded.failures.value(0).reason << Qt::endl;
    return 0;
}

int runLobbild(const QString &program)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    using Spec = testing::JpegSpec;
    // The costliest within the limits: an arithmetic-coded progressive 4:4:4 photo of
    // 40 megapixels, its last scan (a whole band refined) repeated up to the budget.
    const QByteArray worst = testing::withLastScanRepeated(
        testing::jpegPicture({7300, 5480, Spec::Colour::YCbCr444, true, true, 92, 6}), 2);
    const struct {
        QString name;
        QByteArray bytes;
    } pictures[] = {
        {u"praise_12mp"_s, testing::jpegPicture({4000, 3000, Spec::Colour::YCbCr420, false, false, 90})},
        {u"praise_50mp"_s, testing::jpegPicture({8160, 6120, Spec::Colour::YCbCr420, false, false, 90})},
        {u"praise_24mp_progressive"_s,
         testing::jpegPicture({6000, 4000, Spec::Colour::YCbCr420, true, false, 90})},
        {u"praise_worst"_s, worst},
    };
    int failures = 0;
    for (const auto &picture : pictures) {
        const QString path = dir.filePath(picture.name + u".jpg"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(picture.bytes) != picture.bytes.size())
            return 1;
        file.close();
        figure(picture.name + u"_file_mib"_s, double(picture.bytes.size()) / (1 << 20));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {u"lobbild-eins"_s, path, picture.name});
        child.waitForFinished(120000);
        QTextStream(stdout) << child.readAllStandardOutput();
        failures += child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0;
    }
    return failures == 0 ? 0 : 1;
}
