#include "display/core/glyphset.h"

#include "exercise/core/ansi.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace display {

namespace {

// The letters start at six times the configured size.
constexpr int kSizeFactor = 6;
// Rows the letters leave free of the client height.
constexpr int kHeightMargin = 10;
// The largest size the fitting starts from: 16000 pixels are taller than any screen,
// and from about 29000 pixels on the font engine's metrics overflow and would let a
// giant font pass as one that fits.
constexpr int kLargestStartPoints = 12000;

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
    const int start =
        int(std::clamp(qRound64(points * kSizeFactor), qint64(1), qint64(kLargestStartPoints)));
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

    // What each glyph is drawn from: the font's coverage map of the character, or,
    // for a character the font lacks, the painter's rendering of the whole glyph
    // image (only the painter finds a fallback font).
    struct Source {
        QImage coverage; // Alpha8
        QPoint coverageAt;
        QImage painted; // RGB32, the whole glyph image
        QRect inked;    // in the glyph image
    };
    std::array<Source, 256> sources;

    for (int code = 0; code < 256; ++code) {
        const QChar ch = ansi::fromByte(uchar(code));
        const QString text(ch);
        const int w = metrics.horizontalAdvance(text) + 2;
        m_widths[size_t(code)] = w;
        if (!ch.isPrint())
            continue;
        const QRect box(0, 0, w, h);
        Source &source = sources[size_t(code)];

        if (!raw.isValid() || !raw.supportsCharacter(ch)) {
            source.painted = QImage(w, h, QImage::Format_RGB32);
            if (source.painted.isNull())
                return false;
            source.painted.fill(m_background);
            QPainter painter(&source.painted);
            QFont font = m_font;
            if (style.twoColours)
                font.setStyleStrategy(QFont::NoAntialias);
            painter.setFont(font);
            painter.setPen(style.letterColor);
            painter.drawText(0, ascent, text);
            source.inked = box;
            continue;
        }

        const quint32 index = raw.glyphIndexesForString(text).value(0);
        source.coverage = raw.alphaMapForGlyph(index, QRawFont::PixelAntialiasing);
        if (!source.coverage.isNull() && source.coverage.format() != QImage::Format_Alpha8)
            source.coverage = source.coverage.convertToFormat(QImage::Format_Alpha8);
        const QRectF bounds = raw.boundingRect(index);
        source.coverageAt = QPoint(qRound(bounds.x()), ascent + qRound(bounds.y()));
        // The glyph image is the clip: what reaches beyond the box is lost, as in a
        // bitmap of the box's size.
        source.inked = QRect(source.coverageAt, source.coverage.size()).intersected(box);
        for (QRect line : decorations) {
            line.setWidth(w - 2);
            source.inked = source.inked.united(line.intersected(box));
        }
    }

    // Shelves of glyphs of falling height: little space between them is wasted.
    std::array<int, 256> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return sources[size_t(a)].inked.height() > sources[size_t(b)].inked.height();
    });
    int atlasWidth = 4096;
    for (const Source &source : sources)
        atlasWidth = std::max(atlasWidth, source.inked.width());
    QPoint shelf(0, 0);
    int shelfHeight = 0;
    for (int code : order) {
        const QRect inked = sources[size_t(code)].inked;
        if (inked.isEmpty())
            continue;
        if (shelf.x() + inked.width() > atlasWidth) {
            shelf = QPoint(0, shelf.y() + shelfHeight);
            shelfHeight = 0;
        }
        if (shelfHeight == 0)
            shelfHeight = inked.height();
        m_ink[size_t(code)] = Ink{QRect(shelf, inked.size()), inked.topLeft()};
        shelf.rx() += inked.width();
    }
    if (shelfHeight == 0)
        return true; // a font without a single inked glyph
    if (!m_atlas.setSize(atlasWidth, shelf.y() + shelfHeight))
        return false;

    // Coverage 0..255 of the letter colour over the background.
    std::array<Pixel, 256> shade;
    for (int c = 0; c < 256; ++c)
        shade[size_t(c)] =
            style.twoColours ? (c >= 128 ? letter : m_background) : mix(m_background, letter, c);

    QImage &atlas = m_atlas.image();
    for (int code = 0; code < 256; ++code) {
        Source &source = sources[size_t(code)];
        const Ink &ink = m_ink[size_t(code)];
        if (ink.inAtlas.isEmpty())
            continue;
        if (!source.painted.isNull()) {
            m_atlas.copyOpaque(ink.inAtlas.left(), ink.inAtlas.top(), Surface::wrap(source.painted),
                               source.inked);
            continue;
        }
        if (!decorations.empty())
            m_atlas.fillRect(ink.inAtlas, m_background);
        // The part of the coverage map inside the glyph image, row by row.
        const QRect covered =
            QRect(source.coverageAt, source.coverage.size()).intersected(source.inked);
        for (int y = covered.top(); y <= covered.bottom(); ++y) {
            const uchar *coverage = source.coverage.constScanLine(y - source.coverageAt.y()) +
                                    (covered.left() - source.coverageAt.x());
            Pixel *row = reinterpret_cast<Pixel *>(
                             atlas.scanLine(ink.inAtlas.top() + y - source.inked.top())) +
                         ink.inAtlas.left() + (covered.left() - source.inked.left());
            for (int x = 0; x < covered.width(); ++x)
                row[x] = shade[coverage[x]];
        }
        for (QRect line : decorations) {
            line.setWidth(m_widths[size_t(code)] - 2);
            m_atlas.fillRect(line.intersected(source.inked)
                                 .translated(ink.inAtlas.topLeft() - source.inked.topLeft()),
                             letter);
        }
    }
    return true;
}

QImage GlyphSet::glyphImage(int code) const
{
    Surface image(width(code), height());
    image.fill(m_background);
    const QRect inked = inkRect(code);
    if (!inked.isEmpty())
        image.drawClipped(inkOffset(code).x(), inkOffset(code).y(), m_atlas, inked);
    return image.image();
}

qsizetype GlyphSet::byteCount() const
{
    return m_atlas.byteCount();
}

GlyphCache &GlyphCache::shared()
{
    // Coloured syllables take three sets at once: the letter colour and two more.
    static GlyphCache cache(3);
    return cache;
}

std::shared_ptr<const GlyphSet> GlyphCache::glyphs(const GlyphStyle &style, QSize screen, bool *hit)
{
    const QString key = style.font.key() % u'|' % QString::number(style.letterColor.rgba()) % u'|' %
                        QString::number(style.background.rgba()) % u'|' %
                        (style.twoColours ? u"2|"_s : u""_s) % QString::number(screen.width()) %
                        u'x' % QString::number(screen.height());
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
