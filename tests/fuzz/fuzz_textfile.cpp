// Any file handed to "Text laden": decoding, the pair check, the file type, every
// buffer layout and the display and target strings of the result.
#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"
#include "exercise/core/textfile.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool readAsUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(bytes);
    bool nonAscii = false;
    for (char b : bytes)
        nonAscii = nonAscii || uchar(b) >= 0x80;
    return nonAscii && !utf8.hasError();
}

void checkBuffer(const QString &text, markup::BufferLayout layout, qsizetype endMarks)
{
    const QString puffer = markup::fillBuffer(text, layout);
    require(puffer.endsWith(u'#'));
    require(puffer.size() <= markup::maxTextLength + endMarks);
    if (layout == markup::BufferLayout::Laufbahn ||
        layout == markup::BufferLayout::ErrorRepetition) {
        for (QChar ch : puffer)
            require(ch >= u' ');
    }
    (void)markup::text_pruefen(puffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = textfile::decodeText(bytes);

    (void)markup::dateityp_feststellen(text);
    checkBuffer(text, markup::BufferLayout::Laufbahn, 2);
    checkBuffer(text, markup::BufferLayout::ErrorRepetition, 3);
    checkBuffer(text, markup::BufferLayout::ReadingFinger, 1);
    checkBuffer(text, markup::BufferLayout::OldLaufbahn, 6);
    checkBuffer(text, markup::BufferLayout::Printing, 2);

    // What the editor underlines is what the start refuses.
    const markup::PairFault fault = markup::findPairFault(text);
    require(fault.broken() ==
            markup::text_pruefen(markup::fillBuffer(text, markup::BufferLayout::Laufbahn)));
    require(!fault.broken() ||
            (fault.opening >= 0 && fault.opening < fault.end && fault.end <= text.size()));

    const QString shown = markup::displayString(text, u'_', u'¬');
    require(shown.endsWith(QString(16, u' ') + u'#'));
    require(shown.size() <= text.size() + 17);
    const QString target = markup::targetString(text);
    require(!target.contains(u'$') && !target.contains(u'§') && !target.contains(u'&'));
    require(markup::wordGroupForDisplay(text).size() == text.size());

    // What was read as Windows-1252 is written back byte for byte, line ends aside.
    if (!readAsUtf8(bytes)) {
        const ansi::Encoded written =
            ansi::encodeLines(text.isEmpty() ? QStringList() : text.split(u'\n'));
        require(written.ok());
        if (!readAsUtf8(written.bytes))
            require(textfile::decodeText(written.bytes) == text);
    }
    return 0;
}
