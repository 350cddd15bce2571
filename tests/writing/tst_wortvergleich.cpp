#include "writing/core/wortvergleich.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace writing;

Q_DECLARE_METATYPE(writing::VergleichsEingabe)

namespace {

VergleichsEingabe text(const QString &geschrieben, const QString &vorlage, const QString &roh = {})
{
    VergleichsEingabe e;
    e.geschrieben = geschrieben;
    e.vorlage = vorlage;
    e.dateityp = markup::FileType::Text;
    e.abschnittRoh = roh.isEmpty() ? vorlage : roh;
    return e;
}

// The places as the pupil sees them: "s≠e" wrong, "-e" forgotten, "+s" extra.
QString bild(const Vergleich &v)
{
    QStringList places;
    for (const VergleichsPaar &p : v.paare) {
        const QString art[] = {p.vorlage, p.geschrieben + u'≠' + p.vorlage, u'-' + p.vorlage,
                               u'+' + p.geschrieben};
        places << art[int(p.art)];
    }
    return places.join(u' ');
}

} // namespace

class TestWortvergleich : public QObject {
    Q_OBJECT

private slots:
    void wordsAreAligned_data()
    {
        QTest::addColumn<QString>("geschrieben");
        QTest::addColumn<QString>("vorlage");
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("meldung");
        const QString vergessen = u"Du hast ein Wort vergessen"_s;
        const QString zuviel = u"Du hast ein Wort zuviel geschrieben"_s;
        auto row = [](const char *name, const QString &g, const QString &v, const QString &bild,
                      const QString &meldung) {
            QTest::addRow("%s", name) << g << v << bild << meldung;
        };

        row("forgotten word", u"der bellt"_s, u"der Hund bellt"_s, u"der -Hund bellt"_s, vergessen);
        row("extra word", u"der große Hund"_s, u"der Hund"_s, u"der +große Hund"_s, zuviel);
        row("two extra words as one", u"der ganz große Hund"_s, u"der Hund"_s,
            u"der +ganz große Hund"_s, zuviel);
        row("case and full stop count", u"Der hund bellt."_s, u"Der Hund bellt."_s,
            u"Der hund≠Hund bellt."_s, QString());
        // A written word is drawn once.
        row("forgotten last word", u"der Hund bellt"_s, u"der Hund bellt laut"_s,
            u"der Hund bellt -laut"_s, vergessen);
        row("repeated word written once", u"ja"_s, u"ja ja"_s, u"ja -ja"_s, vergessen);
        row("set-aside word, then an extra one", u"b b"_s, u"a b"_s, u"-a b +b"_s, QString());
        row("repeated word written right", u"das das Hous"_s, u"das das Haus"_s,
            u"das das Hous≠Haus"_s, QString());
        row("line break in the target", u"Er lacht. Sie"_s, u"Er lacht.  Sie"_s, u"Er lacht. Sie"_s,
            QString());
        row("extra words after the last target word", u"der Hund bellt laut"_s, u"der Hund"_s,
            u"der Hund +bellt +laut"_s, zuviel);
    }

    void wordsAreAligned()
    {
        QFETCH(QString, geschrieben);
        QFETCH(QString, vorlage);
        const Vergleich v = vergleichen(text(geschrieben, vorlage));
        QTEST(bild(v), "bild");
        QTEST(v.meldung, "meldung");
    }

    void wrongWordsAreListedRaw_data()
    {
        QTest::addColumn<VergleichsEingabe>("eingabe");
        QTest::addColumn<QStringList>("fehler");

        QTest::addRow("markup kept, punctuation removed")
            << text(u"Der Hunt bellt"_s, u"Der Hund bellt."_s, u"Der Hu$n$d bellt."_s)
            << QStringList{u"Hu$n$d"_s, u"bellt"_s};
        QTest::addRow("every double quote removed")
            << text(u"rief: \"Jaa!\" „Komm“"_s, u"rief: \"Ja!\" „Kom“"_s,
                    u"rief: \"J§a§!\" „Ko$m$“"_s)
            << QStringList{u"J§a§"_s, u"Ko$m$"_s};
        QTest::addRow("forgotten and extra words not listed")
            << text(u"der große Hund"_s, u"der Hund bellt"_s) << QStringList();
        QTest::addRow("word not to be written keeps raw words in place")
            << text(u"der Hunt"_s, u"der  Hund"_s, u"der &kleine& Hund"_s)
            << QStringList{u"Hund"_s};
        QTest::addRow("a not-rewritten pair across a group's join")
            << text(u"der Hunt"_s, u"der Hund"_s, u"der &gute alte& Hund"_s)
            << QStringList{u"Hund"_s};

        VergleichsEingabe e = text(u"Farad"_s, u"Fahrrad"_s, u"Auto"_s);
        e.dateityp = markup::FileType::Woerter;
        e.wortRoh = u"Fa$hr$rad"_s;
        QTest::addRow("word mode takes the raw word") << e << QStringList{u"Fa$hr$rad"_s};

        e = text(u"dr grose Hund"_s, u"der große Hund"_s, u"de$r$ gro§ß§e Hund"_s);
        e.dateityp = markup::FileType::Wortgruppen;
        e.wortgruppeRoh = u"de$r$_gro§ß§e_Hund"_s;
        e.ganzeWortgruppe = true;
        QTest::addRow("whole group listed once") << e << QStringList{u"de$r$_gro§ß§e_Hund"_s};
        e.dateityp = markup::FileType::Text;
        QTest::addRow("whole group only in word-group mode")
            << e << QStringList{u"de$r$"_s, u"gro§ß§e"_s};
    }

    void wrongWordsAreListedRaw()
    {
        QFETCH(VergleichsEingabe, eingabe);
        QTEST(vergleichen(eingabe).fehler, "fehler");
    }
};

QTEST_APPLESS_MAIN(TestWortvergleich)
#include "tst_wortvergleich.moc"
