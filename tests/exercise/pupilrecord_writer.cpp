// Records exercises in a pupil file as fast as it can, through the calls the main window
// makes after each exercise and before it lets a pupil go. tst_pupilrecord starts several
// of these at once against one file. With "korrigieren", every exercise is followed by a
// correction of the record's first exercise, as a teacher makes it.
//   pupilrecord_writer <file> <copy> <count> [korrigieren]

#include "exercise/core/pupilrecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace pupilrecord;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && !(args.size() == 5 && args[4] == u"korrigieren"_s))
        return 2;
    const bool correcting = args.size() == 5;
    const QString &path = args[1];
    const QString &copy = args[2];
    const int count = args[3].toInt();
    QTextStream err(stderr);

    IoError error;
    std::optional<PupilFile> pupil = PupilFile::load(path, &error);
    if (!pupil) {
        err << "load: " << error.message() << Qt::endl;
        return 1;
    }
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = u"Kopie%1-%2.txt"_s.arg(copy).arg(i);
        const QString entry = makeEntry(ExerciseKind::Laufbahn, QDateTime::currentDateTime(), name);
        const WriteResult appended =
            pupil->appendExercise(entry, {u"Wort%1_%2"_s.arg(copy).arg(i)});
        if (!appended.ok()) {
            err << "append " << i << ": " << appended.io.message() << Qt::endl;
            ++failed;
        }
        // Where a correction cannot be written it is kept; it does not count here.
        if (correcting) {
            const QString first = pupil->entries().value(0);
            QStringList words = pupil->wordsOf(first);
            for (QString &word : words)
                word = word == word.toLower() ? word.toUpper() : word.toLower();
            (void)pupil->updateWords(first, words);
        }
    }
    for (int attempt = 0;; ++attempt) {
        const WriteResult leftOver = pupil->writeUnwritten();
        if (leftOver.ok())
            break;
        err << "left over: " << leftOver.io.message() << Qt::endl;
        if (attempt == 10)
            return 1;
    }
    QTextStream(stdout) << "failed_writes " << failed << Qt::endl;
    return 0;
}
