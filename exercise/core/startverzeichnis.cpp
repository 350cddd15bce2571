#include "exercise/core/startverzeichnis.h"

#include "exercise/core/fileio.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace startverzeichnis {

namespace {

QString nativ(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The list is one name a line in UTF-8, as earlier versions wrote it. A missing list means
// nothing was offered yet; one that cannot be read as a list (a link, which is never
// written through, no regular file, not UTF-8) gives nothing: what the teacher deleted is
// unknown then, and nothing is brought back.
std::optional<QStringList> angeboteneDateien(const QString &liste)
{
    const QFileInfo info(liste);
    if (!info.exists() && !info.isSymLink())
        return QStringList();
    if (info.isSymLink() || !info.isFile())
        return std::nullopt;
    const std::optional<QByteArray> bytes = readWholeFile(liste, nullptr, 1 << 20);
    if (!bytes || bytes->contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(*bytes);
    if (utf8.hasError())
        return std::nullopt;
    QStringList namen = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString &name : namen) {
        if (name.endsWith(u'\r'))
            name.chop(1);
    }
    return namen;
}

// Whether the folder takes a new file: its permissions say nothing for root, so a
// file is made there and removed again.
bool nimmtDateienAn(const QString &ordner)
{
    QTemporaryFile probe(QDir(ordner).filePath(u".schreibprobe-XXXXXX"_s));
    return probe.open();
}

} // namespace

QString standardOrdner()
{
    return QDir(QDir::homePath()).filePath(u"Laufbahn"_s);
}

Vorbereitung vorbereiten(const QString &ordner, const QString &mitgeliefert)
{
    Vorbereitung ergebnis;
    const QDir ziel(ordner);
    if (!QFileInfo(ordner).isDir()) {
        // Only its owner sees the pupils' records in it; a folder that is there already
        // keeps what the teacher gave it.
        const QString absolut = QFileInfo(ordner).absoluteFilePath();
        if (QFileInfo::exists(ordner) || !QDir().mkpath(QFileInfo(absolut).path()) ||
            !QDir().mkdir(absolut, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner)) {
            ergebnis.fehler =
                u"Der Startordner „%1“ kann nicht angelegt werden."_s.arg(nativ(ordner));
            return ergebnis;
        }
        ergebnis.angelegt = true;
    }
    if (!nimmtDateienAn(ordner)) {
        ergebnis.fehler =
            u"Im Startordner „%1“ können keine Dateien angelegt werden: neue "
            u"Schüler und Texte lassen sich dort nicht speichern."_s.arg(nativ(ordner));
        return ergebnis;
    }

    if (!QFileInfo(mitgeliefert).isDir()) {
        ergebnis.fehler = u"Die mitgelieferten Beispieldateien fehlen („%1“); der Startordner "
                          u"„%2“ bleibt, wie er ist."_s.arg(nativ(mitgeliefert), nativ(ordner));
        return ergebnis;
    }

    const QString liste = ziel.filePath(angebotenListe);
    const std::optional<QStringList> gelesen = angeboteneDateien(liste);
    if (!gelesen) {
        ergebnis.fehler = u"Die Liste „%1“ im Startordner „%2“ ist beschädigt oder keine Datei: "
                          u"mitgelieferte Beispieldateien werden erst wieder hinzugefügt, wenn "
                          u"sie entfernt ist."_s.arg(angebotenListe, nativ(ordner));
        return ergebnis;
    }
    const QStringList &angeboten = *gelesen;
    QStringList neuAngeboten;
    const QFileInfoList dateien =
        QDir(mitgeliefert)
            .entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &datei : dateien) {
        const QString name = datei.fileName();
        if (name == angebotenListe || angeboten.contains(name))
            continue;
        const QFileInfo vorhanden(ziel.filePath(name));
        if (!vorhanden.exists() && !vorhanden.isSymLink()) {
            IoError fehler;
            const std::optional<QByteArray> bytes = readWholeFile(datei.filePath(), &fehler);
            if (bytes)
                fehler = writeFileAtomically(vorhanden.filePath(), *bytes).io;
            if (fehler.failed()) {
                // Not listed, so the next start offers it again.
                ergebnis.fehler =
                    u"Die Beispieldatei „%1“ kann nicht in den Startordner "
                    u"„%2“ kopiert werden: %3."_s.arg(name, nativ(ordner), fehler.message());
                continue;
            }
            ergebnis.hinzugefuegt << name;
        }
        neuAngeboten << name;
    }

    if (!neuAngeboten.isEmpty()) {
        const QString text = (angeboten + neuAngeboten).join(u'\n') + u'\n';
        if (const IoError fehler = writeFileAtomically(liste, text.toUtf8()).io; fehler.failed())
            ergebnis.fehler = u"Im Startordner „%1“ kann die Liste „%2“ nicht geschrieben "
                              u"werden: %3."_s.arg(nativ(ordner), angebotenListe, fehler.message());
    }
    return ergebnis;
}

} // namespace startverzeichnis
