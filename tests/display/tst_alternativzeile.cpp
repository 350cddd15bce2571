#include "display/core/alternativzeile.h"
#include "display/core/refreshschedule.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;
using display::AlternativZeile;
using display::GlyphWidths;
using display::KeyEffect;
using display::PlacedGlyph;

namespace {

const QString kSechzehnLeer = QString(16, u' ');

// Every glyph image as wide: 10 pixels (text width 8) unless a test says otherwise.
GlyphWidths breiten(int breite = 10)
{
    GlyphWidths w;
    w.fill(breite);
    return w;
}

// One display; refreshes as the frame clock counts them.
struct Lauf {
    AlternativZeile zeile;
    std::vector<PlacedGlyph> glyphs;
    qint64 refresh = 100;

    Lauf(const QString &text, int tempo, int abstand = 0, qreal hertz = 60,
         const GlyphWidths &w = breiten())
        : zeile(text, w, 100, tempo, abstand, display::refreshPeriodNs(hertz))
    {
    }
    bool frame() { return zeile.advance(refresh++, glyphs); }
    bool frames(int n)
    {
        for (int i = 0; i < n; ++i)
            if (!frame())
                return false;
        return true;
    }
    int xOf(char16_t c) const
    {
        for (const PlacedGlyph &g : glyphs)
            if (g.code == c)
                return g.x;
        return INT_MIN;
    }
};

} // namespace

class TestAlternativZeile : public QObject {
    Q_OBJECT
private slots:
    void thePictureFillsTheScreenByAWholeFactor_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("faktor");
        QTest::addColumn<QRect>("bild");
        QTest::addRow("1920 x 1080") << QSize(1920, 1080) << 2 << QRect(320, 60, 1280, 960);
        QTest::addRow("800 x 600") << QSize(800, 600) << 1 << QRect(80, 60, 640, 480);
        QTest::addRow("2560 x 1440") << QSize(2560, 1440) << 3 << QRect(320, 0, 1920, 1440);
        QTest::addRow("3840 x 2160") << QSize(3840, 2160) << 4 << QRect(640, 120, 2560, 1920);
        QTest::addRow("portrait 1080 x 1920")
            << QSize(1080, 1920) << 1 << QRect(220, 720, 640, 480);
        // Smaller than the picture: its middle is shown.
        QTest::addRow("600 x 400") << QSize(600, 400) << 1 << QRect(-20, -40, 640, 480);
    }
    void thePictureFillsTheScreenByAWholeFactor()
    {
        QFETCH(QSize, screen);
        QFETCH(int, faktor);
        QFETCH(QRect, bild);
        const display::Skalierung s = AlternativZeile::skalierungFuer(screen);
        QCOMPARE(s.faktor, faktor);
        QCOMPARE(s.bild, bild);
    }

    // The line takes at most one step per 16 ms, counted from the refreshes. At 60 Hz
    // that is one step every refresh, as on the screen the display was made for; on
    // faster screens the deadline moves on by 16 ms, so the speed stays that of
    // 16 ms per step instead of falling to every second or third refresh.
    void stepsPerSecondAtEveryRefreshRate_data()
    {
        QTest::addColumn<qreal>("hertz");
        QTest::addColumn<int>("schritteIn10s");
        QTest::addRow("60 Hz") << 60.0 << 600;
        QTest::addRow("59.94 Hz") << 59.94 << 599;
        QTest::addRow("75 Hz") << 75.0 << 625;
        QTest::addRow("144 Hz") << 144.0 << 625;
        QTest::addRow("30 Hz, slower than a step") << 30.0 << 300;
    }
    void stepsPerSecondAtEveryRefreshRate()
    {
        QFETCH(qreal, hertz);
        QFETCH(int, schritteIn10s);
        Lauf l(QString(2000, u'a'), 3, 0, hertz);
        const int refreshes = qRound(hertz * 10);
        QVERIFY(l.frames(refreshes + 1)); // the first refresh is the start
        QVERIFY(qAbs(l.zeile.schritte() - schritteIn10s) <= 1);
    }

    void theLineGoesOnWhenTheClockCountsAfreshAfterAPause()
    {
        Lauf l(QString(200, u'a'), 3);
        l.frames(50);
        const int schritte = l.zeile.schritte();
        l.refresh = 1; // a clock started again counts from the beginning
        l.frames(10);
        QCOMPARE(l.zeile.schritte(), schritte + 10);
    }

    void charactersEnterAtTheRightEdge()
    {
        Lauf l(u"ab"_s + kSechzehnLeer + u'#', 3);
        QVERIFY(l.frame());
        // The blank before the text stands first, at the edge; no step at the start.
        QCOMPARE(l.glyphs.size(), size_t(1));
        QCOMPARE(l.glyphs.front().x, 640);
        QCOMPARE(l.xOf(u'a'), INT_MIN);
        // Three steps later the blank's text width (8) has room: "a" enters.
        QVERIFY(l.frames(3));
        QCOMPARE(l.xOf(u' '), 631);
        QCOMPARE(l.xOf(u'a'), 639);
        QVERIFY(l.frames(3));
        QCOMPARE(l.xOf(u'a'), 630);
        QCOMPARE(l.xOf(u'b'), 638);
    }

    // Every character stays where it entered, moved with the line: several entering
    // in one frame, a spacing below the speed or a change of spacing lose nothing.
    void charactersKeepTheirPlacesInTheLine_data()
    {
        QTest::addColumn<int>("tempo");
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("breite");
        QTest::addRow("slow") << 1 << 15 << 10;
        QTest::addRow("spacing below the speed") << 9 << 0 << 10;
        QTest::addRow("several enter at once") << 9 << 0 << 3;
        QTest::addRow("wide spacing") << 5 << 150 << 40;
    }
    void charactersKeepTheirPlacesInTheLine()
    {
        QFETCH(int, tempo);
        QFETCH(int, abstand);
        QFETCH(int, breite);
        QString text;
        for (int i = 0; i < 2000; ++i)
            text += QChar(u'A' + i % 26);
        Lauf l(text + kSechzehnLeer + u'#', tempo, abstand, 60, breiten(breite));
        int schrittweite = breite - 2 + abstand;
        for (int n = 0; n < 250; ++n) {
            if (n == 120) {
                l.zeile.keyPress(u'+'); // only characters entering from now on
                schrittweite += 5;
            }
            QVERIFY(l.frame());
            for (size_t i = 1; i < l.glyphs.size(); ++i) {
                const int abstandHier = l.glyphs[i].x - l.glyphs[i - 1].x;
                QVERIFY(abstandHier == breite - 2 + abstand || abstandHier == schrittweite);
            }
            // Filled up to the right edge, and nothing kept that has left at the left.
            QVERIFY(l.glyphs.back().x + breite - 2 + l.zeile.abstand() >= 640);
            QVERIFY(l.glyphs.front().x + breite > 0);
        }
    }

    // The display ends when its end mark, appended after the run-out of blanks, has
    // entered: a "#" in the text (the placeholder of a word part) is shown.
    void theEndMarkEndsTheDisplay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zeigtRaute");
        QTest::addRow("a placeholder before the end") << u"Ha#e"_s + kSechzehnLeer + u'#' << true;
        QTest::addRow("the end mark only") << u"Hase"_s + kSechzehnLeer + u'#' << false;
        QTest::addRow("a string without an end mark") << u"Hase"_s + kSechzehnLeer << false;
    }
    void theEndMarkEndsTheDisplay()
    {
        QFETCH(QString, text);
        QFETCH(bool, zeigtRaute);
        Lauf l(text, 9);
        bool raute = false;
        int bilder = 0;
        while (l.frame()) {
            raute = raute || l.xOf(u'#') != INT_MIN;
            QVERIFY(++bilder < 1000);
        }
        QCOMPARE(raute, zeigtRaute);
        // After the blank before the text, four letters and sixteen blanks.
        QCOMPARE(l.zeile.pos(), 21);
        QVERIFY(l.zeile.geschlossen());
        QVERIFY(!l.frame());
    }

    void keys_data()
    {
        QTest::addColumn<QChar>("taste");
        QTest::addColumn<int>("abstandVorher");
        QTest::addColumn<int>("tempo");
        QTest::addColumn<int>("abstand");
        QTest::addColumn<KeyEffect>("wirkung");
        QTest::addRow("+") << QChar(u'+') << 0 << 3 << 5 << KeyEffect::None;
        QTest::addRow("- with spacing") << QChar(u'-') << 10 << 3 << 5 << KeyEffect::None;
        QTest::addRow("- at 0") << QChar(u'-') << 0 << 3 << 0 << KeyEffect::None;
        QTest::addRow("a digit") << QChar(u'7') << 0 << 7 << 0 << KeyEffect::None;
        QTest::addRow("Esc") << QChar(27) << 0 << 3 << 0 << KeyEffect::Close;
        QTest::addRow("Space") << QChar(u' ') << 0 << 3 << 0 << KeyEffect::TogglePause;
        // No running backwards, no marking, no stopping with "s" here.
        QTest::addRow("0") << QChar(u'0') << 0 << 3 << 0 << KeyEffect::None;
        QTest::addRow("Return") << QChar(u'\r') << 0 << 3 << 0 << KeyEffect::None;
        QTest::addRow("s") << QChar(u's') << 0 << 3 << 0 << KeyEffect::None;
    }
    void keys()
    {
        QFETCH(QChar, taste);
        QFETCH(int, abstandVorher);
        QFETCH(int, tempo);
        QFETCH(int, abstand);
        QFETCH(KeyEffect, wirkung);
        Lauf l(u"Hase#"_s, 3, abstandVorher);
        QCOMPARE(l.zeile.keyPress(taste), wirkung);
        QCOMPARE(l.zeile.tempo(), tempo);
        QCOMPARE(l.zeile.abstand(), abstand);
    }
};

QTEST_GUILESS_MAIN(TestAlternativZeile)
#include "tst_alternativzeile.moc"
