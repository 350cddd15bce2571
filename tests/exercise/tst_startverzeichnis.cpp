#include "exercise/core/startverzeichnis.h"

#include "exercise/core/fileio.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using testing::fileBytes;
using testing::writeBytes;

class TestStartverzeichnis : public QObject {
    Q_OBJECT
private slots:
    // A teacher's folder over several starts and program versions.
    void startsOfATeachersFolder()
    {
        QTemporaryDir root;
        QDir(root.path()).mkdir(u"share"_s);
        const QString shipped = root.filePath(u"share"_s);
        const QString folder = root.filePath(u"home/Laufbahn"_s);
        writeBytes(shipped + u"/Woerter.txt"_s, "H$u$nd\r\n");
        writeBytes(shipped + u"/lob.inf"_s, "Toll, Name!\r\n");

        // First start: made from the shipped files, byte for byte.
        startverzeichnis::Vorbereitung first = startverzeichnis::vorbereiten(folder, shipped);
        QVERIFY2(first.fehler.isEmpty(), qPrintable(first.fehler));
        QVERIFY(first.angelegt);
        QCOMPARE(first.hinzugefuegt, (QStringList{u"Woerter.txt"_s, u"lob.inf"_s}));
        QCOMPARE(fileBytes(folder + u"/Woerter.txt"_s), QByteArray("H$u$nd\r\n"));

        // The teacher changes one file and deletes the other; a later version ships a
        // new picture and a changed text.
        writeBytes(folder + u"/Woerter.txt"_s, "Katze\r\n");
        QVERIFY(QFile::remove(folder + u"/lob.inf"_s));
        writeBytes(shipped + u"/Woerter.txt"_s, "M$au$s\r\n");
        writeBytes(shipped + u"/Sonne.bmp"_s, "BM");
        const startverzeichnis::Vorbereitung later = startverzeichnis::vorbereiten(folder, shipped);
        QVERIFY2(later.fehler.isEmpty(), qPrintable(later.fehler));
        QVERIFY(!later.angelegt);
        QCOMPARE(later.hinzugefuegt, QStringList{u"Sonne.bmp"_s});
        QCOMPARE(fileBytes(folder + u"/Woerter.txt"_s), QByteArray("Katze\r\n"));
        QVERIFY(!QFile::exists(folder + u"/lob.inf"_s));

        // Offered once: deleted again, it stays deleted.
        QVERIFY(QFile::remove(folder + u"/Sonne.bmp"_s));
        QVERIFY(startverzeichnis::vorbereiten(folder, shipped).hinzugefuegt.isEmpty());
        QVERIFY(!QFile::exists(folder + u"/Sonne.bmp"_s));

        // A file the teacher made before it was ever shipped is the teacher's.
        writeBytes(folder + u"/Ostern.txt"_s, "Ei\r\n");
        writeBytes(shipped + u"/Ostern.txt"_s, "H$a$se\r\n");
        QVERIFY(startverzeichnis::vorbereiten(folder, shipped).hinzugefuegt.isEmpty());
        QCOMPARE(fileBytes(folder + u"/Ostern.txt"_s), QByteArray("Ei\r\n"));
        writeBytes(shipped + u"/Neu.txt"_s, "neu\r\n");

        // A folder that takes no file, and one that cannot be made, are named.
        {
            testing::WriteProtection guard(folder);
            if (!guard.holds())
                QSKIP("nothing here write-protects a folder for this user");
            const startverzeichnis::Vorbereitung locked =
                startverzeichnis::vorbereiten(folder, shipped);
            QVERIFY(locked.fehler.contains(QDir::toNativeSeparators(folder)));
            QVERIFY(locked.hinzugefuegt.isEmpty());
        }
        QCOMPARE(startverzeichnis::vorbereiten(folder, shipped).hinzugefuegt,
                 QStringList{u"Neu.txt"_s});
        const QString underAFile = folder + u"/Neu.txt/Laufbahn"_s;
        const startverzeichnis::Vorbereitung unmade =
            startverzeichnis::vorbereiten(underAFile, shipped);
        QVERIFY(unmade.fehler.contains(QDir::toNativeSeparators(underAFile)));
    }

    // A list of what was offered that cannot be read as one: it is never written (nor
    // what a link there names), and nothing the teacher deleted comes back.
    void listThatIsNoListBringsNothingBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("a link to a file elsewhere") << u"link"_s;
        QTest::addRow("not UTF-8") << u"binary"_s;
        QTest::addRow("a folder") << u"folder"_s;
    }
    void listThatIsNoListBringsNothingBack()
    {
        QFETCH(QString, kind);
        QTemporaryDir root;
        QDir(root.path()).mkdir(u"share"_s);
        const QString shipped = root.filePath(u"share"_s);
        const QString folder = root.filePath(u"Laufbahn"_s);
        writeBytes(shipped + u"/Woerter.txt"_s, "H$u$nd\r\n");
        QVERIFY(startverzeichnis::vorbereiten(folder, shipped).fehler.isEmpty());
        QVERIFY(QFile::remove(folder + u"/Woerter.txt"_s));
        const QString liste = folder + u"/.mitgeliefert"_s;
        const QString elsewhere = root.filePath(u"notizen.txt"_s);
        writeBytes(elsewhere, "Notizen\n");
        QVERIFY(QFile::remove(liste));
        if (kind == u"link"_s)
            QVERIFY(QFile::link(elsewhere, liste));
        else if (kind == u"binary"_s)
            writeBytes(liste, "Woerter.txt\n\xff\xfe\n");
        else
            QVERIFY(QDir().mkdir(liste));
        const QByteArray before = fileBytes(liste);
        writeBytes(shipped + u"/Neu.txt"_s, "neu\r\n");

        const startverzeichnis::Vorbereitung later = startverzeichnis::vorbereiten(folder, shipped);
        QVERIFY(later.fehler.contains(QDir::toNativeSeparators(folder)));
        QVERIFY(later.hinzugefuegt.isEmpty());
        QVERIFY(!QFile::exists(folder + u"/Woerter.txt"_s));
        QCOMPARE(fileBytes(liste), before);
        QCOMPARE(fileBytes(elsewhere), QByteArray("Notizen\n"));
        QCOMPARE(QFileInfo(liste).isSymLink(), kind == u"link"_s);
    }

    // The first copy fills the disk: the teacher is told that the disk with the start
    // folder is full, and the file not copied is offered again at the next start.
    void fullDiskIsNamed()
    {
        QTemporaryDir root;
        QDir(root.path()).mkdir(u"share"_s);
        QDir(root.path()).mkdir(u"disk"_s);
        const QString shipped = root.filePath(u"share"_s);
        testing::SmallDisk disk(root.filePath(u"disk"_s), 256);
        if (!disk.holds())
            QSKIP("only root can mount a small disk here");
        const QString folder = root.filePath(u"disk/Laufbahn"_s);
        writeBytes(shipped + u"/Bild.bmp"_s, QByteArray(1 << 20, 'B'));
        writeBytes(shipped + u"/Woerter.txt"_s, "H$u$nd\r\n");

        const startverzeichnis::Vorbereitung first = startverzeichnis::vorbereiten(folder, shipped);
        QVERIFY2(first.fehler.contains(IoError{IoError::DiskFull, folder}.message()),
                 qPrintable(first.fehler));
        QCOMPARE(first.hinzugefuegt, QStringList{u"Woerter.txt"_s});
        QVERIFY(!QFile::exists(folder + u"/Bild.bmp"_s));
        writeBytes(shipped + u"/Bild.bmp"_s, "BM");
        QCOMPARE(startverzeichnis::vorbereiten(folder, shipped).hinzugefuegt,
                 QStringList{u"Bild.bmp"_s});
    }

    // Pupils' records are personal: a new start directory and the files made in it are
    // its owner's alone, a folder the teacher had keeps its permissions, and a class
    // folder shared on purpose (its group may write) shares the new files with the group.
    void permissionsOfNewFolderAndFiles_data()
    {
        QTest::addColumn<int>("vorher"); // the folder's mode before the start; 0: missing
        QTest::addColumn<int>("ordner");
        QTest::addColumn<int>("datei");
        QTest::newRow("new folder") << 0 << 0700 << 0600;
        QTest::newRow("the teacher's folder") << 0755 << 0755 << 0600;
        // The umask 022 still takes the group's write permission away.
        QTest::newRow("class folder shared on purpose") << 02770 << 02770 << 0640;
    }
    void permissionsOfNewFolderAndFiles()
    {
#ifdef Q_OS_UNIX
        QFETCH(int, vorher);
        QFETCH(int, ordner);
        QFETCH(int, datei);
        const mode_t umaskVorher = ::umask(022);
        const auto zurueck = qScopeGuard([umaskVorher] { ::umask(umaskVorher); });
        QTemporaryDir root;
        QDir(root.path()).mkdir(u"share"_s);
        const QString shipped = root.filePath(u"share"_s);
        writeBytes(shipped + u"/Woerter.txt"_s, "H$u$nd\r\n");
        const QString folder = root.filePath(u"home/Laufbahn"_s);
        if (vorher != 0) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(vorher)), 0);
        }

        const startverzeichnis::Vorbereitung start = startverzeichnis::vorbereiten(folder, shipped);
        QVERIFY2(start.fehler.isEmpty(), qPrintable(start.fehler));
        QCOMPARE(start.hinzugefuegt, QStringList{u"Woerter.txt"_s});
        const auto mode = [](const QString &path) {
            struct stat st {};
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777)
                                                                         : -1;
        };
        QCOMPARE(mode(folder), ordner);
        QCOMPARE(mode(folder + u"/Woerter.txt"_s), datei);
        QCOMPARE(mode(folder + u'/' + startverzeichnis::angebotenListe), datei);

        // A file the teacher opened to others on purpose stays so when it is written again.
        QCOMPARE(::chmod(QFile::encodeName(folder + u"/Woerter.txt"_s).constData(), 0644), 0);
        QVERIFY(writeFileAtomically(folder + u"/Woerter.txt"_s, "Katze\r\n").ok());
        QCOMPARE(mode(folder + u"/Woerter.txt"_s), 0644);
#else
        QSKIP("file modes are POSIX");
#endif
    }
};

QTEST_GUILESS_MAIN(TestStartverzeichnis)
#include "tst_startverzeichnis.moc"
