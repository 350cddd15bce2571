#include "tests/support/klassenordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace testing {
namespace {

// Accounts no one logs in with; they need not exist to own files or run programs.
constexpr unsigned lehrer = 47110;
constexpr unsigned schueler = 47111;

QString oberordner()
{
    // Every account reaches it, wherever the test itself was built.
    const QString ramDisk = u"/dev/shm"_s;
    return QFileInfo(ramDisk).isWritable() ? ramDisk : u"/tmp"_s;
}

bool fuerAlleLesbar(const QString &pfad, QFileDevice::Permissions dazu = {})
{
    return QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther | dazu);
}

} // namespace

Klassenordner::Klassenordner()
    : m_temp(oberordner() + u"/laufbahn-klasse-XXXXXX"_s),
      m_programme(u"/tmp/laufbahn-programme-XXXXXX"_s)
{
#ifdef Q_OS_UNIX
    if (::geteuid() != 0 || !m_temp.isValid() || !m_programme.isValid())
        return;
    m_ordner = m_temp.filePath(u"Klasse"_s);
    m_bereit = fuerAlleLesbar(m_temp.path()) && fuerAlleLesbar(m_programme.path()) &&
               QDir().mkdir(m_ordner) &&
               fuerAlleLesbar(m_ordner) &&
               ::chown(QFile::encodeName(m_ordner).constData(), lehrer, lehrer) == 0;
#endif
}

QString Klassenordner::datei(const QString &name) const
{
    return QDir(m_ordner).filePath(name);
}

bool Klassenordner::ablegen(const QString &name, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    QFile file(datei(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                               QFileDevice::ReadOther | QFileDevice::WriteOther) &&
           ::chown(QFile::encodeName(file.fileName()).constData(), lehrer, lehrer) == 0;
#else
    Q_UNUSED(name);
    Q_UNUSED(bytes);
    return false;
#endif
}

std::unique_ptr<QProcess> Klassenordner::starten(Konto konto, const QString &programm,
                                                 const QStringList &argumente)
{
    const auto kopieren = [this](const QString &datei) {
        const QString kopie = m_programme.filePath(QFileInfo(datei).fileName());
        if (!QFileInfo::exists(kopie)) {
            QFile::copy(datei, kopie);
            fuerAlleLesbar(kopie);
        }
        return kopie;
    };
    const QString kopie = kopieren(QCoreApplication::applicationDirPath() + u'/' + programm);
    // The sanitizers' suppression files, too, must be readable for the account.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"LSAN_OPTIONS"_s, u"ASAN_OPTIONS"_s, u"UBSAN_OPTIONS"_s}) {
        if (!umgebung.contains(name))
            continue;
        QStringList optionen = umgebung.value(name).split(u':');
        for (QString &option : optionen) {
            if (option.startsWith(u"suppressions="_s))
                option = u"suppressions="_s + kopieren(option.sliced(13));
        }
        umgebung.insert(name, optionen.join(u':'));
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(umgebung);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_UNIX
    const unsigned id = konto == Konto::Lehrer ? lehrer : schueler;
    process->setChildProcessModifier([id] {
        // The share makes every new file writable for the class, as its own mask would.
        ::umask(0);
        if (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0)
            ::_exit(126);
    });
#else
    Q_UNUSED(konto);
#endif
    process->start(kopie, argumente);
    return process;
}

} // namespace testing
