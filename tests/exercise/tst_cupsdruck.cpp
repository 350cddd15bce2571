// A page printed through a real print queue: a CUPS server of the test's own with a
// cups-pdf queue, which turns the job into a PDF file in the user's folder "PDF".

#include "exercise/core/printlayout.h"
#include "exercise/ui/printing.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// cups-pdf's folder for the files of this user's jobs.
QString pdfFolder()
{
#ifdef Q_OS_UNIX
    return QFile::decodeName(getpwuid(geteuid())->pw_dir) + u"/PDF"_s;
#else
    return {};
#endif
}

} // namespace

class TestCupsDruck : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_skip; // why the queue is not there

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString startServer()
    {
#ifdef Q_OS_UNIX
        for (const char *needed : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin",
                                   "/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf"}) {
            if (!QFileInfo::exists(QString::fromLatin1(needed)))
                return u"cups or printer-driver-cups-pdf is not installed"_s;
        }
        if (geteuid() != 0)
            return u"cups-pdf writes its files only for a server run as root"_s;
        // The server's filters run as another user and must reach their folders.
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
        QDir(m_dir.path()).mkdir(u"tmp"_s);
        ::chmod(QFile::encodeName(path(u"tmp"_s)).constData(), 01777);
        testing::writeBytes(path(u"cupsd.conf"_s),
                            "Listen " + QFile::encodeName(path(u"cups.sock"_s)) +
                                "\nBrowsing No\n<Location />\nOrder allow,deny\nAllow all\n"
                                "</Location>\n<Policy default>\n<Limit All>\nOrder deny,allow\n"
                                "</Limit>\n</Policy>\n");
        testing::writeBytes(path(u"cups-files.conf"_s),
                            QStringLiteral("ServerRoot %1\nRequestRoot %1\nTempDir %1/tmp\n"
                                           "CacheDir %1\nStateDir %1\nErrorLog %1/error_log\n"
                                           "Sandboxing Relaxed\n")
                                .arg(m_dir.path())
                                .toLocal8Bit());
        m_server.start(u"/usr/sbin/cupsd"_s, {u"-f"_s, u"-c"_s, path(u"cupsd.conf"_s), u"-s"_s,
                                              path(u"cups-files.conf"_s)});
        QProcess admin;
        admin.setProcessChannelMode(QProcess::MergedChannels);
        // Until the server answers on its socket.
        const bool added =
            m_server.waitForStarted() && QTest::qWaitFor([&] {
                admin.start(u"/usr/sbin/lpadmin"_s,
                            {u"-p"_s, u"laufbahn"_s, u"-v"_s, u"cups-pdf:/"_s, u"-P"_s,
                             u"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"_s, u"-E"_s});
                return admin.waitForFinished() && admin.exitCode() == 0;
            });
        return added ? QString()
                     : u"no cups-pdf queue: "_s + QString::fromLocal8Bit(admin.readAll());
#else
        return u"printing through CUPS is tried on Linux"_s;
#endif
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // Read once, when the first printer is looked for; lpadmin inherits it.
        qputenv("CUPS_SERVER", QFile::encodeName(path(u"cups.sock"_s)));
        m_skip = startServer();
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }

    // The teacher prints from the preview: the page goes through the queue chosen in the
    // print dialog and comes out as a PDF file of one page.
    void pageGoesThroughARealQueue()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        const QString title = u"laufbahn-probe-%1"_s.arg(QCoreApplication::applicationPid());
        const printing::PrintJob job{title,
                                     {},
                                     QFont(u"Arial"_s, 20),
                                     [](QSize page, const printlayout::TextMetrics &metrics) {
                                         return printlayout::singlePrint(page, metrics, {},
                                                                         u"Der Hund bellt. #"_s);
                                     }};
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(u"laufbahn"_s);
        QVERIFY(printer.isValid());

        const QDir out(pdfFolder());
        const bool outExisted = out.exists();
        QString printed;
        const auto tidy = qScopeGuard([&] {
            QFile::remove(printed);
            if (!outExisted)
                QDir().rmdir(out.path());
        });

        printing::Druckvorschau preview(job, &printer);
        testing::answerNextDialog([&](QWidget *) {
            testing::answerNextDialog([](QWidget *dialog) {
                QVERIFY(qobject_cast<QPrintDialog *>(dialog));
                static_cast<QDialog *>(dialog)->accept();
            });
            preview.printAction()->trigger();
        });
        QCOMPARE(preview.exec(), int(QDialog::Accepted));

        // cups-pdf writes the file while the job runs; it is complete with its end mark.
        const bool arrived = QTest::qWaitFor(
            [&] {
                const QStringList files = out.entryList({u"*"_s + title + u"*.pdf"_s});
                printed = files.isEmpty() ? QString() : out.filePath(files.first());
                return !printed.isEmpty() &&
                       testing::fileBytes(printed).trimmed().endsWith("%%EOF");
            },
            90000);
        QVERIFY2(arrived, testing::fileBytes(path(u"error_log"_s)).right(2000).constData());
        QVERIFY(testing::fileBytes(printed).contains("/Count 1"));
    }
};

QTEST_MAIN(TestCupsDruck)
#include "tst_cupsdruck.moc"
