#include "writing/ui/vorleser.h"

#include "writing/core/sprache.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVorleser : public QObject {
    Q_OBJECT
private slots:
    // A dictation on a computer without sound: the caller learns why once per reading,
    // after `vorlesen` has returned, and only for the latest one.
    void noSoundOutput()
    {
        Vorleser vorleser(Vorleser::Ausgabe::Keine);
        QSignalSpy gescheitert(&vorleser, &Vorleser::nichtVorgelesen);
        const QString grund =
            sprache::grund(sprache::eingebaut() ? sprache::Fehler::KeinAusgabegeraet
                                                : sprache::Fehler::NichtEingebaut);
        QCOMPARE(vorleser.hindernis(), grund);

        vorleser.vorlesen(u"Der Hund"_s, 120);
        vorleser.vorlesen(u"Die Ka§tz§e"_s, 120);
        QVERIFY(gescheitert.isEmpty());
        QVERIFY(gescheitert.wait());
        QTRY_COMPARE(gescheitert.size(), 1);
        QCOMPARE(gescheitert.at(0).at(0).toString(), grund);

        vorleser.wiederholen();
        QTRY_COMPARE(gescheitert.size(), 2);

        // Nothing to speak is no failure.
        vorleser.vorlesen(u"&Der&"_s, 120);
        QTest::qWait(50);
        QCOMPARE(gescheitert.size(), 2);
    }
};

QTEST_MAIN(TestVorleser)
#include "tst_vorleser.moc"
