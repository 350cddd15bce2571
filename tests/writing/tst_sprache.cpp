#include "writing/core/sprache.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(sprache::Diktat::Darbietung)
Q_DECLARE_METATYPE(lauf::Anzeige)

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

using Darbietung = sprache::Diktat::Darbietung;

class TestSprache : public QObject {
    Q_OBJECT
private slots:
    // How each chunk of a run reaches the pupil, what the rewrite forms get to speak it
    // again, and what the status bar says as the run starts.
    void dictationOfARun_data()
    {
        QTest::addColumn<bool>("vorlesen");
        QTest::addColumn<bool>("undZeigen");
        QTest::addColumn<QString>("hindernis");
        QTest::addColumn<lauf::Anzeige>("anzeige");
        QTest::addColumn<bool>("bereit"); // the voice is loaded
        QTest::addColumn<Darbietung>("darbietung");
        QTest::addColumn<QString>("meldung");
        const QString keinTon = sprache::grund(sprache::Fehler::KeinAusgabegeraet);
        using A = lauf::Anzeige;
        QTest::addRow("off") << false << true << QString() << A::Laufbahn << true
                             << Darbietung{false, true} << QString();
        QTest::addRow("spoken instead of the gliding line")
            << true << false << QString() << A::Laufbahn << true << Darbietung{true, false}
            << QString();
        QTest::addRow("spoken instead of the flashed words")
            << true << false << QString() << A::Kurzzeit << true << Darbietung{true, false}
            << QString();
        QTest::addRow("spoken while the alternative line shows")
            << true << true << QString() << A::Alternativ << true << Darbietung{true, true}
            << QString();
        QTest::addRow("reading finger never spoken")
            << true << false << QString() << A::Lesefinger << true << Darbietung{false, true}
            << QString();
        QTest::addRow("the whole text of Laufbahn alt never spoken")
            << true << false << QString() << A::GleitAlt << true << Darbietung{false, true}
            << QString();
        QTest::addRow("no sound: shown, and why") << true << false << keinTon << A::Laufbahn << true
                                                  << Darbietung{false, true} << keinTon;
        QTest::addRow("a voice not ready yet: shown, no word")
            << true << false << QString() << A::Laufbahn << false << Darbietung{false, true}
            << QString();
        QTest::addRow("off: no word about the sound")
            << false << false << keinTon << A::Laufbahn << true << Darbietung{false, true}
            << QString();
    }
    void dictationOfARun()
    {
        QFETCH(bool, vorlesen);
        QFETCH(bool, undZeigen);
        QFETCH(QString, hindernis);
        QFETCH(lauf::Anzeige, anzeige);
        QFETCH(bool, bereit);
        QFETCH(Darbietung, darbietung);
        QFETCH(QString, meldung);
        sprache::Diktat diktat({vorlesen, 150, undZeigen}, hindernis);
        QCOMPARE(diktat.meldung(), meldung);
        QCOMPARE(diktat.abschnitt(anzeige, bereit), darbietung);
        const QString abschnitt = u"der_Hu§n§d"_s;
        writing::DiktatEingabe eingabe{darbietung.vorlesen, darbietung.zeigen, 150,
                                       darbietung.vorlesen ? abschnitt : QString()};
        QCOMPARE(diktat.eingabe(abschnitt), eingabe);
    }

    // Once speaking fails the run goes on shown, and the reason is given once.
    void aFailedDictationGoesOnShown()
    {
        sprache::Diktat diktat({true, 120, false}, QString());
        QCOMPARE(diktat.abschnitt(lauf::Anzeige::Laufbahn), (Darbietung{true, false}));
        QVERIFY(diktat.abschalten());
        // The chunk at hand was not shown: the rewrite form must not count on speaking.
        QVERIFY(!diktat.eingabe(u"Hund"_s).vorlesen);
        QVERIFY(!diktat.eingabe(u"Hund"_s).gezeigt);
        QVERIFY(!diktat.abschalten());
        QCOMPARE(diktat.abschnitt(lauf::Anzeige::Laufbahn), (Darbietung{false, true}));
        QCOMPARE(diktat.eingabe(u"Katze"_s), (writing::DiktatEingabe{false, true, 120, {}}));
    }

    // Without espeak-ng's data the program goes on and says why: run in a process of its
    // own, since espeak-ng is loaded once per process.
    void withoutVoiceData()
    {
        if (!sprache::eingebaut())
            QSKIP("built without espeak-ng");
        if (qEnvironmentVariableIsSet("ESPEAK_DATA_PATH")) {
            QCOMPARE(sprache::Stimme::instanz().starten(), sprache::Fehler::StartFehlgeschlagen);
            const sprache::Klang klang =
                sprache::Stimme::instanz().synthetisieren(u"Der Hund"_s, 120);
            QCOMPARE(klang.fehler, sprache::Fehler::StartFehlgeschlagen);
            QVERIFY(klang.proben.isEmpty());
            QVERIFY(sprache::grund(klang.fehler).startsWith(u"Vorlesen nicht möglich"_s));
            return;
        }
        QTemporaryDir leer;
        QProcess kind;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(u"ESPEAK_DATA_PATH"_s, leer.path());
        kind.setProcessEnvironment(umgebung);
        kind.start(QCoreApplication::applicationFilePath(), {u"withoutVoiceData"_s});
        QVERIFY(kind.waitForFinished(30000));
        QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0,
                 kind.readAllStandardOutput().constData());
    }

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
