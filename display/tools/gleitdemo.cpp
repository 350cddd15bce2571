// Developer tool, not shipped: shows the gliding-line display (or the alternative one,
// the reading finger or syllable reading, or flashes the words in the short-time
// display) with a text from the command line or a file, so the displays can be
// watched before an exercise runs them.

#include "display/ui/frameclock.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "display/ui/lesefinger.h"
#include "display/ui/unit1.h"
#include "display/ui/unit4.h"
#include "exercise/core/ansi.h"
#include "exercise/core/fileio.h"
#include "exercise/core/markup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Shows the gliding-line display."_s);
    parser.addHelpOption();
    const QCommandLineOption textOption(u"text"_s, u"The text to show."_s, u"text"_s);
    const QCommandLineOption tempoOption(u"tempo"_s, u"Speed 1..9 (3)."_s, u"n"_s, u"3"_s);
    const QCommandLineOption spacingOption(u"spacing"_s, u"Spacing 0..30 (3)."_s, u"n"_s, u"3"_s);
    const QCommandLineOption fontOption(u"font"_s, u"Font family (Arial)."_s, u"family"_s,
                                        u"Arial"_s);
    const QCommandLineOption sizeOption(u"size"_s, u"Font size in points (28)."_s, u"pt"_s,
                                        u"28"_s);
    const QCommandLineOption oldOption(u"old"_s, u"Show the older display form."_s);
    const QCommandLineOption alternativeOption(u"alternative"_s,
                                               u"Show the alternative display (640 x 480)."_s);
    const QCommandLineOption flashOption(
        u"flash"_s, u"Flash each word; the delay in steps of 50 ms."_s, u"n"_s);
    const QCommandLineOption fingerOption(u"finger"_s, u"Show the reading finger."_s);
    const QCommandLineOption syllablesOption(u"syllables"_s, u"Show syllable reading."_s);
    const QCommandLineOption marksOption(u"marks"_s, u"Return marks words."_s);
    const QCommandLineOption secondsOption(u"seconds"_s, u"Close after this many seconds."_s,
                                           u"s"_s);
    const QCommandLineOption repeatOption(u"repeat"_s, u"Show the display this often."_s, u"n"_s,
                                          u"1"_s);
    const QCommandLineOption colouredOption(u"coloured"_s, u"Syllables in two colours."_s);
    const QCommandLineOption foundOption(u"found"_s, u"Syllable reading finds the syllables."_s);
    parser.addOptions({textOption, tempoOption, spacingOption, fontOption, sizeOption, oldOption,
                       alternativeOption, fingerOption, syllablesOption, flashOption, marksOption,
                       secondsOption, repeatOption, colouredOption, foundOption});
    parser.addPositionalArgument(u"file"_s, u"A text file (Windows-1252)."_s);
    parser.process(app);

    QString text = parser.value(textOption);
    if (!parser.isSet(textOption)) {
        if (parser.positionalArguments().isEmpty())
            parser.showHelp(1);
        IoError error;
        const auto bytes = readWholeFile(parser.positionalArguments().first(), &error);
        if (!bytes) {
            QTextStream(stderr) << error.message() << '\n';
            return 1;
        }
        // The reading keeps the text's line breaks, as the editor does.
        const bool lesen = parser.isSet(fingerOption) || parser.isSet(syllablesOption);
        text = ansi::decodeLines(*bytes).join(lesen ? u'\n' : u' ');
    }

    display::DisplaySettings settings = display::DisplaySettings::defaults();
    settings.font.setFamily(parser.value(fontOption));
    settings.font.setPointSize(parser.value(sizeOption).toInt());
    settings.tempo = parser.value(tempoOption).toInt();
    settings.spacing = parser.value(spacingOption).toInt();
    settings.neueUebung = parser.isSet(marksOption);
    settings.silben.farbig = parser.isSet(colouredOption);
    settings.silben.automatisch = parser.isSet(foundOption);

    QTextStream out(stdout);
    const int repeat = std::max(1, parser.value(repeatOption).toInt());
    const QString anzeige = text + QString(16, u' ') + markup::endMark;
    if (parser.isSet(flashOption)) {
        TForm15 form;
        display::FlashSettings flash = display::FlashSettings::defaults();
        flash.delay = parser.value(flashOption).toInt();
        flash.silben = settings.silben;
        for (int i = 0; i < repeat; ++i) {
            for (const QString &wort : markup::displayStringWords(anzeige)) {
                const display::KurzzeitMessung m = form.zeigen(wort, flash);
                const display::KurzzeitDauer &dauer = form.ablauf()->dauer();
                out << wort << ": cue " << m.achtung << '/' << dauer.achtung << ", word " << m.wort
                    << '/' << dauer.wort << " refreshes, late " << m.verpasst
                    << (form.presentedAhead() ? ", presented ahead" : ", painted on ticks")
                    << Qt::endl;
            }
        }
        return 0;
    }
    // The gliding line keeps its speed before running backwards from one repeat to the next.
    display::CarriedState carried;
    for (int i = 0; i < repeat; ++i) {
        if (parser.isSet(fingerOption) || parser.isSet(syllablesOption)) {
            display::LesefingerSettings lese = display::LesefingerSettings::defaults();
            lese.font = settings.font;
            lese.tempo = settings.tempo;
            lese.neueUebung = settings.neueUebung;
            lese.silben = settings.silben;
            const QString puffer = markup::fillBuffer(text, markup::BufferLayout::ReadingFinger);
            TleseForm4 form(puffer,
                            parser.isSet(syllablesOption) ? display::LeseModus::Silbenlesen
                                                          : display::LeseModus::Lesefinger,
                            lese);
            QObject::connect(&form, &TleseForm4::wordMarked,
                             [&out, &text](const QString &word, int start, int length) {
                                 out << "marked: " << word << " at " << start << '+' << length
                                     << " (\"" << text.mid(start, length) << "\" in the text)"
                                     << Qt::endl;
                             });
            if (parser.isSet(secondsOption))
                QTimer::singleShot(int(parser.value(secondsOption).toDouble() * 1000), &form,
                                   &QWidget::close);
            form.exec();
            continue;
        }
        if (parser.isSet(alternativeOption)) {
            TForm1 form(anzeige, settings);
            if (parser.isSet(secondsOption))
                QTimer::singleShot(int(parser.value(secondsOption).toDouble() * 1000), &form,
                                   &QWidget::close);
            form.exec();
            continue;
        }
        std::unique_ptr<display::GleitAnzeige> form;
        if (parser.isSet(oldOption))
            form = std::make_unique<TForm4>(text, carried, settings);
        else
            form = std::make_unique<TLaufForm4>(text, carried, settings);
        QObject::connect(form.get(), &display::GleitAnzeige::wordMarked,
                         [&out](const QString &word, int start, int length) {
                             out << "marked: " << word << " at " << start << '+' << length
                                 << Qt::endl;
                         });
        if (parser.isSet(secondsOption))
            QTimer::singleShot(int(parser.value(secondsOption).toDouble() * 1000), form.get(),
                               &QWidget::close);
        form->exec();
        if (form->frameClock())
            out << "clock: " << form->frameClock()->backend()
                << ", missed refreshes: " << form->frameClock()->missedRefreshes()
                << ", glyphs kept: " << (form->glyphsWereKept() ? "yes" : "no") << Qt::endl;
    }
    return 0;
}
