#include "exercise/core/pupilrecord.h"

#include "tests/support/files.h"
#include "tests/support/klassenordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace pupilrecord;
using testing::fileBytes;

namespace {

QString testData(const QString &name)
{
    return qEnvironmentVariable("LAUFBAHN_TEST_DATA") + u"/pupilrecord/"_s + name;
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The lock file another copy of the program on the computer "anderer-rechner" left
// `age` seconds ago.
bool putForeignLock(const QString &recordPath, int age)
{
    const QString lockPath = recordPath + u".lock"_s;
    if (!putBytes(lockPath, "4711\nlaufbahn\nanderer-rechner\n"))
        return false;
    QFile lock(lockPath);
    return lock.open(QIODevice::ReadWrite) &&
           lock.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                            QFileDevice::FileModificationTime);
}

// A folder in memory where there is one: tests of copies taking turns are not about
// the disk, which would only make them slow.
QTemporaryDir ramDiskFolder()
{
    const QString ramDisk = u"/dev/shm"_s;
    return QFileInfo(ramDisk).isWritable() ? QTemporaryDir(ramDisk + u"/laufbahn-XXXXXX"_s)
                                           : QTemporaryDir();
}

// pupilrecord_writer recording `count` exercises as copy number `copy`, each followed by
// a correction when `correcting`.
std::unique_ptr<QProcess> startWriter(const QString &path, int copy, int count,
                                      bool correcting = false)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{path, QString::number(copy), QString::number(count)};
    if (correcting)
        args << u"korrigieren"_s;
    process->start(QCoreApplication::applicationDirPath() + u"/pupilrecord_writer"_s, args);
    return process;
}

// "Kopie<c>-<i>.txt" with its word "Wort<c>_<i>" as the writers record them, each
// exercise as "<text> <word>", sorted.
QStringList recordedExercises(const QString &path)
{
    const QStringList lines = parse(fileBytes(path));
    QStringList recorded;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (isHeader(lines[i]))
            recorded << textNameOf(lines[i].sliced(1)) + u' ' + lines.value(i + 1);
    }
    recorded.sort();
    return recorded;
}

QStringList everyExerciseOnce(int copies, int perCopy)
{
    QStringList expected;
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = 0; i < perCopy; ++i)
            expected << u"Kopie%1-%2.txt Wort%1_%2"_s.arg(copy).arg(i);
    }
    expected.sort();
    return expected;
}

enum class Hindrance {
    ReadOnlyFolder,
    ReadOnlyRecord,
    LockHeld,
    LockLeft,
    LockLeftInReadOnlyFolder,
    FolderNamedLikeLock
};

// "Mia" with a Laufbahn run of Woerter.txt and a reading-finger run of Geschichte.txt.
const QByteArray twoExercises = "Mia\r\n"
                                "~[07.12.2026 - 09:00:00] Woerter.txt\r\n"
                                "Hund\r\n"
                                "Katze\r\n"
                                "~[07.12.2026] Geschichte.txt\r\n"
                                "Baum\r\n";

} // namespace

class TestPupilRecord : public QObject {
    Q_OBJECT
private slots:
    void readsReferenceFiles()
    {
        const QStringList onlyName = parse(fileBytes(testData(u"nur_name.lbs"_s)));
        QCOMPARE(onlyName, QStringList{u"Anna Beispiel"_s});
        QVERIFY(entries(onlyName).isEmpty());
        QCOMPARE(fullName(onlyName), u"Anna Beispiel"_s);
        QCOMPARE(firstName(fullName(onlyName)), u"Anna"_s);

        const QStringList special = parse(fileBytes(testData(u"sonder.lbs"_s)));
        QCOMPARE(special.size(), 8);
        QCOMPARE(fullName(special), u"~Jörg Müller"_s);
        QCOMPARE(special[5], u"der_Straßenbahn"_s);
        QCOMPARE(special[7], QString());
        // Line 1 is the name even when it begins with "~"; a lone "~" is a word line.
        QCOMPARE(entries(special),
                 (QStringList{u"[01.02.2027 - 08:09:10] C:\\Texte] neu\\Frühling.txt"_s,
                              u"[01.02.2027] Woerter.txt"_s}));
        QCOMPARE(textNameOf(entries(special).front()), u"C:\\Texte] neu\\Frühling.txt"_s);
        QCOMPARE(collectWords(special, entries(special).front()),
                 (QStringList{u"Bär"_s, QString(), u"~"_s, u"der_Straßenbahn"_s}));
        QCOMPARE(nonEmpty(collectWords(special, entries(special).front())),
                 (QStringList{u"Bär"_s, u"~"_s, u"der_Straßenbahn"_s}));
        QCOMPARE(collectWords(special, entries(special).back()), QStringList{QString()});

        // The record survives being written out unchanged, byte for byte.
        QCOMPARE(serialise(special).value(), fileBytes(testData(u"sonder.lbs"_s)));
    }

    void sampleRecordNamesTheSampleTexts()
    {
        const QString data = qEnvironmentVariable("LAUFBAHN_DATA");
        IoError error;
        const std::optional<PupilFile> sample =
            PupilFile::load(data + u"/Beispiel Kind.lbs"_s, &error);
        QVERIFY2(sample, qPrintable(error.message()));
        QCOMPARE(sample->firstName(), u"Beispiel"_s);
        QCOMPARE(sample->entries().size(), 4);
        for (const QString &entry : sample->entries()) {
            QVERIFY2(QFile::exists(data + u'/' + textNameOf(entry)), qPrintable(entry));
            QVERIFY(!sample->wordsOf(entry).isEmpty());
        }
        QCOMPARE(serialise(sample->lines()).value(), fileBytes(sample->path()));
    }

    void lineEndsMakeNoDifference_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addRow("LF") << u"doppelt_lf.lbs"_s;
        QTest::addRow("lone CR") << u"doppelt_cr.lbs"_s;
    }
    void lineEndsMakeNoDifference()
    {
        QFETCH(QString, file);
        const QByteArray crlf = fileBytes(testData(u"doppelt.lbs"_s));
        const QByteArray other = fileBytes(testData(file));
        QVERIFY(!crlf.isEmpty());
        QVERIFY(!other.contains("\r\n"));
        QCOMPARE(parse(other), parse(crlf));
        QCOMPARE(serialise(parse(other)).value(), crlf);
        QCOMPARE(entries(parse(other)).size(), 2);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, other));
        IoError error;
        const std::optional<PupilFile> pupil = PupilFile::load(path, &error);
        QVERIFY(pupil);
        QCOMPARE(pupil->lines(), parse(crlf));
        QCOMPARE(pupil->text(), parse(crlf).join(u'\n'));
    }

    void serialisingRefusesWhatTheFileCannotHold()
    {
        QString unencodable;
        QVERIFY(!serialise({u"Anna"_s, u"~[07.12.2026] Текст.txt"_s}, &unencodable));
        QCOMPARE(unencodable, u"Текст"_s);
        QVERIFY(serialise({u"Anna"_s, u"€ – „Zitat“"_s}, &unencodable));
        QVERIFY(unencodable.isEmpty());
    }

    void listedEntries_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("empty file") << QStringList() << QStringList();
        QTest::addRow("only the name line") << QStringList{u"Anna"_s} << QStringList();
        QTest::addRow("name line looks like a header")
            << QStringList{u"~Tom"_s, u"~a"_s} << QStringList{u"a"_s};
        QTest::addRow("equal headers listed once, first position kept")
            << QStringList{u"A"_s, u"~x"_s, u"w"_s, u"~y"_s, u"~x"_s, u"~z"_s}
            << QStringList{u"x"_s, u"y"_s, u"z"_s};
        QTest::addRow("lone tilde and blank lines are no headers")
            << QStringList{u"A"_s, u"~"_s, QString(), u" ~x"_s, u"~~"_s} << QStringList{u"~"_s};
    }
    void listedEntries()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QCOMPARE(pupilrecord::entries(lines), expected);
    }

    void namesOfTextsAndPupils_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("textName");
        QTest::addColumn<QString>("firstName");
        QTest::addRow("Laufbahn entry, full name")
            << u"[07.12.2026 - 14:05:09] Woerter.txt"_s << u"Woerter.txt"_s << u"[07.12.2026"_s;
        QTest::addRow("\"] \" inside the text name")
            << u"[07.12.2026] /home/l/Texte] 2/a b.txt"_s << u"/home/l/Texte] 2/a b.txt"_s
            << u"[07.12.2026]"_s;
        QTest::addRow("bracket without blank is part of the date")
            << u"[x]y] z.txt"_s << u"z.txt"_s << u"[x]y]"_s;
        QTest::addRow("no \"] \" at all, name without blank")
            << u"Geschichte.txt"_s << u"Geschichte.txt"_s << u"Geschichte.txt"_s;
        QTest::addRow("empty") << QString() << QString() << QString();
        QTest::addRow("leading blank gives an empty first name")
            << u" Tom Kurz"_s << u" Tom Kurz"_s << QString();
    }
    void namesOfTextsAndPupils()
    {
        QFETCH(QString, value);
        QFETCH(QString, textName);
        QFETCH(QString, firstName);
        QCOMPARE(textNameOf(value), textName);
        QCOMPARE(pupilrecord::firstName(value), firstName);
    }

    void entriesUseOneFixedFormat()
    {
        const QDateTime end(QDate(2026, 1, 5), QTime(4, 3, 2));
        QCOMPARE(makeEntry(ExerciseKind::Laufbahn, end, u"Woerter.txt"_s),
                 u"[05.01.2026 - 04:03:02] Woerter.txt"_s);
        QCOMPARE(makeEntry(ExerciseKind::Other, end, u"/tmp/a] b.txt"_s),
                 u"[05.01.2026] /tmp/a] b.txt"_s);
        QCOMPARE(makeEntry(ExerciseKind::Laufbahn, QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)),
                           u"x"_s),
                 u"[07.12.2026 - 14:05:09] x"_s);
    }

    void collectingWords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("expected");
        const QStringList dup = parse(fileBytes(testData(u"doppelt.lbs"_s)));
        QTest::addRow("adjacent equal headers: first block only")
            << dup << u"[07.12.2026] Woerter.txt"_s << QStringList{u"Hund"_s, u"Katze"_s};
        QTest::addRow("block at the end of the file")
            << dup << u"[07.12.2026 - 10:15:00] Geschichte.txt"_s << QStringList{u"Baum"_s};
        QTest::addRow("equal headers apart: both blocks")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~y"_s, u"2"_s, u"~x"_s, u"3"_s} << u"x"_s
            << QStringList{u"1"_s, u"3"_s};
        QTest::addRow("three equal headers in a row: the middle one is passed over")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~x"_s, u"2"_s, u"~x"_s, u"3"_s} << u"x"_s
            << QStringList{u"1"_s, u"3"_s};
        QTest::addRow("empty block before an equal header")
            << QStringList{u"A"_s, u"~x"_s, u"~x"_s, u"2"_s} << u"x"_s << QStringList();
        QTest::addRow("header right after another block is still found")
            << QStringList{u"A"_s, u"~y"_s, u"1"_s, u"~x"_s, u"2"_s} << u"x"_s
            << QStringList{u"2"_s};
        QTest::addRow("line 1 never starts a block")
            << QStringList{u"~x"_s, u"1"_s} << u"x"_s << QStringList();
        QTest::addRow("entry not in the record") << dup << u"fehlt"_s << QStringList();
        QTest::addRow("empty entry matches no lone tilde")
            << QStringList{u"A"_s, u"~"_s, u"1"_s} << QString() << QStringList();
    }
    void collectingWords()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, entry);
        QFETCH(QStringList, expected);
        QCOMPARE(pupilrecord::collectWords(lines, entry), expected);
    }

    void correctingWords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("words");
        // What the correction replaced, block by block; none given: the blocks as they are.
        QTest::addColumn<QList<QStringList>>("replaced");
        QTest::addColumn<QStringList>("expected");
        const QList<QStringList> asShown;
        const QStringList dup = parse(fileBytes(testData(u"doppelt.lbs"_s)));
        const QString fingerRun = u"[07.12.2026] Woerter.txt"_s;
        QTest::addRow("adjacent equal headers: only the first block is corrected")
            << dup << fingerRun << QStringList{u"hund"_s, u"Katze"_s} << asShown
            << QStringList{u"Mia"_s,
                           u"~[07.12.2026] Woerter.txt"_s,
                           u"hund"_s,
                           u"Katze"_s,
                           u"~[07.12.2026] Woerter.txt"_s,
                           u"Maus"_s,
                           u"~[07.12.2026 - 10:15:00] Geschichte.txt"_s,
                           u"Baum"_s};
        QTest::addRow("every word deleted: the header stays, bare")
            << dup << fingerRun << QStringList() << asShown
            << QStringList{u"Mia"_s,
                           u"~[07.12.2026] Woerter.txt"_s,
                           u"~[07.12.2026] Woerter.txt"_s,
                           u"Maus"_s,
                           u"~[07.12.2026 - 10:15:00] Geschichte.txt"_s,
                           u"Baum"_s};
        QTest::addRow("last block of the file")
            << dup << u"[07.12.2026 - 10:15:00] Geschichte.txt"_s << QStringList() << asShown
            << dup.first(7);
        QTest::addRow("more words than before")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~y"_s} << u"x"_s
            << QStringList{u"1"_s, u"2"_s, u"3"_s} << asShown
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"2"_s, u"3"_s, u"~y"_s};
        QTest::addRow("blank lines of the block go, as the list never showed them")
            << QStringList{u"A"_s, u"~x"_s, QString(), u"1"_s, QString(), u"~y"_s} << u"x"_s
            << QStringList{u"1"_s} << asShown << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~y"_s};
        QTest::addRow("equal headers apart: words go to the first block, none doubled")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~y"_s, u"2"_s, u"~x"_s, u"3"_s} << u"x"_s
            << QStringList{u"1"_s, u"3"_s, u"4"_s} << asShown
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"3"_s, u"4"_s, u"~y"_s, u"2"_s, u"~x"_s};
        QTest::addRow("equal block added elsewhere since stays as it is")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s, u"~y"_s, u"2"_s, u"~x"_s, u"3"_s} << u"x"_s
            << QStringList{u"0"_s} << QList<QStringList>{{u"1"_s}}
            << QStringList{u"A"_s, u"~x"_s, u"0"_s, u"~y"_s, u"2"_s, u"~x"_s, u"3"_s};
        QTest::addRow("block added elsewhere between the corrected ones stays as it is")
            << QStringList{u"A"_s, u"~x"_s, u"1"_s,  u"~y"_s, u"~x"_s,
                           u"9"_s, u"~w"_s, u"~x"_s, u"5"_s}
            << u"x"_s << QStringList{u"1"_s, u"fünf"_s} << QList<QStringList>{{u"1"_s}, {u"5"_s}}
            << QStringList{u"A"_s,  u"~x"_s, u"1"_s,  u"fünf"_s, u"~y"_s,
                           u"~x"_s, u"9"_s,  u"~w"_s, u"~x"_s};
        QTest::addRow("block corrected elsewhere since: the next one takes the words")
            << QStringList{u"A"_s, u"~x"_s, u"eins"_s, u"~y"_s, u"~x"_s, u"2"_s} << u"x"_s
            << QStringList{u"1"_s, u"zwei"_s} << QList<QStringList>{{u"1"_s}, {u"2"_s}}
            << QStringList{u"A"_s, u"~x"_s, u"eins"_s, u"~y"_s, u"~x"_s, u"1"_s, u"zwei"_s};
        QTest::addRow("nothing shown is left: nothing changes")
            << QStringList{u"A"_s, u"~x"_s, u"eins"_s} << u"x"_s << QStringList{u"zwei"_s}
            << QList<QStringList>{{u"1"_s}} << QStringList{u"A"_s, u"~x"_s, u"eins"_s};
        QTest::addRow("entry not in the record: nothing changes")
            << dup << u"fehlt"_s << QStringList{u"x"_s} << asShown << dup;
        QTest::addRow("word with line breaks becomes several lines")
            << QStringList{u"A"_s, u"~x"_s} << u"x"_s << QStringList{u"a\r\nb\rc\nd"_s} << asShown
            << QStringList{u"A"_s, u"~x"_s, u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    }
    void correctingWords()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, entry);
        QFETCH(QStringList, words);
        QFETCH(QList<QStringList>, replaced);
        QFETCH(QStringList, expected);
        const QStringList updated =
            replaced.isEmpty() ? pupilrecord::schueler_update(lines, entry, words)
                               : pupilrecord::schueler_update(lines, entry, words, replaced);
        QCOMPARE(updated, expected);
        QCOMPARE(pupilrecord::entries(updated), pupilrecord::entries(lines));
        // Named by what they hold as they stand, the blocks are corrected alike.
        QCOMPARE(pupilrecord::schueler_update(lines, entry, words, collectedBlocks(lines, entry)),
                 pupilrecord::schueler_update(lines, entry, words));
        if (replaced.isEmpty() && pupilrecord::entries(lines).contains(entry) &&
            !words.join(QString()).contains(u'\n'))
            QCOMPARE(pupilrecord::collectWords(updated, entry), pupilrecord::nonEmpty(words));
    }

    void appendingKeepsTheNameLine()
    {
        QCOMPARE(appendExercise({}, u"[07.12.2026] a.txt"_s, {u"Hund"_s}),
                 (QStringList{QString(), u"~[07.12.2026] a.txt"_s, u"Hund"_s}));
        const QStringList once = appendExercise({u"Mia"_s}, u"e"_s, {});
        QCOMPARE(once, (QStringList{u"Mia"_s, u"~e"_s}));
        // A second run of the same entry adds a block the list shows only once.
        const QStringList twice = appendExercise(once, u"e"_s, {u"Maus"_s});
        QCOMPARE(pupilrecord::entries(twice), QStringList{u"e"_s});
        QVERIFY(pupilrecord::collectWords(twice, u"e"_s).isEmpty());
        QCOMPARE(appendExercise({u"Mia"_s}, u"a\nb"_s, {u"x\ny"_s}),
                 (QStringList{u"Mia"_s, u"~a b"_s, u"x"_s, u"y"_s}));
    }

    void lowercasingTheFirstLetter()
    {
        QCOMPARE(pupilrecord::lowercaseFirst(u"Hund"_s), u"hund"_s);
        QCOMPARE(pupilrecord::lowercaseFirst(u"Ärger_Haus"_s), u"ärger_Haus"_s);
        QCOMPARE(pupilrecord::lowercaseFirst(QString()), QString());
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString forbidden =
            u"Der Name darf keines dieser Zeichen enthalten: < > : \" / \\ | ? *"_s;
        const QString blank = u"Der Name darf nicht mit einem Leerzeichen beginnen oder enden."_s;
        const QString dot = u"Der Name darf nicht mit einem Punkt beginnen oder enden."_s;
        const QString empty = u"Bitte geben Sie den Namen des Schülers ein."_s;
        const QString control = u"Der Name darf keine Steuerzeichen enthalten."_s;
        QTest::addRow("empty") << QString() << empty;
        QTest::addRow("blanks only") << u"   "_s << empty;
        QTest::addRow("slash") << u"../Anna"_s << forbidden;
        QTest::addRow("backslash") << u"..\\Anna"_s << forbidden;
        QTest::addRow("drive") << u"C:Anna"_s << forbidden;
        for (const char *ch : {"<", ">", "\"", "|", "?", "*"})
            QTest::addRow("forbidden %s", ch)
                << (u"An"_s + QLatin1String(ch) + u"na"_s) << forbidden;
        QTest::addRow("two dots") << u".."_s << dot;
        QTest::addRow("one dot") << u"."_s << dot;
        QTest::addRow("hidden file") << u".Anna"_s << dot;
        QTest::addRow("trailing dot") << u"Anna B."_s << dot;
        QTest::addRow("trailing blank") << u"Anna "_s << blank;
        QTest::addRow("leading blank") << u" Anna"_s << blank;
        QTest::addRow("tab") << u"Anna\tB"_s << control;
        QTest::addRow("line break") << u"Anna\nB"_s << control;
        QTest::addRow("undefined Windows-1252 code") << (u"Anna"_s + QChar(0x81)) << control;
        QTest::addRow("not in Windows-1252")
            << u"Łukasz"_s
            << u"Der Name enthält Zeichen, die in der Schülerdatei nicht gespeichert werden "
               u"können: Ł"_s;
        for (const QString &device : {u"CON"_s, u"nul"_s, u"Aux"_s, u"PRN"_s, u"COM1"_s, u"lpt9"_s,
                                      u"COM¹"_s, u"nul.txt"_s, u"CON .x"_s})
            QTest::addRow("device %s", qPrintable(device))
                << device
                << u"Der Name „%1“ ist unter Windows für ein Gerät reserviert und kann keine "
                   u"Datei benennen."_s.arg(device.section(u'.', 0, 0));
        QTest::addRow("too long") << QString(81, u'a')
                                  << u"Der Name darf höchstens 80 Zeichen lang sein."_s;
    }
    void refusedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QCOMPARE(nameProblem(name), reason);
        QTemporaryDir dir;
        QString problem;
        QVERIFY(!filePathFor(dir.path(), name, &problem));
        QCOMPARE(problem, reason);
    }

    void acceptedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("first and last name") << u"Anna Beispiel"_s;
        QTest::addRow("umlauts") << u"Jörg Müller-Weiß"_s;
        QTest::addRow("apostrophe and dot inside") << u"Dr. O'Neil"_s;
        QTest::addRow("device name inside a longer word") << u"Conrad"_s;
        QTest::addRow("COM10 is no device") << u"COM10"_s;
        QTest::addRow("tilde first") << u"~Tom"_s;
        QTest::addRow("longest") << QString(80, u'ß');
    }
    void acceptedNames()
    {
        QFETCH(QString, name);
        QCOMPARE(nameProblem(name), QString());
        QTemporaryDir dir;
        for (const QString &start : QStringList{dir.path(), dir.path() + u'/'}) {
            const std::optional<QString> path = filePathFor(start, name);
            QVERIFY(path);
            QCOMPARE(QFileInfo(*path).absolutePath(), QDir(dir.path()).absolutePath());
            QCOMPARE(QFileInfo(*path).fileName(), name + u".lbs"_s);
        }
        // The name really makes a file that reads back as the record's first line.
        IoError error;
        const CreatedFile created = PupilFile::create(*filePathFor(dir.path(), name), name);
        QVERIFY2(created.file, qPrintable(created.written.io.message()));
        QCOMPARE(PupilFile::load(created.file->path(), &error)->fullName(), name);
    }

    void newAndLoadedPupilAgree()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Anna Beispiel.lbs"_s);
        IoError error;
        std::optional<PupilFile> created = PupilFile::create(path, u"Anna Beispiel"_s).file;
        QVERIFY(created);
        QCOMPARE(fileBytes(path), QByteArray("Anna Beispiel\r\n"));
        QCOMPARE(created->lines(), QStringList{u"Anna Beispiel"_s});
        QVERIFY(created->entries().isEmpty());
        std::optional<PupilFile> loaded = PupilFile::load(path, &error);
        QVERIFY(loaded);
        QCOMPARE(loaded->lines(), created->lines());
        QCOMPARE(loaded->firstName(), u"Anna"_s);

        // A new pupil replaces the old record completely (the caller asked before).
        QVERIFY(loaded->appendExercise(u"e"_s, {u"Hund"_s}).ok());
        QVERIFY(fileExists(path));
        QVERIFY(PupilFile::create(path, u"Anna Beispiel"_s).file);
        QCOMPARE(fileBytes(path), QByteArray("Anna Beispiel\r\n"));

        QVERIFY(!PupilFile::load(dir.filePath(u"fehlt.lbs"_s), &error));
        QCOMPARE(error.message(), u"Datei nicht gefunden"_s);
    }

    void recordingAndCorrectingWriteTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        // A record written elsewhere with bare LF line ends.
        QVERIFY(putBytes(path, "Mia\n~a\nHund\n"));
        IoError error;
        std::optional<PupilFile> pupil = PupilFile::load(path, &error);
        QVERIFY(pupil);
        QVERIFY(pupil->appendExercise(u"[07.12.2026] Woerter.txt"_s, {u"Straße"_s, u"der_Hund"_s})
                    .ok());
        QCOMPARE(fileBytes(path), QByteArray("Mia\r\n~a\r\nHund\r\n~[07.12.2026] Woerter.txt\r\n"
                                             "Stra\xdf"
                                             "e\r\nder_Hund\r\n"));
        QVERIFY(pupil->updateWords(u"a"_s, {}).ok());
        QCOMPARE(fileBytes(path), QByteArray("Mia\r\n~a\r\n~[07.12.2026] Woerter.txt\r\n"
                                             "Stra\xdf"
                                             "e\r\nder_Hund\r\n"));
        QCOMPARE(pupil->lines(), parse(fileBytes(path)));
        QVERIFY(!pupil->hasUnwrittenChanges());
    }

    void wordsTheFileCannotHoldChangeNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> pupil = PupilFile::load(path, &error);
        const WriteResult appended =
            pupil->appendExercise(u"[07.12.2026] Woerter.txt"_s, {u"Hund"_s, u"Ωmega"_s});
        QCOMPARE(appended.unencodable, u"Ω"_s);
        QVERIFY(!appended.io.failed());
        QCOMPARE(pupil->updateWords(u"[07.12.2026] Geschichte.txt"_s, {u"Baumॐ"_s}).unencodable,
                 u"ॐ"_s);
        QCOMPARE(pupil->lines(), parse(twoExercises));
        QCOMPARE(fileBytes(path), twoExercises);
        QVERIFY(!pupil->hasUnwrittenChanges());
    }

    // Two classroom computers on one shared folder record the same pupil in turn.
    void otherProgramsExercisesAreKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> first = PupilFile::load(path, &error);
        std::optional<PupilFile> second = PupilFile::load(path, &error);

        QVERIFY(first->appendExercise(u"[07.12.2026 - 10:00:00] a.txt"_s, {u"eins"_s}).ok());
        QVERIFY(second->appendExercise(u"[07.12.2026 - 10:00:05] b.txt"_s, {u"zwei"_s}).ok());
        QVERIFY(first->appendExercise(u"[07.12.2026 - 10:30:00] c.txt"_s, {u"drei"_s}).ok());

        const QStringList onDisk = parse(fileBytes(path));
        QCOMPARE(first->lines(), onDisk);
        QCOMPARE(
            entries(onDisk),
            (QStringList{u"[07.12.2026 - 09:00:00] Woerter.txt"_s, u"[07.12.2026] Geschichte.txt"_s,
                         u"[07.12.2026 - 10:00:00] a.txt"_s, u"[07.12.2026 - 10:00:05] b.txt"_s,
                         u"[07.12.2026 - 10:30:00] c.txt"_s}));
        QCOMPARE(collectWords(onDisk, u"[07.12.2026 - 10:00:05] b.txt"_s), QStringList{u"zwei"_s});
        QCOMPARE(collectWords(onDisk, u"[07.12.2026 - 10:30:00] c.txt"_s), QStringList{u"drei"_s});
        // The second program learns of the others' work with its next write.
        QCOMPARE(second->entries().size(), 4);
    }

    void correctionMergesWithOtherProgramsWork()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> teacher = PupilFile::load(path, &error);
        std::optional<PupilFile> classroom = PupilFile::load(path, &error);

        // Meanwhile the other computer records a run and corrects another exercise.
        QVERIFY(classroom->appendExercise(u"[07.12.2026] Geschichte.txt"_s, {u"Wald"_s}).ok());
        QVERIFY(classroom->updateWords(u"[07.12.2026] Geschichte.txt"_s, {u"baum"_s}).ok());

        QVERIFY(teacher->updateWords(u"[07.12.2026 - 09:00:00] Woerter.txt"_s, {u"hund"_s}).ok());
        const QStringList expected{u"Mia"_s,  u"~[07.12.2026 - 09:00:00] Woerter.txt"_s,
                                   u"hund"_s, u"~[07.12.2026] Geschichte.txt"_s,
                                   u"baum"_s, u"~[07.12.2026] Geschichte.txt"_s,
                                   u"Wald"_s};
        QCOMPARE(parse(fileBytes(path)), expected);
        QCOMPARE(teacher->lines(), expected);
    }

    void correctionLeavesEqualBlocksAddedElsewhere()
    {
        // Equal headers apart: the teacher saw the words of both blocks; another computer
        // then adds a third block with the same header, which the correction must not empty.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, "Mia\r\n~x\r\n1\r\n~y\r\n~z\r\n~x\r\n2\r\n"));
        IoError error;
        std::optional<PupilFile> teacher = PupilFile::load(path, &error);
        std::optional<PupilFile> classroom = PupilFile::load(path, &error);
        QVERIFY(classroom->appendExercise(u"y"_s, {}).ok());
        QVERIFY(classroom->appendExercise(u"x"_s, {u"3"_s}).ok());
        QCOMPARE(teacher->wordsOf(u"x"_s), (QStringList{u"1"_s, u"2"_s}));
        QVERIFY(teacher->updateWords(u"x"_s, {u"2"_s}).ok());
        QCOMPARE(parse(fileBytes(path)), (QStringList{u"Mia"_s, u"~x"_s, u"2"_s, u"~y"_s, u"~z"_s,
                                                      u"~x"_s, u"~y"_s, u"~x"_s, u"3"_s}));
    }

    void interruptedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Klasse"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + u"/Mia.lbs"_s;
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> pupil = PupilFile::load(path, &error);

        // The shared folder drops away (a file now stands where it was).
        const QString away = dir.filePath(u"Klasse-weg"_s);
        QVERIFY(QDir().rename(folder, away));
        QVERIFY(putBytes(folder, "kein Ordner"));
        const WriteResult failed = pupil->appendExercise(u"e1"_s, {u"Hund"_s});
        QVERIFY(failed.io.failed());
        QVERIFY(!failed.io.message().isEmpty());
        QCOMPARE(fileBytes(away + u"/Mia.lbs"_s), twoExercises);
        // The exercise stays in memory and is written with the next change.
        QVERIFY(pupil->hasUnwrittenChanges());
        QCOMPARE(pupil->entries().last(), u"e1"_s);

        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().rename(away, folder));
        // Meanwhile another computer recorded an exercise there.
        QVERIFY(putBytes(path, twoExercises + "~e0\r\nMaus\r\n"));
        QVERIFY(pupil->appendExercise(u"e2"_s, {u"Katze"_s}).ok());
        QVERIFY(!pupil->hasUnwrittenChanges());
        QCOMPARE(fileBytes(path), twoExercises + "~e0\r\nMaus\r\n~e1\r\nHund\r\n~e2\r\nKatze\r\n");
    }

    // What stands in the way of recording an exercise or a correction, and what the
    // teacher is told ("<Ordner>", "<Sperre>": the record's folder and lock file); once
    // it is gone, a kept change is written with the next write.
    void recordingWhereWritingIsHindered_data()
    {
        QTest::addColumn<Hindrance>("hindrance");
        QTest::addColumn<bool>("correcting");
        QTest::addColumn<QString>("message");
        QTest::addRow("writable record in a read-only folder: appended in place")
            << Hindrance::ReadOnlyFolder << false << QString();
        QTest::addRow("correction in a read-only folder: refused, naming the folder")
            << Hindrance::ReadOnlyFolder << true
            << u"Im Ordner „<Ordner>“ können keine neuen Dateien angelegt werden, darum lässt "
               u"sich die Schülerdatei dort nur ergänzen, aber nicht korrigieren. Die Korrektur "
               u"bleibt im Programm erhalten und wird gespeichert, sobald der Ordner wieder "
               u"beschreibbar ist."_s;
        QTest::addRow("read-only record: access denied, the change kept")
            << Hindrance::ReadOnlyRecord << false << u"Dateizugriff verweigert"_s;
        QTest::addRow("lock held now on another computer: the change kept and reported")
            << Hindrance::LockHeld << false << u"Datei wird von einem anderen Programm benutzt"_s;
        QTest::addRow("lock left an hour ago on another computer: taken over")
            << Hindrance::LockLeft << false << QString();
        QTest::addRow("lock left in a folder that takes no new file: the record is the lock")
            << Hindrance::LockLeftInReadOnlyFolder << false << QString();
        QTest::addRow("a folder named like the lock file: named with what to do")
            << Hindrance::FolderNamedLikeLock << true
            << u"Die Sperrdatei „<Sperre>“ ist liegen geblieben oder ein Ordner und lässt sich "
               u"nicht entfernen. Bitte löschen oder verschieben Sie sie; bis dahin bleiben die "
               u"Änderungen im Programm erhalten."_s;
    }
    void recordingWhereWritingIsHindered()
    {
        QFETCH(Hindrance, hindrance);
        QFETCH(bool, correcting);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        const QString lockPath = path + u".lock"_s;
        message.replace(u"<Ordner>"_s, QDir::toNativeSeparators(dir.path()))
            .replace(u"<Sperre>"_s, QDir::toNativeSeparators(lockPath));
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> pupil = PupilFile::load(path, &error);
        pupil->setLockWait(std::chrono::milliseconds(50));
        if (hindrance == Hindrance::LockHeld || hindrance == Hindrance::LockLeft ||
            hindrance == Hindrance::LockLeftInReadOnlyFolder)
            QVERIFY(putForeignLock(path, hindrance == Hindrance::LockLeft ? 3600 : 0));
        if (hindrance == Hindrance::FolderNamedLikeLock)
            QVERIFY(QDir().mkdir(lockPath));
        std::optional<testing::WriteProtection> record;
        std::optional<testing::WriteProtection> folder;
        if (hindrance == Hindrance::ReadOnlyRecord)
            record.emplace(path);
        if (hindrance == Hindrance::ReadOnlyFolder || hindrance == Hindrance::ReadOnlyRecord ||
            hindrance == Hindrance::LockLeftInReadOnlyFolder)
            folder.emplace(dir.path());
        if ((folder && !folder->holds()) || (record && !record->holds()))
            QSKIP("nothing here write-protects a folder or a file for this user");

        const QString woerter = u"[07.12.2026 - 09:00:00] Woerter.txt"_s;
        const WriteResult result = correcting ? pupil->updateWords(woerter, {u"Hund"_s})
                                              : pupil->appendExercise(u"e1"_s, {u"Hund"_s});
        const bool written = result.ok();
        const QByteArray changed =
            correcting ? QByteArray("Mia\r\n~[07.12.2026 - 09:00:00] Woerter.txt\r\nHund\r\n"
                                    "~[07.12.2026] Geschichte.txt\r\nBaum\r\n")
                       : QByteArray(twoExercises + "~e1\r\nHund\r\n");
        QCOMPARE(result.io.failed() ? result.io.message() : QString(), message);
        QCOMPARE(written, message.isEmpty());
        QCOMPARE(pupil->hasUnwrittenChanges(), !written);
        QCOMPARE(pupil->lines(), parse(changed));
        QCOMPARE(fileBytes(path), written ? changed : twoExercises);

        record.reset();
        folder.reset();
        QFile::remove(lockPath);
        QDir().rmdir(lockPath);
        QVERIFY(pupil->writeUnwritten().ok());
        QCOMPARE(fileBytes(path), changed);
        QVERIFY(!QFile::exists(lockPath));
    }

    // Copies of the program on several computers record exercises in one pupil's file
    // as fast as they can; every exercise must be there once.
    // (Where the folder takes no new file, no lock file can be made beside the record.)
    void copiesWritingAtOnceLoseNothing_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addRow("two copies") << 2 << false;
        QTest::addRow("four copies") << 4 << false;
        QTest::addRow("two copies, folder takes no new file") << 2 << true;
        QTest::addRow("four copies, folder takes no new file") << 4 << true;
    }
    void copiesWritingAtOnceLoseNothing()
    {
        QFETCH(int, copies);
        QFETCH(bool, readOnlyFolder);
        constexpr int perCopy = 300;
        QTemporaryDir dir = ramDiskFolder();
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, "Mia\r\n"));
        std::optional<testing::WriteProtection> folder;
        if (readOnlyFolder)
            folder.emplace(dir.path());
        if (folder && !folder->holds())
            QSKIP("nothing here write-protects a folder for this user");
        std::vector<std::unique_ptr<QProcess>> running;
        for (int copy = 0; copy < copies; ++copy)
            running.push_back(startWriter(path, copy, perCopy));
        for (const auto &process : running) {
            QVERIFY2(process->waitForFinished(240000), qPrintable(process->errorString()));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }

        QCOMPARE(recordedExercises(path), everyExerciseOnce(copies, perCopy));
        const QStringList lines = parse(fileBytes(path));
        QCOMPARE(lines.size(), 1 + 2 * copies * perCopy);
        QVERIFY(!QFile::exists(path + u".lock"_s));
    }

    // Copies with different rights on one class folder record exercises as fast as they
    // can: the teacher's may make files there (a lock file, and a new record each time),
    // the pupils' may only write the record (appended in place). Each exercise is there once.
    void copiesWithDifferentRightsLoseNothing_data()
    {
        QTest::addColumn<int>("perAccount");
        QTest::addRow("one teacher, one pupil") << 1;
        QTest::addRow("two teachers, two pupils") << 2;
    }
    void copiesWithDifferentRightsLoseNothing()
    {
        QFETCH(int, perAccount);
        constexpr int perCopy = 300;
        testing::Klassenordner klasse;
        if (!klasse.bereit())
            QSKIP("only root can run copies as other users");
        const QString path = klasse.datei(u"Mia.lbs"_s);
        QVERIFY(klasse.ablegen(u"Mia.lbs"_s, "Mia\r\n"));
        std::vector<std::unique_ptr<QProcess>> running;
        for (int copy = 0; copy < 2 * perAccount; ++copy)
            running.push_back(klasse.starten(
                copy % 2 ? testing::Klassenordner::Konto::Schueler
                         : testing::Klassenordner::Konto::Lehrer,
                u"pupilrecord_writer"_s,
                {path, QString::number(copy), QString::number(perCopy)}));
        for (const auto &process : running) {
            QVERIFY2(process->waitForFinished(240000), qPrintable(process->errorString()));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }
        QCOMPARE(recordedExercises(path), everyExerciseOnce(2 * perAccount, perCopy));
        QCOMPARE(parse(fileBytes(path)).size(), 1 + 2 * 2 * perAccount * perCopy);
    }

    // A copy killed again and again while it records exercises and corrects the first
    // one in a folder that takes no new file: only appends reach the file there, and
    // every exercise it wrote stands whole behind the ones there before.
    void killedWhileWritingInPlace()
    {
        QTemporaryDir dir = ramDiskFolder();
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, twoExercises));
        testing::WriteProtection folder(dir.path());
        if (!folder.holds())
            QSKIP("nothing here write-protects a folder for this user");
        for (int kill = 0; kill < 20; ++kill) {
            std::unique_ptr<QProcess> copy = startWriter(path, kill, 100000, true);
            QVERIFY(copy->waitForStarted());
            QTest::qSleep(30 + 7 * kill);
            copy->kill();
            QVERIFY(copy->waitForFinished());
        }

        const QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.startsWith(twoExercises));
        QVERIFY(!bytes.contains('\0'));
        const QStringList lines = parse(bytes.sliced(twoExercises.size()));
        for (qsizetype i = 0; i < lines.size(); i += 2) {
            // "~[…] Kopie<c>-<i>.txt" and its word "Wort<c>_<i>".
            const QString name = textNameOf(lines[i].sliced(1));
            QVERIFY2(isHeader(lines[i]) && name.startsWith(u"Kopie"_s), qPrintable(lines[i]));
            QCOMPARE(lines.value(i + 1), u"Wort"_s + name.sliced(5).chopped(4).replace(u'-', u'_'));
        }
        QVERIFY(lines.size() > 0);
    }

    // The teacher's program could not write for a while; meanwhile another computer
    // recorded the same text again. The correction written later touches only the
    // words the teacher saw.
    void keptCorrectionLeavesWordsRecordedElsewhere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        const QByteArray start = "Mia\r\n~x\r\n1\r\n~y\r\n";
        QVERIFY(putBytes(path, start));
        IoError error;
        std::optional<PupilFile> teacher = PupilFile::load(path, &error);
        std::optional<PupilFile> classroom = PupilFile::load(path, &error);

        // Something that cannot be read stands where the record was.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QVERIFY(!teacher->appendExercise(u"x"_s, {u"5"_s}).ok());
        QCOMPARE(teacher->wordsOf(u"x"_s), (QStringList{u"1"_s, u"5"_s}));
        QVERIFY(!teacher->updateWords(u"x"_s, {u"1"_s, u"fünf"_s}).ok());
        QVERIFY(teacher->hasUnwrittenChanges());

        QVERIFY(QDir().rmdir(path));
        QVERIFY(putBytes(path, start));
        QVERIFY(classroom->appendExercise(u"x"_s, {u"9"_s}).ok());
        QVERIFY(classroom->appendExercise(u"w"_s, {}).ok());

        QVERIFY(teacher->writeUnwritten().ok());
        const QStringList expected{u"Mia"_s, u"~x"_s, u"1"_s,  u"fünf"_s, u"~y"_s,
                                   u"~x"_s,  u"9"_s,  u"~w"_s, u"~x"_s};
        QCOMPARE(parse(fileBytes(path)), expected);
        QCOMPARE(teacher->lines(), expected);
    }

    void unreadableOrVanishedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        QVERIFY(putBytes(path, twoExercises));
        IoError error;
        std::optional<PupilFile> pupil = PupilFile::load(path, &error);

        // Something that cannot be read stands at the path now: no blind overwrite.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QCOMPARE(pupil->appendExercise(u"e1"_s, {}).io.message(), u"Dateizugriff verweigert"_s);
        QVERIFY(QFileInfo(path).isDir());

        // A deleted record is written anew from memory.
        QVERIFY(QDir().rmdir(path));
        QVERIFY(pupil->appendExercise(u"e2"_s, {}).ok());
        QCOMPARE(fileBytes(path), twoExercises + "~e1\r\n~e2\r\n");
    }
};

QTEST_GUILESS_MAIN(TestPupilRecord)
#include "tst_pupilrecord.moc"
