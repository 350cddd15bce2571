#include "writing/core/sprache.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Seconds a word plausibly takes at `tempo` words per minute: short words are quicker,
// long ones slower than the average word.
bool plausibel(double sekunden, int woerter, int tempo)
{
    const double jeWort = 60.0 / tempo;
    return sekunden > 0.3 * woerter * jeWort && sekunden < 3.0 * woerter * jeWort;
}

// Spoken sound, not a click or a hiss: a good part of the samples is loud.
bool hoerbar(const sprache::Klang &klang)
{
    const auto laut = std::count_if(klang.proben.begin(), klang.proben.end(),
                                    [](qint16 probe) { return std::abs(int(probe)) > 1000; });
    return laut > klang.proben.size() / 4;
}

sprache::Klang gesprochen(const QString &text, int tempo)
{
    return sprache::Stimme::instanz().synthetisieren(text, tempo);
}

} // namespace

class TestSprache : public QObject {
    Q_OBJECT
private slots:
    void zuSprechen_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("gesprochen");
        QTest::addRow("letter gap") << u"Ha§us§e"_s << u"Hause"_s;
        QTest::addRow("part gap") << u"Ha$us$e"_s << u"Hause"_s;
        QTest::addRow("letters not to be written are not spoken") << u"Ha&us&e"_s << u"Hae"_s;
        QTest::addRow("a word not to be written at all") << u"&Der& Hund"_s << u"Hund"_s;
        QTest::addRow("word group") << u"der_große_Hund_"_s << u"der große Hund"_s;
        QTest::addRow("end of the text") << u"Hund #Katze"_s << u"Hund"_s;
        QTest::addRow("line breaks and blanks") << u"  Hund\r\n\tKatze  "_s << u"Hund Katze"_s;
        QTest::addRow("nothing but marks") << u"§§ $$"_s << QString();
    }
    void zuSprechen()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, gesprochen);
        QCOMPARE(sprache::zuSprechen(abschnitt), gesprochen);
    }

    // Each word of the text alone, and the text as a whole, at its tempo and at both ends
    // of the range.
    void synthese_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tempo");
        QTest::addRow("sentence at the usual tempo") << u"Der Hund bellt im Garten."_s << 120;
        QTest::addRow("umlauts and sharp s, slow") << u"Die Straße ist größer"_s << 90;
        QTest::addRow("long words, quick") << u"Schmetterling Fahrradklingel"_s << 180;
    }
    void synthese()
    {
        QFETCH(QString, text);
        QFETCH(int, tempo);
        if (!sprache::eingebaut())
            QSKIP("built without espeak-ng");
        QCOMPARE(sprache::Stimme::instanz().starten(), sprache::Fehler::Keiner);
        const QStringList woerter = text.split(u' ');
        double laengstesWort = 0;
        for (const QString &wort : woerter) {
            const sprache::Klang klang = gesprochen(wort, tempo);
            QCOMPARE(klang.fehler, sprache::Fehler::Keiner);
            QVERIFY2(hoerbar(klang), qPrintable(wort));
            QVERIFY2(plausibel(klang.sekunden(), 1, tempo), qPrintable(wort));
            laengstesWort = std::max(laengstesWort, klang.sekunden());
        }
        const double ganz = gesprochen(text, tempo).sekunden();
        QVERIFY(plausibel(ganz, int(woerter.size()), tempo));
        QVERIFY(ganz > laengstesWort);
        QVERIFY(gesprochen(text, sprache::minTempo).sekunden() > ganz);
        QVERIFY(gesprochen(text, sprache::maxTempo).sekunden() < ganz);
        // Beyond the range the tempo is clamped, not passed on (450 would be twice as quick).
        QVERIFY(gesprochen(text, 450).sekunden() >
                0.9 * gesprochen(text, sprache::maxTempo).sekunden());
    }

    void stoppedSynthesis()
    {
        if (!sprache::eingebaut())
            QSKIP("built without espeak-ng");
        std::stop_source halt;
        halt.request_stop();
        const sprache::Klang klang =
            sprache::Stimme::instanz().synthetisieren(u"Der Hund"_s, 120, halt.get_token());
        QCOMPARE(klang.fehler, sprache::Fehler::Abgebrochen);
        QVERIFY(klang.proben.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSprache)
#include "tst_sprache.moc"
