#include "exercise/core/textfile.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace textfile {
namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

bool holdsNonAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) >= 0x80; });
}

bool fitsWindows1252(QStringView text)
{
    return std::all_of(text.begin(), text.end(), ansi::canEncode);
}

// Lines end in CR LF, LF or a lone CR, as the editor takes them; a final line end
// opens no empty line. One pass: a text of many short lines is read as fast as one line.
QString joinLines(QStringView text)
{
    QString lines(text.size(), Qt::Uninitialized);
    QChar *out = lines.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            *out++ = text[i];
            continue;
        }
        *out++ = u'\n';
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    if (out != lines.data() && out[-1] == u'\n')
        --out;
    lines.truncate(out - lines.data());
    return lines;
}

} // namespace

QString decodeText(QByteArrayView bytes)
{
    const bool marked = bytes.startsWith(utf8Bom);
    if (marked)
        bytes = bytes.sliced(utf8Bom.size());
    // The program's own files are Windows-1252, and some of their byte pairs are
    // valid UTF-8 too ("Ü§" is DC A7), but then mostly for characters far outside
    // Windows-1252 (U+0727). So a file without a byte order mark counts as UTF-8 only
    // when every character it decodes to could stand in a Windows-1252 file.
    if (holdsNonAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError() && (marked || fitsWindows1252(text)))
            return joinLines(text);
    }
    return joinLines(ansi::decode(bytes));
}

std::optional<QString> readText(const QString &path, IoError *error)
{
    const std::optional<QByteArray> bytes = readWholeFile(path, error, maxTextBytes);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

QString decodeOldText(QByteArrayView bytes)
{
    return markup::convertOldFormat(joinLines(ansi::decode(bytes)));
}

bool isOldTextName(QStringView name)
{
    return name.endsWith(u".lbz", Qt::CaseInsensitive);
}

std::optional<QString> readOldText(const QString &path, IoError *error)
{
    const std::optional<QByteArray> bytes = readWholeFile(path, error, maxTextBytes);
    if (!bytes)
        return std::nullopt;
    return decodeOldText(*bytes);
}

WriteResult writeText(const QString &path, QStringView text)
{
    WriteResult result;
    // An empty editor is an empty file, not one empty line.
    QStringList lines;
    if (!text.isEmpty())
        lines = text.toString().split(u'\n');
    const ansi::Encoded encoded = ansi::encodeLines(lines);
    if (!encoded.ok())
        result.unencodable = encoded.unencodable;
    else
        result = writeFileAtomically(path, encoded.bytes);
    return result;
}

} // namespace textfile
