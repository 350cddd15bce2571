#pragma once
// Files a test prepares or checks byte by byte, and where the shipped and the
// hand-written reference files are found.

#include <QByteArray>
#include <QString>

namespace testing {

// The whole file, or "<missing>" when it cannot be read, so that a file that is gone
// never passes for an empty one.
QByteArray fileBytes(const QString &path);

// Writes `bytes` as the whole file; fails the running test when that is not possible.
void writeBytes(const QString &path, const QByteArray &bytes);

// A file of the start directory the program ships with ($LAUFBAHN_DATA).
QString shippedFile(const QString &name);

// A reference file under tests/data ($LAUFBAHN_TEST_DATA).
QString testDataFile(const QString &name);

} // namespace testing
