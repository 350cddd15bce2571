#pragma once
// The praise file "lob.inf" in the start directory: one praise text a line, where
// "Name" stands for the pupil's first name.

#include "exercise/core/fileio.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace praise {

// What a praise may hold: the first name as far as it goes into a praise, a praise
// line no longer than a screen line (after the name is put in), and a praise file far
// beyond any list of praise a class uses.
inline constexpr int maxFirstNameLength = 40;
inline constexpr int maxPraiseLength = 200;
inline constexpr qint64 maxPraiseFileBytes = 256 * 1024;

// The praise file's name in the start directory.
QString praiseFileName();
// The one praise left when the file yields none.
QString fallbackPraise();

// The praise texts of the file's text for a pupil's first name: every "Name" becomes
// the first name (its first 40 characters); without a first name (blanks alone are
// none) a line holding "Name" is dropped; empty lines and lines longer than 200
// characters with the name put in are dropped; "Prima!" when nothing remains.
QStringList praiseLines(QStringView fileText, const QString &firstName);

// Reads the praise file: Windows-1252, UTF-8 as exercise texts are, or UTF-16 or UTF-32
// with a byte order mark; a file larger
// than 256 KB is refused (IoError::TooLarge) without being read.
std::optional<QStringList> readPraiseFile(const QString &path, const QString &firstName,
                                          IoError *error);

} // namespace praise
