#include "exercise/core/ansi.h"

#include <algorithm>
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
    return encodeJoinedLines(text, false);
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
    return encodeJoinedLines(lines.join(u'\n'), !lines.isEmpty());
}

Encoded encodeJoinedLines(QStringView joined, bool hasLines)
{
    Encoded result;
    // Each "\n" gains a CR, and the last line gets its CR LF.
    const qsizetype added = hasLines ? joined.count(u'\n') + 2 : 0;
    result.bytes.resize(joined.size() + added);
    char *out = result.bytes.data();
    for (QChar ch : joined) {
        if (hasLines && ch == u'\n') {
            *out++ = '\r';
            *out++ = '\n';
            continue;
        }
        const int b = toByte(ch);
        if (b < 0 && !result.unencodable.contains(ch))
            result.unencodable.append(ch);
        *out++ = char(b);
    }
    if (hasLines) {
        *out++ = '\r';
        *out++ = '\n';
    }
    if (!result.ok())
        result.bytes.clear();
    return result;
}

QStringList decodeLines(QByteArrayView bytes)
{
    std::vector<qsizetype> starts;
    const QString joined = decodeJoinedLines(bytes, &starts);
    QStringList lines;
    lines.reserve(qsizetype(starts.size()));
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] - 1 : joined.size();
        lines.append(joined.sliced(starts[i], end - starts[i]));
    }
    return lines;
}

QString decodeJoinedLines(QByteArrayView bytes, std::vector<qsizetype> *starts)
{
    static const auto table = [] {
        std::array<char16_t, 256> characters{};
        for (int b = 0; b < 256; ++b)
            characters[std::size_t(b)] = fromByte(uchar(b)).unicode();
        return characters;
    }();
    if (starts) {
        starts->clear();
        starts->reserve(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    }
    QString joined(bytes.size(), Qt::Uninitialized);
    char16_t *const first = reinterpret_cast<char16_t *>(joined.data());
    char16_t *out = first;
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = in + bytes.size();
    while (in < end) {
        if (starts)
            starts->push_back(out - first);
        while (in < end && *in != '\r' && *in != '\n')
            *out++ = table[*in++];
        if (in == end)
            break;
        if (*in == '\r' && in + 1 < end && in[1] == '\n')
            ++in;
        // A line end that closes the file opens no further line.
        if (++in < end)
            *out++ = u'\n';
    }
    joined.truncate(out - first);
    return joined;
}

Charset charsetNamed(QByteArrayView name)
{
    QByteArray plain = name.trimmed().toByteArray().toUpper();
    plain.replace('-', QByteArray()).replace('_', QByteArray());
    if (plain == "ISO88591" || plain == "LATIN1")
        return Charset::Latin1;
    if (plain == "UTF8")
        return Charset::Utf8;
    return Charset::Unsupported;
}

qsizetype encodeIn(QStringView text, Charset charset, char *out, qsizetype *lastByte)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (charset == Charset::Latin1 && c <= 0xFF) {
            out[n++] = char(c);
        } else if (charset == Charset::Utf8 && c < 0x80) {
            out[n++] = char(c);
        } else if (charset == Charset::Utf8 && c < 0x800) {
            out[n++] = char(0xC0 | (c >> 6));
            out[n++] = char(0x80 | (c & 0x3F));
        } else if (charset == Charset::Utf8 && !QChar::isSurrogate(c)) {
            out[n++] = char(0xE0 | (c >> 12));
            out[n++] = char(0x80 | ((c >> 6) & 0x3F));
            out[n++] = char(0x80 | (c & 0x3F));
        } else {
            return -1;
        }
        lastByte[i] = n - 1;
    }
    return n;
}

} // namespace ansi
