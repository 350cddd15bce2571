#include "writing/core/praisefile.h"

#include "tests/support/files.h"

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

        const QString tollSuper = u"Toll, Name!\nSuper!"_s;
        QTest::addRow("Name becomes the first name")
            << tollSuper << u"Anna"_s << QStringList{u"Toll, Anna!"_s, u"Super!"_s};
        QTest::addRow("no first name drops the line")
            << tollSuper << QString() << QStringList{u"Super!"_s};
        QTest::addRow("a first name of blanks is none")
            << tollSuper << u"   "_s << QStringList{u"Super!"_s};
        QTest::addRow("the first name without its blanks")
            << tollSuper << u" Anna "_s << QStringList{u"Toll, Anna!"_s, u"Super!"_s};
        QTest::addRow("every occurrence")
            << u"Name, Name, Name!"_s << u"Ben"_s << QStringList{u"Ben, Ben, Ben!"_s};
        QTest::addRow("scanning goes on behind the inserted name")
            << u"Hallo Name!"_s << u"Namenlos"_s << QStringList{u"Hallo Namenlos!"_s};
        QTest::addRow("only the exact case")
            << u"prima, name!\nNAME"_s << QString() << QStringList{u"prima, name!"_s, u"NAME"_s};
        QTest::addRow("empty and blank lines ignored")
            << u"\nKlasse!\n\n   \nSuper!\n"_s << QString()
            << QStringList{u"Klasse!"_s, u"Super!"_s};
        QTest::addRow("a lone CR ends a line")
            << u"Klasse!\rSuper!"_s << QString() << QStringList{u"Klasse!"_s, u"Super!"_s};
        QTest::addRow("empty file gives Prima!")
            << QString() << u"Anna"_s << QStringList{u"Prima!"_s};
        QTest::addRow("only Name lines without a name give Prima!")
            << u"Toll, Name!\nName, super!"_s << QString() << QStringList{u"Prima!"_s};
        QTest::addRow("markup stays text")
            << u"<b>Toll</b>, Name"_s << u"<i>A</i>"_s << QStringList{u"<b>Toll</b>, <i>A</i>"_s};
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
        QTest::addColumn<QStringList>("expected");
        const QStringList umlauts{u"Großartig, Anna!"_s, u"Schön – toll!"_s};
        QTest::addRow("Windows-1252, CR LF")
            << QByteArray("Gro\xDF"
                          "artig, Name!\r\nSch\xF6n \x96 toll!\r\n")
            << umlauts;
        QTest::addRow("UTF-8") << QByteArray("Großartig, Name!\nSchön – toll!") << umlauts;
        QTest::addRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFGroßartig, Name!\r\nSchön – toll!\r\n") << umlauts;
    }
    void readsTheFileInItsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(u"lob.inf"_s), bytes);
        IoError error;
        QCOMPARE(praise::readPraiseFile(dir.filePath(u"lob.inf"_s), u"Anna"_s, &error), expected);
        QVERIFY(!error.failed());
    }

    void unreadableFileIsAnError_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addRow("missing") << u"lob.inf"_s << int(IoError::FileNotFound);
        QTest::addRow("a folder") << u"ordner"_s << int(IoError::AccessDenied);
    }
    void unreadableFileIsAnError()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
        IoError error;
        QVERIFY(!praise::readPraiseFile(dir.filePath(name), u"Anna"_s, &error));
        QCOMPARE(error.code, code);
    }

    void shippedPraiseFileNamesThePupilOrLeavesThoseLinesOut()
    {
        const QString path = testing::shippedFile(praise::praiseFileName());
        IoError error;
        const std::optional<QStringList> named = praise::readPraiseFile(path, u"Anna"_s, &error);
        const std::optional<QStringList> plain = praise::readPraiseFile(path, QString(), &error);
        QVERIFY(named && plain);
        QVERIFY(named->size() >= 10);
        QVERIFY(plain->size() >= 5 && plain->size() < named->size());
        QVERIFY(named->filter(u"Anna"_s).size() == named->size() - plain->size());
        QVERIFY(named->filter(u"Name"_s).isEmpty() && plain->filter(u"Name"_s).isEmpty());
        QVERIFY(plain->contains(u"Großartig!"_s));
    }
};

QTEST_GUILESS_MAIN(TestPraiseFile)
#include "tst_praisefile.moc"
