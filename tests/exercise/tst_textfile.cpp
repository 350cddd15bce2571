#include "exercise/core/textfile.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::fileBytes;
using testing::writeBytes;

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("CR LF") << QByteArray("Hund\r\nKatze\r\n") << u"Hund\nKatze"_s;
        QTest::addRow("LF") << QByteArray("Hund\nKatze\n") << u"Hund\nKatze"_s;
        QTest::addRow("mixed") << QByteArray("Hund\r\nKatze\nMaus") << u"Hund\nKatze\nMaus"_s;
        QTest::addRow("no final line end") << QByteArray("Hund\r\nKatze") << u"Hund\nKatze"_s;
        QTest::addRow("empty last line kept") << QByteArray("Hund\r\n\r\n") << u"Hund\n"_s;
        QTest::addRow("empty lines inside") << QByteArray("a\r\n\r\n\r\nb") << u"a\n\n\nb"_s;
        QTest::addRow("empty file") << QByteArray() << QString();
        QTest::addRow("one empty line") << QByteArray("\r\n") << QString();
        QTest::addRow("lone CR") << QByteArray("a\rb\r") << u"a\nb"_s;
        QTest::addRow("CR before CR LF") << QByteArray("a\r\r\nb") << u"a\n\nb"_s;
        QTest::addRow("LF CR is two line ends") << QByteArray("a\n\rb") << u"a\n\nb"_s;
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(textfile::decodeText(bytes), text);
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::addRow("ascii") << QByteArray("Hund $a$ #") << u"Hund $a$ #"_s;
        QTest::addRow("windows-1252 umlaut") << QByteArray("B\xe4r") << u"Bär"_s;
        QTest::addRow("windows-1252 marks") << QByteArray("Ha\xa7us\xa7"
                                                          "e")
                                            << u"Ha§us§e"_s;
        QTest::addRow("windows-1252 quotes") << QByteArray("\x84Hallo\x93 Stra\xdf"
                                                           "e")
                                             << u"„Hallo“ Straße"_s;
        QTest::addRow("windows-1252 capital umlaut then lower")
            << QByteArray("\xc4\xe4") << u"Ää"_s;

        QTest::addRow("utf-8 umlaut") << QByteArray("B\xc3\xa4r") << u"Bär"_s;
        QTest::addRow("utf-8 marks") << QByteArray("Ha\xc2\xa7us\xc2\xa7"
                                                   "e")
                                     << u"Ha§us§e"_s;
        QTest::addRow("utf-8 quotes")
            << QByteArray("\xe2\x80\x9eHallo\xe2\x80\x9c") << u"„Hallo“"_s;
        QTest::addRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                      "B\xc3\xa4r\r\n")
                                        << u"Bär"_s;
        QTest::addRow("BOM before ascii") << QByteArray("\xef\xbb\xbfHund") << u"Hund"_s;
        QTest::addRow("BOM before windows-1252") << QByteArray("\xef\xbb\xbf"
                                                               "B\xe4r")
                                                 << u"Bär"_s;
        QTest::addRow("BOM before utf-8 outside windows-1252")
            << QByteArray("\xef\xbb\xbf\xe2\x98\xba") << u"☺"_s;

        // Windows-1252 bytes that happen to be valid UTF-8, for characters that no
        // Windows-1252 text can hold.
        QTest::addRow("own file: GRÜ§ß§E") << QByteArray("GR\xdc\xa7\xdf\xa7"
                                                         "E")
                                           << u"GRÜ§ß§E"_s;
        QTest::addRow("own file: Ä§") << QByteArray("\xc4\xa7") << u"Ä§"_s;
        QTest::addRow("own file: Ê€") << QByteArray("\xca\x80") << u"Ê€"_s;
        QTest::addRow("utf-8 outside windows-1252 without BOM")
            << QByteArray("\xe2\x98\xba") << u"â˜º"_s;
        QTest::addRow("utf-8 with one character outside windows-1252")
            << QByteArray("B\xc3\xa4r \xe2\x98\xba") << u"BÃ¤r â˜º"_s;

        QTest::addRow("utf-8 mixed with windows-1252")
            << QByteArray("B\xc3\xa4r und B\xe4r") << u"BÃ¤r und Bär"_s;
        QTest::addRow("sequence cut at the end") << QByteArray("B\xc3") << u"BÃ"_s;
        QTest::addRow("overlong sequence") << QByteArray("\xc0\xaf") << u"À¯"_s;
        QTest::addRow("encoded surrogate")
            << QByteArray("\xed\xa0\x80") << u"í"_s + QChar(0x00a0) + u"€"_s;
        QTest::addRow("beyond the last code point")
            << QByteArray("\xf4\x90\x80\x80") << u"ô"_s + QChar(0x0090) + u"€€"_s;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(textfile::decodeText(bytes), text);
    }

    void oldTextsAreNeverTakenForUtf8()
    {
        // "ßäü" in the DOS code page is a valid UTF-8 sequence.
        QCOMPARE(textfile::decodeOldText("\xe1\x84\x81\r\nGr\x81\xe1"
                                         "e\r\n"),
                 u"ßäü\nGrüße"_s);
        QCOMPARE(textfile::decodeOldText("Ha*us*e M+au+s\r\n"), u"Ha$us$e M§au§s"_s);
    }

    void readingReportsFileErrors()
    {
        QTemporaryDir dir;
        IoError error;
        QVERIFY(!textfile::readText(dir.filePath(u"fehlt.txt"_s), &error));
        QCOMPARE(error.code, int(IoError::FileNotFound));
        QVERIFY(!textfile::readOldText(dir.filePath(u"fehlt.lbz"_s), &error));
        QCOMPARE(error.code, int(IoError::FileNotFound));

        const QString path = dir.filePath(u"alt.lbz"_s);
        writeBytes(path, "\x9a"
                         "ber");
        QCOMPARE(textfile::readOldText(path, &error), u"Über"_s);
        QVERIFY(!error.failed());
        QCOMPARE(textfile::readText(path, &error), ansi::fromByte(0x9a) + u"ber"_s);
    }

    void writtenBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("each line ends in CR LF")
            << u"Hund\nBär"_s << QByteArray("Hund\r\nB\xe4r\r\n");
        QTest::addRow("markup unchanged") << u"Ha$us$e M§au§s &K&atze der_Hund #"_s
                                          << QByteArray("Ha$us$e M\xa7"
                                                        "au\xa7s &K&atze der_Hund #\r\n");
        QTest::addRow("trailing empty line") << u"Hund\n"_s << QByteArray("Hund\r\n\r\n");
        QTest::addRow("empty text is an empty file") << QString() << QByteArray();
        QTest::addRow("one empty line") << u"\n"_s << QByteArray("\r\n\r\n");
        QTest::addRow("windows-1252 beyond latin-1")
            << u"„Hallo“ 5 €"_s << QByteArray("\x84Hallo\x93 5 \x80\r\n");
        QTest::addRow("bytes that are valid UTF-8 too") << u"GRÜ§ß§E\nÄ§"_s
                                                        << QByteArray("GR\xdc\xa7\xdf\xa7"
                                                                      "E\r\n\xc4\xa7\r\n");
        QTest::addRow("no-break space") << u"der\u00a0Hund"_s << QByteArray("der\xa0Hund\r\n");
    }
    void writtenBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"text.txt"_s);
        QVERIFY(textfile::writeText(path, text).ok());
        QCOMPARE(fileBytes(path), bytes);
        IoError error;

        QCOMPARE(textfile::readText(path, &error), text);
    }

    void sizeLimit_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");
        QTest::addRow("at the limit") << textfile::maxTextBytes << true;
        QTest::addRow("one byte more") << textfile::maxTextBytes + 1 << false;
        QTest::addRow("2.5 GB") << qint64(2500) * 1024 * 1024 << false;
    }
    void sizeLimit()
    {
        QFETCH(qint64, size);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"gross.txt"_s);
        QFile file(path);
        // Sparse where the file system allows: the test writes next to nothing.
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
            QSKIP("no file of this size here");
        file.close();

        IoError error;
        for (const bool old : {false, true}) {
            const std::optional<QString> text =
                old ? textfile::readOldText(path, &error) : textfile::readText(path, &error);
            QCOMPARE(text.has_value(), read);
            if (read) {
                QCOMPARE(text->size(), size);
            } else {
                QCOMPARE(error.code, int(IoError::TooLarge));
                QCOMPARE(error.message(), u"Die Datei ist zu groß"_s);
            }
        }
    }

    void charactersOutsideWindows1252AreRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"text.txt"_s);
        writeBytes(path, "alt\r\n");

        const WriteResult result = textfile::writeText(path, u"Grüße ☺\naus Łódź ☺"_s);
        QVERIFY(!result.io.failed());
        QCOMPARE(result.unencodable, u"☺Łź"_s);
        QCOMPARE(fileBytes(path), QByteArray("alt\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"text.txt"_s});

        QVERIFY(!textfile::writeText(dir.filePath(u"neu.txt"_s), u"☺"_s).ok());
        QVERIFY(!QFile::exists(dir.filePath(u"neu.txt"_s)));
    }

    void writingReportsFileErrors()
    {
        QTemporaryDir dir;
        const WriteResult result =
            textfile::writeText(dir.filePath(u"fehlt/text.txt"_s), u"Hund"_s);
        QCOMPARE(result.io.code, int(IoError::PathNotFound));
        QVERIFY(result.unencodable.isEmpty());
    }

    // The exercises the program ships with: each loads, passes the pair check, is found
    // to be of its kind and shows the marks it is there to show.
    void shippedExercises_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::addColumn<markup::FileType>("type");
        QTest::addColumn<QString>("marks");
        using enum markup::FileType;
        const QMap<QString, std::pair<markup::FileType, QString>> expected = {
            {u"Woerter.txt"_s, {Woerter, u"$§&"_s}},
            {u"Wortgruppen.txt"_s, {Wortgruppen, u"$§&_"_s}},
            {u"Geschichte.txt"_s, {Text, u"$§&"_s}},
            {u"Alt.lbz"_s, {Woerter, u"$§"_s}},
            {u"Klasse 1 - Erste Woerter.txt"_s, {Woerter, u"$§"_s}},
            {u"Klasse 1 - Nomen gross.txt"_s, {Wortgruppen, u"$§&_"_s}},
            {u"Klasse 2 - ie.txt"_s, {Woerter, u"$§&"_s}},
            {u"Klasse 2 - Doppelte Mitlaute.txt"_s, {Woerter, u"$§&"_s}},
            {u"Klasse 2 - Im Winter.txt"_s, {Text, u"$§&"_s}},
            {u"Klasse 3 - ck und tz.txt"_s, {Woerter, u"$§&"_s}},
            {u"Klasse 3 - Dehnungs-h.txt"_s, {Woerter, u"$§&"_s}},
            {u"Klasse 3 - Wortgruppen.txt"_s, {Wortgruppen, u"$§&_"_s}},
            {u"Klasse 3 - Der Herbst.txt"_s, {Text, u"$§&"_s}},
            {u"Klasse 4 - das oder dass.txt"_s, {Text, u"$§"_s}},
            {u"Klasse 4 - Der Ausflug.txt"_s, {Text, u"$§#"_s}},
        };
        // Every text of the shipped folder is a row, so none is shipped unchecked.
        QStringList names = QDir(testing::shippedFile(QString()))
                                .entryList({u"*.txt"_s, u"*.lbz"_s}, QDir::Files);
        for (const QString &name : expected.keys()) {
            if (!names.contains(name))
                names << name;
        }
        for (const QString &name : names) {
            const auto row = expected.value(name);
            QTest::addRow("%s", qPrintable(name))
                << name << expected.contains(name) << row.first << row.second;
        }
    }
    void shippedExercises()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QFETCH(markup::FileType, type);
        QFETCH(QString, marks);
        QVERIFY2(known, "a shipped text without its row in this table");
        const QString path = testing::shippedFile(name);
        QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.replace("\r\n", "").contains('\n'));

        IoError error;
        const std::optional<QString> text = name.endsWith(u".lbz"_s)
                                                ? textfile::readOldText(path, &error)
                                                : textfile::readText(path, &error);
        QVERIFY(text);
        QVERIFY(ansi::unencodableCharacters(*text).isEmpty());
        QVERIFY(!markup::text_pruefen(markup::fillBuffer(*text, markup::BufferLayout::Laufbahn)));
        QCOMPARE(markup::dateityp_feststellen(*text), type);
        for (const QChar mark : marks)
            QVERIFY2(text->contains(mark), qPrintable(mark));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
