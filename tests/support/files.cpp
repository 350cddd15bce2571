#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace testing {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString shippedFile(const QString &name)
{
    return QDir(qEnvironmentVariable("LAUFBAHN_DATA")).filePath(name);
}

QString testDataFile(const QString &name)
{
    return QDir(qEnvironmentVariable("LAUFBAHN_TEST_DATA")).filePath(name);
}

namespace {

QFileDevice::Permissions writable(const QString &path)
{
    const QFileDevice::Permissions read = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    return QFileInfo(path).isDir() ? read | QFileDevice::ExeOwner : read;
}

bool refusesWriting(const QString &path)
{
    if (QFileInfo(path).isDir()) {
        QFile probe(QDir(path).filePath(QStringLiteral("probe-write-protection")));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }
    QFile probe(path);
    return !probe.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool setImmutable(const QString &path, bool on)
{
    QProcess chattr;
    chattr.start(QStringLiteral("chattr"),
                 {on ? QStringLiteral("+i") : QStringLiteral("-i"), path});
    return chattr.waitForFinished() && chattr.exitStatus() == QProcess::NormalExit &&
           chattr.exitCode() == 0;
}

} // namespace

WriteProtection::WriteProtection(const QString &path) : m_path(path)
{
    QFile::setPermissions(path, writable(path) & ~(QFileDevice::WriteOwner));
    m_holds = refusesWriting(path);
    if (!m_holds) {
        QFile::setPermissions(path, writable(path));
        m_immutable = setImmutable(path, true);
        m_holds = m_immutable && refusesWriting(path);
    }
}

WriteProtection::~WriteProtection()
{
    if (m_immutable)
        setImmutable(m_path, false);
    QFile::setPermissions(m_path, writable(m_path));
}

SmallDisk::SmallDisk(const QString &path, int kib) : m_path(path)
{
#ifdef Q_OS_LINUX
    const QByteArray size = "size=" + QByteArray::number(kib) + "k";
    m_holds = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                      size.constData()) == 0;
#else
    Q_UNUSED(kib);
#endif
}

SmallDisk::~SmallDisk()
{
#ifdef Q_OS_LINUX
    if (m_holds)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
#endif
}

} // namespace testing
