// Any exercise text split into reading syllables and joined again: the syllables only
// ever add hyphens between letters, and the gap markup reads as it did.
#include "exercise/core/markup.h"
#include "exercise/core/textfile.h"
#include "reading/core/silben.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

// The German patterns are read before the first input, so that no input's time limit
// counts them.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    require(silben::deutsch().bereit());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = textfile::decodeText(bytes);
    silben::Silbentrenner &trenner = silben::deutsch();
    require(trenner.bereit());

    const QList<qsizetype> stellen = trenner.textGrenzen(text).value();
    const QString getrennt = trenner.trennen(text).value();
    require(getrennt.size() == text.size() + stellen.size());
    qsizetype vorige = 0;
    for (qsizetype stelle : stellen) {
        require(stelle > vorige && stelle < text.size());
        require(text[stelle - 1].isLetter() && text[stelle].isLetter());
        vorige = stelle;
    }
    const auto pruefen = [](const QString &t) {
        return markup::text_pruefen(markup::fillBuffer(t, markup::BufferLayout::Laufbahn));
    };
    require(pruefen(getrennt) == pruefen(text));
    (void)silben::trennungEntfernen(getrennt);
    return 0;
}
