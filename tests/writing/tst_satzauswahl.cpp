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
        QTest::addRow("first") << zwei << 1 << 1 << u"Der Hund bellt."_s;
        QTest::addRow("second") << zwei << 2 << 2 << u"Die Katze miaut."_s;
        QTest::addRow("behind the last: the last") << zwei << 7 << 2 << u"Die Katze miaut."_s;
        QTest::addRow("words after the last end") << u"Eins. Zwei #"_s << 2 << 2 << u"Zwei"_s;
        QTest::addRow("no sentence at all") << u"   #"_s << 1 << 0 << QString();
        QTest::addRow("# in the middle") << u"Eins. Zwei # Drei. #"_s << 3 << 2 << u"Zwei"_s;
        QTest::addRow("... ends one sentence") << u"Und... Er. #"_s << 2 << 2 << u"Er."_s;
        QTest::addRow("?! ends one sentence") << u"Wirklich?! Ja. #"_s << 1 << 1 << u"Wirklich?!"_s;
        const QString versteckt = u"Der Hund bellt§.§ Die Katze miaut§.§ #"_s;
        QTest::addRow("a hidden end in a gap pair ends nothing")
            << versteckt << 2 << 1 << u"Der Hund bellt§.§ Die Katze miaut§.§"_s;
        QTest::addRow("ends in $ and & pairs, then a real one")
            << u"Ja$!$ Na&?&. Gut. #"_s << 2 << 2 << u"Gut."_s;
    }
    void satzFinden()
    {
        QFETCH(QString, puffer);
        QFETCH(int, n);
        const writing::Satz satz = writing::satzFinden(puffer, n);
        QTEST(satz.nummer, "nummer");
        QTEST(satz.roh, "roh");
    }

    void tasten_data()
    {
        QTest::addColumn<QString>("satz");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<int>("caretDanach");
        QTest::addColumn<QString>("markierung");

        const QString satz = u"Der Hund bellt."_s;
        QTest::addRow("space: word and blank") << satz << 0 << u" "_s << 4 << u"xxxx..........."_s;
        QTest::addRow("space at the end") << satz << 0 << u"    "_s << 15 << u"xxxxxxxxxxxxxxx"_s;
        QTest::addRow("space inside a word") << satz << 6 << u" "_s << 9 << u"....xxxxx......"_s;
        QTest::addRow("backspace") << satz << 0 << u"  <"_s << 4 << u"xxxx..........."_s;
        QTest::addRow("backspace in a word")
            << satz << 0 << u"   6<"_s << 4 << u"xxxx.....xxxxxx"_s;
        QTest::addRow("backspace at the start") << satz << 0 << u"<"_s << 0 << u"..............."_s;
        // A line break stands as two blanks in the buffer; Space must reach the next word.
        QTest::addRow("after a line break")
            << u"Der  Hund  bellt."_s << 4 << u" "_s << 9 << u"....xxxxx......"_s;
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
        QTest::addColumn<QString>("platzhalter"); // for letters, for a word part
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("abschnitt");

        // Shown as "Das Ha¬ hat ein Da__.", the last word from offset 16.
        const QString bsp = u"Das Ha$us$ hat ein Da§ch§."_s;
        QTest::addRow("nothing marked") << bsp << u"_¬"_s << 0 << QString() << u" "_s;
        QTest::addRow("whole") << bsp << u"_¬"_s << 0 << u"     "_s << u" "_s + bsp;
        QTest::addRow("up to the word part") << bsp << u"_¬"_s << 0 << u"  "_s << u" Das Ha$us$ "_s;
        QTest::addRow("the letter gap") << bsp << u"_¬"_s << 16 << u" "_s << u" Da§ch§."_s;
        QTest::addRow("later gaps not shifted")
            << u"Me§hl§ und Ma§ss§e."_s << u"_¬"_s << 0 << u"   "_s << u" Me§hl§ und Ma§ss§e."_s;
        QTest::addRow("two gaps side by side")
            << u"Ha§u§§s§e."_s << u"_¬"_s << 0 << u" "_s << u" Ha§u§§s§e."_s;
        QTest::addRow("placeholders as plain characters")
            << u"Ein_Wort, B-L§ä§rm."_s << u"_-"_s << 0 << u"  "_s << u" Ein_Wort, B-L§ä§rm."_s;
        QTest::addRow("blank placeholders stay in the word")
            << u"Ha§us§e ist."_s << u" ¬"_s << 0 << u" "_s << u" Ha§us§e "_s;
    }
    void abschnitt()
    {
        QFETCH(QString, satz);
        QFETCH(QString, platzhalter);
        QFETCH(int, caret);
        QFETCH(QString, tasten);
        SatzAuswahl auswahl(satz, platzhalter[0], platzhalter[1]);
        spielen(auswahl, caret, tasten);
        QTEST(auswahl.abschnitt(), "abschnitt");
    }
};

QTEST_GUILESS_MAIN(TestSatzAuswahl)
#include "tst_satzauswahl.moc"
