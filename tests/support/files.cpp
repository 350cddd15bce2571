#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QTest>

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

} // namespace testing
