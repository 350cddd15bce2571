#include "exercise/core/printjobs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Headings as "x:text" pairs, easy to read in a table.
QStringList described(const QList<printlayout::Heading> &headings)
{
    QStringList result;
    for (const printlayout::Heading &heading : headings)
        result << u"%1:%2"_s.arg(heading.x).arg(heading.text);
    return result;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("Hund\r\n");
}

} // namespace

class TestPrintJobs : public QObject {
    Q_OBJECT
private slots:
    void printBuffer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withoutMarks");
        QTest::addColumn<QString>("buffer");

        QTest::addRow("line breaks become blanks")
            << u"Hund\nKatze"_s << false << u"Hund  Katze #"_s;
        QTest::addRow("tabs become blanks") << u"a\tb"_s << false << u"a b #"_s;
        QTest::addRow("marks kept") << u"Ha$us$e Ka§t§ze"_s << false << u"Ha$us$e Ka§t§ze #"_s;
        QTest::addRow("marks removed") << u"Ha$us$e"_s << true << u"Hause #"_s;
        QTest::addRow("marks side by side all removed")
            << u"H$$a&&u§§s $&§e"_s << true << u"Haus e #"_s;
        QTest::addRow("word-group joins stay") << u"der_Hund"_s << true << u"der_Hund #"_s;
        QTest::addRow("empty text") << u""_s << true << u" #"_s;
        QTest::addRow("only the first 8000 characters")
            << QString(8005, u'a') << false << QString(8000, u'a') + u" #"_s;
    }
    void printBuffer()
    {
        QFETCH(QString, text);
        QFETCH(bool, withoutMarks);
        QFETCH(QString, buffer);
        QCOMPARE(printjobs::printBuffer(text, withoutMarks), buffer);
    }

    void headings_data()
    {
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("textName");
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("headings");

        QTest::addRow("text without a name")
            << u"text"_s << u""_s << u""_s << u""_s << QStringList{};
        QTest::addRow("named text")
            << u"text"_s << u"Tiere.txt"_s << u""_s << u""_s << QStringList{u"60:Tiere.txt"_s};

        QTest::addRow("wrong words, nothing loaded")
            << u"errors"_s << u""_s << u""_s << u""_s << QStringList{u"60:[03.02.25] "_s};
        QTest::addRow("wrong words of a pupil, no named text")
            << u"errors"_s << u""_s << u"Anna Meier"_s << u""_s
            << QStringList{u"60:[03.02.25] Anna Meier"_s};
        QTest::addRow("wrong words of a named text")
            << u"errors"_s << u"Tiere.txt"_s << u"Anna Meier"_s << u""_s
            << QStringList{u"60:[03.02.25] Anna Meier"_s, u"400:Fehler beim Text: Tiere.txt"_s};

        QTest::addRow("written, no named text")
            << u"written"_s << u""_s << u"Anna Meier"_s << u"[1.2.25] Tiere.txt"_s
            << QStringList{u"60:Ergebnis"_s};
        QTest::addRow("written, named text") << u"written"_s << u"Tiere.txt"_s << u""_s << u""_s
                                             << QStringList{u"60:Ergebnis: Tiere.txt"_s};
        QTest::addRow("written, pupil but no entry selected")
            << u"written"_s << u"Tiere.txt"_s << u"Anna Meier"_s << u""_s
            << QStringList{u"60:Ergebnis: Tiere.txt"_s};
        QTest::addRow("written, pupil and entry")
            << u"written"_s << u"Tiere.txt"_s << u"Anna Meier"_s << u"[1.2.25] Tiere.txt"_s
            << QStringList{u"60:Ergbnis: Anna Meier [1.2.25] Tiere.txt"_s};
    }
    void headings()
    {
        QFETCH(QString, print);
        QFETCH(QString, textName);
        QFETCH(QString, pupil);
        QFETCH(QString, entry);
        QFETCH(QStringList, headings);

        QList<printlayout::Heading> made;
        if (print == u"text")
            made = printjobs::exerciseTextHeadings(textName);
        else if (print == u"errors")
            made = printjobs::wrongWordsHeadings(u"03.02.25"_s, pupil, textName);
        else
            made = printjobs::writtenTextHeadings(textName, pupil, entry);
        QCOMPARE(described(made), headings);
    }

    void folderPattern_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("pattern");

        QTest::addRow("folder and pattern") << u"%1/texte/*.txt"_s << u"%1/texte"_s << u"*.txt"_s;
        QTest::addRow("one file") << u"%1/texte/a.txt"_s << u"%1/texte"_s << u"a.txt"_s;
        QTest::addRow("an existing folder means its texts")
            << u"%1/texte"_s << u"%1/texte"_s << u"*.txt"_s;
        QTest::addRow("trailing separator") << u"%1/neu/"_s << u"%1/neu"_s << u"*.txt"_s;
        QTest::addRow("blanks around the path")
            << u"  %1/texte/*.txt "_s << u"%1/texte"_s << u"*.txt"_s;
    }
    void folderPattern()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QFETCH(QString, pattern);

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"texte"_s));
        const printjobs::FolderPattern split = printjobs::folderPattern(typed.arg(dir.path()));
        QCOMPARE(split.folder, folder.arg(dir.path()));
        QCOMPARE(split.pattern, pattern);
        QCOMPARE(printjobs::withFolder(typed.arg(dir.path()), u"/anders"_s),
                 u"/anders/"_s + pattern);
    }

    // Only regular files are printed, whatever else matches the pattern.
    void filesMatchingTakesOnlyRegularFiles()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char *name : {"b.txt", "A.TXT", ".versteckt.txt", "notiz.doc"})
            touch(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(folder.mkdir(u"ordner.txt"_s));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(u"rohr.txt"_s)).constData(), 0600), 0);
        QVERIFY(QFile::link(folder.filePath(u"fehlt"_s), folder.filePath(u"kaputt.txt"_s)));
        QVERIFY(QFile::link(folder.filePath(u"b.txt"_s), folder.filePath(u"verweis.txt"_s)));
#endif
        QStringList expected{folder.filePath(u".versteckt.txt"_s), folder.filePath(u"A.TXT"_s),
                             folder.filePath(u"b.txt"_s)};
#ifdef Q_OS_UNIX
        expected << folder.filePath(u"verweis.txt"_s);
#endif
        QCOMPARE(printjobs::filesMatching({dir.path(), u"*.txt"_s}), expected);
        QCOMPARE(printjobs::filesMatching({dir.path(), u"b.txt"_s}),
                 QStringList{folder.filePath(u"b.txt"_s)});
        QCOMPARE(printjobs::filesMatching({dir.path(), u"*.lbz"_s}), QStringList{});
        QCOMPARE(printjobs::filesMatching({folder.filePath(u"gibtsnicht"_s), u"*.txt"_s}),
                 QStringList{});
    }
};

QTEST_APPLESS_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
