#pragma once
// Exercise text files (".txt", and the old DOS ".lbz" texts): the editor's lines,
// each followed by CR LF, no header and no trailer.

#include "exercise/core/fileio.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace textfile {

// File bytes -> editor text (lines joined by "\n"). Windows-1252 unless the bytes are
// valid UTF-8 holding non-ASCII characters (a text from a modern editor).
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
// characters Windows-1252 cannot store, nothing is written, false is returned and
// `unencodable` lists them (error stays clear); a file error fills `error`.
bool writeText(const QString &path, QStringView text, IoError *error, QString *unencodable);

} // namespace textfile
