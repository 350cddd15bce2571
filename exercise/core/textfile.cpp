#include "exercise/core/textfile.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"

#include <QStringDecoder>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace textfile {
namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

bool holdsNonAscii(QByteArrayView bytes)
{
    for (char b : bytes) {
        if (uchar(b) >= 0x80)
            return true;
    }
    return false;
}

// Lines end in CR LF or LF; a final line end opens no empty line.
QString joinLines(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

QString decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        bytes = bytes.sliced(utf8Bom.size());
    // Windows-1252 text with umlauts is practically never valid UTF-8, so a file that
    // decodes cleanly as UTF-8 comes from a modern editor.
    if (holdsNonAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return joinLines(std::move(text));
    }
    return joinLines(ansi::decode(bytes));
}

std::optional<QString> readText(const QString &path, IoError *error)
{
    const std::optional<QByteArray> bytes = readWholeFile(path, error);
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
    const std::optional<QByteArray> bytes = readWholeFile(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeOldText(*bytes);
}

bool writeText(const QString &path, QStringView text, IoError *error, QString *unencodable)
{
    if (error)
        *error = {};
    if (unencodable)
        unencodable->clear();
    // An empty editor is an empty file, not one empty line.
    QStringList lines;
    if (!text.isEmpty())
        lines = text.toString().split(u'\n');
    const ansi::Encoded encoded = ansi::encodeLines(lines);
    if (!encoded.ok()) {
        if (unencodable)
            *unencodable = encoded.unencodable;
        return false;
    }
    return writeFileAtomically(path, encoded.bytes, error);
}

} // namespace textfile
