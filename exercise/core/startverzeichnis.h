#pragma once
// The start directory a teacher works in (~/Laufbahn unless named at start): made from
// the sample files the program ships with on the first start; a sample file shipped by
// a later version is added once; nothing the teacher has replaced, deleted or made is
// touched.

#include <QString>
#include <QStringList>

namespace startverzeichnis {

// The list, kept in the start directory, of the shipped files already offered to it:
// a file named there is not added again, even when the teacher has deleted it.
inline constexpr QLatin1StringView angebotenListe{".mitgeliefert"};

struct Vorbereitung {
    bool angelegt = false;    // the folder was made now
    QStringList hinzugefuegt; // shipped files copied in now, by name
    // What went wrong, as a German sentence that names the folder; empty when the
    // folder is there and takes files.
    QString fehler;
};

// The folder of the start directory when none is named: "Laufbahn" in the home folder.
QString standardOrdner();

// Makes `ordner` when it is missing, for its owner alone, and copies in every file of
// `mitgeliefert` that it was never offered. A file or a link of that name already there
// stays as it is, and so do the permissions of a folder that was there.
Vorbereitung vorbereiten(const QString &ordner, const QString &mitgeliefert);

} // namespace startverzeichnis
