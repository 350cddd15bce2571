// The class at a glance: what each pupil's row counts, the words several pupils share, the
// class's phenomena, the records that cannot be read, and the CSV a spreadsheet opens.

#include "settings/core/klassenuebersicht.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate heute(2026, 12, 7);

using Dateien = QMap<QString, QByteArray>;

// A record as the program writes it: Windows-1252, every line followed by CR LF.
QByteArray akte(const QStringList &zeilen)
{
    QByteArray bytes;
    for (const QString &zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return bytes;
}

bool schreiben(const QString &ordner, const Dateien &dateien)
{
    for (auto it = dateien.cbegin(); it != dateien.cend(); ++it) {
        QFile datei(QDir(ordner).filePath(it.key()));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

// Everything the window shows of a class, a line each: the pupils' rows, the shared
// words, the records apart and (when asked) the phenomena with wrong words.
QStringList ergebnis(const klassenuebersicht::Klasse &klasse,
                     const klassenuebersicht::Zeitraum &zeitraum, bool mitPhaenomenen)
{
    QStringList zeilen;
    const klassenuebersicht::Tabelle tabelle = klassenuebersicht::schuelerTabelle(klasse);
    for (qsizetype i = 1; i < tabelle.size(); ++i)
        zeilen << tabelle[i].join(u'|');
    for (const auto &wort : klassenuebersicht::gemeinsameFehlerwoerter(klasse, zeitraum))
        zeilen << u"gemeinsam "_s + wort.wort + u": " + wort.schueler.join(u", ");
    for (const auto &datei : klasse.unlesbar)
        zeilen << u"unlesbar "_s + QFileInfo(datei.datei).fileName() + u": " + datei.grund;
    if (mitPhaenomenen) {
        const auto anzahlen = klassenuebersicht::phaenomene(klasse, zeitraum);
        for (size_t row = 0; row < anzahlen.size(); ++row) {
            if (anzahlen[row] > 0)
                zeilen << u"phänomen %1: %2"_s.arg(row).arg(anzahlen[row]);
        }
    }
    return zeilen;
}

} // namespace

class TestKlassenuebersicht : public QObject {
    Q_OBJECT
private slots:
    void zaehlen_data()
    {
        QTest::addColumn<Dateien>("dateien");
        QTest::addColumn<int>("zeitraum"); // 0 all, 1 the last 4 weeks, 2 the 4 before
        QTest::addColumn<bool>("mitPhaenomenen");
        QTest::addColumn<QStringList>("erwartet");

        // Today is 07.12.2026: the last 4 weeks are 10.11. to 07.12., the 4 before 13.10.
        // to 09.11.
        QTest::addRow("spans at their edges, an exercise without a date counted in all")
            << Dateien{{u"Anna.lbs"_s,
                        akte({u"Anna Berg"_s, u"~[07.12.2026 - 10:00:00] a.txt"_s, u"Hund"_s,
                              u"Katze"_s, u"~[10.11.2026] b.txt"_s, u"Maus"_s,
                              u"~[09.11.2026 - 08:00:00] c.txt"_s, u"Igel"_s, u"Igel"_s, u"Hase"_s,
                              u"~[13.10.2026] d.txt"_s, u"Zaun"_s, u"~[12.10.2026] e.txt"_s,
                              u"Baum"_s, u"~ohne Datum"_s, u"Dach"_s})}}
            << 0
            << true
            // Due: every word recorded before today, each once; "Dach" counts as recorded
            // today, as its exercise has no date.
            << QStringList{u"Anna Berg|6|2|9|1,5|2,0|5|07.12.2026"_s, u"phänomen 5: 1"_s,
                           u"phänomen 15: 1"_s, u"phänomen 17: 1"_s, u"phänomen 26: 6"_s};
        QTest::addRow("phenomena of a span leave out other days and undated exercises")
            << Dateien{{u"Anna.lbs"_s,
                        akte({u"Anna"_s, u"~[07.12.2026] a.txt"_s, u"Hund"_s, u"der_Hund"_s,
                              u"~[09.11.2026] c.txt"_s, u"Katze"_s, u"~ohne Datum"_s, u"Maus"_s})}}
            << 1 << true << QStringList{u"Anna|3|1|4|2,0|1,0|1|07.12.2026"_s, u"phänomen 17: 1"_s};
        QTest::addRow("a date after today counts as today, no exercise leaves a figure empty")
            << Dateien{{u"Ben.lbs"_s,
                        akte({u"Ben"_s, u"~[31.12.2099 - 10:00:00] a.txt"_s, u"Hund"_s})},
                       {u"Cem.lbs"_s, akte({u"Cem"_s})}}
            << 0 << false << QStringList{u"Ben|1|1|1|1,0||0|07.12.2026"_s, u"Cem|0|0|0|||0|"_s};
        QTest::addRow("lines before the first exercise and blank lines are no wrong words")
            << Dateien{{u"Eva.lbs"_s, akte({u"Eva"_s, u"Streuwort"_s, u"~[01.12.2026] a"_s, u""_s,
                                            u"  "_s, u"Stern"_s})}}
            << 0 << false << QStringList{u"Eva|1|1|1|1,0||1|01.12.2026"_s};
        QTest::addRow("the review file says what is due")
            << Dateien{{u"Fritz.lbs"_s,
                        akte({u"Fritz"_s, u"~[01.12.2026] a"_s, u"Hund"_s, u"Katze"_s})},
                       {u"Fritz.wdh"_s,
                        akte({u"Laufbahn-Wiederholung 1"_s, u"3;06.12.2026;1;W;Hund"_s,
                              u"0;01.12.2026;1;W;Katze"_s})}}
            << 0 << false << QStringList{u"Fritz|1|1|2|2,0||0|01.12.2026"_s};

        const Dateien klasse{
            {u"anna.lbs"_s,
             akte({u"Anna"_s, u"~[07.12.2026] a"_s, u"Hund"_s, u"Hund"_s, u"Katze"_s})},
            {u"ben.lbs"_s, akte({u"Ben"_s, u"~[01.12.2026] a"_s, u"Hund"_s, u"Maus"_s,
                                 u"~[01.10.2026] b"_s, u"Katze"_s})},
            {u"cem.lbs"_s,
             akte({u"Cem"_s, u"~[02.12.2026] a"_s, u"Hund"_s, u" Katze "_s, u"Maus"_s})},
            {u"oemer.lbs"_s, akte({u"\u00D6mer"_s, u"~[03.12.2026] a"_s, u"Igel"_s, u"hund"_s})},
            {u"paul.lbs"_s, akte({u"Paul"_s, u"~[03.12.2026] a"_s, u"Igel"_s})},
        };
        const QStringList zeilen{u"Anna|1|1|3|3,0||0|07.12.2026"_s,
                                 u"Ben|2|1|3|2,0||3|01.12.2026"_s, u"Cem|1|1|3|3,0||3|02.12.2026"_s,
                                 u"\u00D6mer|1|1|2|2,0||2|03.12.2026"_s,
                                 u"Paul|1|1|1|1,0||1|03.12.2026"_s};
        QTest::addRow("shared words: each pupil once, the most shared first, names in German order")
            << klasse << 0 << false
            << zeilen + QStringList{u"gemeinsam Hund: Anna, Ben, Cem"_s,
                                    u"gemeinsam Katze: Anna, Ben, Cem"_s,
                                    u"gemeinsam Igel: \u00D6mer, Paul"_s,
                                    u"gemeinsam Maus: Ben, Cem"_s};
        QTest::addRow("shared words of the last 4 weeks")
            << klasse << 1 << false
            << zeilen + QStringList{u"gemeinsam Hund: Anna, Ben, Cem"_s,
                                    u"gemeinsam Igel: \u00D6mer, Paul"_s,
                                    u"gemeinsam Katze: Anna, Cem"_s, u"gemeinsam Maus: Ben, Cem"_s};

        QTest::addRow("a record another computer is writing is read as it stands")
            << Dateien{{u"Anna.lbs"_s, akte({u"Anna"_s, u"~[07.12.2026] a"_s, u"Hund"_s})},
                       {u"Anna.lbs.lock"_s, "4711\nlaufbahn\nlehrerzimmer\n"_ba}}
            << 0 << false << QStringList{u"Anna|1|1|1|1,0||0|07.12.2026"_s};
        QTest::addRow("records that cannot be read are listed apart")
            << Dateien{{u"leer.lbs"_s, QByteArray()},
                       {u"bild.lbs"_s, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                       {u"ohne Namen.lbs"_s, akte({u""_s, u"~[07.12.2026] a"_s})},
                       {u"notiz.txt"_s, akte({u"kein Schüler"_s})}}
            << 0 << false
            << QStringList{u"ohne Namen|1|1|0|0,0||0|07.12.2026"_s,
                           u"unlesbar bild.lbs: Die Datei ist keine Schülerdatei."_s,
                           u"unlesbar leer.lbs: Die Datei ist leer."_s};
    }

    void zaehlen()
    {
        QFETCH(Dateien, dateien);
        QFETCH(int, zeitraum);
        QFETCH(bool, mitPhaenomenen);
        QFETCH(QStringList, erwartet);
        QTemporaryDir ordner;
        QVERIFY(schreiben(ordner.path(), dateien));
        const QByteArray vorher = akte(dateien.keys());
        const klassenuebersicht::Klasse klasse = klassenuebersicht::lesen(ordner.path(), heute);
        const klassenuebersicht::Zeitraum spanne =
            zeitraum == 1   ? klassenuebersicht::Zeitraum::letzteVierWochen(heute)
            : zeitraum == 2 ? klassenuebersicht::Zeitraum::vierWochenDavor(heute)
                            : klassenuebersicht::Zeitraum{};
        QCOMPARE(ergebnis(klasse, spanne, mitPhaenomenen), erwartet);
        // Reading leaves the folder as it was: no review file, lock or copy is made.
        QCOMPARE(akte(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name)),
                 vorher);
    }

    void ordner_data()
    {
        QTest::addColumn<QString>("ordner"); // below a fresh folder
        QTest::addColumn<QString>("fehler");
        QTest::addRow("an empty folder has no pupils, and says no more") << u"leer"_s << QString();
        QTest::addRow("a folder that is gone") << u"weg"_s << u"Den Ordner gibt es nicht."_s;
        QTest::addRow("a file where the folder was")
            << u"datei.lbs"_s << u"Der Ordner kann nicht gelesen werden."_s;
    }

    void ordner()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, fehler);
        QTemporaryDir wurzel;
        QVERIFY(QDir(wurzel.path()).mkdir(u"leer"_s));
        QVERIFY(schreiben(wurzel.path(), {{u"datei.lbs"_s, akte({u"Anna"_s})}}));
        const klassenuebersicht::Klasse klasse =
            klassenuebersicht::lesen(QDir(wurzel.path()).filePath(ordner), heute);
        QCOMPARE(klasse.ordnerFehler, fehler);
        QVERIFY(klasse.schueler.isEmpty() && klasse.unlesbar.isEmpty());
    }

    void druckseitenBleibenImRahmen()
    {
        // Every character 8 pixels wide on a page of 800 x 1100 pixels: one pixel a unit.
        const printlayout::TextMetrics metrics{
            [](QStringView text) { return int(text.size()) * 8; }, 12};
        klassenuebersicht::Tabelle tabelle{{}};
        for (const klassenuebersicht::Spalte &spalte : klassenuebersicht::schuelerSpalten())
            tabelle[0].append(spalte.kurz);
        for (int i = 1; i <= 60; ++i) {
            tabelle.append({u"Schülerin mit einem sehr langen Doppelnamen Nr. %1"_s.arg(i),
                            u"1000"_s, u"28"_s, u"4321"_s, u"12,5"_s, u"0,0"_s, u"250"_s,
                            u"07.12.2026"_s});
        }
        const QStringList gemeinsam(40, u"Wort (30): "_s + QStringList(30, u"Name"_s).join(u", "));
        const QList<printlayout::Page> seiten =
            klassenuebersicht::druckseiten(QSize(800, 1100), metrics, u"Klassenübersicht 4b"_s,
                                           tabelle, gemeinsam, u"alle Übungen"_s, QSize(800, 900));

        int namen = 0;
        int koepfe = 0;
        for (const printlayout::Page &seite : seiten) {
            bool zeilen = false;
            for (const printlayout::PrintedText &text : seite.texts) {
                QVERIFY2(text.position.x() >= printlayout::frameLeft &&
                             text.position.x() + metrics.width(text.text) <=
                                 printlayout::frameRight,
                         qPrintable(text.text));
                QVERIFY2(text.position.y() < printlayout::pageBottom + 20, qPrintable(text.text));
                if (text.text.startsWith(u"Schülerin"_s)) {
                    ++namen;
                    zeilen = true;
                    QVERIFY(text.text.endsWith(u'…'));
                }
                koepfe += text.text == u"Name"_s;
            }
            // A page of the table begins with its headings.
            if (zeilen)
                --koepfe;
        }
        QCOMPARE(namen, 60);
        QCOMPARE(koepfe, 0);
        QVERIFY(seiten.size() >= 3);
        // The chart on a page of its own, in the frame, in its own proportions.
        const QList<printlayout::PrintedPicture> bilder = seiten.constLast().pictures;
        QCOMPARE(bilder.size(), 1);
        const QRect bild = bilder.constFirst().rect;
        QVERIFY(bild.left() >= printlayout::frameLeft && bild.right() <= printlayout::frameRight);
        QVERIFY(bild.bottom() <= printlayout::pageBottom);
        QVERIFY(qAbs(bild.height() - bild.width() * 900 / 800) <= 1);
    }

    void csvFuerEineKleineKlasse()
    {
        QTemporaryDir ordner;
        QVERIFY(schreiben(
            ordner.path(),
            {{u"a.lbs"_s, akte({u"Anna; Berg"_s, u"~[07.12.2026] a"_s, u"=HYPERLINK(x)"_s,
                                u"Katze"_s, u"~[20.10.2026] b"_s, u"Hund"_s})},
             {u"b.lbs"_s,
              akte({u"Bert \"Bo\""_s, u"~[01.12.2026 - 08:00:00] a"_s, u"=HYPERLINK(x)"_s})},
             {u"c.lbs"_s, akte({u"C\u00E4cilie"_s})}}));
        const klassenuebersicht::Klasse klasse = klassenuebersicht::lesen(ordner.path(), heute);

        QCOMPARE(klassenuebersicht::csv(klassenuebersicht::schuelerTabelle(klasse)),
                 "\xEF\xBB\xBF"
                 "Name;\xC3\x9C"
                 "bungen;\xC3\x9C"
                 "bungen der letzten 4 Wochen;falsche W\xC3\xB6rter;"
                 "falsche W\xC3\xB6rter je \xC3\x9C"
                 "bung in den letzten 4 Wochen;"
                 "falsche W\xC3\xB6rter je \xC3\x9C"
                 "bung in den 4 Wochen davor;"
                 "W\xC3\xB6rter heute zur Wiederholung f\xC3\xA4llig;letzte \xC3\x9C"
                 "bung\r\n"
                 "\"Anna; Berg\";2;1;3;2,0;1,0;1;07.12.2026\r\n"
                 "\"Bert \"\"Bo\"\"\";1;1;1;1,0;;1;01.12.2026\r\n"
                 "C\xC3\xA4"
                 "cilie;0;0;0;;;0;\r\n");
        QCOMPARE(klassenuebersicht::csv(klassenuebersicht::woerterTabelle(
                     klassenuebersicht::gemeinsameFehlerwoerter(klasse, {}))),
                 "\xEF\xBB\xBF"
                 "Wort;Sch\xC3\xBCler;Namen\r\n"
                 "'=HYPERLINK(x);2;\"Anna; Berg, Bert \"\"Bo\"\"\"\r\n");
    }
};

QTEST_MAIN(TestKlassenuebersicht)
#include "tst_klassenuebersicht.moc"
