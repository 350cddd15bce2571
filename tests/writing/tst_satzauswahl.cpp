#include "writing/core/satzauswahl.h"

#include <QTest>

using namespace Qt::StringLiterals;
using writing::SatzAuswahl;

namespace {

// Plays `tasten` on `auswahl` from `caret`: " " is Space, "<" Backspace, a digit puts
// the caret there. Returns the caret.
int spielen(SatzAuswahl &auswahl, int caret, const QString &tasten)
{
    for (QChar taste : tasten) {
        if (taste == u' ')
            caret = auswahl.leertaste(caret);
        else if (taste == u'<')
            caret = auswahl.ruecktaste(caret);
        else
            caret = taste.digitValue();
    }
    return caret;
}

// "x" for a marked character, "." for the others.
QString maske(const SatzAuswahl &auswahl)
{
    QString m;
    for (int k = 0; k < auswahl.laenge(); ++k)
        m += auswahl.markiert(k) ? u'x' : u'.';
    return m;
}

} // namespace

class TestSatzAuswahl : public QObject {
    Q_OBJECT
private slots:
    void satzFinden_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("roh");

        const QString zwei = u"Der Hund bellt. Die Katze miaut. #"_s;
        QTest::addRow("first sentence") << zwei << 1 << 1 << u"Der Hund bellt."_s;
        QTest::addRow("second sentence") << zwei << 2 << 2 << u"Die Katze miaut."_s;
        QTest::addRow("behind the last sentence: the last")
            << zwei << 7 << 2 << u"Die Katze miaut."_s;
        QTest::addRow("number below 1: the first") << zwei << 0 << 1 << u"Der Hund bellt."_s;
        QTest::addRow("words after the last end")
            << u"Eins. Zwei drei #"_s << 2 << 2 << u"Zwei drei"_s;
        QTest::addRow("no sentence at all") << u"   #"_s << 1 << 0 << QString();
        QTest::addRow("no sentence, asked for the third") << u"#"_s << 3 << 0 << QString();
        QTest::addRow("the text ends at a # in the middle")
            << u"Eins. Zwei # Drei. #"_s << 3 << 2 << u"Zwei"_s;
        QTest::addRow("three dots end one sentence")
            << u"Und dann... kam er. #"_s << 2 << 2 << u"kam er."_s;
        QTest::addRow("?! ends one sentence") << u"Wirklich?! Ja. #"_s << 1 << 1 << u"Wirklich?!"_s;
        QTest::addRow("line break kept in the raw sentence")
            << u"Der Hund  bellt. #"_s << 1 << 1 << u"Der Hund  bellt."_s;
        QTest::addRow("gap marks kept") << u"Das Ha$us$. Da§ch§! #"_s << 2 << 2 << u"Da§ch§!"_s;
    }
    void satzFinden()
    {
        QFETCH(QString, puffer);
        QFETCH(int, n);
        const writing::Satz satz = writing::satzFinden(puffer, n);
        QTEST(satz.nummer, "nummer");
        QTEST(satz.roh, "roh");
    }

    void anzeigeSatz_data()
    {
        QTest::addColumn<QString>("roh");
        QTest::addColumn<QChar>("buchstabe");
        QTest::addColumn<QString>("anzeige");

        QTest::addRow("gaps as on the displays")
            << u"Das Ha$us$ hat ein Da§ch§."_s << QChar(u'_') << u"Das Ha¬ hat ein Da__."_s;
        QTest::addRow("line break shown as one blank")
            << u"Der Hund  bellt."_s << QChar(u'_') << u"Der Hund bellt."_s;
        QTest::addRow("dropped marks leave one blank")
            << u"Er &&  lief."_s << QChar(u'_') << u"Er lief."_s;
        QTest::addRow("blank placeholders are not collapsed")
            << u"Ha§us§e."_s << QChar(u' ') << u"Ha  e."_s;
    }
    void anzeigeSatz()
    {
        QFETCH(QString, roh);
        QFETCH(QChar, buchstabe);
        QTEST(SatzAuswahl(roh, buchstabe, u'¬').anzeigeSatz(), "anzeige");
    }

    void tasten_data()
    {
        QTest::addColumn<QString>("satz");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<int>("caretDanach");
        QTest::addColumn<QString>("markierung");

        const QString satz = u"Der Hund bellt."_s;
        QTest::addRow("space marks a word and its blank")
            << satz << 0 << u" "_s << 4 << u"xxxx..........."_s;
        QTest::addRow("each space the next word")
            << satz << 0 << u"  "_s << 9 << u"xxxxxxxxx......"_s;
        QTest::addRow("space at the end marks the last word again")
            << satz << 0 << u"    "_s << 15 << u"xxxxxxxxxxxxxxx"_s;
        QTest::addRow("space inside a word marks the whole word")
            << satz << 6 << u" "_s << 9 << u"....xxxxx......"_s;
        QTest::addRow("backspace takes back the last word")
            << satz << 0 << u"  <"_s << 4 << u"xxxx..........."_s;
        QTest::addRow("backspace at the end takes back the last word")
            << satz << 0 << u"   <"_s << 9 << u"xxxxxxxxx......"_s;
        QTest::addRow("backspace inside a word takes back that word")
            << satz << 0 << u"   6<"_s << 4 << u"xxxx.....xxxxxx"_s;
        QTest::addRow("backspace at the start changes nothing")
            << satz << 0 << u"<"_s << 0 << u"..............."_s;
        QTest::addRow("after a line break one space reaches the next word")
            << u"Der  Hund  bellt."_s << 4 << u" "_s << 9 << u"....xxxxx......"_s;
        QTest::addRow("empty sentence") << QString() << 0 << u" <"_s << 0 << QString();
    }
    void tasten()
    {
        QFETCH(QString, satz);
        QFETCH(int, caret);
        QFETCH(QString, tasten);
        SatzAuswahl auswahl(satz, u'_', u'¬');
        QTEST(spielen(auswahl, caret, tasten), "caretDanach");
        QTEST(maske(auswahl), "markierung");
    }

    void abschnitt_data()
    {
        QTest::addColumn<QString>("satz");
        QTest::addColumn<QChar>("buchstabe");
        QTest::addColumn<QChar>("wortteil");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("abschnitt");

        const QString beispiel = u"Das Ha$us$ hat ein Da§ch§."_s;
        const QChar u = u'_';
        const QChar n = u'¬';
        QTest::addRow("nothing marked") << beispiel << u << n << 0 << QString() << u" "_s;
        QTest::addRow("example marked whole")
            << beispiel << u << n << 0 << u"     "_s << u" Das Ha$us$ hat ein Da§ch§."_s;
        QTest::addRow("example up to the word part")
            << beispiel << u << n << 0 << u"  "_s << u" Das Ha$us$ "_s;
        // "Das Ha¬ hat ein " is 16 characters long.
        QTest::addRow("example, the letter gap alone")
            << beispiel << u << n << 16 << u" "_s << u" Da§ch§."_s;
        QTest::addRow("several letters do not shift a later gap")
            << u"Me§hl§ und Ma§ss§e."_s << u << n << 0 << u"   "_s << u" Me§hl§ und Ma§ss§e."_s;
        QTest::addRow("two letter gaps side by side")
            << u"Ha§u§§s§e."_s << u << n << 0 << u" "_s << u" Ha§u§§s§e."_s;
        QTest::addRow("letter gap and word part side by side")
            << u"Ha§u§$s$e."_s << u << n << 0 << u" "_s << u" Ha§u§$s$e."_s;
        QTest::addRow("characters equal to the placeholders are plain")
            << u"Ein_Wort und B-L§ä§rm."_s << u << QChar(u'-') << 0 << u"   "_s
            << u" Ein_Wort und B-L§ä§rm."_s;
        QTest::addRow("blank placeholders stay in their word")
            << u"Ha§us§e ist."_s << QChar(u' ') << n << 0 << u" "_s << u" Ha§us§e "_s;
        QTest::addRow("not rewritten letters come back plain")
            << u"Ha&us&e."_s << u << n << 0 << u" "_s << u" Hause."_s;
        QTest::addRow("line break comes back as one blank")
            << u"Der  Hund."_s << u << n << 0 << u"  "_s << u" Der Hund."_s;
    }
    void abschnitt()
    {
        QFETCH(QString, satz);
        QFETCH(QChar, buchstabe);
        QFETCH(QChar, wortteil);
        QFETCH(int, caret);
        QFETCH(QString, tasten);
        SatzAuswahl auswahl(satz, buchstabe, wortteil);
        spielen(auswahl, caret, tasten);
        QTEST(auswahl.abschnitt(), "abschnitt");
    }
};

QTEST_GUILESS_MAIN(TestSatzAuswahl)
#include "tst_satzauswahl.moc"
