// Old DOS texts: the conversion maps character for character and never leaves
// Windows-1252.
#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"
#include "exercise/core/textfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

int convertedByte(uchar old)
{
    switch (old) {
    case 132:
        return 228;
    case 148:
        return 246;
    case 129:
        return 252;
    case 142:
        return 196;
    case 153:
        return 214;
    case 154:
        return 220;
    case 225:
        return 223;
    case '+':
        return 167;
    case '*':
        return '$';
    default:
        return old;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString old = ansi::decode(bytes);
    const QString converted = markup::convertOldFormat(old);
    require(converted.size() == old.size());
    require(!converted.contains(u'+') && !converted.contains(u'*'));

    const ansi::Encoded back = ansi::encode(converted);
    require(back.ok());
    require(back.bytes.size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        require(uchar(back.bytes[i]) == convertedByte(uchar(bytes[i])));

    // No converted character is an old one itself: a second pass changes nothing.
    require(markup::convertOldFormat(converted) == converted);

    const QString loaded = textfile::decodeOldText(bytes);
    require(ansi::unencodableCharacters(loaded).isEmpty());
    require(!loaded.contains(u'+') && !loaded.contains(u'*'));
    return 0;
}
