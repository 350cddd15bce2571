#include "settings/core/zusatzeinstellungen.h"

#include "exercise/core/fileio.h"
#include "settings/core/settingsrecord.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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
        QTest::addRow("a byte-order mark before the first section")
            << "\xEF\xBB\xBF[Diktat]\r\ntempo=150\r\n"_ba << diktat(false, 150, false);
        QTest::addRow("junk before a valid section")
            << "\x01\x02 kein Schluessel\n[Diktat]\nvorlesen=true\n"_ba << diktat(true, 120, false);
        Zusatzeinstellungen luecken = standard;
        luecken.luecken = {.phaenomene = 1 << 6 | 1 << 11, .art = 1, .nurAuswahl = false};
        QTest::addRow("the last choice of gaps")
            << "[Luecken]\nphaenomene=2112\nart=1\nnurAuswahl=false\n"_ba << luecken;
        luecken.luecken = {.phaenomene = (1 << 26) - 1, .art = 2, .nurAuswahl = true};
        QTest::addRow("a choice of gaps beyond the rows")
            << "[Luecken]\nphaenomene=999999999\nart=7\n"_ba << luecken;
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
    // file is written anew with what could be read of it, a folder that takes no file is
    // reported and leaves nothing.
    void schreiben_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<bool>("fremdBleibt");
        QTest::addRow("keys of a later version") << "[Spaeter]\nschluessel=wert\n"_ba << true;
        QTest::addRow("a byte-order mark")
            << "\xEF\xBB\xBF[Spaeter]\r\nschluessel=wert\r\n"_ba << true;
        QTest::addRow("junk before a valid section")
            << "Notiz der Lehrerin\n[Spaeter]\nschluessel=wert\n"_ba << true;
        QTest::addRow("damaged") << "[Diktat\n\xff\xfe=\n"_ba << false;
    }
    void schreiben()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(bool, fremdBleibt);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(u"Klasse.ini"_s);
        Zusatzeinstellungen werte = diktat(true, 95, true);
        werte.silben = {
            .automatisch = true, .farbig = true, .farbe1 = 0x00FF00, .farbe2 = 0x123456};
        writeBytes(pfad, vorher);
        for (int mal = 0; mal < 2; ++mal) {
            QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
            QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);
            QCOMPARE(fileBytes(pfad).contains("schluessel=wert"), fremdBleibt);
        }

        // The class overview's folder and the settings page's values never take each
        // other's place.
        const QString ordner = u"/schule/Klasse 4ä; Frau Öz"_s;
        QVERIFY(settings::klassenordnerSchreiben(pfad, ordner).ok());
        QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
        QCOMPARE(settings::klassenordnerLesen(pfad), ordner);
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);

        // The settings and the choice of gaps are saved apart: neither takes the other back.
        const settings::LueckenEinstellungen luecken{
            .phaenomene = 64, .art = 2, .nurAuswahl = false};
        QVERIFY(settings::lueckenwahlSchreiben(pfad, luecken).ok());
        QVERIFY(settings::zusatzeinstellungenSchreiben(pfad, werte).ok());
        werte.luecken = luecken;
        QCOMPARE(settings::zusatzeinstellungenLesen(pfad), werte);

        const QString ohneOrdner = dir.filePath(u"fehlt/Klasse.ini"_s);
        QVERIFY(settings::zusatzeinstellungenSchreiben(ohneOrdner, werte).io.failed());
        QVERIFY(!QFile::exists(ohneOrdner));
    }

    // A pipe or a folder named like the INI file: the settings read at once as the
    // defaults, and a save is refused before anything is written, the settings file too.
    void keineDatei_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addRow("a pipe") << true;
        QTest::addRow("a folder") << false;
    }
    void keineDatei()
    {
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const QString opt = dir.filePath(u"Klasse.opt"_s);
        const QString ini = dir.filePath(u"Klasse.ini"_s);
        if (pipe) {
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
#else
            QSKIP("no named pipes in the file system here");
#endif
        } else {
            QVERIFY(QDir().mkdir(ini));
        }
        QCOMPARE(settings::zusatzeinstellungenLesen(ini), Zusatzeinstellungen());
        const WriteResult result =
            settings::einstellungenSchreiben(opt, settings::SettingsRecord(), diktat(true, 95, true));
        QVERIFY(result.io.failed());
        QVERIFY(!QFile::exists(opt));
        QCOMPARE(QFileInfo(ini).isDir(), !pipe);
    }

    // The settings file and its INI file are saved as one step: where the INI file cannot
    // be written, the settings file keeps its old bytes.
    void beideOderKeine()
    {
        QTemporaryDir dir;
        const QString opt = dir.filePath(u"Klasse.opt"_s);
        const QString ini = dir.filePath(u"Klasse.ini"_s);
        settings::SettingsRecord vorher;
        vorher.glideSpeed = 3;
        QVERIFY(settings::einstellungenSchreiben(opt, vorher, diktat(false, 100, false)).ok());
        const QByteArray optVorher = fileBytes(opt);
        const QByteArray iniVorher = fileBytes(ini);
        settings::SettingsRecord nachher = vorher;
        nachher.glideSpeed = 7;
        {
            testing::WriteProtection schutz(ini);
            if (!schutz.holds())
                QSKIP("nothing here write-protects a file for this user");
            QVERIFY(settings::einstellungenSchreiben(opt, nachher, diktat(true, 150, false))
                        .io.failed());
            QCOMPARE(fileBytes(opt), optVorher);
            QCOMPARE(fileBytes(ini), iniVorher);
        }
        QVERIFY(settings::einstellungenSchreiben(opt, nachher, diktat(true, 150, false)).ok());
        QCOMPARE(settings::readSettingsFile(opt, nullptr)->glideSpeed, 7);
        QCOMPARE(settings::zusatzeinstellungenLesen(ini), diktat(true, 150, false));
    }
};

QTEST_GUILESS_MAIN(TestZusatzeinstellungen)
#include "tst_zusatzeinstellungen.moc"
