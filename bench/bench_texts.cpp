#include "bench/bench_texts.h"

#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "exercise/core/textfile.h"
#include "exercise/core/wortfolge.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

void figure(const QString &name, double value)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'g', 5) << Qt::endl;
}

// Wall-clock and processor time of one step; on a busy machine the second tells what
// the step itself costs.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuMs();
    }
    void report(const QString &name) const
    {
        figure(name + u"_ms"_s, double(m_wall.nsecsElapsed()) / 1e6);
        figure(name + u"_cpu_ms"_s, cpuMs() - m_cpu);
    }

private:
    static double cpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

// `lines` repeated until `bytes` are filled, each ended by CR LF, in Windows-1252.
QByteArray textOf(const QList<QByteArray> &lines, qint64 bytes)
{
    QByteArray text;
    text.reserve(bytes);
    for (qsizetype i = 0; text.size() < bytes - 2; ++i)
        text += lines[i % lines.size()] + "\r\n";
    text.truncate(bytes - 2);
    return text + "\r\n";
}

// One word per line, the most line ends a text of this size can hold.
QByteArray wordList(qint64 bytes)
{
    return textOf({"Hund", "K\xe4tzchen", "M$au$s",
                   "Stra\xdf"
                   "e",
                   "Fr\xa7\xfc\xa7hling",
                   "der_gro\xdf"
                   "e_Hund"},
                  bytes);
}

// Paragraphs of running text.
QByteArray story(qint64 bytes)
{
    const QByteArray sentence = "Der kleine Hund l\xe4uft \xfc"
                                "ber die Wiese und sucht seinen Ball. ";
    return textOf({sentence.repeated(12)}, bytes);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int runTexts()
{
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    const QString words = dir.filePath(u"woerter.txt"_s);
    const QString text = dir.filePath(u"geschichte.txt"_s);
    if (!writeFile(words, wordList(textfile::maxTextBytes)) ||
        !writeFile(text, story(textfile::maxTextBytes)))
        return 1;

    // File to text: decoding and line ends, for the text with the most lines.
    Stopwatch watch;
    const std::optional<QString> list = textfile::readText(words, nullptr);
    watch.report(u"text_read_16mib"_s);
    if (!list)
        return 1;

    // As the teacher opens them: into the editor, the type detected, then one key.
    {
        LaufbahnApp app;
        TForm3 &form = *app.Form3;
        watch.restart();
        if (!form.loadText(text))
            return 1;
        watch.report(u"text_open_16mib_story"_s);
        auto *editor = form.findChild<QPlainTextEdit *>(u"Memo1"_s);
        if (!editor)
            return 1;
        editor->moveCursor(QTextCursor::End);
        watch.restart();
        editor->insertPlainText(u"x"_s);
        watch.report(u"text_keystroke_16mib"_s);

        // The most lines a text can have: the editor's cost per line would dominate.
        watch.restart();
        if (!form.loadText(words))
            return 1;
        watch.report(u"text_open_16mib_wordlist"_s);
        form.findChild<QPlainTextEdit *>(u"Memo1"_s)->moveCursor(QTextCursor::End);
        watch.restart();
        form.findChild<QPlainTextEdit *>(u"Memo1"_s)->insertPlainText(u"x"_s);
        watch.report(u"text_keystroke_16mib_wordlist"_s);
    }

    const QString many = u"Hund\n"_s.repeated(350'000);
    QRandomGenerator random(4711);
    watch.restart();
    const QString line = wortfolge::zufaellige_wortfolge(many, random);
    watch.report(u"random_order_350k_words"_s);
    return line.size() == many.size() ? 0 : 1;
}
