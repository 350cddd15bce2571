#include "exercise/core/markup.h"

#include "exercise/core/ansi.h"

#include <QTest>

using namespace Qt::StringLiterals;
using markup::BufferLayout;
using markup::FileType;
using Reason = markup::PairFault::Reason;

Q_DECLARE_METATYPE(markup::FileType)
Q_DECLARE_METATYPE(markup::PairFault::Reason)
Q_DECLARE_METATYPE(markup::BufferLayout)

namespace {

// What the display appends to every chunk.
const QString runOut = QString(16, u' ') + u'#';

} // namespace

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void pairRules_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<bool>("broken");

        QTest::addRow("dollar pair") << u"Ha$us$e #"_s << false;
        QTest::addRow("section pair") << u"Ha§us§e #"_s << false;
        QTest::addRow("ampersand pair") << u"Ha&us&e #"_s << false;
        QTest::addRow("pairs in several words") << u"Ha$us$e M§au§s Ka&tz&e #"_s << false;
        QTest::addRow("pairs side by side") << u"$a$$b$ §a§§b§ &a&&b& #"_s << false;
        QTest::addRow("different pairs side by side") << u"Ha§u§$s$e&n& #"_s << false;
        QTest::addRow("empty pair") << u"H$$aus #"_s << false;
        QTest::addRow("no marks at all") << u"Der Hund bellt. #"_s << false;
        QTest::addRow("empty buffer") << u"#"_s << false;

        QTest::addRow("blank inside a pair") << u"Ha$u s$e #"_s << true;
        QTest::addRow("blank inside a section pair") << u"Ha§u s§e #"_s << true;
        QTest::addRow("blank inside an ampersand pair") << u"Ha&u s&e #"_s << true;
        QTest::addRow("blank right after the opening mark") << u"Ha$ us$e #"_s << true;
        QTest::addRow("ampersand inside dollar") << u"Ha$u&s$e #"_s << true;
        QTest::addRow("section inside dollar") << u"Ha$u§s$e #"_s << true;
        QTest::addRow("dollar inside ampersand") << u"Ha&u$s&e #"_s << true;
        QTest::addRow("section inside ampersand") << u"Ha&u§s&e #"_s << true;
        QTest::addRow("dollar inside section") << u"Ha§u$s§e #"_s << true;
        QTest::addRow("ampersand inside section") << u"Ha§u&s§e #"_s << true;
        QTest::addRow("pair left open at the end") << u"Ha$use #"_s << true;
        QTest::addRow("third mark opens a pair left open") << u"H$a$u$s #"_s << true;
        QTest::addRow("open pair without end mark") << u"Ha$use"_s << true;

        QTest::addRow("check stops at the end mark") << u"Hund # Ha$u s$e"_s << false;
        QTest::addRow("pair open at the end mark") << u"Ha$use#"_s << false;
        QTest::addRow("error before the end mark") << u"Ha$u s$e # Hund"_s << true;
    }
    void pairRules()
    {
        QFETCH(QString, puffer);
        QFETCH(bool, broken);
        QCOMPARE(markup::text_pruefen(puffer), broken);
    }

    void pairRulesOnTheFilledBuffer_data()
    {
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<bool>("broken");
        QTest::addRow("pair left open closes through the trailing blank")
            << u"Hund Ha$use"_s << true;
        QTest::addRow("mark as the very last character") << u"Hause$"_s << true;
        QTest::addRow("line break inside a pair") << u"Ha$u\ns$e"_s << true;
        QTest::addRow("tab inside a pair") << u"Ha§u\ts§e"_s << true;
        QTest::addRow("pair on every line") << u"Ha$us$e\nM§au§s\nK&at&ze"_s << false;
        QTest::addRow("marks at start and end") << u"$Haus$\n§Maus§"_s << false;
    }
    void pairRulesOnTheFilledBuffer()
    {
        QFETCH(QString, editorText);
        QFETCH(bool, broken);
        QCOMPARE(markup::text_pruefen(markup::fillBuffer(editorText, BufferLayout::Laufbahn)),
                 broken);
    }

    void pairFaultsInTheEditor_data()
    {
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("line");

        QTest::addRow("sound pairs")
            << u"Ha$us$e M§au§s\nK&at&ze"_s << Reason::None << -1 << -1 << 0;
        QTest::addRow("blank inside a pair") << u"Ha$u s$e"_s << Reason::BlankInPair << 2 << 7 << 1;
        QTest::addRow("several words wrapped")
            << u"Der $große Hund$."_s << Reason::BlankInPair << 4 << 16 << 1;
        QTest::addRow("other mark inside") << u"Ha$u&s$e"_s << Reason::PairInPair << 2 << 5 << 1;
        QTest::addRow("pair left open before a blank")
            << u"Ha$use Maus"_s << Reason::NotClosed << 2 << 6 << 1;
        QTest::addRow("closed by the next pair's mark only")
            << u"Ha$use M&au&s"_s << Reason::NotClosed << 2 << 6 << 1;
        QTest::addRow("left open at the end of the text")
            << u"Hund\nKatze\nHa$use"_s << Reason::NotClosed << 13 << 17 << 3;
        QTest::addRow("line break inside a pair")
            << u"Hund\n$Katze\nMaus$"_s << Reason::NotClosed << 5 << 11 << 2;
        QTest::addRow("check ends at the end mark")
            << u"Hund #\nHa$u s$e"_s << Reason::None << -1 << -1 << 0;
        QTest::addRow("beyond the 8000 characters")
            << QString(8000, u'a') + u" Ha$use"_s << Reason::None << -1 << -1 << 0;
        QTest::addRow("open at the 8000th character")
            << QString(7997, u'a') + u"$bcd"_s << Reason::NotClosed << 7997 << 8000 << 1;
    }
    void pairFaultsInTheEditor()
    {
        QFETCH(QString, editorText);
        QFETCH(Reason, reason);
        QFETCH(int, opening);
        QFETCH(int, end);
        QFETCH(int, line);

        const markup::PairFault fault = markup::findPairFault(editorText);
        QCOMPARE(fault, (markup::PairFault{reason, opening, end, line}));
        // The same rule refuses the exercise at its start.
        QCOMPARE(markup::text_pruefen(markup::fillBuffer(editorText, BufferLayout::Laufbahn)),
                 fault.broken());
        QCOMPARE(markup::pairFaultWarning(editorText).isEmpty(), !fault.broken());
    }

    void pairFaultIsNamed()
    {
        QCOMPARE(markup::pairFaultMessage(markup::findPairFault(u"Ha§u$se§"_s)),
                 u"Zeile 1: Lücke in einer Lücke"_s);

        const QString sentence = u"Der Text enthält Fehler in Bezug auf die Lückentexte. Die "
                                 "Laufbahn kann nicht gestartet werden.\n\n"_s;
        QCOMPARE(markup::pairFaultWarning(u"Hund\nKatze\nein Ha$use."_s),
                 sentence + u"Zeile 3: Lücke nicht geschlossen („Ha$use.“)."_s);
    }

    void sectionCommands_data()
    {
        QTest::addColumn<QChar>("mark"); // "_" joins the word group
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("result");
        const QChar paragraph = QChar::ParagraphSeparator;

        QTest::addRow("blank at the end stays outside")
            << QChar(u'$') << u"Haus "_s << u"$Haus$ "_s;
        QTest::addRow("whole line with its break")
            << QChar(u'&') << u"Haus"_s + paragraph << u"&Haus&"_s + paragraph;
        QTest::addRow("only blanks: nothing to wrap") << QChar(u'$') << u" "_s << u" "_s;

        QTest::addRow("join leaves blanks at either end")
            << QChar(u'_') << u" der  Hund "_s << u" der__Hund "_s;
        QTest::addRow("join a tab") << QChar(u'_') << u"der\tHund"_s << u"der_Hund"_s;
    }
    void sectionCommands()
    {
        QFETCH(QChar, mark);
        QFETCH(QString, selection);
        QFETCH(QString, result);
        QCOMPARE(mark == markup::groupJoin ? markup::joinWordGroup(selection)
                                           : markup::wrapInPair(selection, mark),
                 result);
    }

    void fileType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FileType>("type");
        QTest::addRow("sentence") << u"Der Hund bellt."_s << FileType::Text;
        QTest::addRow("word groups") << u"der_Hund die_Katze"_s << FileType::Wortgruppen;
        QTest::addRow("words") << u"Hund Katze Maus"_s << FileType::Woerter;
        QTest::addRow("words on lines") << u"Hund\nKatze\nMaus\n"_s << FileType::Woerter;
        QTest::addRow("empty") << QString() << FileType::Woerter;
        QTest::addRow("exclamation mark") << u"Hallo!"_s << FileType::Text;
        QTest::addRow("comma") << u"Hund, Katze"_s << FileType::Text;
        QTest::addRow("semicolon") << u"Hund; Katze"_s << FileType::Text;
        QTest::addRow("question mark") << u"Wer da"_s + u'?' << FileType::Text;
        QTest::addRow("punctuation beats groups") << u"der_Hund, die_Katze"_s << FileType::Text;
        QTest::addRow("colon is no sentence mark") << u"Hund: Katze"_s << FileType::Woerter;
        QTest::addRow("group join as last character") << u"Hund_"_s << FileType::Wortgruppen;
        QTest::addRow("full stop at character 8000")
            << QString(7999, u'a') + u'.' << FileType::Text;
        QTest::addRow("full stop beyond 8000 characters")
            << QString(8000, u'a') + u'.' << FileType::Woerter;
        QTest::addRow("line breaks count twice toward the 8000")
            << u"a\n"_s.repeated(2667) + u'.' << FileType::Woerter;
        QTest::addRow("group join beyond 8000 characters")
            << QString(8000, u'a') + u'_' << FileType::Woerter;
    }
    void fileType()
    {
        QFETCH(QString, text);
        QFETCH(FileType, type);
        QCOMPARE(markup::dateityp_feststellen(text), type);
    }

    void displayString_data()
    {
        QTest::addColumn<QString>("chunk");
        QTest::addColumn<QString>("shown");

        QTest::addRow("one placeholder per letter") << u"Ha§us§e"_s << u"Ha__e"_s;
        QTest::addRow("one placeholder for the part") << u"Ha$us$e"_s << u"Ha¬e"_s;
        QTest::addRow("not rewritten is shown") << u"Ha&us&e"_s << u"Hause"_s;
        QTest::addRow("plain word") << u"Hause"_s << u"Hause"_s;
        QTest::addRow("dollar pairs side by side") << u"$a$$b$"_s << u"¬¬"_s;
        QTest::addRow("section pairs side by side") << u"§a§§b§"_s << u"__"_s;
        QTest::addRow("ampersand pairs side by side") << u"&a&&b&"_s << u"ab"_s;
        QTest::addRow("section then dollar") << u"Ha§u§$s$e"_s << u"Ha_¬e"_s;
        QTest::addRow("dollar then section") << u"Ha$u$§s§e"_s << u"Ha¬_e"_s;
        QTest::addRow("all three in a row") << u"&a&$bc$§de§"_s << u"a¬__"_s;
        QTest::addRow("dollar pair is the whole word") << u"$Haus$"_s << u"¬"_s;
        QTest::addRow("section pair at the start") << u"§Ha§us"_s << u"__us"_s;
        QTest::addRow("section pair at the end") << u"Hau§se§"_s << u"Hau__"_s;
        QTest::addRow("empty dollar pair still shows its placeholder") << u"H$$aus"_s << u"H¬aus"_s;
        QTest::addRow("empty section pair shows nothing") << u"H§§aus"_s << u"Haus"_s;
        QTest::addRow("several words") << u"Der H§u§nd b$ell$t."_s << u"Der H_nd b¬t."_s;
        QTest::addRow("group join untouched") << u"der_H§u§nd"_s << u"der_H_nd"_s;
        QTest::addRow("end mark in the chunk stays") << u"Hund #"_s << u"Hund #"_s;
        QTest::addRow("umlauts counted as one letter each") << u"Gr§üß§e"_s << u"Gr__e"_s;
        QTest::addRow("empty chunk") << QString() << QString();

        // A broken chunk must not eat the run-out that the display depends on.
        QTest::addRow("section pair left open") << u"Ha§us"_s << u"Ha__"_s;
        QTest::addRow("dollar pair left open") << u"Ha$us"_s << u"Ha"_s;
    }
    void displayString()
    {
        QFETCH(QString, chunk);
        QFETCH(QString, shown);
        QCOMPARE(markup::displayString(chunk, u'_', u'¬'), shown + runOut);
    }

    void displayStringUsesTheGivenPlaceholders()
    {
        QCOMPARE(markup::displayString(u"Ha§us§e Ha$us$e"_s, u'*', u'#'), u"Ha**e Ha#e"_s + runOut);
        QCOMPARE(markup::displayString(u"Ha§us§e"_s, QChar(1), QChar(254)),
                 u"Ha"_s + QChar(1) + QChar(1) + u"e"_s + runOut);
    }

    // A display ends at the end mark appended after its run-out, never at a "#" that
    // the text shows (the placeholder of a word part before "default.opt" is loaded).
    void displayStringEndAndWords_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<qsizetype>("end");
        QTest::addColumn<QStringList>("words");
        const QString runOut = QString(16, u' ') + u'#';
        QTest::addRow("plain") << u"Der Hund"_s + runOut << qsizetype(24)
                               << QStringList{u"Der"_s, u"Hund"_s};
        QTest::addRow("placeholder hash") << u"Ha#e und Ma#s"_s + runOut << qsizetype(29)
                                          << QStringList{u"Ha#e"_s, u"und"_s, u"Ma#s"_s};
        QTest::addRow("a word of hashes")
            << u"## a"_s + runOut << qsizetype(20) << QStringList{u"##"_s, u"a"_s};
        QTest::addRow("no end mark") << u"Hund  "_s << qsizetype(6) << QStringList{u"Hund"_s};
        QTest::addRow("only the end mark") << u"#"_s << qsizetype(0) << QStringList{};
        QTest::addRow("empty") << QString() << qsizetype(0) << QStringList{};
    }
    void displayStringEndAndWords()
    {
        QFETCH(QString, display);
        QFETCH(qsizetype, end);
        QFETCH(QStringList, words);
        QCOMPARE(markup::displayStringEnd(display), end);
        QCOMPARE(markup::displayStringWords(display), words);
    }

    void targetString_data()
    {
        QTest::addColumn<QString>("chunk");
        QTest::addColumn<QString>("target");
        QTest::addRow("section letters are written") << u"Ha§us§e"_s << u"Hause"_s;
        QTest::addRow("dollar part is written") << u"Ha$us$e"_s << u"Hause"_s;
        QTest::addRow("ampersand part is left out") << u"Ha&us&e"_s << u"Hae"_s;
        QTest::addRow("dollar pairs side by side") << u"$a$$b$"_s << u"ab"_s;
        QTest::addRow("section pairs side by side") << u"§a§§b§"_s << u"ab"_s;
        QTest::addRow("ampersand pairs side by side") << u"&a&&b&c"_s << u"c"_s;
        QTest::addRow("section then dollar") << u"Ha§u§$s$e"_s << u"Hause"_s;
        QTest::addRow("ampersand at the start") << u"&Ha&us"_s << u"us"_s;
        QTest::addRow("ampersand at the end") << u"Ha&use&"_s << u"Ha"_s;
        QTest::addRow("several words") << u"Der H§u§nd &b&ellt."_s << u"Der Hund ellt."_s;
        QTest::addRow("blanks are left for the caller") << u" Hund "_s << u" Hund "_s;
        QTest::addRow("group join untouched") << u"der_Hund"_s << u"der_Hund"_s;
    }
    void targetString()
    {
        QFETCH(QString, chunk);
        QFETCH(QString, target);
        QCOMPARE(markup::targetString(chunk), target);
    }

    void wordGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("shown");
        QTest::addRow("three words") << u"der_große_Hund"_s << u"der große Hund"_s;
        QTest::addRow("join as last character stays") << u"der_Hund_"_s << u"der Hund_"_s;
        QTest::addRow("join at the start") << u"_Hund"_s << u" Hund"_s;
        QTest::addRow("two joins") << u"a__b"_s << u"a  b"_s;
        QTest::addRow("only a join") << u"_"_s << u"_"_s;
        QTest::addRow("single word") << u"Hund"_s << u"Hund"_s;
        QTest::addRow("markup kept") << u"der_H§u§nd"_s << u"der H§u§nd"_s;
        QTest::addRow("empty") << QString() << QString();
    }
    void wordGroup()
    {
        QFETCH(QString, group);
        QFETCH(QString, shown);
        QCOMPARE(markup::wordGroupForDisplay(group), shown);
    }

    void oldFormat_data()
    {
        QTest::addColumn<int>("oldByte");
        QTest::addColumn<QChar>("converted");
        QTest::addRow("a umlaut") << 132 << QChar(u'ä');
        QTest::addRow("o umlaut") << 148 << QChar(u'ö');
        QTest::addRow("u umlaut") << 129 << QChar(u'ü');
        QTest::addRow("capital A umlaut") << 142 << QChar(u'Ä');
        QTest::addRow("capital O umlaut") << 153 << QChar(u'Ö');
        QTest::addRow("capital U umlaut") << 154 << QChar(u'Ü');
        QTest::addRow("sharp s") << 225 << QChar(u'ß');
        QTest::addRow("plus becomes section") << 43 << QChar(u'§');
        QTest::addRow("star becomes dollar") << 42 << QChar(u'$');

        QTest::addRow("dollar unchanged") << 36 << QChar(u'$');
        QTest::addRow("section unchanged") << 167 << QChar(u'§');
        QTest::addRow("ampersand unchanged") << 38 << QChar(u'&');
        QTest::addRow("letter unchanged") << int('a') << QChar(u'a');
        QTest::addRow("euro unchanged") << 128 << QChar(u'€');
        QTest::addRow("neighbour of a umlaut unchanged") << 133 << ansi::fromByte(133);
        QTest::addRow("windows umlaut unchanged") << 228 << QChar(u'ä');
        QTest::addRow("neighbour of sharp s unchanged") << 226 << QChar(u'â');
    }
    void oldFormat()
    {
        QFETCH(int, oldByte);
        QFETCH(QChar, converted);
        const QString text = u"x"_s + ansi::fromByte(uchar(oldByte)) + u"y"_s;
        QCOMPARE(markup::convertOldFormat(text), u"x"_s + converted + u"y"_s);
    }

    void oldFormatConvertsMarkupAndWords()
    {
        const QString old = ansi::decode("Gr\x81\xe1"
                                         "e\nHa*us*e M+au+s\n\x9a"
                                         "ber");
        QCOMPARE(markup::convertOldFormat(old), u"Grüße\nHa$us$e M§au§s\nÜber"_s);
    }

    void oldFormatConvertsBeyond8000Characters()
    {
        const QString old = QString(9000, u'a') + ansi::fromByte(129) + u'+';
        const QString converted = markup::convertOldFormat(old);
        QCOMPARE(converted.size(), old.size());
        QVERIFY(converted.endsWith(u"ü§"_s));
    }

    void bufferLayouts_data()
    {
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<BufferLayout>("layout");
        QTest::addColumn<QString>("puffer");

        QTest::addRow("laufbahn: line break becomes two blanks")
            << u"Hund\nKatze"_s << BufferLayout::Laufbahn << u"Hund  Katze #"_s;
        QTest::addRow("laufbahn: control characters become blanks")
            << u"a\tb\x01"_s + QChar(0) + u"c"_s << BufferLayout::Laufbahn << u"a b  c #"_s;
        QTest::addRow("laufbahn: blank kept, DEL and umlauts kept")
            << u"Bär \x7f"_s << BufferLayout::Laufbahn << u"Bär \x7f #"_s;
        QTest::addRow("laufbahn: empty text") << QString() << BufferLayout::Laufbahn << u" #"_s;
        QTest::addRow("laufbahn: end mark in the text kept")
            << u"Hund # Katze"_s << BufferLayout::Laufbahn << u"Hund # Katze #"_s;
        QTest::addRow("printing: as laufbahn")
            << u"Hund\nKatze\t"_s << BufferLayout::Printing << u"Hund  Katze  #"_s;
        QTest::addRow("error repetition: two blanks before the end mark")
            << u"Hund\nKatze\n"_s << BufferLayout::ErrorRepetition << u"Hund  Katze    #"_s;
        QTest::addRow("error repetition: empty text")
            << QString() << BufferLayout::ErrorRepetition << u"  #"_s;
        QTest::addRow("reading finger: line breaks stay")
            << u"Hund\nKatze"_s << BufferLayout::ReadingFinger << u"Hund\r\nKatze#"_s;
        QTest::addRow("reading finger: trailing blanks and breaks cut")
            << u"Hund\nKatze \n\t\n"_s << BufferLayout::ReadingFinger << u"Hund\r\nKatze#"_s;
        QTest::addRow("reading finger: inner tab stays")
            << u"a\tb"_s << BufferLayout::ReadingFinger << u"a\tb#"_s;
        QTest::addRow("reading finger: only blanks")
            << u" \n "_s << BufferLayout::ReadingFinger << u"#"_s;
        QTest::addRow("reading finger: exclamation mark is visible")
            << u"Hallo! "_s << BufferLayout::ReadingFinger << u"Hallo!#"_s;
        QTest::addRow("old laufbahn: text unchanged, zero, four blanks")
            << u"Hund\nKa\ttze "_s << BufferLayout::OldLaufbahn
            << u"Hund\r\nKa\ttze "_s + QChar(0) + u"    #"_s;
        QTest::addRow("old laufbahn: empty text")
            << QString() << BufferLayout::OldLaufbahn << QString(QChar(0)) + u"    #"_s;
    }
    void bufferLayouts()
    {
        QFETCH(QString, editorText);
        QFETCH(BufferLayout, layout);
        QFETCH(QString, puffer);
        QCOMPARE(markup::fillBuffer(editorText, layout), puffer);
    }

    void bufferKeepsAtMost8000Characters_data()
    {
        QTest::addColumn<BufferLayout>("layout");
        QTest::addColumn<QString>("endMarks");
        QTest::addRow("laufbahn") << BufferLayout::Laufbahn << u" #"_s;
        QTest::addRow("printing") << BufferLayout::Printing << u" #"_s;
        QTest::addRow("error repetition") << BufferLayout::ErrorRepetition << u"  #"_s;
        QTest::addRow("reading finger") << BufferLayout::ReadingFinger << u"#"_s;
        QTest::addRow("old laufbahn")
            << BufferLayout::OldLaufbahn << QString(QChar(0)) + u"    #"_s;
    }
    void bufferKeepsAtMost8000Characters()
    {
        QFETCH(BufferLayout, layout);
        QFETCH(QString, endMarks);

        const QString exact(8000, u'x');
        QCOMPARE(markup::fillBuffer(exact, layout), exact + endMarks);
        const QString longer = exact + u"yz"_s;
        QCOMPARE(markup::fillBuffer(longer, layout), exact + endMarks);
    }

    void bufferCountsLineBreaksAsTwoCharacters()
    {
        // 2666 lines of "ab\r\n" make 10664 characters; the cut falls after 2000 lines.
        QString lines;
        for (int i = 0; i < 2666; ++i)
            lines += u"ab\n"_s;
        const QString reading = markup::fillBuffer(lines, BufferLayout::ReadingFinger);
        QCOMPARE(reading.size(), 8000 - 2 + 1);
        QCOMPARE(reading.count(u"\r\n"_s), 1999);
        QVERIFY(reading.endsWith(u"ab#"_s));

        // A cut between CR and LF leaves the CR, which the laufbahn turns into a blank.
        const QString text = QString(7999, u'a') + u"\nb"_s;
        const QString puffer = markup::fillBuffer(text, BufferLayout::Laufbahn);
        QCOMPARE(puffer, QString(7999, u'a') + u"  #"_s);
        QCOMPARE(markup::fillBuffer(text, BufferLayout::OldLaufbahn).sliced(7999, 2),
                 QString(u'\r') + QChar(0));
    }

    void exerciseStopsAtTheFirstEndMark()
    {
        const QString puffer =
            markup::fillBuffer(u"Hund Katze\n#\nHa$u s$e"_s, BufferLayout::Laufbahn);
        QCOMPARE(puffer.left(puffer.indexOf(u'#')), u"Hund Katze  "_s);
        QVERIFY(!markup::text_pruefen(puffer));
    }
};

QTEST_GUILESS_MAIN(TestMarkup)
#include "tst_markup.moc"
