#include "bench/bench_klassenuebersicht.h"

#include "exercise/core/ansi.h"
#include "settings/ui/klassenuebersicht.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr int pupils = 30;
constexpr int exercises = 1000;

// Three years of a pupil's exercises: up to eight wrong words each, drawn from a stock of
// words the class shares in part, so that many words are shared by several pupils.
QByteArray record(int pupil)
{
    static const char *const words[] = {"Hund",    "Katze", "Straße",    "der_Baum", "fahren",
                                        "Fahrrad", "Mäuse", "schwimmen", "Igel",     "lustig",
                                        "Stiefel", "Vogel", "Pferd",     "Fuchs",    "Biene"};
    QByteArray bytes = ansi::encode(u"Kind %1"_s.arg(pupil)).bytes + "\r\n";
    const QDateTime start = QDateTime(QDate::currentDate().addDays(-3 * 365), QTime(8, 0));
    for (int n = 0; n < exercises; ++n) {
        const QDateTime when = start.addSecs(qint64(n) * 26 * 3600 + pupil * 60);
        const QString header = u"~["_s + when.toString(u"dd.MM.yyyy - HH:mm:ss"_s) + u"] Text" +
                               QString::number(n % 40) + u".txt";
        bytes += ansi::encode(header).bytes + "\r\n";
        for (int w = 0; w < (n + pupil) % 9; ++w) {
            QString word = QString::fromUtf8(words[(n * 7 + w * 3 + pupil) % 15]);
            // Some words are each pupil's own.
            if ((n + w) % 5 == 0)
                word += QString::number(pupil * 100 + n % 100);
            bytes += ansi::encode(word).bytes + "\r\n";
        }
    }
    return bytes;
}

} // namespace

int runKlassenuebersicht()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    QTemporaryDir dir;
    for (int pupil = 0; pupil < pupils; ++pupil) {
        QFile file(dir.filePath(u"Kind %1.lbs"_s.arg(pupil)));
        if (!file.open(QIODevice::WriteOnly) || file.write(record(pupil)) < 0)
            return 1;
    }

    // What the teacher waits for after "Klassenübersicht...": every record and review read,
    // the window shown and drawn with its table.
    QElapsedTimer timer;
    timer.start();
    TFormKlassenuebersicht form(
        {dir.path(), dir.filePath(u"default.ini"_s), QFont(), QDate::currentDate()});
    form.show();
    QApplication::processEvents();
    const QPixmap drawn = form.grab();
    figure("klassenuebersicht_open_ms", double(timer.nsecsElapsed()) / 1e6);
    figure("klassenuebersicht_pupils", double(form.klasse().schueler.size()));
    qsizetype uebungen = 0;
    for (const klassenuebersicht::Schueler &schueler : form.klasse().schueler)
        uebungen += schueler.uebungen;
    figure("klassenuebersicht_exercises", double(uebungen));
    return drawn.isNull() || form.klasse().schueler.size() != pupils ? 1 : 0;
}
