#include "display/core/glyphset.h"

#include "exercise/core/ansi.h"
#include "tests/display/pixelcount.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTest>

using namespace Qt::StringLiterals;
using display::GlyphCache;
using display::GlyphSet;
using display::GlyphStyle;
using testing::countPixels;

Q_DECLARE_METATYPE(GlyphStyle)

namespace {

GlyphStyle style(int points = 28, QColor letter = Qt::white, QColor background = Qt::black)
{
    return GlyphStyle{QFont(u"Arial"_s, points, QFont::Bold), letter, background};
}

// The bounding box of the pixels of `image` that differ from `background`.
QRect inkBox(const QImage &image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestGlyphSet : public QObject {
    Q_OBJECT
private slots:
    void pointsBecomePixelsAsOnA96DpiScreen_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("pixels");
        QTest::addRow("the display font, six times 28 points") << 168 << 224;
        QTest::addRow("10 points") << 10 << 13;
        QTest::addRow("rounded half up") << 3 << 4;
        QTest::addRow("one point") << 1 << 1;
    }
    void pointsBecomePixelsAsOnA96DpiScreen()
    {
        QFETCH(int, points);
        QFETCH(int, pixels);
        QCOMPARE(GlyphSet::pointsToPixels(points), pixels);
    }

    void theLettersStartAtSixTimesTheSize()
    {
        QCOMPARE(GlyphSet::fittedPointSize(style(28).font, 1080), 168);
        QCOMPARE(GlyphSet::fittedPointSize(style(10).font, 1080), 60);
        // A font given in pixels counts by its size in points.
        QFont pixelFont(u"Arial"_s);
        pixelFont.setPixelSize(20); // 15 points
        QCOMPARE(GlyphSet::fittedPointSize(pixelFont, 1080), 90);
    }

    void aLowScreenLowersTheSizeUntilTheTextFits_data()
    {
        QTest::addColumn<int>("clientHeight");
        QTest::addRow("250 rows") << 250;
        QTest::addRow("just below the starting height") << 255;
        QTest::addRow("100 rows") << 100;
    }
    void aLowScreenLowersTheSizeUntilTheTextFits()
    {
        QFETCH(int, clientHeight);
        const QFont font = style(28).font;
        const int size = GlyphSet::fittedPointSize(font, clientHeight);
        QVERIFY(size < 168);
        // Fits, and one point more would not: lowered point by point, no further.
        QVERIFY(GlyphSet::textHeightOf(GlyphSet::atPoints(font, size)) <= clientHeight - 10);
        QVERIFY(GlyphSet::textHeightOf(GlyphSet::atPoints(font, size + 1)) > clientHeight - 10);
    }

    // A settings file may hold any size; six times it must still be fitted to the
    // screen, not taken from metrics that have overflowed at giant pixel sizes.
    void aGiantStoredSizeIsFittedToo_data()
    {
        QTest::addColumn<int>("points");
        QTest::addRow("4000 points") << 4000;
        QTest::addRow("the largest stored size") << 32767;
    }
    void aGiantStoredSizeIsFittedToo()
    {
        QFETCH(int, points);
        const QFont font = style(points).font;
        const int size = GlyphSet::fittedPointSize(font, 1080);
        const int height = GlyphSet::textHeightOf(GlyphSet::atPoints(font, size));
        QVERIFY2(height > 0 && height <= 1070, qPrintable(u"%1 rows"_s.arg(height)));
        QVERIFY(GlyphSet::textHeightOf(GlyphSet::atPoints(font, size + 1)) > 1070);
    }

    void aScreenTooLowForAnySizeKeepsOnePoint()
    {
        QCOMPARE(GlyphSet::fittedPointSize(style(28).font, 5), 1);
    }

    void glyphSizesFollowTheFontMetrics()
    {
        const auto set = GlyphSet::build(style(), 1080);
        QVERIFY(set);
        QCOMPARE(set->pointSize(), 168);
        const QFontMetrics metrics(set->font());
        QCOMPARE(set->textHeight(), metrics.height());
        QCOMPARE(set->height(), metrics.height() + 2);
        for (int code : {32, 65, 87, 105, 196, 223}) {
            const QChar ch = ansi::fromByte(uchar(code));
            QCOMPARE(set->width(code), metrics.horizontalAdvance(QString(ch)) + 2);
            QCOMPARE(set->widths()[size_t(code)], set->width(code));
            const QImage image = set->glyphImage(code);
            QCOMPARE(image.size(), QSize(set->width(code), set->height()));
        }
        // "W" is wider than "i" at any sensible font.
        QVERIFY(set->width('W') > set->width('i'));
    }

    void glyphsAreTheLetterOnTheBackground()
    {
        const QColor letter(255, 255, 0);
        const QColor background(0, 0, 128);
        const auto set = GlyphSet::build(style(28, letter, background), 1080);
        const QImage a = set->glyphImage('A');
        // The corners are background, the letter colour is there in full, and
        // anti-aliased edges mix the two.
        QCOMPARE(a.pixel(0, 0), background.rgb());
        QCOMPARE(a.pixel(a.width() - 1, a.height() - 1), background.rgb());
        QVERIFY(countPixels(a, letter.rgb()) > 1000);
        QVERIFY(countPixels(a, letter.rgb()) + countPixels(a, background.rgb()) <
                a.width() * a.height());
    }

    void glyphsLieWhereTheTextWouldBeDrawn_data()
    {
        QTest::addColumn<int>("code");
        QTest::addRow("A") << int('A');
        QTest::addRow("g below the baseline") << int('g');
        QTest::addRow("j cut at the left") << int('j');
        QTest::addRow("Ü with its dots") << 0xDC;
        QTest::addRow("full stop") << int('.');
        QTest::addRow("euro sign") << 0x80;
    }
    void glyphsLieWhereTheTextWouldBeDrawn()
    {
        // Reference: the character drawn at (0, 0) with the painter on an image of
        // the glyph's size, as the glyph image is defined.
        QFETCH(int, code);
        const auto set = GlyphSet::build(style(), 1080);
        const QImage glyph = set->glyphImage(code);
        QImage reference(glyph.size(), QImage::Format_RGB32);
        reference.fill(Qt::black);
        {
            QPainter painter(&reference);
            painter.setFont(set->font());
            painter.setPen(Qt::white);
            painter.drawText(0, QFontMetrics(set->font()).ascent(),
                             QString(ansi::fromByte(uchar(code))));
        }
        const QRect expected = inkBox(reference, qRgb(0, 0, 0));
        const QRect actual = inkBox(glyph, qRgb(0, 0, 0));
        QVERIFY(!expected.isEmpty());
        // Rasterisers may differ by a pixel at an anti-aliased edge, not more.
        QVERIFY2(qAbs(actual.left() - expected.left()) <= 1 &&
                     qAbs(actual.top() - expected.top()) <= 1 &&
                     qAbs(actual.right() - expected.right()) <= 1 &&
                     qAbs(actual.bottom() - expected.bottom()) <= 1,
                 qPrintable(u"ink at %1,%2 %3x%4, expected %5,%6 %7x%8"_s.arg(actual.x())
                                .arg(actual.y())
                                .arg(actual.width())
                                .arg(actual.height())
                                .arg(expected.x())
                                .arg(expected.y())
                                .arg(expected.width())
                                .arg(expected.height())));
    }

    void blanksAndControlCodesHaveNoInk()
    {
        const auto set = GlyphSet::build(style(), 1080);
        for (int code : {0, 9, 13, 31, 32, 0xA0}) {
            QVERIFY2(set->inkRect(code).isEmpty(), qPrintable(QString::number(code)));
            const QImage image = set->glyphImage(code);
            QCOMPARE(countPixels(image, qRgb(0, 0, 0)), image.width() * image.height());
        }
    }

    void charactersTheFontLacksComeFromAFallbackFont()
    {
        // A font for Chinese, Japanese and Korean that has no Latin letters.
        const QString family = u"Droid Sans Fallback"_s;
        const QFont symbols(family, 28);
        if (!QFontInfo(symbols).family().startsWith(family) ||
            QRawFont::fromFont(symbols).supportsCharacter(u'A'))
            QSKIP("needs a font without Latin letters (Droid Sans Fallback)");
        const auto set = GlyphSet::build(GlyphStyle{symbols, Qt::white, Qt::black}, 1080);
        const QImage a = set->glyphImage('A');
        QImage reference(a.size(), QImage::Format_RGB32);
        reference.fill(Qt::black);
        {
            QPainter painter(&reference);
            painter.setFont(set->font());
            painter.setPen(Qt::white);
            painter.drawText(0, QFontMetrics(set->font()).ascent(), u"A"_s);
        }
        QVERIFY(countPixels(a, qRgb(255, 255, 255)) > 100);
        QCOMPARE(inkBox(a, qRgb(0, 0, 0)), inkBox(reference, qRgb(0, 0, 0)));
    }

    void everyCodeHasAWidth()
    {
        // The motion measures every glyph it walks over; a code without a width entry
        // would stall the line.
        const auto set = GlyphSet::build(style(), 1080);
        for (int code = 0; code < 256; ++code)
            QVERIFY(set->width(code) >= 2);
    }

    void anUnderlinedFontUnderlinesBlanksToo()
    {
        GlyphStyle underlined = style();
        underlined.font.setUnderline(true);
        const auto set = GlyphSet::build(underlined, 1080);
        const QImage blank = set->glyphImage(32);
        QVERIFY(countPixels(blank, qRgb(255, 255, 255)) >= set->width(32) - 2);
        // The line ends with the advance: the last two columns stay background.
        for (int y = 0; y < blank.height(); ++y)
            QCOMPARE(blank.pixel(blank.width() - 1, y), qRgb(0, 0, 0));
    }

    void theInkIsMuchLessThanTheWholeImages()
    {
        const auto set = GlyphSet::build(style(), 1080);
        qsizetype whole = 0;
        for (int code = 0; code < 256; ++code)
            whole += qsizetype(set->width(code)) * set->height() * 4;
        QVERIFY(set->byteCount() > 0);
        QVERIFY(set->byteCount() < whole * 3 / 4);
    }

    void theCacheKeepsTheLastSet()
    {
        GlyphCache cache;
        bool hit = true;
        const auto first = cache.glyphs(style(), QSize(800, 600), &hit);
        QVERIFY(first);
        QVERIFY(!hit);
        const auto again = cache.glyphs(style(), QSize(800, 600), &hit);
        QVERIFY(hit);
        QCOMPARE(again.get(), first.get());
    }

    void theCacheBuildsAnewWhenASettingChanges_data()
    {
        QTest::addColumn<GlyphStyle>("changed");
        QTest::addColumn<QSize>("screen");
        QTest::addRow("other size") << style(20) << QSize(800, 600);
        QTest::addRow("other letter colour") << style(28, Qt::red) << QSize(800, 600);
        QTest::addRow("other background") << style(28, Qt::white, Qt::blue) << QSize(800, 600);
        GlyphStyle italic = style();
        italic.font.setItalic(true);
        QTest::addRow("italic") << italic << QSize(800, 600);
        QTest::addRow("other screen") << style() << QSize(1024, 768);
    }
    void theCacheBuildsAnewWhenASettingChanges()
    {
        QFETCH(GlyphStyle, changed);
        QFETCH(QSize, screen);
        GlyphCache cache;
        const auto first = cache.glyphs(style(), QSize(800, 600));
        bool hit = true;
        const auto other = cache.glyphs(changed, screen, &hit);
        QVERIFY(!hit);
        QVERIFY(other.get() != first.get());
        // With room for one set only, going back builds again.
        cache.glyphs(style(), QSize(800, 600), &hit);
        QVERIFY(!hit);
    }

    // For a screen of two palette colours: every pixel is the letter colour or the
    // background, and the letters are still there.
    void twoColourGlyphsHaveNoShades()
    {
        GlyphStyle two = style(10, Qt::yellow, Qt::blue);
        two.twoColours = true;
        const auto set = GlyphSet::build(two, 480);
        QVERIFY(set);
        int letters = 0;
        for (int code = 32; code < 256; ++code) {
            const QImage glyph = set->glyphImage(code);
            const int letter = countPixels(glyph, QColor(Qt::yellow).rgb());
            const int background = countPixels(glyph, QColor(Qt::blue).rgb());
            QCOMPARE(letter + background, glyph.width() * glyph.height());
            letters += letter;
        }
        QVERIFY(countPixels(set->glyphImage('a'), QColor(Qt::yellow).rgb()) > 20);
        QVERIFY(letters > 5000);

        // The shaded set of the same font is another one.
        GlyphCache cache;
        cache.glyphs(two, QSize(640, 480));
        bool hit = true;
        two.twoColours = false;
        cache.glyphs(two, QSize(640, 480), &hit);
        QVERIFY(!hit);
    }

    void aLargerCacheKeepsSeveralSets()
    {
        GlyphCache cache(2);
        bool hit = false;
        cache.glyphs(style(), QSize(800, 600));
        cache.glyphs(style(20), QSize(800, 600));
        cache.glyphs(style(), QSize(800, 600), &hit);
        QVERIFY(hit);
        cache.glyphs(style(12), QSize(800, 600)); // drops the set used longest ago
        cache.glyphs(style(20), QSize(800, 600), &hit);
        QVERIFY(!hit);
    }
};

QTEST_MAIN(TestGlyphSet)
#include "tst_glyphset.moc"
