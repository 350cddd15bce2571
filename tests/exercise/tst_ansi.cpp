#include "exercise/core/ansi.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestAnsi : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = ansi::decode(all);
        QCOMPARE(text.size(), 256);
        const ansi::Encoded back = ansi::encode(text);
        QVERIFY(back.ok());
        QCOMPARE(back.bytes, all);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QChar>("character");
        QTest::addRow("a umlaut") << 228 << QChar(u'ä');
        QTest::addRow("section sign") << 167 << QChar(u'§');
        QTest::addRow("sharp s") << 223 << QChar(u'ß');
        QTest::addRow("not sign") << 172 << QChar(u'¬');
        QTest::addRow("euro") << 0x80 << QChar(u'€');
        QTest::addRow("low double quote") << 0x84 << QChar(u'„');
        QTest::addRow("left double quote") << 0x93 << QChar(u'“');
        QTest::addRow("en dash") << 0x96 << QChar(u'–');
        QTest::addRow("Y diaeresis") << 0x9F << QChar(u'Ÿ');
        QTest::addRow("undefined 0x81 kept") << 0x81 << QChar(char16_t(0x81));
        QTest::addRow("undefined 0x9D kept") << 0x9D << QChar(char16_t(0x9D));
    }
    void knownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(QChar, character);
        QCOMPARE(ansi::fromByte(uchar(byte)), character);
        QCOMPARE(ansi::toByte(character), byte);
    }

    void charactersOutsideTheCodePageAreRefused()
    {
        const ansi::Encoded result = ansi::encode(u"Grüße ☺ aus Łódź ☺"_s);
        QVERIFY(!result.ok());
        QVERIFY(result.bytes.isEmpty());
        QCOMPARE(result.unencodable, u"☺Łź"_s);
        QCOMPARE(ansi::unencodableCharacters(u"Grüße ☺ aus Łódź ☺"_s), u"☺Łź"_s);
        // A C1 control that Windows-1252 uses for a printable character has no byte.
        QCOMPARE(ansi::toByte(QChar(char16_t(0x80))), -1);
    }

    void linesAreWrittenWithCrLf()
    {
        const ansi::Encoded written = ansi::encodeLines({u"Hase"_s, u""_s, u"Bär"_s});
        QCOMPARE(written.bytes, QByteArray("Hase\r\n\r\nB\xe4r\r\n"));
        QCOMPARE(ansi::decodeLines(written.bytes), QStringList({u"Hase"_s, u""_s, u"Bär"_s}));
        QCOMPARE(ansi::encodeLines({}).bytes, QByteArray());
        QCOMPARE(ansi::encodeLines({QString()}).bytes, QByteArray("\r\n"));
    }

    void lineEndsAreReadEitherWay_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
        QTest::addRow("LF") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
        QTest::addRow("lone CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
        QTest::addRow("mixed, last line open")
            << QByteArray("a\nb\r\nc\rd") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        QTest::addRow("CR before CR LF is a line end of its own")
            << QByteArray("a\r\r\nb") << QStringList{u"a"_s, QString(), u"b"_s};
        QTest::addRow("LF CR is two line ends")
            << QByteArray("a\n\rb") << QStringList{u"a"_s, QString(), u"b"_s};
        QTest::addRow("empty file") << QByteArray() << QStringList();
        QTest::addRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::addRow("lone CR only") << QByteArray("\r") << QStringList{QString()};
        QTest::addRow("empty lines at the end")
            << QByteArray("a\r\r\r") << QStringList{u"a"_s, QString(), QString()};
    }
    void lineEndsAreReadEitherWay()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(ansi::decodeLines(bytes), lines);
        std::vector<qsizetype> starts;
        QCOMPARE(ansi::decodeJoinedLines(bytes, &starts), lines.join(u'\n'));
        QCOMPARE(qsizetype(starts.size()), lines.size());
    }
};

QTEST_GUILESS_MAIN(TestAnsi)
#include "tst_ansi.moc"
