#pragma once
// The program's one text codec: Windows-1252 bytes <-> QString, one QChar per byte.
// Every file the program reads or writes passes through here and nowhere else.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace ansi {

// The character of a Windows-1252 byte. The five codes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay the C1 control characters of the
// same number, so every byte survives a round trip.
QChar fromByte(uchar byte);

// The byte of a character, or -1 when Windows-1252 cannot hold it.
int toByte(QChar ch);

inline bool canEncode(QChar ch)
{
    return toByte(ch) >= 0;
}

QString decode(QByteArrayView bytes);

// Encodes text. A character Windows-1252 cannot hold is never replaced silently:
// the result is empty and `unencodable` (when given) lists each such character once,
// in the order they first occur. Use `unencodableCharacters` to check beforehand.
struct Encoded {
    QByteArray bytes;
    QString unencodable;
    bool ok() const { return unencodable.isEmpty(); }
};
Encoded encode(QStringView text);

QString unencodableCharacters(QStringView text);

// Lines as they stand in a file: every line followed by CR LF.
Encoded encodeLines(const QStringList &lines);
// The same for lines joined by "\n": `hasLines` tells an empty text that holds one empty
// line (written as CR LF) from one that holds none (written as nothing).
Encoded encodeJoinedLines(QStringView joined, bool hasLines);

// Splits file bytes into lines; CR LF, LF and a lone CR each end a line. A final line
// without a line end still counts; a file that ends with a line end has no empty
// line after it.
QStringList decodeLines(QByteArrayView bytes);
// The same lines joined by "\n", in one pass; `starts` (when given) gets the index of
// each line's first character, one entry per line.
QString decodeJoinedLines(QByteArrayView bytes, std::vector<qsizetype> *starts = nullptr);

// Character sets of outside libraries that take 8-bit text (the hyphenation patterns
// name theirs on their first line: "ISO8859-1", "UTF-8").
enum class Charset { Latin1, Utf8, Unsupported };
Charset charsetNamed(QByteArrayView name);
// Writes `text` in `charset` to `out`, which holds at least 3 bytes a character, and
// per character the index of its last byte to `lastByte`. The number of bytes written,
// or -1 when the set cannot hold a character of `text`. Allocates nothing: it runs once
// for every word of a text.
qsizetype encodeIn(QStringView text, Charset charset, char *out, qsizetype *lastByte);

} // namespace ansi
