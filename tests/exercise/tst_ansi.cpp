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

    void linesEndInCrLfAndAreReadEitherWay()
    {
        const ansi::Encoded written = ansi::encodeLines({u"Hase"_s, u""_s, u"Bär"_s});
        QCOMPARE(written.bytes, QByteArray("Hase\r\n\r\nB\xe4r\r\n"));
        QCOMPARE(ansi::decodeLines(written.bytes), QStringList({u"Hase"_s, u""_s, u"Bär"_s}));
        QCOMPARE(ansi::decodeLines("a\nb\r\nc"), QStringList({u"a"_s, u"b"_s, u"c"_s}));
        QCOMPARE(ansi::decodeLines(""), QStringList());
        QCOMPARE(ansi::decodeLines("\r\n"), QStringList({QString()}));
    }
};

QTEST_GUILESS_MAIN(TestAnsi)
#include "tst_ansi.moc"
