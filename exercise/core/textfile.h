#pragma once
// Exercise text files (".txt", and the old DOS ".lbz" texts): the editor's lines,
// each followed by CR LF, no header and no trailer.

#include "exercise/core/fileio.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace textfile {

// The largest exercise text read, far beyond any text a class works with; a larger
// file is refused (IoError::TooLarge) before it is read.
constexpr qint64 maxTextBytes = 16 * 1024 * 1024;

// File bytes -> editor text (lines joined by "\n"; CR LF, LF and a lone CR end a line).
// UTF-8 when the bytes start with a UTF-8 byte order mark, or when they are valid UTF-8
// with at least one non-ASCII character and every character fits Windows-1252 (a text
// from a modern editor); Windows-1252 otherwise.
QString decodeText(QByteArrayView bytes);

std::optional<QString> readText(const QString &path, IoError *error);

// Old DOS texts (".lbz"): the bytes are taken one by one, never as UTF-8 (their umlaut
// bytes could form a valid UTF-8 sequence), and the whole text is converted with
// markup::convertOldFormat.
QString decodeOldText(QByteArrayView bytes);
// A name with the old texts' extension ".lbz": such a file holds an old DOS text.
bool isOldTextName(QStringView name);
std::optional<QString> readOldText(const QString &path, IoError *error);

// Writes the editor text atomically, each line followed by CR LF. When the text holds
// characters Windows-1252 cannot store, nothing is written and the result lists them.
[[nodiscard]] WriteResult writeText(const QString &path, QStringView text);

} // namespace textfile
