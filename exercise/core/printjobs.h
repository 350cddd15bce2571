#pragma once
// What the main window's prints put on paper: the buffer a text is printed from, the
// headings of the exercise text, the wrong words and the written text, and the files a
// folder print takes.

#include "exercise/core/printlayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace printjobs {

// At most the first 8000 characters of `text`, every character below a blank turned into
// a blank (so line breaks print as blanks), then " #"; with `withoutMarks` every "$",
// "&" and "§" is taken out as well.
QString printBuffer(QStringView text, bool withoutMarks);

// The headings of the three single prints. `textName` is the name of the loaded text,
// empty unless a named text is loaded; `pupil` is the pupil's full name, empty when no
// pupil is loaded.
QList<printlayout::Heading> exerciseTextHeadings(const QString &textName);
// `date` in the host's short format.
QList<printlayout::Heading> wrongWordsHeadings(const QString &date, const QString &pupil,
                                               const QString &textName);
// `selectedEntry`: the past exercise selected in the pupil's list, empty when none.
QList<printlayout::Heading> writtenTextHeadings(const QString &textName, const QString &pupil,
                                                const QString &selectedEntry);

// A folder print's typed path: a folder and a file pattern. A path that names a folder,
// or ends in a separator, means the texts ("*.txt") in it.
struct FolderPattern {
    QString folder;
    QString pattern;
};
FolderPattern folderPattern(const QString &typed);
// The same path with another folder, its pattern kept.
QString withFolder(const QString &typed, const QString &folder);

// The regular files in the folder whose names match the pattern (as on Windows, without
// regard to case), hidden ones included, sorted by name; folders, pipes, devices and
// broken links are left out.
QStringList filesMatching(const FolderPattern &pattern);

} // namespace printjobs
