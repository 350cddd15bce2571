#include "display/core/glyphset.h"

#include "exercise/core/ansi.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace display {

namespace {

// The letters start at six times the configured size.
constexpr int kSizeFactor = 6;
// Rows the letters leave free of the client height.
constexpr int kHeightMargin = 10;

// Coverage 0..255 of the letter colour over the background, per channel.
Pixel mix(Pixel background, Pixel letter, int coverage)
{
    auto channel = [&](int shift) {
        const int b = int(background >> shift) & 0xFF;
        const int l = int(letter >> shift) & 0xFF;
        return Pixel((b * 255 + (l - b) * coverage + 127) / 255) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

} // namespace

int GlyphSet::pointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

QFont GlyphSet::atPoints(const QFont &font, int points)
{
    QFont sized(font);
    sized.setPixelSize(std::max(1, pointsToPixels(points)));
    return sized;
}

int GlyphSet::textHeightOf(const QFont &font)
{
    // The text height of a one-line string is the font's line height, ascent and
    // descent, whatever the string: "Üg" reaches both.
    return QFontMetrics(font).height();
}

int GlyphSet::fittedPointSize(const QFont &font, int clientHeight)
{
    qreal points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0)
        points = font.pixelSize() * 72.0 / 96.0;
    const int start = std::max(1, qRound(points * kSizeFactor));
    const int limit = clientHeight - kHeightMargin;
    auto fits = [&](int size) { return textHeightOf(atPoints(font, size)) <= limit; };
    if (fits(start))
        return start;
    // Text height grows with the size, so a guess from the proportion lands next to
    // the answer and a few single steps reach it.
    const int tooHigh = textHeightOf(atPoints(font, start));
    int size =
        std::clamp(int(qint64(start) * std::max(limit, 1) / std::max(tooHigh, 1)), 1, start - 1);
    while (size > 1 && !fits(size))
        --size;
    while (size + 1 < start && fits(size + 1))
        ++size;
    return size;
}

std::shared_ptr<const GlyphSet> GlyphSet::build(const GlyphStyle &style, int clientHeight)
{
    auto set = std::make_shared<GlyphSet>();
    set->m_pointSize = fittedPointSize(style.font, clientHeight);
    set->m_font = atPoints(style.font, set->m_pointSize);
    set->m_textHeight = textHeightOf(set->m_font);
    set->m_background = Surface::colorMatch(style.background);
    if (!set->render(style))
        return nullptr;
    return set;
}

bool GlyphSet::render(const GlyphStyle &style)
{
    const QFontMetrics metrics(m_font);
    const QRawFont raw = QRawFont::fromFont(m_font);
    const Pixel letter = Surface::colorMatch(style.letterColor);
    const int ascent = metrics.ascent();
    const int h = height();

    // Underline and strike-out run under the whole advance of every glyph, blanks too,
    // as they do under a line of text.
    std::vector<QRect> decorations;
    const int thickness = std::max(1, metrics.lineWidth());
    if (m_font.underline())
        decorations.emplace_back(0, ascent + metrics.underlinePos(), 0, thickness);
    if (m_font.strikeOut())
        decorations.emplace_back(0, ascent - metrics.strikeOutPos(), 0, thickness);

    for (int code = 0; code < 256; ++code) {
        const QChar ch = ansi::fromByte(uchar(code));
        const QString text(ch);
        const int w = metrics.horizontalAdvance(text) + 2;
        m_widths[size_t(code)] = w;
        const QRect box(0, 0, w, h);
        Ink &ink = m_ink[size_t(code)];
        if (!ch.isPrint())
            continue;

        if (!raw.isValid() || !raw.supportsCharacter(ch)) {
            // A character the font lacks comes from a fallback font, which only the
            // painter finds: the whole glyph image then counts as ink.
            if (!ink.pixels.setSize(w, h))
                return false;
            ink.pixels.fill(m_background);
            Canvas canvas(ink.pixels);
            canvas.setFont(m_font);
            canvas.setPen(style.letterColor);
            canvas.drawText(0, ascent, text);
            continue;
        }

        const quint32 index = raw.glyphIndexesForString(text).value(0);
        QImage alpha = raw.alphaMapForGlyph(index, QRawFont::PixelAntialiasing);
        if (alpha.format() != QImage::Format_Alpha8 && !alpha.isNull())
            alpha = alpha.convertToFormat(QImage::Format_Alpha8);
        const QRectF bounds = raw.boundingRect(index);
        const QPoint alphaAt(qRound(bounds.x()), ascent + qRound(bounds.y()));

        // The glyph image is the clip: what reaches beyond the box is lost, as in a
        // bitmap of the box's size.
        QRect inked = QRect(alphaAt, alpha.size()).intersected(box);
        for (QRect line : decorations) {
            line.setWidth(w - 2);
            inked = inked.united(line.intersected(box));
        }
        if (inked.isEmpty())
            continue;
        if (!ink.pixels.setSize(inked.width(), inked.height()))
            return false;
        ink.offset = inked.topLeft();
        ink.pixels.fill(m_background);
        QImage &pixels = ink.pixels.image();
        for (int y = 0; y < inked.height(); ++y) {
            const int alphaY = inked.top() + y - alphaAt.y();
            if (alphaY < 0 || alphaY >= alpha.height())
                continue;
            const uchar *coverage = alpha.constScanLine(alphaY);
            auto *row = reinterpret_cast<Pixel *>(pixels.scanLine(y));
            for (int x = 0; x < inked.width(); ++x) {
                const int alphaX = inked.left() + x - alphaAt.x();
                if (alphaX < 0 || alphaX >= alpha.width())
                    continue;
                if (const int c = coverage[alphaX])
                    row[x] = c == 255 ? letter : mix(m_background, letter, c);
            }
        }
        for (QRect line : decorations) {
            line.setWidth(w - 2);
            ink.pixels.fillRect(line.translated(-inked.topLeft()), letter);
        }
    }
    return true;
}

QImage GlyphSet::glyphImage(int code) const
{
    Surface image(width(code), height());
    image.fill(m_background);
    const Surface &inked = ink(code);
    image.drawClipped(inkOffset(code).x(), inkOffset(code).y(), inked, inked.rect());
    return image.image();
}

qsizetype GlyphSet::byteCount() const
{
    qsizetype bytes = 0;
    for (const Ink &ink : m_ink)
        bytes += ink.pixels.byteCount();
    return bytes;
}

GlyphCache &GlyphCache::shared()
{
    static GlyphCache cache;
    return cache;
}

std::shared_ptr<const GlyphSet> GlyphCache::glyphs(const GlyphStyle &style, QSize screen, bool *hit)
{
    const QString key = style.font.key() % u'|' % QString::number(style.letterColor.rgba()) % u'|' %
                        QString::number(style.background.rgba()) % u'|' %
                        QString::number(screen.width()) % u'x' % QString::number(screen.height());
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry &entry) { return entry.key == key; });
    if (found != m_entries.end()) {
        std::rotate(m_entries.begin(), found, found + 1);
        if (hit)
            *hit = true;
        return m_entries.front().glyphs;
    }
    if (hit)
        *hit = false;
    // Make room first: a glyph set is large, and two of them need not be held at once.
    while (int(m_entries.size()) >= m_capacity)
        m_entries.pop_back();
    auto built = GlyphSet::build(style, screen.height());
    if (!built)
        return nullptr;
    m_entries.insert(m_entries.begin(), Entry{key, built});
    return built;
}

} // namespace display
