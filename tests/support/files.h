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

// A reference file under tests/data ($LAUFBAHN_TEST_DATA), and its bytes.
QString testDataFile(const QString &name);
inline QByteArray testDataBytes(const QString &name)
{
    return fileBytes(testDataFile(name));
}

// Write-protects a folder (it takes no new file) or a file (it cannot be written) while
// the guard lives: by its permissions, or, where they do not bind (root), by the file
// system's immutable flag. `holds()` is false when neither works here.
class WriteProtection {
public:
    explicit WriteProtection(const QString &path);
    ~WriteProtection();
    WriteProtection(const WriteProtection &) = delete;
    WriteProtection &operator=(const WriteProtection &) = delete;
    bool holds() const { return m_holds; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_holds = false;
};

// A file system in memory of `kib` KiB mounted on the folder `path` while the guard lives,
// to fill a disk without filling the computer's. Only root can mount it: `holds()` is
// false elsewhere.
class SmallDisk {
public:
    SmallDisk(const QString &path, int kib);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;
    bool holds() const { return m_holds; }

private:
    QString m_path;
    bool m_holds = false;
};

} // namespace testing
