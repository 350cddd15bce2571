#include "display/ui/silbenfarbe.h"

#include "reading/core/silben.h"

namespace display {

QByteArray silbenFarbenFuer(QStringView text, const SilbenAnsicht &ansicht)
{
    if (!ansicht.farbig)
        return {};
    const auto anfaenge = silben::deutsch().textGrenzen(text);
    return anfaenge ? silbenFarben(text, *anfaenge) : QByteArray();
}

SilbenGlyphSets silbenGlyphSets(const GlyphStyle &style, QSize screen, const SilbenAnsicht &ansicht)
{
    GlyphStyle farbig = style;
    SilbenGlyphSets result;
    farbig.letterColor = ansicht.farbe1;
    result.farbe1 = GlyphCache::shared().glyphs(farbig, screen);
    farbig.letterColor = ansicht.farbe2;
    result.farbe2 = GlyphCache::shared().glyphs(farbig, screen);
    return result;
}

} // namespace display
