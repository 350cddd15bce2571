#include "writing/core/praisefile.h"

#include "tests/support/files.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPraiseFile : public QObject {
    Q_OBJECT
private slots:
    void praiseLines_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QStringList>("expected");
        const QString text = u"Toll, Name!\nSuper!"_s;
        QTest::addRow("Name becomes the first name")
            << text << u" Anna "_s << QStringList{u"Toll, Anna!"_s, u"Super!"_s};
        QTest::addRow("no first name drops the line")
            << text << QString() << QStringList{u"Super!"_s};
        QTest::addRow("blanks are no first name") << text << u"  "_s << QStringList{u"Super!"_s};
        QTest::addRow("every occurrence, scanning behind the name")
            << u"Name und Name"_s << u"Namenlos"_s << QStringList{u"Namenlos und Namenlos"_s};
        QTest::addRow("exact case only")
            << u"name, NAME"_s << QString() << QStringList{u"name, NAME"_s};
        QTest::addRow("empty lines and lone CRs") << u"\nKlasse!\r\n   \rSuper!\n"_s << QString()
                                                  << QStringList{u"Klasse!"_s, u"Super!"_s};
        QTest::addRow("nothing left gives Prima!")
            << u"Toll, Name!\n"_s << QString() << QStringList{u"Prima!"_s};
        QTest::addRow("markup stays text")
            << u"<b>Name</b>"_s << u"<i>A</i>"_s << QStringList{u"<b><i>A</i></b>"_s};
        // No file and no name makes a praise longer than a screen line.
        const QString longName = QString(50, u'A');
        QTest::addRow("first name cut at 40 characters")
            << u"Toll, Name!"_s << longName << QStringList{u"Toll, "_s + QString(40, u'A') + u'!'};
        QTest::addRow("line of 201 characters left out")
            << QString(201, u'x') + u"\n"_s + QString(200, u'y') << QString()
            << QStringList{QString(200, u'y')};
        QTest::addRow("line too long once the name is in")
            << QString(5, u' ') + u"Name"_s.repeated(5) << longName << QStringList{u"Prima!"_s};
        QTest::addRow("a million names in one line")
            << u"Name"_s.repeated(1'000'000) << longName << QStringList{u"Prima!"_s};
    }
    void praiseLines()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, firstName);
        QFETCH(QStringList, expected);
        QCOMPARE(praise::praiseLines(fileText, firstName), expected);
    }

    void readsTheFileInItsEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorCode");
        QTest::addRow("Windows-1252, CR LF")
            << QByteArray("Sch\xF6n, Name \x96 toll!\r\n") << int(IoError::None);
        QTest::addRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFSchön, Name – toll!\r\n") << int(IoError::None);
        const auto marked = [](QStringConverter::Encoding encoding) {
            QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
            return QByteArray(encoder.encode(u"Schön, Name – toll!\r\n"_s));
        };
        QTest::addRow("UTF-16 little-endian, as Notepad saves Unicode")
            << marked(QStringConverter::Utf16LE) << int(IoError::None);
        QTest::addRow("UTF-16 big-endian") << marked(QStringConverter::Utf16BE) << int(IoError::None);
        QTest::addRow("UTF-32") << marked(QStringConverter::Utf32LE) << int(IoError::None);
        QTest::addRow("larger than 256 KB")
            << QByteArray("Sch\xF6n, Name \x96 toll!\r\n").repeated(13'000)
            << int(IoError::TooLarge);
    }
    void readsTheFileInItsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, errorCode);
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(u"lob.inf"_s), bytes);
        IoError error;
        const std::optional<QStringList> lines =
            praise::readPraiseFile(dir.filePath(u"lob.inf"_s), u"Anna"_s, &error);
        QCOMPARE(error.code, errorCode);
        if (lines)
            QCOMPARE(*lines, QStringList{u"Schön, Anna – toll!"_s});
    }

    void shippedFileNamesThePupilOrLeavesThoseLinesOut()
    {
        const QString path = testing::shippedFile(praise::praiseFileName());
        IoError error;
        const QStringList named =
            praise::readPraiseFile(path, u"Anna"_s, &error).value_or(QStringList());
        const QStringList plain =
            praise::readPraiseFile(path, QString(), &error).value_or(QStringList());
        QVERIFY(named.size() >= 10 && plain.size() >= 5);
        QCOMPARE(named.filter(u"Anna"_s).size(), named.size() - plain.size());
        QVERIFY(plain.contains(u"Großartig!"_s));
    }
};

QTEST_GUILESS_MAIN(TestPraiseFile)
#include "tst_praisefile.moc"
