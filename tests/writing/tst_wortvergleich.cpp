#include "writing/core/wortvergleich.h"

#include <QTest>

using namespace Qt::StringLiterals;
using writing::VergleichsEingabe;
using writing::WortArt;

namespace {

VergleichsEingabe text(const QString &geschrieben, const QString &vorlage)
{
    VergleichsEingabe eingabe;
    eingabe.geschrieben = geschrieben;
    eingabe.vorlage = vorlage;
    eingabe.dateityp = markup::FileType::Text;
    eingabe.abschnittRoh = vorlage;
    return eingabe;
}

// The places as the pupil sees them: a right word as it is, "s≠e" for a wrong one,
// "-e" for a forgotten one, "+s" for an extra one.
QString bild(const writing::Vergleich &vergleich)
{
    QStringList places;
    for (const writing::VergleichsPaar &paar : vergleich.paare) {
        switch (paar.art) {
        case WortArt::Richtig:
            places << paar.vorlage;
            break;
        case WortArt::Falsch:
            places << paar.geschrieben + u'≠' + paar.vorlage;
            break;
        case WortArt::Vergessen:
            places << u'-' + paar.vorlage;
            break;
        case WortArt::Zuviel:
            places << u'+' + paar.geschrieben;
            break;
        }
    }
    return places.join(u' ');
}

// A result text with its colours: black as it is, red in [], blue in ().
QString gefaerbt(const QList<writing::TextStueck> &stuecke)
{
    QString result;
    for (const writing::TextStueck &stueck : stuecke) {
        if (stueck.farbe == writing::farbe::rot)
            result += u'[' + stueck.text + u']';
        else if (stueck.farbe == writing::farbe::blau)
            result += u'(' + stueck.text + u')';
        else
            result += stueck.text;
    }
    return result;
}

const QString vergessen = u"Du hast ein Wort vergessen"_s;
const QString zuviel = u"Du hast ein Wort zuviel geschrieben"_s;

} // namespace

Q_DECLARE_METATYPE(writing::VergleichsEingabe)

class TestWortvergleich : public QObject {
    Q_OBJECT

private slots:
    void wordsAreAligned_data()
    {
        QTest::addColumn<QString>("geschrieben");
        QTest::addColumn<QString>("vorlage");
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("meldung");

        QTest::addRow("forgotten word")
            << u"der bellt"_s << u"der Hund bellt"_s << u"der -Hund bellt"_s << vergessen;
        QTest::addRow("forgotten first word")
            << u"Hund bellt"_s << u"der Hund bellt"_s << u"-der Hund bellt"_s << vergessen;
        QTest::addRow("extra word") << u"der große Hund bellt"_s << u"der Hund bellt"_s
                                    << u"der +große Hund bellt"_s << zuviel;
        QTest::addRow("two extra words drawn as one")
            << u"der ganz große Hund bellt"_s << u"der Hund bellt"_s
            << u"der +ganz große Hund bellt"_s << zuviel;
        QTest::addRow("case and full stop count") << u"Der hund bellt."_s << u"Der Hund bellt."_s
                                                  << u"Der hund≠Hund bellt."_s << QString();
        QTest::addRow("last word of one letter")
            << u"Ich sage a"_s << u"Ich sage A"_s << u"Ich sage a≠A"_s << QString();
        QTest::addRow("wrong and forgotten")
            << u"die bellt"_s << u"der Hund bellt"_s << u"die≠der -Hund bellt"_s << vergessen;
        QTest::addRow("nothing written")
            << QString() << u"der Hund"_s << u"-der -Hund"_s << vergessen;
        // A written word is used once.
        QTest::addRow("forgotten last word") << u"der Hund bellt"_s << u"der Hund bellt laut"_s
                                             << u"der Hund bellt -laut"_s << vergessen;
        QTest::addRow("repeated word written once")
            << u"ja"_s << u"ja ja"_s << u"ja -ja"_s << vergessen;
        QTest::addRow("set-aside word and an extra one")
            << u"b b"_s << u"a b"_s << u"-a b +b"_s << QString();
        QTest::addRow("repeated target word written right")
            << u"das das Hous"_s << u"das das Haus"_s << u"das das Hous≠Haus"_s << QString();
        QTest::addRow("line break in the target is no word")
            << u"Der Hund bellt. Die Katz"_s << u"Der Hund bellt.  Die Katze"_s
            << u"Der Hund bellt. Die Katz≠Katze"_s << QString();
        QTest::addRow("extra words after the last target word")
            << u"der Hund bellt laut"_s << u"der Hund"_s << u"der Hund +bellt +laut"_s << zuviel;
    }

    void wordsAreAligned()
    {
        QFETCH(QString, geschrieben);
        QFETCH(QString, vorlage);
        const writing::Vergleich vergleich = writing::vergleichen(text(geschrieben, vorlage));
        QTEST(bild(vergleich), "bild");
        QTEST(vergleich.meldung, "meldung");
    }

    void wrongWordsAreListedRaw_data()
    {
        QTest::addColumn<VergleichsEingabe>("eingabe");
        QTest::addColumn<QStringList>("fehler");

        VergleichsEingabe e = text(u"Der Hunt bellt"_s, u"Der Hund bellt."_s);
        e.abschnittRoh = u"Der Hu$n$d bellt."_s;
        QTest::addRow("markup kept, punctuation removed")
            << e << QStringList{u"Hu$n$d"_s, u"bellt"_s};

        e = text(u"Er rief: \"Jaa!\" „Komm“"_s, u"Er rief: \"Ja!\" „Kom“"_s);
        e.abschnittRoh = u"Er rief: \"J§a§!\" „Ko$m$“"_s;
        QTest::addRow("every double quote removed") << e << QStringList{u"J§a§"_s, u"Ko$m$"_s};

        e = text(u"Farad"_s, u"Fahrrad"_s);
        e.dateityp = markup::FileType::Woerter;
        e.wortRoh = u"Fa$hr$rad"_s;
        e.abschnittRoh = u"Auto Fa$hr$rad"_s;
        QTest::addRow("word mode takes the raw word") << e << QStringList{u"Fa$hr$rad"_s};

        QTest::addRow("forgotten and extra words are not listed")
            << text(u"der große Hund"_s, u"der Hund bellt"_s) << QStringList();
        QTest::addRow("forgotten last word is not listed")
            << text(u"der Hund bellt"_s, u"der Hund bellt laut"_s) << QStringList();

        e = text(u"der Hunt bellt"_s, u"der  Hund bellt"_s);
        e.abschnittRoh = u"der &kleine& Hund bellt"_s;
        QTest::addRow("word not to be written keeps raw words in place")
            << e << QStringList{u"Hund"_s};

        e = text(u"dr grose Hund"_s, u"der große Hund"_s);
        e.dateityp = markup::FileType::Wortgruppen;
        e.abschnittRoh = u"de$r$ gro§ß§e Hund"_s;
        e.wortgruppeRoh = u"de$r$_gro§ß§e_Hund"_s;
        e.ganzeWortgruppe = true;
        QTest::addRow("whole group listed once") << e << QStringList{u"de$r$_gro§ß§e_Hund"_s};
        e.ganzeWortgruppe = false;
        QTest::addRow("group's wrong words listed one by one")
            << e << QStringList{u"de$r$"_s, u"gro§ß§e"_s};
        e.ganzeWortgruppe = true;
        e.dateityp = markup::FileType::Text;
        QTest::addRow("whole group only in word-group mode")
            << e << QStringList{u"de$r$"_s, u"gro§ß§e"_s};
    }

    void wrongWordsAreListedRaw()
    {
        QFETCH(VergleichsEingabe, eingabe);
        QTEST(writing::vergleichen(eingabe).fehler, "fehler");
    }

    void textsAreColouredWordByWord_data()
    {
        QTest::addColumn<QString>("geschrieben");
        QTest::addColumn<QString>("vorlage");
        QTest::addColumn<QString>("vorlageText");
        QTest::addColumn<QString>("geschriebenText");

        QTest::addRow("wrong word red in both")
            << u"Der hund bellt."_s << u"Der Hund bellt."_s << u"Der [Hund] bellt. "_s
            << u"Der [hund ]bellt. "_s;
        QTest::addRow("forgotten word blue, a gap where it was")
            << u"der bellt"_s << u"der Hund bellt"_s << u"der (Hund) bellt "_s
            << u"der [ ]bellt "_s;
        QTest::addRow("extra words red in the written text")
            << u"der große Hund bellt laut"_s << u"der Hund bellt"_s << u"der Hund bellt "_s
            << u"der [große ]Hund bellt [laut ]"_s;
    }

    void textsAreColouredWordByWord()
    {
        QFETCH(QString, geschrieben);
        QFETCH(QString, vorlage);
        const writing::Vergleich vergleich = writing::vergleichen(text(geschrieben, vorlage));
        QTEST(gefaerbt(vergleich.vorlageText), "vorlageText");
        QTEST(gefaerbt(vergleich.geschriebenText), "geschriebenText");
    }
};

QTEST_APPLESS_MAIN(TestWortvergleich)
#include "tst_wortvergleich.moc"
