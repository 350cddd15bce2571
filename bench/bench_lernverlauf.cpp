#include "bench/bench_lernverlauf.h"

#include "exercise/core/pupilrecord.h"
#include "settings/ui/lernverlauf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr int exercises = 10000;

// Four years of daily use: up to eight wrong words an exercise, every fiftieth exercise
// with a date the computer wrote in a form that cannot be read.
QByteArray record()
{
    static const char *const words[] = {"Hund",    "Katze", "Straße",    "der_Baum", "fahren",
                                        "Fahrrad", "Mäuse", "schwimmen", "Igel",     "lustig"};
    QByteArray bytes = "Beispiel Kind\r\n";
    const QDateTime start(QDate(2023, 1, 2), QTime(8, 0));
    for (int n = 0; n < exercises; ++n) {
        const QDateTime when = start.addSecs(qint64(n) * 3 * 3600 + n % 7 * 60);
        const QString date =
            n % 50 == 49 ? when.toString(u"M/d/yyyy"_s) : when.toString(u"dd.MM.yyyy - HH:mm:ss"_s);
        const QString header = u"~["_s + date + u"] Text" + QString::number(n % 40) + u".txt";
        bytes += ansi::encode(header).bytes + "\r\n";
        for (int w = 0; w < n % 9; ++w)
            bytes += ansi::encode(QString::fromUtf8(words[(n + w) % 10])).bytes + "\r\n";
    }
    return bytes;
}

} // namespace

int runLernverlauf()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Beispiel Kind.lbs"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(record()) < 0)
        return 1;
    file.close();
    IoError error;
    const std::optional<pupilrecord::PupilFile> pupil = pupilrecord::PupilFile::load(path, &error);
    if (!pupil)
        return 1;

    // What the teacher waits for after "Lernverlauf...": the record handed over, the
    // window shown and drawn with its charts.
    TFormLernverlauf form;
    QElapsedTimer timer;
    timer.start();
    form.init(pupil->lines());
    form.show();
    QApplication::processEvents();
    const QPixmap drawn = form.grab();
    figure("lernverlauf_open_ms", double(timer.nsecsElapsed()) / 1e6);
    figure("lernverlauf_exercises", exercises);
    figure("lernverlauf_apart", form.ListeOhneDatum->count());
    return drawn.isNull() || !form.VerlaufsDiagramm ? 1 : 0;
}
