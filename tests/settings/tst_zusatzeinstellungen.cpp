#include "settings/core/zusatzeinstellungen.h"

#include "exercise/core/fileio.h"
#include "tests/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using settings::DiktatEinstellungen;
using settings::Zusatzeinstellungen;
using testing::fileBytes;
using testing::writeBytes;

Q_DECLARE_METATYPE(Zusatzeinstellungen)

namespace {

Zusatzeinstellungen diktat(bool vorlesen, int tempo, bool undZeigen)
{
    Zusatzeinstellungen werte;
    werte.diktat = {.vorlesen = vorlesen, .tempo = tempo, .vorlesenUndZeigen = undZeigen};
    return werte;
}

} // namespace

class TestZusatzeinstellungen : public QObject {
    Q_OBJECT
private slots:
    void zusatzdatei_data()
    {
        QTest::addColumn<QString>("opt");
        QTest::addColumn<QString>("ini");
        QTest::addRow("beside the settings file") << u"/k/Klasse 2.opt"_s << u"/k/Klasse 2.ini"_s;
        QTest::addRow("capital extension") << u"ALT.OPT"_s << u"ALT.ini"_s;
        QTest::addRow("no extension") << u"/k/Klasse"_s << u"/k/Klasse.ini"_s;
    }
    void zusatzdatei()
    {
        QFETCH(QString, opt);
        QFETCH(QString, ini);
        QCOMPARE(settings::zusatzdatei(opt), ini);
    }

    void lesen_data()
    {
        QTest::addColumn<QByteArray>("datei"); // null: no file
        QTest::addColumn<Zusatzeinstellungen>("erwartet");
        const Zusatzeinstellungen standard = diktat(false, 120, false);
        QTest::addRow("no file") << QByteArray() << standard;
        QTest::addRow("empty file") << ""_ba << standard;
        QTest::addRow("all set")
            << "[Diktat]\r\nvorlesen=true\r\ntempo=150\r\nvorlesenUndZeigen=true\r\n"_ba
            << diktat(true, 150, true);
        QTest::addRow("missing keys keep their default")
            << "[Diktat]\nvorlesenUndZeigen=true\n"_ba << diktat(false, 120, true);
        QTest::addRow("tempo above the range")
            << "[Diktat]\ntempo=450\n"_ba << diktat(false, 200, false);
        QTest::addRow("tempo below the range")
            << "[Diktat]\ntempo=-3\n"_ba << diktat(false, 80, false);
        QTest::addRow("values that are no values")
            << "[Diktat]\nvorlesen=vielleicht\ntempo=schnell\nvorlesenUndZeigen=\n"_ba << standard;
        QTest::addRow("keys of another section")
            << "[Anzeige]\nvorlesen=true\ntempo=90\n"_ba << standard;
        Zusatzeinstellungen farben = standard;
        farben.silben = {
            .automatisch = true, .farbig = true, .farbe1 = 0x00FF00, .farbe2 = 0xFF0000};
        QTest::addRow("syllable colours as #rrggbb")
            << "[Silben]\nautomatisch=true\nfarbig=1\nfarbe1=#00ff00\nfarbe2=#0000FF\n"_ba
            << farben;
        QTest::addRow("colours that are no colours")
            << "[Silben]\nfarbe1=blau\nfarbe2=#12345\n"_ba << standard;
        QTest::addRow("a huge file is not read in")
            << "[Diktat]\nvorlesen=true\n"_ba + QByteArray(2 << 20, ' ') << standard;
        QTest::addRow("a settings file by mistake") << QByteArray(236, '\xff') << standard;
    }
    void lesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(Zusatzeinstellungen, erwartet);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(u"Klasse.ini"_s);
        if (!datei.isNull())
            writeBytes(pfad, datei);
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), erwartet);
    }

    // What is written reads back; keys the program does not know survive, a damaged
    // file is replaced, a folder that takes no file is reported and leaves nothing.
    void schreiben()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(u"Klasse.ini"_s);
        Zusatzeinstellungen werte = diktat(true, 95, true);
        werte.silben = {
            .automatisch = true, .farbig = true, .farbe1 = 0x00FF00, .farbe2 = 0x123456};

        writeBytes(pfad, "[Spaeter]\nschluessel=wert\n"_ba);
        QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);
        QVERIFY(fileBytes(pfad).contains("schluessel=wert"));

        // The class overview's folder and the settings page's values never take each
        // other's place.
        const QString ordner = u"/schule/Klasse 4ä; Frau Öz"_s;
        QVERIFY(settings::klassenordnerSchreiben(pfad, ordner).ok());
        QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
        QCOMPARE(settings::klassenordnerLesen(pfad), ordner);
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);

        writeBytes(pfad, "[Diktat\n\xff\xfe=\n"_ba);
        QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);

        const QString ohneOrdner = dir.filePath(u"fehlt/Klasse.ini"_s);
        QVERIFY(settings::zusatzeinstellungenSchreiben(ohneOrdner, werte).io.failed());
        QVERIFY(!QFile::exists(ohneOrdner));
    }
};

QTEST_GUILESS_MAIN(TestZusatzeinstellungen)
#include "tst_zusatzeinstellungen.moc"
