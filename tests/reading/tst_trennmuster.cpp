#include "reading/core/silben.h"
#include "reading/core/trennmuster.h"

#include "tests/support/files.h"
#include "tests/support/libhyphen.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A pattern file of random patterns over few letters, so that they overlap, end inside
// each other and break words into compound parts of every length.
QByteArray zufallsMuster(QRandomGenerator &zufall)
{
    const auto zahl = [&zufall](int bis) { return int(zufall.bounded(bis)); };
    const auto muster = [&](int anzahl, bool punkte) {
        QByteArray zeilen;
        for (int m = 0; m < anzahl; ++m) {
            const int laenge = 1 + zahl(5);
            const bool anfang = punkte && zahl(6) == 0;
            const bool ende = punkte && !anfang && zahl(6) == 0;
            QByteArray zeile = anfang ? "." : "";
            for (int k = 0; k < laenge; ++k) {
                if (zahl(3) == 0)
                    zeile += char('1' + zahl(9));
                zeile += "abcde"[zahl(5)];
            }
            if (!ende && zahl(3) == 0)
                zeile += char('1' + zahl(9));
            zeilen += zeile + (ende ? ".\n" : "\n");
        }
        return zeilen;
    };
    QByteArray datei = "ISO8859-1\n";
    if (zahl(2))
        datei += "LEFTHYPHENMIN " + QByteArray::number(zahl(4)) + '\n';
    if (zahl(2))
        datei += "RIGHTHYPHENMIN " + QByteArray::number(zahl(4)) + '\n';
    if (zahl(2)) {
        datei += "COMPOUNDLEFTHYPHENMIN " + QByteArray::number(1 + zahl(3)) + '\n';
        datei += "COMPOUNDRIGHTHYPHENMIN " + QByteArray::number(1 + zahl(3)) + '\n';
    }
    if (zahl(2))
        return datei + muster(40, true);
    return datei + muster(30, false) + "NOHYPHEN -,'\n1-1\n1'1\nNEXTLEVEL\n" + muster(40, true);
}

// Words over the same letters, now and then with a hyphen, an apostrophe or a digit.
QByteArray zufallsWort(QRandomGenerator &zufall)
{
    QByteArray wort;
    const int laenge = 1 + int(zufall.bounded(16));
    for (int k = 0; k < laenge; ++k)
        wort += "abcdeabcdeabcde-'7"[zufall.bounded(18)];
    return wort;
}

} // namespace

class TestTrennmuster : public QObject {
    Q_OBJECT
private slots:
    // The reader finds the breaks libhyphen finds, file format and word alike: levels,
    // minimum lengths, compound parts, "NOHYPHEN", a pattern given twice, comments and
    // over-long lines, DOS line ends, UTF-8.
    void wieLibhyphen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArrayList>("woerter");
        const QByteArrayList deutsch = {"hase", "banane", "zucker", "kinder", "garten",
                                        "kindergarten", "haustür", "türschloss", "haustürschloss",
                                        "abc", "xabcx", "e-mail", "o'neil", "ab", "a", "h4se", "x%kx"};
        QTest::addRow("one level, a reading book's patterns")
            << QByteArray("ISO8859-1\nLEFTHYPHENMIN 2\nRIGHTHYPHENMIN 3\n%1k Kommentar\n"
                          ".ab3\n1ba\n1na\n1se\nn1d\nr1g\n1ten\n2ck\nc1k\n1de\n1de3\n")
            << deutsch;
        QTest::addRow("two levels: compounds first")
            << QByteArray("ISO8859-1\nCOMPOUNDLEFTHYPHENMIN 2\nCOMPOUNDRIGHTHYPHENMIN 2\n"
                          "# Wörter und Zusammensetzungen: http://example.org/a/b\n"
                          "kinder1garten\nhaus1t\xfcr\nt\xfcr1schloss\na1b1c\nx1a\n"
                          "NOHYPHEN -,'\n1-1\n1'1\nNEXTLEVEL\n"
                          ".ab3\n1ba\n1na\n1se\nn1d\nr1g\n1ten\n2ck\nc1k\n1de\ns1s\n1schl\n")
            << QByteArrayList{"hase", "kindergarten", "haust\xfcr", "t\xfcrschloss",
                              "haust\xfcrschloss", "abc", "xabcx", "abcde", "e-mail", "o'neil",
                              "x1abc", "kindergartenhaus"};
        QTest::addRow("DOS line ends, an over-long line, UTF-8")
            << (QByteArray("UTF-8\r\n1\xc3\xa4\r\n\xc3\xbc"
                           "1b\r\n%") +
                QByteArray(110, 'x') + "1y\r\n.\xc3\xa4n3\r\n")
            << QByteArrayList{"h\xc3\xa4user", "\xc3\xbc"
                                               "ber",
                              "\xc3\xa4nderung", QByteArray(12, 'x') + 'y',
                              "\xef\xac\x83x\xc3\xa4y"};
        QRandomGenerator zufall(20261208);
        for (int datei = 0; datei < 60; ++datei) {
            QByteArrayList woerter;
            for (int w = 0; w < 150; ++w)
                woerter << zufallsWort(zufall);
            QTest::addRow("random patterns %d", datei) << zufallsMuster(zufall) << woerter;
        }
    }
    void wieLibhyphen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArrayList, woerter);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"hyph_de_DE.dic"_s);
        testing::writeBytes(pfad, datei);
        const testing::Libhyphen libhyphen(pfad);
        QVERIFY(libhyphen.geladen());
        const silben::Trennmuster muster = silben::Trennmuster::lesen(datei);
        QCOMPARE(muster.zustand(), silben::Trennmuster::Zustand::Bereit);
        for (const QByteArray &wort : woerter)
            QCOMPARE(libhyphen.leser(muster, wort) + ' ' + wort,
                     libhyphen.libhyphen(wort) + ' ' + wort);
    }

    // A break that changes letters ("Zuk-ker" of the old spelling) is only libhyphen's to
    // apply: such a file goes to libhyphen, and the changed break begins no syllable.
    void breaksThatChangeLettersGoToLibhyphen()
    {
        QTemporaryDir ordner;
        const QString mitErsatz = ordner.filePath(u"alt.dic"_s);
        const QString ohne = ordner.filePath(u"neu.dic"_s);
        testing::writeBytes(mitErsatz, "ISO8859-1\nc1k/k=k,1,2\n1se\n");
        testing::writeBytes(ohne, "ISO8859-1\n1ck\n1se\n");
        QCOMPARE(silben::Trennmuster::lesen("ISO8859-1\nc1k/k=k,1,2\n").zustand(),
                 silben::Trennmuster::Zustand::MitErsatz);
        silben::Silbentrenner alt(mitErsatz);
        silben::Silbentrenner neu(ohne);
        QVERIFY(alt.bereit());
        QVERIFY(neu.bereit());
        QCOMPARE(alt.trennen(u"Zucker Hase"_s).value(), u"Zucker Ha-se"_s);
        QCOMPARE(neu.trennen(u"Zucker Hase"_s).value(), u"Zu-cker Ha-se"_s);
    }
};

QTEST_GUILESS_MAIN(TestTrennmuster)
#include "tst_trennmuster.moc"
