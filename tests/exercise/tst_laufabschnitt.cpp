#include "exercise/core/laufabschnitt.h"
#include "exercise/core/markup.h"

#include <QTest>

using namespace Qt::StringLiterals;
using lauf::Wort;

Q_DECLARE_METATYPE(QList<Wort>)

class TestLaufabschnitt : public QObject {
    Q_OBJECT
private slots:
    void chunksAreReadWordByWord_data()
    {
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QStringList>("chunks");
        QTest::addRow("two words per chunk, the last one shorter")
            << u"Hund Katze Maus"_s << 2 << QStringList{u"Hund Katze"_s, u"Maus"_s};
        QTest::addRow("runs of blanks and line breaks skipped")
            << u"  Hund   Katze\n\nMaus  "_s << 1 << QStringList{u"Hund"_s, u"Katze"_s, u"Maus"_s};
        QTest::addRow("the first # ends the text")
            << u"Hund Katze # Maus"_s << 5 << QStringList{u"Hund Katze"_s};
        QTest::addRow("a # right after a word ends it")
            << u"Hund Katze# Maus"_s << 1 << QStringList{u"Hund"_s, u"Katze"_s};
        QTest::addRow("markup stays with its word")
            << u"Ha§us§e der_Hund"_s << 10 << QStringList{u"Ha§us§e der_Hund"_s};
        QTest::addRow("a last word of one letter")
            << u"Hund a"_s << 1 << QStringList{u"Hund"_s, u"a"_s};
        QTest::addRow("nothing but blanks") << u"   \n "_s << 3 << QStringList();
    }
    void chunksAreReadWordByWord()
    {
        QFETCH(QString, editorText);
        QFETCH(int, anzahl);
        QFETCH(QStringList, chunks);
        const QString puffer = markup::fillBuffer(editorText, markup::BufferLayout::Laufbahn);
        qsizetype pos = 0;
        QStringList read;
        while (!lauf::amEnde(puffer, pos))
            read << lauf::woerterLesen(puffer, pos, anzahl);
        QCOMPARE(read, chunks);
        QCOMPARE(lauf::woerterLesen(puffer, pos, anzahl), QString());
    }

    void everyRawWordKeepsItsTarget_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<bool>("wortgruppe");
        QTest::addColumn<QString>("roh");
        QTest::addColumn<QList<Wort>>("woerter");
        QTest::addColumn<QString>("ziel");
        QTest::addRow("plain words")
            << u"Hund Katze"_s << false << u"Hund Katze"_s
            << QList<Wort>{{u"Hund"_s, u"Hund"_s}, {u"Katze"_s, u"Katze"_s}} << u"Hund Katze"_s;
        QTest::addRow("gaps shown, written whole")
            << u"Ha§us§e Ha$us$e"_s << false << u"Ha§us§e Ha$us$e"_s
            << QList<Wort>{{u"Ha§us§e"_s, u"Hause"_s}, {u"Ha$us$e"_s, u"Hause"_s}}
            << u"Hause Hause"_s;
        QTest::addRow("a word wholly not rewritten keeps its place")
            << u"der &kleine& Hund"_s << false << u"der &kleine& Hund"_s
            << QList<Wort>{{u"der"_s, u"der"_s}, {u"&kleine&"_s, QString()}, {u"Hund"_s, u"Hund"_s}}
            << u"der Hund"_s;
        QTest::addRow("a section with blanks at its ends")
            << u"  Er lacht.  "_s << false << u"Er lacht."_s
            << QList<Wort>{{u"Er"_s, u"Er"_s}, {u"lacht."_s, u"lacht."_s}} << u"Er lacht."_s;
        QTest::addRow("a word group split at its joins")
            << u"der_gro§ß§e_Hund"_s << true << u"der gro§ß§e Hund"_s
            << QList<Wort>{{u"der"_s, u"der"_s}, {u"gro§ß§e"_s, u"große"_s}, {u"Hund"_s, u"Hund"_s}}
            << u"der große Hund"_s;
        QTest::addRow("a not-rewritten pair across a join")
            << u"&der_gute&_Hund"_s << true << u"&der gute& Hund"_s
            << QList<Wort>{{u"&der"_s, QString()}, {u"gute&"_s, QString()}, {u"Hund"_s, u"Hund"_s}}
            << u"Hund"_s;
        QTest::addRow("a not-rewritten pair across two joins")
            << u"der_&gute_alte&_Hund"_s << true << u"der &gute alte& Hund"_s
            << QList<Wort>{{u"der"_s, u"der"_s},
                           {u"&gute"_s, QString()},
                           {u"alte&"_s, QString()},
                           {u"Hund"_s, u"Hund"_s}}
            << u"der Hund"_s;
        QTest::addRow("a join at the end of a group stays")
            << u"Hund_"_s << true << u"Hund_"_s << QList<Wort>{{u"Hund_"_s, u"Hund_"_s}}
            << u"Hund_"_s;
    }
    void everyRawWordKeepsItsTarget()
    {
        QFETCH(QString, abschnitt);
        QFETCH(bool, wortgruppe);
        QFETCH(QString, roh);
        QFETCH(QList<Wort>, woerter);
        QFETCH(QString, ziel);
        const lauf::Abschnitt zerlegt = lauf::abschnittZerlegen(
            wortgruppe ? markup::wordGroupForDisplay(abschnitt) : abschnitt);
        QCOMPARE(zerlegt.roh, roh);
        QCOMPARE(zerlegt.woerter, woerter);
        QCOMPARE(zerlegt.ziel(), ziel);
        QCOMPARE(markup::targetString(zerlegt.roh).simplified(), ziel);
    }

    void aLongTextIsCutWhereAWordEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("laenge");
        QTest::addColumn<bool>("gekuerzt");
        const QString word = u"Hau$s$ "_s;                 // 7 characters
        const QString full = word.repeated(1142) + u"x"_s; // 7994 + 1
        QTest::addRow("short text whole") << u"Hund Katze"_s << qsizetype(10) << false;
        QTest::addRow("exactly 8000 characters whole")
            << QString(8000, u'a') << qsizetype(8000) << false;
        QTest::addRow("a pair across the limit is left out")
            << full + u" Ha$us$e"_s << qsizetype(7996) << true;
        QTest::addRow("a blank right at the limit")
            << full + u"xxxxx Maus"_s << qsizetype(8000) << true;
        QTest::addRow("line breaks count twice")
            << u"Hund\n"_s.repeated(1600) + u"Maus"_s << qsizetype(5 * 1333) << true;
        QTest::addRow("one word longer than the buffer")
            << QString(9000, u'a') << qsizetype(8000) << true;
    }
    void aLongTextIsCutWhereAWordEnds()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, laenge);
        QFETCH(bool, gekuerzt);
        const lauf::Uebungstext teil = lauf::uebungstext(text);
        QCOMPARE(teil.laenge, laenge);
        QCOMPARE(teil.gekuerzt, gekuerzt);
        QVERIFY(!markup::text_pruefen(
            markup::fillBuffer(text.left(teil.laenge), markup::BufferLayout::Laufbahn)));
    }

    void aWrongWordNeverLooksLikeAHeader_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("inDatei");
        QTest::addRow("plain") << u"Katze"_s << u"Katze"_s;
        QTest::addRow("tilde at the start") << u"~Katze"_s << u"Katze"_s;
        QTest::addRow("several") << u"~~Katze"_s << u"Katze"_s;
        QTest::addRow("tilde inside") << u"Ka~tze"_s << u"Ka~tze"_s;
    }
    void aWrongWordNeverLooksLikeAHeader()
    {
        QFETCH(QString, wort);
        QFETCH(QString, inDatei);
        QCOMPARE(lauf::fehlerwortFuerDatei(wort), inDatei);
    }
};

QTEST_GUILESS_MAIN(TestLaufabschnitt)
#include "tst_laufabschnitt.moc"
