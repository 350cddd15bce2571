#include "exercise/core/ansi.h"

#include <array>

namespace ansi {
namespace {

// 0x80..0x9F of Windows-1252; the undefined codes map to themselves.
constexpr std::array<char16_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar fromByte(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(highControlRange[byte - 0x80]);
    return QChar(char16_t(byte));
}

int toByte(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == u)
            return int(0x80 + i);
    }
    return -1;
}

QString decode(QByteArrayView bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = fromByte(uchar(bytes[i]));
    return text;
}

Encoded encode(QStringView text)
{
    Encoded result;
    result.bytes.resize(text.size());
    char *out = result.bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = toByte(text[i]);
        if (b < 0) {
            if (!result.unencodable.contains(text[i]))
                result.unencodable.append(text[i]);
            continue;
        }
        out[i] = char(b);
    }
    if (!result.ok())
        result.bytes.clear();
    return result;
}

QString unencodableCharacters(QStringView text)
{
    QString found;
    for (QChar ch : text) {
        if (!canEncode(ch) && !found.contains(ch))
            found.append(ch);
    }
    return found;
}

Encoded encodeLines(const QStringList &lines)
{
    QString joined;
    for (const QString &line : lines) {
        joined += line;
        joined += u"\r\n";
    }
    return encode(joined);
}

QStringList decodeLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n')
            continue;
        qsizetype end = i;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(decode(bytes.sliced(start, end - start)));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(decode(bytes.sliced(start)));
    return lines;
}

} // namespace ansi
