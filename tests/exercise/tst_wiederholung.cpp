#include "exercise/core/ansi.h"
#include "exercise/core/pupilrecord.h"
#include "exercise/core/wiederholung.h"
#include "exercise/ui/wiederholungsliste.h"

#include "tests/support/files.h"
#include "tests/support/klassenordner.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace wiederholung;
using testing::fileBytes;
using testing::writeBytes;

namespace {

const QDate montag(2026, 12, 7);

// Mia's record: "Hund" wrong on the 5th and again on the 7th, "der_Baum" on the 5th.
const QByteArray record = "Mia\r\n"
                          "~[05.12.2026 - 09:00:00] Woerter.txt\r\n"
                          "Hund\r\n"
                          "der_Baum\r\n"
                          "~[07.12.2026] Geschichte.txt\r\n"
                          " Hund \r\n"
                          "\r\n";

QString recordText(const QString &path)
{
    IoError error;
    return pupilrecord::PupilFile::load(path, &error)->text();
}

enum class Tat { Richtig, Falsch, WiederErfasst };

// A record holding the words "Kopie<c>Wort<i>" that the review writers answer.
QByteArray recordForWriters(int copies, int perCopy)
{
    QByteArray bytes = "Mia\r\n~[07.12.2026] Woerter.txt\r\n";
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = 0; i < perCopy; ++i)
            bytes += "Kopie" + QByteArray::number(copy) + "Wort" + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

// The words of the review file not moved up to box 2 by the writers' answers.
QStringList answersLost(const QString &wdh, int copies, int perCopy)
{
    const std::optional<Stand> stand = Stand::lesen(fileBytes(wdh));
    if (!stand)
        return {u"<no review file>"_s};
    QStringList lost;
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = 0; i < perCopy; ++i) {
            const QString text = u"Kopie%1Wort%2"_s.arg(copy).arg(i);
            const Wort *wort = stand->finde(text);
            if (!wort || wort->box != 2)
                lost << text;
        }
    }
    if (stand->woerter().size() != std::size_t(copies * perCopy))
        lost << u"<%1 words>"_s.arg(stand->woerter().size());
    return lost;
}

} // namespace

class TestWiederholung : public QObject {
    Q_OBJECT
private slots:
    void boxRules_data();
    void boxRules();
    void dueListOldestFirstAtMostTwenty();
    void rebuiltFromRecord_data();
    void rebuiltFromRecord();
    void twoCopiesKeepEachOthersChanges();
    void twoProgramsReviewAtOnce();
    void copiesWithDifferentRightsReviewAtOnce_data();
    void copiesWithDifferentRightsReviewAtOnce();
    void teacherTakesWordOut();
    void daysAfterTodayCountAsToday_data();
    void daysAfterTodayCountAsToday();
    void aWordWithNothingToWriteIsNotReviewed_data();
    void aWordWithNothingToWriteIsNotReviewed();
};

void TestWiederholung::boxRules_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<Tat>("tat");
    QTest::addColumn<int>("neueBox");
    QTest::addColumn<int>("faelligNachTagen");
    QTest::addRow("box 1 right") << 1 << Tat::Richtig << 2 << 2;
    QTest::addRow("box 2 right") << 2 << Tat::Richtig << 3 << 4;
    QTest::addRow("box 3 right") << 3 << Tat::Richtig << 4 << 8;
    QTest::addRow("box 4 right") << 4 << Tat::Richtig << 5 << 16;
    QTest::addRow("box 5 right leaves") << 5 << Tat::Richtig << 0 << -1;
    QTest::addRow("box 1 wrong") << 1 << Tat::Falsch << 1 << 1;
    QTest::addRow("box 4 wrong") << 4 << Tat::Falsch << 1 << 1;
    QTest::addRow("box 3 recorded wrong again") << 3 << Tat::WiederErfasst << 1 << 1;
    QTest::addRow("learnt, recorded wrong again") << 0 << Tat::WiederErfasst << 1 << 1;
}

void TestWiederholung::boxRules()
{
    QFETCH(int, box);
    QFETCH(Tat, tat);
    QFETCH(int, neueBox);
    QFETCH(int, faelligNachTagen);
    // Last reviewed ten days ago: a result counts whether or not the word was due.
    const QString stand = u"Mia\n~[20.11.2026] a.txt\nHund\n~[27.11.2026] b.txt\nHund"_s;
    Stand s = *Stand::lesen(QByteArray(QByteArray("Laufbahn-Wiederholung 1\r\n") +
                                       QByteArray::number(box) + ";27.11.2026;2;W;Hund\r\n"));
    if (tat == Tat::WiederErfasst)
        QVERIFY(
            s.abgleichen(erfassungen(QString(stand + u"\n~[07.12.2026] c.txt\nHund"_s), montag)));
    else
        s.ergebnis(u"Hund"_s, tat == Tat::Richtig, montag);
    const Wort *wort = s.finde(u"Hund"_s);
    QCOMPARE(wort->box, neueBox);
    if (faelligNachTagen >= 0)
        QCOMPARE(wort->faellig(), montag.addDays(faelligNachTagen));
}

void TestWiederholung::dueListOldestFirstAtMostTwenty()
{
    // 25 exercises, one a day, one wrong word each; the last one (today's) is not due yet.
    QString text = u"Mia"_s;
    for (int i = 0; i < 25; ++i)
        text +=
            u"\n~[%1] t.txt\nWort%2"_s.arg(montag.addDays(i - 24).toString(u"dd.MM.yyyy")).arg(i);
    Stand s;
    s.abgleichen(erfassungen(text, montag));
    s.ergebnis(u"Wort0"_s, true, montag.addDays(-3)); // box 2, due again yesterday
    const std::vector<Wort> faellig = s.faellige(montag);
    QCOMPARE(qsizetype(faellig.size()), faelligHoechstens);
    QCOMPARE(s.anzahlFaellig(montag), qsizetype(24));
    QCOMPARE(faellig[0].text, u"Wort1"_s);
    QCOMPARE(faellig[19].text, u"Wort20"_s);
    // Due on the same day as Wort22, and recorded before it.
    const std::vector<Wort> alle = s.faellige(montag, 30);
    QCOMPARE(alle[21].text, u"Wort0"_s);
    QCOMPARE(alle[22].text, u"Wort22"_s);
}

void TestWiederholung::rebuiltFromRecord_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addRow("missing") << QByteArray();
    QTest::addRow("not a review file") << QByteArray("\x00\xff garbage\r\n", 12);
    QTest::addRow("damaged lines") << QByteArray("Laufbahn-Wiederholung 1\r\n"
                                                 "9;01.12.2026;1;W;Hund\r\n"
                                                 "1;31.02.2026;1;G;der_Baum\r\n"
                                                 "1;01.12.2026;x;W;Hund\r\n");
}

void TestWiederholung::rebuiltFromRecord()
{
    QFETCH(QByteArray, datei);
    QTemporaryDir dir;
    const QString lbs = dir.filePath(u"Mia.lbs"_s);
    const QString wdh = dir.filePath(u"Mia.wdh"_s);
    writeBytes(lbs, record);
    if (!datei.isEmpty())
        writeBytes(wdh, datei);

    WriteResult geschrieben;
    const WiederholungsDatei w =
        WiederholungsDatei::laden(lbs, recordText(lbs), montag, &geschrieben);
    QVERIFY(geschrieben.ok());
    const std::vector<Wort> erwartet = {{u"Hund"_s, Art::Wort, 1, montag, 2},
                                        {u"der_Baum"_s, Art::Wortgruppe, 1, montag.addDays(-2), 1}};
    QCOMPARE(w.stand().woerter(), erwartet);
    QCOMPARE(Stand::lesen(fileBytes(wdh))->woerter(), erwartet);
    QCOMPARE(fileBytes(lbs), record);
}

void TestWiederholung::twoCopiesKeepEachOthersChanges()
{
    QTemporaryDir dir;
    const QString lbs = dir.filePath(u"Mia.lbs"_s);
    writeBytes(lbs, record);
    const QDate spaeter = montag.addDays(2);
    IoError error;
    WiederholungsDatei a = WiederholungsDatei::laden(lbs, recordText(lbs), spaeter);
    WiederholungsDatei b = WiederholungsDatei::laden(lbs, recordText(lbs), spaeter);

    QVERIFY(a.ergebnis(u"Hund"_s, true, spaeter).ok());
    QVERIFY(b.herausnehmen(u"der_Baum"_s).ok());
    // Another exercise recorded on the computer of copy a.
    std::optional<pupilrecord::PupilFile> pupil = pupilrecord::PupilFile::load(lbs, &error);
    QVERIFY(pupil->appendExercise(u"[09.12.2026] Tiere.txt"_s, {u"Igel"_s}).ok());
    QVERIFY(a.nachUebung(pupil->text(), spaeter).ok());
    QVERIFY(b.ergebnisse({{u"Hund"_s, true}}, spaeter).ok());

    const std::vector<Wort> erwartet = {{u"Hund"_s, Art::Wort, 3, spaeter, 2},
                                        {u"der_Baum"_s, Art::Wortgruppe, 0, montag.addDays(-2), 1},
                                        {u"Igel"_s, Art::Wort, 1, spaeter, 1}};
    QCOMPARE(b.stand().woerter(), erwartet);
    QCOMPARE(WiederholungsDatei::laden(lbs, pupil->text(), spaeter).stand().woerter(), erwartet);
}

void TestWiederholung::twoProgramsReviewAtOnce()
{
    QTemporaryDir dir;
    const QString lbs = dir.filePath(u"Mia.lbs"_s);
    constexpr int perCopy = 40;
    const QByteArray bytes = recordForWriters(2, perCopy);
    writeBytes(lbs, bytes);
    const QString writer = QCoreApplication::applicationDirPath() + u"/wiederholung_writer"_s;
    QProcess copies[2];
    for (int copy = 0; copy < 2; ++copy) {
        copies[copy].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copies[copy].start(writer, {lbs, QString::number(copy), QString::number(perCopy)});
    }
    for (QProcess &copy : copies) {
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
    }
    QCOMPARE(answersLost(dir.filePath(u"Mia.wdh"_s), 2, perCopy), QStringList());
    QCOMPARE(fileBytes(lbs), bytes);
}

// The teacher's copies may make files in the class folder (a lock file, and a new review
// file each time), the pupils' may only write the files there (in place).
void TestWiederholung::copiesWithDifferentRightsReviewAtOnce_data()
{
    QTest::addColumn<int>("perAccount");
    QTest::addRow("one teacher, one pupil") << 1;
    QTest::addRow("two teachers, two pupils") << 2;
}

void TestWiederholung::copiesWithDifferentRightsReviewAtOnce()
{
    QFETCH(int, perAccount);
    constexpr int perCopy = 300;
    const int copies = 2 * perAccount;
    testing::Klassenordner klasse;
    if (!klasse.bereit())
        QSKIP("only root can run copies as other users");
    const QByteArray bytes = recordForWriters(copies, perCopy);
    QVERIFY(klasse.ablegen(u"Mia.lbs"_s, bytes));
    // Made by the teacher's first look at the review; the pupils' copies cannot make it.
    QVERIFY(klasse.ablegen(u"Mia.wdh"_s, "Laufbahn-Wiederholung 1\r\n"));
    std::vector<std::unique_ptr<QProcess>> running;
    for (int copy = 0; copy < copies; ++copy)
        running.push_back(klasse.starten(copy % 2 ? testing::Klassenordner::Konto::Schueler
                                                  : testing::Klassenordner::Konto::Lehrer,
                                         u"wiederholung_writer"_s,
                                         {klasse.datei(u"Mia.lbs"_s), QString::number(copy),
                                          QString::number(perCopy)}));
    for (const auto &process : running) {
        QVERIFY(process->waitForFinished(240000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }
    QCOMPARE(answersLost(klasse.datei(u"Mia.wdh"_s), copies, perCopy), QStringList());
    QCOMPARE(fileBytes(klasse.datei(u"Mia.lbs"_s)), bytes);
}

void TestWiederholung::teacherTakesWordOut()
{
    QTemporaryDir dir;
    const QString lbs = dir.filePath(u"Mia.lbs"_s);
    writeBytes(lbs, record);
    Wiederholungsliste fenster;
    fenster.laden(lbs, recordText(lbs), montag.addDays(1));
    QCOMPARE(fenster.windowTitle(), u"Wiederholung: Mia"_s);
    QCOMPARE(fenster.Liste->rowCount(), 2);
    QCOMPARE(fenster.Liste->item(0, 0)->text(), u"der_Baum"_s);
    QCOMPARE(fenster.Liste->item(0, 3)->text(), u"06.12.2026 (fällig)"_s);
    QCOMPARE(fenster.Liste->item(1, 3)->text(), u"08.12.2026 (fällig)"_s);
    QVERIFY(!fenster.Herausnehmen->isEnabled());

    QSignalSpy geaendert(&fenster, &Wiederholungsliste::geaendert);
    fenster.Liste->selectRow(0);
    QTest::mouseClick(fenster.Herausnehmen, Qt::LeftButton);
    QCOMPARE(geaendert.count(), 1);
    QCOMPARE(fenster.Liste->rowCount(), 1);
    QCOMPARE(fenster.Liste->item(0, 0)->text(), u"Hund"_s);
    QCOMPARE(fenster.Label1->text(), u"1 Wort in der Wiederholung, heute fällig: 1"_s);
    QCOMPARE(Stand::lesen(fileBytes(dir.filePath(u"Mia.wdh"_s)))->finde(u"der_Baum"_s)->box, 0);
    QCOMPARE(fileBytes(lbs), record);
}

// A clock that ran ahead dated a review or an exercise after today: the word comes due
// as if it was reviewed or recorded today, also when it is recorded wrong again.
void TestWiederholung::daysAfterTodayCountAsToday_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<QByteArray>("lbs");
    const QByteArray kopf = "Laufbahn-Wiederholung 1\r\n";
    QTest::addRow("reviewed after today")
        << kopf + "1;31.12.2099;1;W;Hund\r\n" << QByteArray("Mia\r\n~[05.12.2026] a\r\nHund\r\n");
    QTest::addRow("recorded after today")
        << QByteArray() << QByteArray("Mia\r\n~[31.12.2099] a\r\nHund\r\n");
    QTest::addRow("reviewed after today, then recorded wrong again")
        << kopf + "3;31.12.2099;1;W;Hund\r\n"
        << QByteArray("Mia\r\n~[05.12.2026] a\r\nHund\r\n~[06.12.2026] b\r\nHund\r\n");
}

void TestWiederholung::daysAfterTodayCountAsToday()
{
    QFETCH(QByteArray, datei);
    QFETCH(QByteArray, lbs);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(u"Mia.lbs"_s);
    writeBytes(pfad, lbs);
    if (!datei.isNull())
        writeBytes(dateiZu(pfad), datei);
    const WiederholungsDatei review = WiederholungsDatei::laden(pfad, recordText(pfad), montag);
    const Wort *hund = review.stand().finde(u"Hund"_s);
    QCOMPARE(hund->letzte, montag);
    const QDate faellig = montag.addDays(abstandTage(hund->box));
    QCOMPARE(review.stand().anzahlFaellig(faellig.addDays(-1)), qsizetype(0));
    QCOMPARE(review.stand().anzahlFaellig(faellig), qsizetype(1));
}

void TestWiederholung::aWordWithNothingToWriteIsNotReviewed_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<bool>("geuebt");
    QTest::addRow("a word inside an & pair") << u"&Hund&"_s << false;
    QTest::addRow("a word group inside one") << u"&Der_Hund&"_s << false;
    QTest::addRow("each word of a group inside one") << u"&Der&_&Hund&"_s << false;
    QTest::addRow("an empty pair") << u"\u00a7\u00a7"_s << false;
    QTest::addRow("a group half shown") << u"&Der&_Hund"_s << true;
    QTest::addRow("a word with hidden letters") << u"H\u00a7u\u00a7nd"_s << true;
}

void TestWiederholung::aWordWithNothingToWriteIsNotReviewed()
{
    QFETCH(QString, wort);
    QFETCH(bool, geuebt);
    const QString text = u"Mia\n~[01.12.2026] a.txt\n"_s + wort;
    QCOMPARE(erfassungen(text, montag).size(), geuebt ? 1u : 0u);
    // A review file written before keeps it no longer.
    std::optional<Stand> s = Stand::lesen(
        ansi::encode(QString(u"Laufbahn-Wiederholung 1\r\n1;01.12.2026;1;W;"_s + wort + u"\r\n"_s))
            .bytes);
    QVERIFY(s);
    s->abgleichen(erfassungen(text, montag), true);
    QCOMPARE(s->faellige(montag).size(), geuebt ? 1u : 0u);
}

QTEST_MAIN(TestWiederholung)
#include "tst_wiederholung.moc"
