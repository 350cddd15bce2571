#include "settings/core/auswertung.h"

#include "tests/support/files.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace auswertung;

namespace {

QList<int> rowsOf(const QString &entry)
{
    const quint32 bits = phaenomene(entry);
    QList<int> rows;
    for (int row = 0; row < phaenomenAnzahl; ++row) {
        if (zeigt(bits, row))
            rows.append(row);
    }
    return rows;
}

QStringList texts(const QList<Eintrag> &entries, bool mitHaeufigkeit)
{
    QStringList result;
    for (const Eintrag &entry : entries)
        result.append(entry.text(mitHaeufigkeit));
    return result;
}

} // namespace

class TestAuswertung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void wordsShowTheirPhenomena_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("rows");
        QTest::addRow("double consonant") << u"Ball"_s << QList<int>{0};
        QTest::addRow("double vowel") << u"Boot"_s << QList<int>{1};
        QTest::addRow("vowel and h") << u"Kuh"_s << QList<int>{2};
        QTest::addRow("ß inside and at the end") << u"Fuß"_s << QList<int>{3, 16};
        QTest::addRow("ng, g at the end") << u"Ring"_s << QList<int>{4, 19};
        QTest::addRow("tz") << u"Katze"_s << QList<int>{5};
        QTest::addRow("ie") << u"Biene"_s << QList<int>{6};
        QTest::addRow("nk") << u"Bank"_s << QList<int>{7};
        QTest::addRow("chs, s at the end") << u"Fuchs"_s << QList<int>{8, 15};
        QTest::addRow("ks, s at the end") << u"Keks"_s << QList<int>{9, 15};
        QTest::addRow("x") << u"Hexe"_s << QList<int>{10};
        QTest::addRow("ieh holds ie and eh") << u"Vieh"_s << QList<int>{2, 6, 11};
        QTest::addRow("pf") << u"Apfel"_s << QList<int>{12};
        QTest::addRow("th") << u"Mathe"_s << QList<int>{13};
        QTest::addRow("ph") << u"Strophe"_s << QList<int>{14};
        QTest::addRow("d at the end") << u"Hund"_s << QList<int>{17};
        QTest::addRow("b at the end") << u"Korb"_s << QList<int>{18};
        QTest::addRow("ig at the end") << u"König"_s << QList<int>{19, 20};
        QTest::addRow("lich at the end") << u"fröhlich"_s << QList<int>{21};
        QTest::addRow("isch at the end") << u"tierisch"_s << QList<int>{6, 22};
        QTest::addRow("st at the start") << u"stehen"_s << QList<int>{2, 23};
        QTest::addRow("sp at the start") << u"spielen"_s << QList<int>{6, 24};
        QTest::addRow("v at the start") << u"viel"_s << QList<int>{6, 25};
        QTest::addRow("capital S does not start with st") << u"Stein"_s << QList<int>{26};
        QTest::addRow("none of them") << u"Auto"_s << QList<int>{26};
        QTest::addRow("count cut before the end test") << u"Haus(2)"_s << QList<int>{15};
        QTest::addRow("count of a word ending in r") << u"Häuser(3)"_s << QList<int>{26};
        QTest::addRow("a last ( is no count") << u"Haus("_s << QList<int>{26};
    }
    void wordsShowTheirPhenomena()
    {
        QFETCH(QString, entry);
        QFETCH(QList<int>, rows);
        QCOMPARE(rowsOf(entry), rows);
    }

    void wordsComeFromRecordOrText_data()
    {
        QTest::addColumn<bool>("record");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("words");
        QTest::addRow("record: headings, groups and markup")
            << true << QStringList{u"Anna"_s, u"~Text 1"_s, u"Ha$u$s"_s, u"haus"_s, u"der_Hund"_s}
            << QStringList{u"Haus"_s, u"haus"_s};
        QTest::addRow("record: the pupil line is no word")
            << true << QStringList{u"Anna Beispiel"_s} << QStringList{};
        QTest::addRow("record: empty lines and marks only")
            << true << QStringList{u"Anna"_s, u""_s, u"§&"_s, u"Fu§ß§"_s} << QStringList{u"Fuß"_s};
        QTest::addRow("text: punctuation and quotes part words")
            << false << QStringList{u"Er rief: \"Halt!\""_s}
            << QStringList{u"Er"_s, u"rief"_s, u"Halt"_s};
        QTest::addRow("text: markup taken out of the words")
            << false << QStringList{u"Der Fu§ß§ und das Ha$u$s&e&."_s}
            << QStringList{u"Der"_s, u"Fuß"_s, u"und"_s, u"das"_s, u"Hause"_s};
        QTest::addRow("text: a word group stays one word")
            << false << QStringList{u"der_gro§ß§e_Hund bellt"_s}
            << QStringList{u"der_große_Hund"_s, u"bellt"_s};
        QTest::addRow("text: every line, tabs part words")
            << false << QStringList{u"Hund\tKatze"_s, u""_s, u"Maus;;Igel?"_s}
            << QStringList{u"Hund"_s, u"Katze"_s, u"Maus"_s, u"Igel"_s};
    }
    void wordsComeFromRecordOrText()
    {
        QFETCH(bool, record);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, words);
        QCOMPARE(record ? fehlerWoerter(lines) : textWoerter(lines), words);
    }

    void duplicatesMergeInSortedList_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("plain");
        QTest::addColumn<QStringList>("counted");
        QTest::addRow("case only") << QStringList{u"Haus"_s, u"haus"_s} << QStringList{u"Haus"_s}
                                   << QStringList{u"Haus(2)"_s};
        QTest::addRow("the first of them stays")
            << QStringList{u"haus"_s, u"Baum"_s, u"HAUS"_s, u"Haus"_s}
            << QStringList{u"Baum"_s, u"haus"_s} << QStringList{u"Baum"_s, u"haus(3)"_s};
        QTest::addRow("ß has no capital")
            << QStringList{u"STRASSE"_s, u"Straße"_s} << QStringList{u"STRASSE"_s, u"Straße"_s}
            << QStringList{u"STRASSE"_s, u"Straße"_s};
        QTest::addRow("umlauts have capitals")
            << QStringList{u"Äpfel"_s, u"äpfel"_s} << QStringList{u"Äpfel"_s}
            << QStringList{u"Äpfel(2)"_s};
        QTest::addRow("ß spelled ss merges only with ss")
            << QStringList{u"Strasse"_s, u"Straße"_s, u"strasse"_s}
            << QStringList{u"Strasse"_s, u"Straße"_s} << QStringList{u"Strasse(2)"_s, u"Straße"_s};
        QTest::addRow("alphabetical without regard to case, umlauts in German order")
            << QStringList{u"Zebra"_s, u"öl"_s, u"apfel"_s, u"Ofen"_s, u"Birne"_s, u"Apfel"_s}
            << QStringList{u"apfel"_s, u"Birne"_s, u"Ofen"_s, u"öl"_s, u"Zebra"_s}
            << QStringList{u"apfel(2)"_s, u"Birne"_s, u"Ofen"_s, u"öl"_s, u"Zebra"_s};
        QTest::addRow("ten and more")
            << QStringList(12, u"Ei"_s) << QStringList{u"Ei"_s} << QStringList{u"Ei(12)"_s};
    }
    void duplicatesMergeInSortedList()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, plain);
        QFETCH(QStringList, counted);
        const QList<Eintrag> entries = wortliste(words, sortierung());
        QCOMPARE(texts(entries, false), plain);
        QCOMPARE(texts(entries, true), counted);
        // Merging again changes nothing.
        QCOMPARE(doppelte(entries), entries);
    }

    void savedWordsAreBytesOfOneLine_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("unencodable");
        QTest::addRow("two words, ten bytes")
            << QStringList{u"Ball"_s, u"Bett"_s} << QByteArray("Ball Bett ") << QString();
        QTest::addRow("Windows-1252 umlauts")
            << QStringList{u"Bär"_s, u"Fuß"_s} << QByteArray("B\xE4r Fu\xDF ") << QString();
        QTest::addRow("no words, empty file") << QStringList{} << QByteArray() << QString();
        QTest::addRow("refused: the old file stays")
            << QStringList{u"Ball"_s, u"Ωmega→"_s} << QByteArray("alt") << u"Ω→"_s;
    }
    void savedWordsAreBytesOfOneLine()
    {
        QFETCH(QStringList, words);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, unencodable);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"woerter.txt"_s);
        testing::writeBytes(path, "alt");
        const WriteResult result = speichern(path, words);
        QCOMPARE(result.ok(), unencodable.isEmpty());
        QCOMPARE(result.unencodable, unencodable);
        QVERIFY(!result.io.failed());
        QCOMPARE(testing::fileBytes(path), bytes);
    }
};

QTEST_GUILESS_MAIN(TestAuswertung)
#include "tst_auswertung.moc"
