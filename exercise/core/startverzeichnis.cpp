#include "exercise/core/startverzeichnis.h"

#include "exercise/core/fileio.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace startverzeichnis {

namespace {

QString nativ(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The list is one name a line, as earlier versions wrote it.
QStringList angeboteneDateien(const QString &liste)
{
    const std::optional<QByteArray> bytes = readWholeFile(liste, nullptr, 1 << 20);
    if (!bytes)
        return {};
    QStringList namen = QString::fromUtf8(*bytes).split(u'\n', Qt::SkipEmptyParts);
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
        if (QFileInfo::exists(ordner) || !QDir().mkpath(ordner)) {
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
    const QStringList angeboten = angeboteneDateien(liste);
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
