#pragma once
// A class folder on a school's share as two user accounts see it: the teacher's may make
// files there, a pupil's may only write the files already there. Programs started here
// run as those users, so copies of the program with different rights write one folder.
// Only root can hand out files and switch users: `bereit()` is false elsewhere.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace testing {

class Klassenordner {
public:
    enum class Konto { Lehrer, Schueler };

    Klassenordner();
    bool bereit() const { return m_bereit; }
    QString datei(const QString &name) const;
    // A file there that the teacher owns and every account may write.
    bool ablegen(const QString &name, const QByteArray &bytes);
    // Starts the test program `programm` (built beside the running test) as the account.
    std::unique_ptr<QProcess> starten(Konto konto, const QString &programm,
                                      const QStringList &argumente);

private:
    QTemporaryDir m_temp;
    // The test programs, copied where every account reaches them: the build folder may lie
    // where the other accounts cannot go.
    QTemporaryDir m_programme;
    QString m_ordner;
    bool m_bereit = false;
};

} // namespace testing
