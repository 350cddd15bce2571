#pragma once
// The letters of the gliding line, rendered once per font, colours and screen height:
// one glyph per Windows-1252 code, so that a frame only fills and copies.

#include "display/core/gleitzeile.h"
#include "display/core/surface.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace display {

struct GlyphStyle {
    QFont font;         // the display font with its size in points
    QColor letterColor; // the font's colour
    QColor background;
    // Letters without shades between the two colours, as a screen of 256 palette
    // entries that holds only these two shows them.
    bool twoColours = false;
};

// Glyph image of code c: (text width of c + 2) x (text height of "Üg" + 2), the
// background with c drawn at (0, 0) in the letter colour. About half of the pixels
// of such an image are background, and a frame fills its band with the background
// before it copies glyphs, so only the inked part of each image is kept and copied.
// The inked parts share one surface: one allocation instead of 256 is most of the
// difference between a slow and a quick first display.
class GlyphSet {
public:
    // Renders the 256 glyphs for a client area `clientHeight` rows high. Null when a
    // surface cannot be made.
    static std::shared_ptr<const GlyphSet> build(const GlyphStyle &style, int clientHeight);

    // The size the letters are drawn at: 6 times the font's size in points, lowered
    // point by point while the text height of "Üg" exceeds clientHeight - 10.
    static int fittedPointSize(const QFont &font, int clientHeight);
    // `font` at `points`, sized in pixels as a 96 dpi screen shows it, so the letters
    // are the same size whatever resolution the system reports.
    static QFont atPoints(const QFont &font, int points);
    static int pointsToPixels(int points);
    // The text height of "Üg" in `font`.
    static int textHeightOf(const QFont &font);

    const QFont &font() const { return m_font; }
    int pointSize() const { return m_pointSize; }
    int textHeight() const { return m_textHeight; } // t
    int height() const { return m_textHeight + 2; } // h, the same for every glyph
    const GlyphWidths &widths() const { return m_widths; }
    int width(int code) const { return m_widths[size_t(code & 0xFF)]; }
    Pixel background() const { return m_background; }

    // The inked parts of all glyphs, packed into one surface.
    const Surface &atlas() const { return m_atlas; }
    // Where the inked part of glyph `code` lies in the atlas (empty for a glyph
    // without ink: the blank, control codes) and where in the glyph image.
    QRect inkRect(int code) const { return m_ink[size_t(code & 0xFF)].inAtlas; }
    QPoint inkOffset(int code) const { return m_ink[size_t(code & 0xFF)].offset; }

    // The whole glyph image, made on request.
    QImage glyphImage(int code) const;

    // Memory held by the glyph pixels.
    qsizetype byteCount() const;

private:
    struct Ink {
        QRect inAtlas;
        QPoint offset;
    };
    bool render(const GlyphStyle &style);

    QFont m_font;
    int m_pointSize = 0;
    int m_textHeight = 0;
    Pixel m_background = 0;
    GlyphWidths m_widths{};
    std::array<Ink, 256> m_ink{};
    Surface m_atlas;
};

// The glyph sets of the last displays, so that the next chunk of an exercise starts
// without rendering its letters again. Keyed by font, colours and screen size.
class GlyphCache {
public:
    explicit GlyphCache(int capacity = 1) : m_capacity(capacity < 1 ? 1 : capacity) {}

    // The glyph set for these settings, built when none is kept; `hit` tells which.
    std::shared_ptr<const GlyphSet> glyphs(const GlyphStyle &style, QSize screen,
                                           bool *hit = nullptr);
    void clear() { m_entries.clear(); }

    // The one cache the display windows share.
    static GlyphCache &shared();

private:
    struct Entry {
        QString key;
        std::shared_ptr<const GlyphSet> glyphs;
    };
    int m_capacity;
    std::vector<Entry> m_entries; // most recently used first
};

} // namespace display
