#include "exercise/core/fileio.h"

#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

class TestFileIo : public QObject {
    Q_OBJECT
private slots:
    void readErrorsCarryTheirRuntimeMessages()
    {
        QTemporaryDir dir;
        IoError error;
        QVERIFY(!readWholeFile(dir.filePath(u"fehlt.txt"_s), &error));
        QCOMPARE(error.message(), u"Datei nicht gefunden"_s);
        QVERIFY(!readWholeFile(dir.filePath(u"kein/ordner.txt"_s), &error));
        QCOMPARE(error.code, int(IoError::PathNotFound));
        QCOMPARE(error.message(), u"E/A-Fehler 3"_s);
        QCOMPARE(IoError{IoError::ReadPastEnd}.message(),
                 u"Versuch hinter dem Dateiende zu lesen"_s);
        QCOMPARE(IoError{IoError::AccessDenied}.message(), u"Dateizugriff verweigert"_s);
    }

    void atomicWriteReplacesOrKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"text.txt"_s);
        IoError error;
        QVERIFY(writeFileAtomically(path, "alt\r\n").ok());
        QVERIFY(writeFileAtomically(path, "neu\r\n").ok());
        QCOMPARE(*readWholeFile(path, &error), QByteArray("neu\r\n"));

        // Writing into a folder that is gone fails and reports it.
        QCOMPARE(writeFileAtomically(dir.filePath(u"weg/text.txt"_s), "x").io.code,
                 int(IoError::PathNotFound));

        // A folder where the file should be is refused, and nothing is left behind.
        QVERIFY(QDir(dir.path()).mkdir(u"ordner.txt"_s));
        QVERIFY(writeFileAtomically(dir.filePath(u"ordner.txt"_s), "x").io.failed());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"text.txt"_s});
    }

    void writingWhereTheFolderOrTheFileIsProtected_data()
    {
        QTest::addColumn<bool>("folderProtected");
        QTest::addColumn<bool>("fileProtected");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("message");
        const QByteArray old = "Anna\r\n~e1\r\nHund\r\n";
        QTest::addRow("new file in a read-only folder")
            << true << false << QByteArray() << old << u"Dateizugriff verweigert"_s;
        QTest::addRow("writable file in a read-only folder: appended in place")
            << true << false << old << old + "~e2\r\nKatze\r\n"
            << QString();
        QTest::addRow("writable file in a read-only folder: shortened in place")
            << true << false << old << QByteArray("Anna\r\n~e1\r\n") << QString();
        QTest::addRow("writable file in a read-only folder: changed in the middle")
            << true << false << old << QByteArray("Anna\r\n~e1\r\nhund\r\n") << QString();
        QTest::addRow("read-only file in a writable folder")
            << false << true << old << old + "~e2\r\n"
            << u"Dateizugriff verweigert"_s;
        QTest::addRow("read-only file in a read-only folder")
            << true << true << old << old + "~e2\r\n"
            << u"Dateizugriff verweigert"_s;
    }
    void writingWhereTheFolderOrTheFileIsProtected()
    {
        QFETCH(bool, folderProtected);
        QFETCH(bool, fileProtected);
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, written);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Anna.lbs"_s);
        QVERIFY(old.isEmpty() || writeFileAtomically(path, old).ok());
        std::optional<testing::WriteProtection> folder;
        std::optional<testing::WriteProtection> file;
        if (fileProtected)
            file.emplace(path);
        if (folderProtected)
            folder.emplace(dir.path());
        if ((folder && !folder->holds()) || (file && !file->holds()))
            QSKIP("nothing here write-protects a folder or a file for this user");

        const WriteResult result = writeFileAtomically(path, written);
        QCOMPARE(result.io.failed() ? result.io.message() : QString(), message);
        QCOMPARE(result.ok(), message.isEmpty());
        QCOMPARE(testing::fileBytes(path),
                 message.isEmpty() ? written : (old.isEmpty() ? QByteArray("<missing>") : old));
        folder.reset();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 old.isEmpty() ? QStringList() : QStringList{u"Anna.lbs"_s});
    }

    // What stands at the path is no regular file, or a link to none (a pipe stands in
    // for a device): a write is refused, changes nothing there and makes no file, and a
    // read is refused at once instead of waiting for a writer of the pipe.
    void onlyRegularFilesAreWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("a pipe") << u"pipe"_s;
        QTest::addRow("a link to a pipe") << u"link to pipe"_s;
        QTest::addRow("a link to a folder") << u"link to folder"_s;
        QTest::addRow("a dangling link") << u"dangling link"_s;
    }
    void onlyRegularFilesAreWritten()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString pipe = dir.filePath(u"pipe"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
        const QString path = kind == u"pipe"_s ? pipe : dir.filePath(u"Mia.opt"_s);
        const QString target = kind == u"link to pipe"_s     ? pipe
                               : kind == u"link to folder"_s ? dir.filePath(u"ordner"_s)
                                                             : dir.filePath(u"nirgends"_s);
        if (path != pipe)
            QVERIFY(QFile::link(target, path));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System |
                                                              QDir::NoDotAndDotDot);

        IoError error = writeFileAtomically(path, "Einstellungen").io;
        QCOMPARE(error.code, int(IoError::AccessDenied));
        QVERIFY(!readWholeFile(path, &error));
        QVERIFY(error.failed());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 before);
        QVERIFY(!QFileInfo(pipe).isFile());
        QVERIFY(QFileInfo(pipe).exists());
        if (path != pipe)
            QCOMPARE(QFileInfo(path).symLinkTarget(), target);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"nirgends"_s)));
        QVERIFY(QDir(dir.filePath(u"ordner"_s)).isEmpty());
#else
        QSKIP("no named pipes in the file system here");
#endif
    }

    void devicesAreNotReadAsFiles()
    {
        // Chosen through "alle Dateien": an endless device must not fill the memory.
        if (!QFileInfo::exists(u"/dev/zero"_s))
            QSKIP("no /dev/zero here");
        IoError error;
        QVERIFY(!readFileStart(u"/dev/zero"_s, 16, &error));
        QCOMPARE(error.message(), u"Dateizugriff verweigert"_s);
        QVERIFY(!readWholeFile(u"/dev/null"_s, &error));
        QCOMPARE(error.message(), u"Dateizugriff verweigert"_s);
    }
};

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
