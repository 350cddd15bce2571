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
        if (line.startsWith(QByteArray(key + ':')))
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
    // The costliest within the limits: in time, a progressive 4:4:4 photo of 20
    // megapixels dense with detail (19 MB of data, each byte a pass of Huffman decoding
    // in several scans); in memory, one of 50 megapixels, whose coefficients libjpeg
    // keeps until the last scan.
    const struct {
        QString name;
        testing::JpegSpec bild;
    } pictures[] = {
        {u"praise_12mp"_s, {4000, 3000, Spec::Colour::YCbCr420, false, false, 90, 24}},
        {u"praise_50mp"_s, {8160, 6120, Spec::Colour::YCbCr420, false, false, 90, 24}},
        {u"praise_24mp_progressive"_s, {6000, 4000, Spec::Colour::YCbCr420, true, false, 90, 24}},
        {u"praise_worst_time"_s, {5000, 4000, Spec::Colour::YCbCr444, true, false, 95, 40}},
        {u"praise_worst_memory"_s, {8160, 6120, Spec::Colour::YCbCr444, true, false, 90, 6}},
    };
    int failures = 0;
    for (const auto &picture : pictures) {
        const QString path = dir.filePath(picture.name + u".jpg"_s);
        const QByteArray bytes = testing::jpegPicture(picture.bild);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
        file.close();
        figure(picture.name + u"_file_mib"_s, double(bytes.size()) / (1 << 20));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {u"lobbild-eins"_s, path, picture.name});
        child.waitForFinished(120000);
        QTextStream(stdout) << child.readAllStandardOutput();
        failures += child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0;
    }
    return failures == 0 ? 0 : 1;
}
