// Any "lob.inf" a teacher puts into the start directory, with and without a first name.
#include "exercise/core/textfile.h"
#include "writing/core/praisefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void requireUsable(const QStringList &lines)
{
    require(!lines.isEmpty());
    for (const QString &line : lines) {
        require(!line.trimmed().isEmpty() && !line.contains(u'\n') && !line.contains(u'\r'));
        require(line.size() <= praise::maxPraiseLength);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = textfile::decodeText(bytes);

    const QStringList anonymous = praise::praiseLines(text, QString());
    requireUsable(anonymous);
    // No praise ever shows the placeholder itself.
    for (const QString &line : anonymous)
        require(!line.contains(u"Name"_s));
    require(praise::praiseLines(text, u"  "_s) == anonymous);

    const QStringList named = praise::praiseLines(text, u"Anna"_s);
    requireUsable(named);
    require(named.size() >= anonymous.size());
    for (const QString &line : named)
        require(!line.contains(u"Name"_s));
    // A name far longer than a praise line: no praise grows past a screen line.
    requireUsable(praise::praiseLines(text, QString(1000, u'A')));
    return 0;
}
