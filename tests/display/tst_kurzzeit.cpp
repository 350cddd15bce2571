#include "display/core/kurzzeit.h"
#include "display/core/refreshschedule.h"

#include <QTest>

using display::KurzzeitAblauf;
using display::KurzzeitDauer;
using display::KurzzeitPhase;
using display::refreshPeriodNs;

class TestKurzzeit : public QObject {
    Q_OBJECT
private slots:
    // The cue stands a second and the word the delay times 50 ms, both rounded to
    // whole refreshes of the screen; a flash is never shorter than one refresh.
    void refreshCounts_data()
    {
        QTest::addColumn<qreal>("hertz");
        QTest::addColumn<int>("verzoegerung");
        QTest::addColumn<int>("achtung");
        QTest::addColumn<int>("wort");
        QTest::addRow("60 Hz, 50 ms") << 60.0 << 1 << 60 << 3;
        QTest::addRow("60 Hz, 150 ms") << 60.0 << 3 << 60 << 9;
        QTest::addRow("60 Hz, 3 s") << 60.0 << 60 << 60 << 180;
        QTest::addRow("75 Hz, 50 ms") << 75.0 << 1 << 75 << 4;
        QTest::addRow("75 Hz, 150 ms") << 75.0 << 3 << 75 << 11;
        QTest::addRow("144 Hz, 50 ms") << 144.0 << 1 << 144 << 7;
        QTest::addRow("144 Hz, 150 ms") << 144.0 << 3 << 144 << 22;
        QTest::addRow("59.94 Hz, 50 ms") << 59.94 << 1 << 60 << 3;
        QTest::addRow("59.94 Hz, 150 ms") << 59.94 << 3 << 60 << 9;
        QTest::addRow("59.94 Hz, 3 s") << 59.94 << 60 << 60 << 180;
        QTest::addRow("no delay at all") << 60.0 << 0 << 60 << 1;
        QTest::addRow("a negative delay") << 60.0 << -4 << 60 << 1;
    }
    void refreshCounts()
    {
        QFETCH(qreal, hertz);
        QFETCH(int, verzoegerung);
        QFETCH(int, achtung);
        QFETCH(int, wort);
        const KurzzeitDauer dauer = KurzzeitDauer::fuer(refreshPeriodNs(hertz), verzoegerung);
        QCOMPARE(dauer.achtung, achtung);
        QCOMPARE(dauer.wort, wort);
    }

    // Counting refreshes: the phases follow the refresh numbers, not the ticks, so a
    // tick that does not come does not lengthen a picture unless it was the one that
    // should have changed it.
    void countingRefreshes_data()
    {
        QTest::addColumn<QList<qint64>>("fehlend"); // refreshes without a tick
        QTest::addColumn<qint64>("wortAb");
        QTest::addColumn<qint64>("wort");
        QTest::addColumn<qint64>("verpasst");
        QTest::addColumn<bool>("exakt");
        QTest::addRow("every refresh")
            << QList<qint64>{} << qint64(1060) << qint64(3) << qint64(0) << true;
        QTest::addRow("a refresh missed inside the cue")
            << QList<qint64>{1030} << qint64(1060) << qint64(3) << qint64(0) << true;
        QTest::addRow("a refresh missed inside the word")
            << QList<qint64>{1061} << qint64(1060) << qint64(3) << qint64(0) << true;
        QTest::addRow("the word's refresh missed")
            << QList<qint64>{1060} << qint64(1061) << qint64(3) << qint64(1) << false;
        QTest::addRow("the removal's refresh missed")
            << QList<qint64>{1063} << qint64(1060) << qint64(4) << qint64(1) << false;
    }
    void countingRefreshes()
    {
        QFETCH(QList<qint64>, fehlend);
        QFETCH(qint64, wortAb);
        QFETCH(qint64, wort);
        QFETCH(qint64, verpasst);
        QFETCH(bool, exakt);
        KurzzeitAblauf ablauf(KurzzeitDauer::fuer(refreshPeriodNs(60), 1));
        QCOMPARE(ablauf.phase(), KurzzeitPhase::Bereit);
        qint64 erstesWort = -1;
        qint64 geschlossen = -1;
        for (qint64 r = 1000; r < 1100 && geschlossen < 0; ++r) {
            if (fehlend.contains(r))
                continue;
            const KurzzeitPhase phase = ablauf.refresh(r);
            if (r == 1000)
                QCOMPARE(phase, KurzzeitPhase::Achtung);
            if (phase == KurzzeitPhase::Wort && erstesWort < 0)
                erstesWort = r;
            if (phase == KurzzeitPhase::Fertig)
                geschlossen = r;
        }
        QCOMPARE(erstesWort, wortAb);
        QCOMPARE(ablauf.messung().wort, wort);
        QCOMPARE(ablauf.messung().verpasst, verpasst);
        QCOMPARE(ablauf.exakt(), exakt);
        // One refresh without the word before the window closes.
        QVERIFY(geschlossen > wortAb + wort);
        QCOMPARE(ablauf.refresh(geschlossen + 1), KurzzeitPhase::Fertig);
    }

    // Presenting ahead: the word and its removal are planned from the refresh the cue
    // appeared at; what the server reports back is what is measured.
    void presentingAhead_data()
    {
        QTest::addColumn<qreal>("hertz");
        QTest::addColumn<qint64>("wortSpaeter");
        QTest::addColumn<qint64>("ausSpaeter");
        QTest::addColumn<qint64>("wort");
        QTest::addColumn<bool>("exakt");
        QTest::addRow("on time at 60 Hz") << 60.0 << qint64(0) << qint64(0) << qint64(3) << true;
        QTest::addRow("on time at 144 Hz") << 144.0 << qint64(0) << qint64(0) << qint64(7) << true;
        QTest::addRow("on time at 59.94 Hz")
            << 59.94 << qint64(0) << qint64(0) << qint64(3) << true;
        QTest::addRow("word a refresh late")
            << 60.0 << qint64(1) << qint64(0) << qint64(2) << false;
        QTest::addRow("removal a refresh late")
            << 60.0 << qint64(0) << qint64(1) << qint64(4) << false;
    }
    void presentingAhead()
    {
        QFETCH(qreal, hertz);
        QFETCH(qint64, wortSpaeter);
        QFETCH(qint64, ausSpaeter);
        QFETCH(qint64, wort);
        QFETCH(bool, exakt);
        const KurzzeitDauer dauer = KurzzeitDauer::fuer(refreshPeriodNs(hertz), 1);
        KurzzeitAblauf ablauf(dauer);
        const auto ziele = ablauf.achtungGezeigt(500'000);
        QCOMPARE(ziele.wort, qint64(500'000) + dauer.achtung);
        QCOMPARE(ziele.aus, ziele.wort + dauer.wort);
        QCOMPARE(ablauf.phase(), KurzzeitPhase::Achtung);
        ablauf.wortGezeigt(ziele.wort + wortSpaeter);
        QCOMPARE(ablauf.phase(), KurzzeitPhase::Wort);
        ablauf.ausGezeigt(ziele.aus + ausSpaeter);
        QCOMPARE(ablauf.phase(), KurzzeitPhase::Fertig);
        QCOMPARE(ablauf.messung().achtung, dauer.achtung + wortSpaeter);
        QCOMPARE(ablauf.messung().wort, wort);
        QCOMPARE(ablauf.messung().verpasst, wortSpaeter + ausSpaeter);
        QCOMPARE(ablauf.exakt(), exakt);
    }
};

QTEST_GUILESS_MAIN(TestKurzzeit)
#include "tst_kurzzeit.moc"
