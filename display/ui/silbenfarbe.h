#pragma once
// The syllable colours of a shown text, from the program's German syllables.

#include "display/core/frame.h"
#include "display/core/glyphset.h"
#include "display/core/silbenfarben.h"

#include <QByteArray>
#include <QSize>
#include <QStringView>
#include <memory>

namespace display {

// One `SilbenFarbe` per character of `text`; empty when the colours are off or the
// dictionary is missing (the text is then shown in its letter colour).
QByteArray silbenFarbenFuer(QStringView text, const SilbenAnsicht &ansicht);

// The glyphs of the two syllable colours beside those of `style`, from the shared cache.
struct SilbenGlyphSets {
    std::shared_ptr<const GlyphSet> farbe1;
    std::shared_ptr<const GlyphSet> farbe2;
    SilbenGlyphen sets() const { return {farbe1.get(), farbe2.get()}; }
    bool vollstaendig() const { return farbe1 && farbe2; }
};
SilbenGlyphSets silbenGlyphSets(const GlyphStyle &style, QSize screen,
                                const SilbenAnsicht &ansicht);

} // namespace display
