#include "bench/bench_auswertung.h"

#include "exercise/core/textfile.h"
#include "settings/core/auswertung.h"
#include "settings/ui/fehler.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QTextStream>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// Installed by the "wngerman" package.
QString woerterbuch()
{
    return u"/usr/share/dict/ngerman"_s;
}

// Wall-clock and processor time of one step: on a busy machine the first also counts
// the time other programs had the processor.
class Stoppuhr {
public:
    Stoppuhr() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuSeconds();
    }
    double wall() const { return double(m_wall.nsecsElapsed()) / 1e9; }
    double cpu() const { return cpuSeconds() - m_cpu; }

private:
    static double cpuSeconds()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

} // namespace

int runAuswertung()
{
    QTextStream out(stdout);
    const auto figure = [&out](const char *name, double value) {
        out << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
    };
    IoError error;
    const std::optional<QString> text = textfile::readText(woerterbuch(), &error);
    if (!text) {
        QTextStream(stderr) << woerterbuch() << ": " << error.message() << Qt::endl;
        return 1;
    }
    const QStringList lines = text->split(u'\n');

    // The rules alone: words, order, merging and every word's phenomena.
    Stoppuhr clock;
    const QList<auswertung::Eintrag> liste =
        auswertung::wortliste(auswertung::textWoerter(lines), auswertung::sortierung());
    quint32 alle = 0;
    for (const auswertung::Eintrag &eintrag : liste)
        alle |= auswertung::phaenomene(eintrag.text(true));
    figure("auswertung_core_s", clock.wall());
    figure("auswertung_core_cpu_s", clock.cpu());
    figure("auswertung_words", double(liste.size()));

    // What the teacher waits for: "Textauswertung..." filling the window, then the
    // largest phenomenon chosen.
    TForm17 form;
    form.show();
    clock.restart();
    form.init2(lines, woerterbuch());
    figure("auswertung_form_s", clock.wall());
    figure("auswertung_form_cpu_s", clock.cpu());
    clock.restart();
    form.ListBox3->setCurrentRow(auswertung::sonstigeWoerter);
    figure("auswertung_phenomenon_s", clock.wall());
    figure("auswertung_phenomenon_words", double(form.ListBox2->count()));
    return alle != 0 && form.ListBox1->count() == liste.size() ? 0 : 1;
}
