#include "settings/core/luecken.h"

#include "exercise/core/markup.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The rows of the evaluation the table uses.
enum Row {
    doppellaute = 0,
    doppelterVokal = 1,
    vokalUndH = 2,
    sz = 3,
    ie = 6,
    chs = 8,
    ieh = 11,
    pf = 12,
    sAmEnde = 15,
    szAmEnde = 16,
    dAmEnde = 17,
    stAmAnfang = 23,
    spAmAnfang = 24,
    vAmAnfang = 25,
    sonstige = 26,
};

quint32 bits(const QList<int> &rows)
{
    quint32 result = 0;
    for (const int row : rows)
        result |= 1u << row;
    return result;
}

QString ohneMarken(QString text)
{
    text.remove(u'$');
    text.remove(u'&');
    text.remove(u'§');
    return text;
}

} // namespace

class TestLuecken : public QObject {
    Q_OBJECT
private slots:
    void buchstabenDerPhaenomeneWerdenLuecken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QChar>("zeichen");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis"); // -1: the text's end
        QTest::addColumn<QString>("erwartet");

        const QChar s = u'§';
        QTest::addRow("ie") << u"Biene"_s << QList<int>{ie} << s << 0 << -1 << u"B§ie§ne"_s;
        QTest::addRow("d at the end")
            << u"Hund"_s << QList<int>{dAmEnde} << s << 0 << -1 << u"Hun§d§"_s;
        QTest::addRow("ß") << u"Straße"_s << QList<int>{sz} << s << 0 << -1 << u"Stra§ß§e"_s;
        QTest::addRow("one part shown as []")
            << u"Biene"_s << QList<int>{ie} << QChar(u'$') << 0 << -1 << u"B$ie$ne"_s;
        QTest::addRow("not rewritten")
            << u"Biene"_s << QList<int>{ie} << QChar(u'&') << 0 << -1 << u"B&ie&ne"_s;
        QTest::addRow("capital at the start, case kept")
            << u"Stein stehen"_s << QList<int>{stAmAnfang} << s << 0 << -1 << u"§St§ein §st§ehen"_s;
        QTest::addRow("capitals and umlauts")
            << u"VIEH Äpfel"_s << QList<int>{ieh, pf} << s << 0 << -1 << u"V§IEH§ Ä§pf§el"_s;
        QTest::addRow("the longer one wins")
            << u"Vieh"_s << QList<int>{ie, ieh} << s << 0 << -1 << u"V§ieh§"_s;
        QTest::addRow("of two as long, the earlier")
            << u"Vieh"_s << QList<int>{ie, vokalUndH} << s << 0 << -1 << u"V§ie§h"_s;
        QTest::addRow("chs before s at the end")
            << u"Fuchs"_s << QList<int>{chs, sAmEnde} << s << 0 << -1 << u"Fu§chs§"_s;
        QTest::addRow("one letter of two phenomena, one pair")
            << u"Fuß"_s << QList<int>{sz, szAmEnde} << s << 0 << -1 << u"Fu§ß§"_s;
        QTest::addRow("every place in a word")
            << u"Kaffeetasse"_s << QList<int>{doppellaute, doppelterVokal} << s << 0 << -1
            << u"Ka§ff§§ee§ta§ss§e"_s;
        QTest::addRow("phenomena side by side")
            << u"Spiel"_s << QList<int>{spAmAnfang, ie} << s << 0 << -1 << u"§Sp§§ie§l"_s;
        QTest::addRow("start and end are the word's, not the text's")
            << u"Wind, Vase. Hund!"_s << QList<int>{dAmEnde, vAmAnfang} << s << 0 << -1
            << u"Win§d§, §V§ase. Hun§d§!"_s;
        QTest::addRow("word group stays joined")
            << u"der_Hund_bellt der_Stein"_s << QList<int>{dAmEnde, stAmAnfang} << s << 0 << -1
            << u"der_Hun§d§_bellt der_§St§ein"_s;
        QTest::addRow("words already marked stay") << u"B§ie§ne Bi$e$ne Biene"_s << QList<int>{ie}
                                                   << s << 0 << -1 << u"B§ie§ne Bi$e$ne B§ie§ne"_s;
        QTest::addRow("a word inside a pair stays") << u"&Tee-Biene-Tee& Biene"_s << QList<int>{ie}
                                                    << s << 0 << -1 << u"&Tee-Biene-Tee& B§ie§ne"_s;
        QTest::addRow("a broken pair keeps only its word")
            << u"Ha$us Biene"_s << QList<int>{ie} << s << 0 << -1 << u"Ha$us B§ie§ne"_s;
        QTest::addRow("lines") << u"Biene\nHund\n"_s << QList<int>{ie, dAmEnde} << s << 0 << -1
                               << u"B§ie§ne\nHun§d§\n"_s;
        QTest::addRow("nothing after the end mark")
            << u"Hund # Hund"_s << QList<int>{dAmEnde} << s << 0 << -1 << u"Hun§d§ # Hund"_s;
        QTest::addRow("selection inside a word")
            << u"Biene Biene"_s << QList<int>{ie} << s << 1 << 4 << u"B§ie§ne Biene"_s;
        QTest::addRow("selection cutting the letters")
            << u"Biene"_s << QList<int>{ie} << s << 2 << 5 << u"Biene"_s;
        QTest::addRow("the end of the word, not of the selection")
            << u"Hund"_s << QList<int>{dAmEnde} << s << 0 << 3 << u"Hund"_s;
        QTest::addRow("selection of the second word")
            << u"Hund Hund"_s << QList<int>{dAmEnde} << s << 5 << 9 << u"Hund Hun§d§"_s;
        QTest::addRow("sonstige Wörter has no letters")
            << u"Auto"_s << QList<int>{sonstige} << s << 0 << -1 << u"Auto"_s;
        QTest::addRow("no phenomenon") << u"Biene"_s << QList<int>{} << s << 0 << -1 << u"Biene"_s;
        QTest::addRow("no mark") << u"Biene"_s << QList<int>{ie} << QChar(u'#') << 0 << -1
                                 << u"Biene"_s;
    }
    void buchstabenDerPhaenomeneWerdenLuecken()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, rows);
        QFETCH(QChar, zeichen);
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(QString, erwartet);

        const QString result = auswertung::lueckenSetzen(text, bits(rows), zeichen, von, bis);
        QCOMPARE(result, erwartet);
        // Marks are only added: the words, their groups and lines are the text's, and the
        // markup check finds no new fault.
        QCOMPARE(ohneMarken(result), ohneMarken(text));
        QCOMPARE(markup::findPairFault(result).broken(), markup::findPairFault(text).broken());
    }

    // Every phenomenon on every word of a text with all kinds of words: each result passes
    // the markup check and keeps the text's letters.
    void jedesErgebnisBestehtDiePruefung()
    {
        const QString text =
            u"Der Vieh-Händler stieß mit dem Fuchs zusammen; STRASSE, Pfütze_und_Spiel, "
            u"sechs Hexen tanzen ihr Tänzchen. Philipp singt: \"Theater!\"\nvierzig lustige "
            u"Spechte, ärgerlich, ausländisch, Vogel, Staub Schaaf Zoo Sieb Berg Ha$u$s"_s;
        for (const QChar zeichen : {u'§', u'$', u'&'}) {
            for (int row = 0; row <= auswertung::sonstigeWoerter; ++row) {
                const QString result = auswertung::lueckenSetzen(text, 1u << row, zeichen);
                QVERIFY2(!markup::findPairFault(result).broken(), qPrintable(result));
                QCOMPARE(ohneMarken(result), ohneMarken(text));
            }
            const QString alle =
                auswertung::lueckenSetzen(text, auswertung::markierbarePhaenomene, zeichen);
            QVERIFY2(!markup::findPairFault(alle).broken(), qPrintable(alle));
            QVERIFY(!markup::text_pruefen(QString(alle + u" #"_s)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLuecken)
#include "tst_luecken.moc"
