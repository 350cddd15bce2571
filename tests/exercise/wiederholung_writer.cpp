// Writes review results as fast as it can, through the calls the main window makes after
// each word of a review. tst_wiederholung starts two of these at once against one pupil.
//   wiederholung_writer <record> <copy> <count>

#include "exercise/core/pupilrecord.h"
#include "exercise/core/wiederholung.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const QDate heute(2026, 12, 8);
    QTextStream err(stderr);
    IoError error;
    const std::optional<pupilrecord::PupilFile> pupil =
        pupilrecord::PupilFile::load(args[1], &error);
    if (!pupil)
        return 1;
    wiederholung::WiederholungsDatei review =
        wiederholung::WiederholungsDatei::laden(args[1], pupil->text(), heute);
    for (int i = 0; i < args[3].toInt(); ++i) {
        const WriteResult written =
            review.ergebnis(u"Kopie%1Wort%2"_s.arg(args[2]).arg(i), true, heute);
        if (!written.ok())
            err << "result " << i << ": " << written.io.message() << Qt::endl;
    }
    for (int attempt = 0;; ++attempt) {
        const WriteResult written = review.writeUnwritten();
        if (written.ok())
            break;
        err << "left over: " << written.io.message() << Qt::endl;
        if (attempt == 10)
            return 1;
    }
    return 0;
}
