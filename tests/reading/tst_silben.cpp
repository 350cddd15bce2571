#include "reading/core/silben.h"

#include "tests/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSilben : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!silben::deutsch().bereit())
            QSKIP("the German hyphenation patterns (hyphen-de) are not installed");
    }

    // A reading book's syllables for the words of the first school years: the share
    // found right is the figure the splitter is measured by.
    void woerterWieImLesebuch()
    {
        const QStringList zeilen =
            QString::fromUtf8(testing::testDataBytes(u"silben.txt"_s)).split(u'\n');
        int woerter = 0;
        QStringList falsch;
        for (const QString &zeile : zeilen) {
            const QString erwartet = zeile.trimmed();
            if (erwartet.isEmpty() || erwartet.startsWith(u'#'))
                continue;
            ++woerter;
            const QString wort = QString(erwartet).remove(u'-');
            const QString getrennt = silben::deutsch().trennen(wort).value();
            if (getrennt != erwartet)
                falsch << getrennt + u" (" + erwartet + u')';
        }
        const double anteil = double(woerter - falsch.size()) / woerter;
        qInfo("%d words, %.1f %% right; wrong: %s", woerter, anteil * 100,
              qPrintable(falsch.join(u", "_s)));
        QVERIFY(woerter >= 150);
        QVERIFY2(anteil >= 0.98, qPrintable(falsch.join(u", "_s)));
    }

    void textMarkupStaysWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("getrennt");
        QTest::addRow("running text")
            << u"Die Katze frisst Zucker."_s << u"Die Kat-ze frisst Zu-cker."_s;
        QTest::addRow("lines and the end mark") << u"Hase\r\nEsel #"_s << u"Ha-se\r\nE-sel #"_s;
        QTest::addRow("a word with a gap stays whole")
            << u"Ha§us§e Ker$z$e &Tiger& Tiger"_s << u"Ha§us§e Ker$z$e &Tiger& Ti-ger"_s;
        QTest::addRow("words of a group, a pair across a join")
            << u"der_Hase &eine_Katze&_Kerze"_s << u"der_Ha-se &eine_Katze&_Ker-ze"_s;
        QTest::addRow("a hyphen parts words, typed syllables stay")
            << u"Hasen-Schule Ha-se"_s << u"Ha-sen-Schu-le Ha-se"_s;
        QTest::addRow("letters next to a digit stay whole")
            << u"12-jährige Hasen3 3Hasen"_s << u"12-jäh-ri-ge Hasen3 3Hasen"_s;
        QTest::addRow("capitals") << u"OMA UND OPA"_s << u"O-MA UND O-PA"_s;
        QTest::addRow("a letter the patterns cannot hold") << u"Škoda"_s << u"Škoda"_s;
        QTest::addRow("no vowel, no syllable") << u"Pfft LKW"_s << u"Pfft LKW"_s;
    }
    void textMarkupStaysWhole()
    {
        QFETCH(QString, text);
        QFETCH(QString, getrennt);
        QCOMPARE(silben::deutsch().trennen(text).value(), getrennt);
        if (!text.contains(u'-'))
            QCOMPARE(silben::trennungEntfernen(getrennt), text);
    }

    void hyphensRemoved_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ohne");
        QTest::addRow("syllables") << u"Ha-se Kat-ze."_s << u"Hase Katze."_s;
        QTest::addRow("in capitals") << u"O-MA"_s << u"OMA"_s;
        QTest::addRow("compounds stay") << u"Hasen-Schule E-Mail"_s << u"Hasen-Schule E-Mail"_s;
        QTest::addRow("not between letters")
            << u"Mutter- und Vatertag - ja"_s << u"Mutter- und Vatertag - ja"_s;
        QTest::addRow("a hidden hyphen in a gap stays")
            << u"Ha§s-e§n Ha-se"_s << u"Ha§s-e§n Hase"_s;
    }
    void hyphensRemoved()
    {
        QFETCH(QString, text);
        QTEST(silben::trennungEntfernen(text), "ohne");
    }

    // The editor's "Silben trennen" and "Silbentrennung entfernen" on the words the
    // selection touches, the whole text read for its gap pairs.
    void editorCommandsOnTheSelectedWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<QString>("getrennt");
        QTest::addRow("no selection: every word")
            << u"Hase\nKatze"_s << 3 << 3 << u"Ha-se\nKat-ze"_s;
        QTest::addRow("a selection inside a word takes the whole word")
            << u"Hase Katze Tiger"_s << 7 << 8 << u"Hase Kat-ze Tiger"_s;
        QTest::addRow("selected backwards, over a line break")
            << u"Hase\nKatze Tiger"_s << 7 << 2 << u"Ha-se\nKat-ze Tiger"_s;
        QTest::addRow("inside a gap pair nothing")
            << u"die §Katze Tiger§ Esel"_s << 6 << 8 << u"die §Katze Tiger§ Esel"_s;
        QTest::addRow("a gap pair's word skipped, the others split")
            << u"Ka§t§ze Tiger"_s << 0 << 13 << u"Ka§t§ze Ti-ger"_s;
        QTest::addRow("typed syllables stay as they are")
            << u"Ha-se Katze"_s << 0 << 11 << u"Ha-se Kat-ze"_s;
    }
    void editorCommandsOnTheSelectedWords()
    {
        QFETCH(QString, text);
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(QString, getrennt);
        QString ergebnis = text;
        const QList<qsizetype> stellen = silben::deutsch().trennstellen(text, von, bis).value();
        for (auto stelle = stellen.crbegin(); stelle != stellen.crend(); ++stelle)
            ergebnis.insert(*stelle, u'-');
        QCOMPARE(ergebnis, getrennt);

        // Taken out again in the same words, whatever else the text holds.
        const QString mitAnderen = u"Ro-se "_s + getrennt;
        QString ohne = mitAnderen;
        const QList<qsizetype> striche = silben::trennstriche(mitAnderen, von + 6, bis + 6);
        for (auto strich = striche.crbegin(); strich != striche.crend(); ++strich)
            ohne.remove(*strich, 1);
        QCOMPARE(ohne, (von == bis ? u"Rose "_s : u"Ro-se "_s) + QString(text).remove(u'-'));
    }

    void unusablePatternsAreSaidNotFatal_data()
    {
        QTest::addColumn<QByteArray>("inhalt"); // empty: no file at all
        QTest::addRow("missing") << QByteArray();
        QTest::addRow("empty") << QByteArray("\n");
        QTest::addRow("unknown character set") << QByteArray("KOI8-R\n1ba\n");
        QTest::addRow("no pattern, only a comment") << QByteArray("ISO8859-1\n% leer\n");
    }
    void unusablePatternsAreSaidNotFatal()
    {
        QFETCH(QByteArray, inhalt);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u"hyph_de_DE.dic"_s);
        if (!inhalt.isEmpty())
            testing::writeBytes(datei, inhalt);
        silben::Silbentrenner trenner(datei);
        QVERIFY(!trenner.bereit());
        QVERIFY(!trenner.trennen(u"Hase"_s));
        QVERIFY(trenner.grenzen(u"Hase"_s).isEmpty());
        QVERIFY(trenner.fehlermeldung().contains(datei));
    }
};

QTEST_GUILESS_MAIN(TestSilben)
#include "tst_silben.moc"
