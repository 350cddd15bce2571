#include "exercise/core/fileio.h"
#include "settings/core/settingsrecord.h"
#include "tests/settings/defaultrecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace settings;
using testdata::defaultRecordBytes;

namespace {

// A record in which every field holds a value no other field holds.
SettingsRecord distinctRecord()
{
    SettingsRecord r;
    r.reaction = 5;
    r.praise = 2;
    r.pictureGrid = 0;
    r.wordsPerPass = 9;
    r.selectionFont = {0x80000005, -21, u"Courier New"_s, 2, 16, 0x0E};
    r.selectedTextColor = 0x00123456;
    r.selectionBackground = 0x00654321;
    r.glideSpeed = 7;
    r.glideSpacing = 29;
    r.displayFont = {0x00ABCDEF, 30, u"Tahoma"_s, 1, -22, 0x03};
    r.shortTimeForWords = true;
    r.shortTimeDelay = 0x1234;
    r.displayBackground = 0x8000000D;
    r.writingFont = {0x00010203, -99, u"Zürich Ärmel"_s, 0, 74, 0x09};
    r.wrongLetterColor = 0x00040506;
    r.readingFingerColor = 0x00070809;
    r.readingFingerSpeed = 10;
    r.writingBackground = 0x000A0B0C;
    r.writingWindowBackground = 0x8000001E;
    r.comparisonFont = {0x000D0E0F, -300, u"Comic Sans MS"_s, 1, 225, 0x04};
    r.comparisonColor = 0x00111213;
    r.comparisonErrorColor = 0x00141516;
    r.noComparison = true;
    r.wholeGroupAsError = false;
    r.hiddenLetterChar = 0x2A;
    r.hiddenPartChar = 0xFE;
    r.comparisonBackground = 0x80000008;
    return r;
}

quint32 littleEndianAt(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uchar(bytes[offset + i]);
    return value;
}

} // namespace

class TestSettingsRecord : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreWrittenByteForByte()
    {
        const QByteArray expected = defaultRecordBytes();
        QCOMPARE(expected.size(), 236);
        QCOMPARE(writeSettingsRecord(dialogDefaults()), expected);
        IoError error;
        const auto read = readSettingsRecord(expected, &error);
        QVERIFY(read);
        QVERIFY(!error.failed());
        QVERIFY(*read == dialogDefaults());
    }

    void everyFieldStandsAtItsOffset_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<quint32>("value");
        QTest::addRow("reaction") << 0 << 1 << 5u;
        QTest::addRow("praise") << 1 << 1 << 2u;
        QTest::addRow("picture grid") << 2 << 1 << 0u;
        QTest::addRow("words per pass") << 3 << 1 << 9u;
        QTest::addRow("selection font colour") << 4 << 4 << 0x80000005u;
        QTest::addRow("selection font height") << 8 << 2 << quint32(quint16(-21));
        QTest::addRow("selection font name length") << 10 << 1 << 11u;
        QTest::addRow("selection font pitch") << 42 << 1 << 2u;
        QTest::addRow("selection font size") << 44 << 2 << 16u;
        QTest::addRow("selection font style") << 46 << 1 << 0x0Eu;
        QTest::addRow("selected text colour") << 48 << 4 << 0x00123456u;
        QTest::addRow("selection background") << 52 << 4 << 0x00654321u;
        QTest::addRow("glide speed") << 56 << 1 << 7u;
        QTest::addRow("glide spacing") << 57 << 1 << 29u;
        QTest::addRow("display font colour") << 60 << 4 << 0x00ABCDEFu;
        QTest::addRow("display font height") << 64 << 2 << 30u;
        QTest::addRow("display font size") << 100 << 2 << quint32(quint16(-22));
        QTest::addRow("short-time display on") << 104 << 1 << 1u;
        QTest::addRow("short-time delay") << 106 << 2 << 0x1234u;
        QTest::addRow("display background") << 108 << 4 << 0x8000000Du;
        QTest::addRow("writing font colour") << 112 << 4 << 0x00010203u;
        QTest::addRow("writing font name byte") << 120 << 1 << 0xFCu; // "ü"
        QTest::addRow("writing font style") << 154 << 1 << 0x09u;
        QTest::addRow("wrong letter colour") << 156 << 4 << 0x00040506u;
        QTest::addRow("reading finger colour") << 160 << 4 << 0x00070809u;
        QTest::addRow("reading finger speed") << 164 << 1 << 10u;
        QTest::addRow("writing background") << 168 << 4 << 0x000A0B0Cu;
        QTest::addRow("writing window background") << 172 << 4 << 0x8000001Eu;
        QTest::addRow("comparison font height") << 180 << 2 << quint32(quint16(-300));
        QTest::addRow("comparison font size") << 216 << 2 << 225u;
        QTest::addRow("comparison colour") << 220 << 4 << 0x00111213u;
        QTest::addRow("comparison error colour") << 224 << 4 << 0x00141516u;
        QTest::addRow("no comparison") << 228 << 1 << 1u;
        QTest::addRow("whole group as error") << 229 << 1 << 0u;
        QTest::addRow("hidden letter character") << 230 << 1 << 0x2Au;
        QTest::addRow("hidden word part character") << 231 << 1 << 0xFEu;
        QTest::addRow("comparison background") << 232 << 4 << 0x80000008u;
    }
    void everyFieldStandsAtItsOffset()
    {
        QFETCH(int, offset);
        QFETCH(int, size);
        QFETCH(quint32, value);
        const QByteArray bytes = writeSettingsRecord(distinctRecord());
        QCOMPARE(bytes.size(), 236);
        QCOMPARE(littleEndianAt(bytes, offset, size), value);
    }

    void aRecordComesBackAsWritten()
    {
        const SettingsRecord record = distinctRecord();
        const auto back = readSettingsRecord(writeSettingsRecord(record), nullptr);
        QVERIFY(back);
        QVERIFY(*back == record);
        QCOMPARE(back->writingFont.name, u"Zürich Ärmel"_s);
    }

    void aShortFileFailsAsReadPastTheEnd_data()
    {
        QTest::addColumn<int>("size");
        QTest::addRow("empty") << 0;
        QTest::addRow("one byte") << 1;
        QTest::addRow("one byte short") << 235;
    }
    void aShortFileFailsAsReadPastTheEnd()
    {
        QFETCH(int, size);
        IoError error;
        QVERIFY(!readSettingsRecord(defaultRecordBytes().left(size), &error));
        QCOMPARE(error.code, int(IoError::ReadPastEnd));
        QCOMPARE(error.message(), u"Versuch hinter dem Dateiende zu lesen"_s);
    }

    void bytesAfterTheRecordAreIgnored()
    {
        const QByteArray longer = defaultRecordBytes() + QByteArray(500, '\x07');
        const auto read = readSettingsRecord(longer, nullptr);
        QVERIFY(read);
        QVERIFY(*read == dialogDefaults());
    }

    void nameLengthAboveThirtyOneIsTakenAsThirtyOne()
    {
        QByteArray bytes = defaultRecordBytes();
        bytes[66] = char(200); // name length of Label1's font
        for (int i = 67; i < 98; ++i)
            bytes[i] = 'x';
        const auto read = readSettingsRecord(bytes, nullptr);
        QVERIFY(read);
        QCOMPARE(read->displayFont.name, QString(31, u'x'));
        // The bytes after the name field still belong to the font.
        QCOMPARE(read->displayFont.size, 43);
    }

    void writerZeroesPaddingAndNameTails()
    {
        // A record whose every byte is set: padding and name tails carry garbage.
        QByteArray bytes(236, '\xEE');
        bytes[10] = 2; // Label14's name is two characters long
        const auto read = readSettingsRecord(bytes, nullptr);
        QVERIFY(read);
        QCOMPARE(read->selectionFont.name.size(), 2);
        QVERIFY(read->shortTimeForWords); // any non-zero byte is on
        const QByteArray written = writeSettingsRecord(*read);
        for (int offset : {58, 59, 105, 165, 166, 167}) // record padding
            QCOMPARE(int(written[offset]), 0);
        for (int font : {4, 60, 112, 176}) {
            QCOMPARE(int(written[font + 39]), 0); // after pitch
            QCOMPARE(int(written[font + 43]), 0); // after style
        }
        for (int i = 13; i < 42; ++i) // Label14's name tail
            QCOMPARE(int(written[i]), 0);
        QCOMPARE(int(written[104]), 1); // a boolean is written as 1
    }

    void longAndForeignNamesAreCutToWhatTheFieldHolds()
    {
        SettingsRecord record = dialogDefaults();
        record.selectionFont.name = u"A Very Long Font Family Name That Goes On"_s;
        record.writingFont.name = u"Noto Sans 日本"_s;
        const QByteArray bytes = writeSettingsRecord(record);
        QCOMPARE(int(bytes[10]), 31);
        QCOMPARE(bytes.mid(11, 31), QByteArray("A Very Long Font Family Name Th"));
        const auto read = readSettingsRecord(bytes, nullptr);
        QCOMPARE(read->writingFont.name, u"Noto Sans ??"_s);
    }

    void systemAndUnusualColourValuesSurvive()
    {
        SettingsRecord record = dialogDefaults();
        record.displayBackground = 0x80000018;
        record.selectionBackground = 0x1FFFFFFF; // no colour at all
        record.writingBackground = 0x02FF8000;   // a palette-relative colour
        const auto read = readSettingsRecord(writeSettingsRecord(record), nullptr);
        QCOMPARE(read->displayBackground, 0x80000018u);
        QCOMPARE(read->selectionBackground, 0x1FFFFFFFu);
        QCOMPARE(read->writingBackground, 0x02FF8000u);
    }

    void heightsAndSizesBeyondSixteenBitsAreCut()
    {
        SettingsRecord record = dialogDefaults();
        record.displayFont.setSize(30000); // its height is -40000
        const auto read = readSettingsRecord(writeSettingsRecord(record), nullptr);
        QCOMPARE(read->displayFont.height, -32768);
        QCOMPARE(read->displayFont.size, 30000);
    }

    void settingsFilesReadTheirFirstRecordOnly()
    {
        QTemporaryDir dir;
        IoError error;
        QVERIFY(!readSettingsFile(dir.filePath(u"fehlt.opt"_s), &error));
        QCOMPARE(error.code, int(IoError::FileNotFound));
        QVERIFY(!readSettingsFile(dir.filePath(u"kein/ordner.opt"_s), &error));
        QCOMPARE(error.code, int(IoError::PathNotFound));
        QVERIFY(!readSettingsFile(dir.path(), &error));
        QCOMPARE(error.code, int(IoError::AccessDenied));

        const QString path = dir.filePath(u"lang.opt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(defaultRecordBytes() + QByteArray(100000, '\xFF'));
        file.close();
        const auto read = readSettingsFile(path, &error);
        QVERIFY(read);
        QVERIFY(!error.failed());
        QVERIFY(*read == dialogDefaults());

        QVERIFY(file.resize(100));
        QVERIFY(!readSettingsFile(path, &error));
        QCOMPARE(error.code, int(IoError::ReadPastEnd));
    }

    void settingsFilesAreWrittenWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"neu.opt"_s);
        QVERIFY(writeSettingsFile(path, distinctRecord()).ok());
        QVERIFY(writeSettingsFile(path, dialogDefaults()).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), defaultRecordBytes());
        const WriteResult missingFolder =
            writeSettingsFile(dir.filePath(u"weg/neu.opt"_s), dialogDefaults());
        QCOMPARE(missingFolder.io.code, int(IoError::PathNotFound));
        // A font name the file cannot hold would come back naming another font.
        SettingsRecord greek = dialogDefaults();
        greek.writingFont.name = u"ΩΣ Sans Ω"_s;
        const WriteResult refused = writeSettingsFile(path, greek);
        QCOMPARE(refused.unencodable, u"ΩΣ"_s);
        QVERIFY(!refused.io.failed());
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), defaultRecordBytes());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"neu.opt"_s});
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
