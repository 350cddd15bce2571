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
        QTest::addRow("Windows-1252, CR LF") << QByteArray("Sch\xF6n, Name \x96 toll!\r\n");
        QTest::addRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFSchön, Name – toll!\r\n");
    }
    void readsTheFileInItsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        testing::writeBytes(dir.filePath(u"lob.inf"_s), bytes);
        IoError error;
        QCOMPARE(praise::readPraiseFile(dir.filePath(u"lob.inf"_s), u"Anna"_s, &error),
                 QStringList{u"Schön, Anna – toll!"_s});
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
