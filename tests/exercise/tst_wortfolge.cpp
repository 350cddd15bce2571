#include "exercise/core/wortfolge.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

class TestWortfolge : public QObject {
    Q_OBJECT
private slots:
    void piecesFollowTheBlanksAndLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::addRow("one word per line")
            << u"Hund\nKatze\nMaus"_s << QStringList{u"Hund "_s, u"Katze "_s, u"Maus "_s};
        QTest::addRow("blanks and line breaks mixed")
            << u"der Hund\nbellt laut"_s
            << QStringList{u"der "_s, u"Hund "_s, u"bellt "_s, u"laut "_s};
        QTest::addRow("CR LF line ends")
            << u"Hund\r\nKatze\r\n"_s << QStringList{u"Hund "_s, u"Katze "_s};
        QTest::addRow("empty lines dropped")
            << u"\nHund\n\n\nKatze\n"_s << QStringList{u"Hund "_s, u"Katze "_s};
        QTest::addRow("blank before the line break")
            << u"Hund \nKatze"_s << QStringList{u"Hund "_s, u"Katze "_s};
        QTest::addRow("end mark alone on a line or at the end dropped")
            << u"Hund\n#\nKatze\n#"_s << QStringList{u"Hund "_s, u"Katze "_s};
        QTest::addRow("end mark followed by a blank kept")
            << u"Hund # Katze"_s << QStringList{u"Hund "_s, u"# "_s, u"Katze "_s};
        QTest::addRow("end mark inside a word kept") << u"Ende#"_s << QStringList{u"Ende# "_s};
        QTest::addRow("markup stays with its word")
            << u"Ha$us$e der_gro§ß§e_Hund"_s << QStringList{u"Ha$us$e "_s, u"der_gro§ß§e_Hund "_s};
        QTest::addRow("punctuation stays with its word")
            << u"Er lacht."_s << QStringList{u"Er "_s, u"lacht. "_s};
        QTest::addRow("a second blank is a piece of its own")
            << u"Hund  Katze"_s << QStringList{u"Hund "_s, u" "_s, u"Katze "_s};
        QTest::addRow("empty text") << QString() << QStringList();
        QTest::addRow("only line breaks") << u"\n\n"_s << QStringList();
    }
    void piecesFollowTheBlanksAndLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(wortfolge::wortstuecke(text), pieces);
    }

    void shuffledLineHoldsEveryWordOnce()
    {
        const QString text = u"Apfel\nBirne\nKirsche\nPflaume\nApfel\n#"_s;
        QRandomGenerator random(4711);
        for (int round = 0; round < 50; ++round) {
            const QString line = wortfolge::zufaellige_wortfolge(text, random);
            QVERIFY(!line.contains(u'\n'));
            QVERIFY(line.endsWith(u' '));
            QStringList words = line.split(u' ', Qt::SkipEmptyParts);
            words.sort();
            QCOMPARE(words,
                     (QStringList{u"Apfel"_s, u"Apfel"_s, u"Birne"_s, u"Kirsche"_s, u"Pflaume"_s}));
            QCOMPARE(line.size(), text.size() - 1); // "#" and its line break gone, blanks added
        }
        QCOMPARE(wortfolge::zufaellige_wortfolge(u""_s, random), QString());
        QCOMPARE(wortfolge::zufaellige_wortfolge(u"Hund"_s, random), u"Hund "_s);
    }

    void everyOrderIsEquallyLikely()
    {
        // With three words each of the six orders must turn up about equally often:
        // a choice that never picks the last index would leave some orders out.
        QRandomGenerator random(20240901);
        std::map<QString, int> seen;
        const int rounds = 6000;
        for (int round = 0; round < rounds; ++round)
            ++seen[wortfolge::zufaellige_wortfolge(u"a b c"_s, random)];
        QCOMPARE(int(seen.size()), 6);
        for (const auto &[order, count] : seen)
            QVERIFY2(count > rounds / 6 - 200 && count < rounds / 6 + 200, qPrintable(order));
    }
};

QTEST_GUILESS_MAIN(TestWortfolge)
#include "tst_wortfolge.moc"
