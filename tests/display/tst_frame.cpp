#include "display/core/frame.h"

#include "display/core/glyphset.h"
#include "tests/display/pixelcount.h"

#include <QFontMetrics>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using display::GlyphSet;
using display::Pixel;
using display::PlacedGlyph;
using display::Surface;
using testing::countPixels;
using testing::filled;

Q_DECLARE_METATYPE(std::vector<PlacedGlyph>)

namespace {

constexpr Pixel kSentinel = 0xFF123456u;
const QColor kLetter(255, 255, 0);
const QColor kBackground(0, 0, 96);

std::shared_ptr<const GlyphSet> glyphs()
{
    static const auto set = GlyphSet::build(
        display::GlyphStyle{QFont(u"Arial"_s, 10, QFont::Bold), kLetter, kBackground}, 600);
    return set;
}

// Every pixel of each glyph's box that lies on the target and inside `area` shows the
// glyph image; returns how many pixels were compared.
int compareGlyphs(const Surface &target, const std::vector<PlacedGlyph> &placed, int zeileY,
                  const QRect &area, QPoint origin = QPoint())
{
    int compared = 0;
    for (const PlacedGlyph &g : placed) {
        const QImage image = glyphs()->glyphImage(g.code);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint client(g.x + x, zeileY + y);
                const QPoint at = client + origin;
                if (!area.contains(client) || !target.rect().contains(at))
                    continue;
                if (target.pixel(at.x(), at.y()) != image.pixel(x, y)) {
                    qWarning("glyph %d at %d: pixel %d,%d differs", g.code, g.x, x, y);
                    return -1;
                }
                ++compared;
            }
        }
    }
    return compared;
}

int countOutside(const Surface &s, const QRect &area, Pixel pixel)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += !area.contains(x, y) && s.pixel(x, y) == pixel;
    return n;
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(glyphs()); }

    void theBandShowsTheGlyphsOnTheBackground_data()
    {
        QTest::addColumn<std::vector<PlacedGlyph>>("placed");
        const int w = glyphs()->width('H');
        QTest::addRow("side by side") << std::vector<PlacedGlyph>{
            {'H', 10}, {'a', 10 + w}, {'l', 10 + w + glyphs()->width('a')}};
        QTest::addRow("cut by the left edge")
            << std::vector<PlacedGlyph>{{'W', -25}, {'g', glyphs()->width('W') - 25}};
        QTest::addRow("cut by the right edge")
            << std::vector<PlacedGlyph>{{'M', 250 - glyphs()->width('M')}, {'Q', 250}};
        QTest::addRow("wholly outside") << std::vector<PlacedGlyph>{{'A', -200}, {'B', 400}};
        QTest::addRow("with spacing and a blank")
            << std::vector<PlacedGlyph>{{'o', 0}, {' ', 100}, {'k', 140}};
    }
    void theBandShowsTheGlyphsOnTheBackground()
    {
        QFETCH(std::vector<PlacedGlyph>, placed);
        Surface target = filled(300, 200, kSentinel);
        const int zeileY = 40;
        const QRect band = display::bandRect(300, zeileY, *glyphs());
        display::composeFrame(target, band, *glyphs(), placed, zeileY);

        QVERIFY(compareGlyphs(target, placed, zeileY, band) >= 0);
        // Nothing outside the band was touched, nothing inside was left undrawn.
        QCOMPARE(countOutside(target, band, kSentinel), 300 * 200 - band.width() * band.height());
        QCOMPARE(countPixels(target, band, kSentinel), 0);
    }

    void glyphsCutByTheEdgeShowTheirVisiblePart()
    {
        // A glyph half off the left edge: its right half is on the screen, exactly.
        Surface target = filled(200, 150, kSentinel);
        const int w = glyphs()->width('W');
        const std::vector<PlacedGlyph> placed{{'W', -w / 2}};
        display::composeFrame(target, target.rect(), *glyphs(), placed, 20);
        QVERIFY(compareGlyphs(target, placed, 20, target.rect()) > 0);
        QVERIFY(countPixels(target, QRect(0, 20, w / 2, glyphs()->height()),
                            display::Surface::colorMatch(kLetter)) > 0);
    }

    void onlyTheGivenAreaIsComposed()
    {
        Surface target = filled(300, 200, kSentinel);
        const std::vector<PlacedGlyph> placed{{'H', 20}, {'W', 130}};
        const QRect area(0, 30, 150, 90); // cuts the "W" in two
        display::composeFrame(target, area, *glyphs(), placed, 30);
        QVERIFY(compareGlyphs(target, placed, 30, area) > 0);
        QCOMPARE(countOutside(target, area, kSentinel), 300 * 200 - 150 * 90);
    }

    void theFrameMayLieAnywhereOnTheTarget()
    {
        // The window's backing store may hold the client area at an offset.
        Surface target = filled(320, 230, kSentinel);
        const QPoint origin(7, 11);
        const std::vector<PlacedGlyph> placed{{'F', -5}, {'x', 100}};
        const QRect client(0, 0, 300, 200);
        display::composeFrame(target, client, *glyphs(), placed, 50, nullptr, origin);
        QVERIFY(compareGlyphs(target, placed, 50, client, origin) > 0);
        QCOMPARE(countOutside(target, client.translated(origin), kSentinel), 320 * 230 - 300 * 200);
    }

    void theHelpLineStandsTwelveRowsAboveTheBottom()
    {
        QFont helpFont(u"Arial"_s);
        helpFont.setPixelSize(10);
        const display::HelpLine help{helpFont, kLetter, 200};
        Surface target = filled(900, 200, kSentinel);
        display::composeFrame(target, target.rect(), *glyphs(), {}, 40, &help);
        const QRect line = display::helpLineRect(helpFont, 200);
        QCOMPARE(line.topLeft(), QPoint(5, 188));
        // Small anti-aliased letters: count what is not background, and look for the
        // letter colour's hue in it.
        const Pixel background = display::Surface::colorMatch(kBackground);
        const int all = target.width() * target.height();
        const int written = all - countPixels(target, target.rect(), background);
        QVERIFY(written > 200);
        QCOMPARE(written, line.width() * line.height() - countPixels(target, line, background));
        int yellowish = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                yellowish += qRed(target.pixel(x, y)) > 200 && qGreen(target.pixel(x, y)) > 200;
        QVERIFY(yellowish > 20);
    }

    void theHelpLineIsLeftAloneByABandFrame()
    {
        QFont helpFont(u"Arial"_s);
        helpFont.setPixelSize(10);
        const display::HelpLine help{helpFont, kLetter, 200};
        Surface target = filled(900, 200, kSentinel);
        const QRect band = display::bandRect(900, 40, *glyphs());
        const std::vector<PlacedGlyph> placed{{'A', 0}};
        display::composeFrame(target, band, *glyphs(), placed, 40, &help);
        QCOMPARE(countOutside(target, band, kSentinel), 900 * 200 - band.width() * band.height());
    }

    void theHelpLineText()
    {
        QCOMPARE(display::helpLineText(),
                 u"Geschwindigkeit: 0-9 / Stop: Leertaste / Satz vor bzw. zurück: Bild-Tasten / "
                 u"Abstände: + , - / Fehler markieren: Return / zurück: Esc"_s);
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
