#include "display/core/frame.h"

#include "display/core/glyphset.h"

#include <QFontMetrics>

using namespace Qt::StringLiterals;

namespace display {

QString helpLineText()
{
    return u"Geschwindigkeit: 0-9 / Stop: Leertaste / Satz vor bzw. zurück: Bild-Tasten / "
           u"Abstände: + , - / Fehler markieren: Return / zurück: Esc"_s;
}

QRect helpLineRect(const QFont &font, int clientHeight)
{
    const QFontMetrics metrics(font);
    return QRect(5, clientHeight - 12, metrics.horizontalAdvance(helpLineText()), metrics.height());
}

QRect bandRect(int clientWidth, int zeileY, const GlyphSet &glyphs)
{
    return QRect(0, zeileY, clientWidth, glyphs.height());
}

void composeFrame(Surface &target, const QRect &area, const GlyphSet &glyphs,
                  std::span<const PlacedGlyph> placed, int zeileY, const HelpLine *help,
                  QPoint origin, SilbenGlyphen silben)
{
    const QRect clip = area.translated(origin).intersected(target.rect());
    if (clip.isEmpty())
        return;
    target.fillRect(clip, glyphs.background());

    if (help) {
        const QRect line = helpLineRect(help->font, help->clientHeight).translated(origin);
        if (line.intersects(clip)) {
            Canvas canvas(target);
            canvas.setClipRect(clip);
            canvas.setFont(help->font);
            canvas.setPen(help->color);
            canvas.setBackgroundMode(Qt::OpaqueMode);
            canvas.setBackground(QColor::fromRgb(glyphs.background()));
            canvas.drawText(line.left(), line.top() + QFontMetrics(help->font).ascent(),
                            helpLineText());
        }
    }

    const bool farbig = silben.farbe1 && silben.farbe2;
    const GlyphSet *const sets[3] = {&glyphs, farbig ? silben.farbe1 : &glyphs,
                                     farbig ? silben.farbe2 : &glyphs};
    for (const PlacedGlyph &glyph : placed) {
        const GlyphSet &set = *sets[unsigned(glyph.farbe) < 3 ? glyph.farbe : 0];
        const QRect ink = set.inkRect(glyph.code);
        if (ink.isEmpty())
            continue;
        const QPoint at = origin + QPoint(glyph.x, zeileY) + set.inkOffset(glyph.code);
        const QRect inked(at, ink.size());
        if (clip.contains(inked))
            target.copyOpaque(at.x(), at.y(), set.atlas(), ink);
        else if (clip.intersects(inked))
            target.drawClipped(at.x(), at.y(), set.atlas(), ink, clip);
    }
}

} // namespace display
