#pragma once
// The praise file "lob.inf" in the start directory: one praise text a line, where
// "Name" stands for the pupil's first name.

#include "exercise/core/fileio.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace praise {

// The praise file's name in the start directory.
QString praiseFileName();
// The one praise left when the file yields none.
QString fallbackPraise();

// The praise texts of the file's text for a pupil's first name: every "Name" becomes
// the first name; without a first name (blanks alone are none) a line holding "Name"
// is dropped; empty lines are dropped; "Prima!" when nothing remains.
QStringList praiseLines(QStringView fileText, const QString &firstName);

// Reads the praise file: Windows-1252, or UTF-8 as exercise texts are.
std::optional<QStringList> readPraiseFile(const QString &path, const QString &firstName,
                                          IoError *error);

} // namespace praise
