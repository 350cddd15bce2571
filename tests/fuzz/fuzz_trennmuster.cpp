// Any pattern file through the pattern reader, and words made of its own lines through
// the patterns read: nothing is read or written outside the word's breaks, and a break
// is only ever a figure.
#include "reading/core/trennmuster.h"

#include <QByteArrayList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const silben::Trennmuster muster = silben::Trennmuster::lesen(bytes);
    if (muster.zustand() != silben::Trennmuster::Zustand::Bereit)
        return 0;
    QByteArrayList woerter = {"hase", "kindergarten", "e-mail", "o'neil", "a", "h4se"};
    for (const QByteArray &zeile : bytes.toByteArray().split('\n').mid(0, 64)) {
        QByteArray wort;
        for (const char c : zeile) {
            if (c < '0' || c > '9')
                wort += c;
        }
        if (!wort.isEmpty())
            woerter << wort.left(240);
    }
    for (const QByteArray &wort : woerter) {
        std::vector<char> stellen(std::size_t(wort.size()) + 3, 'x');
        muster.trennen(wort.constData(), int(wort.size()), stellen.data());
        for (qsizetype b = 0; b < wort.size(); ++b) {
            if (stellen[std::size_t(b)] < '0' || stellen[std::size_t(b)] > '9')
                std::abort();
        }
    }
    return 0;
}
