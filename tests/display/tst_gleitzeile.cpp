#include "display/core/gleitzeile.h"
#include "exercise/core/markup.h"

#include <QRandomGenerator>
#include <QTest>
#include <climits>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;
using display::CarriedState;
using display::GleitZeile;
using display::GlyphWidths;
using display::KeyEffect;
using display::PlacedGlyph;

namespace {

const QString kSechzehnLeer = QString(16, u' ');

// Every glyph 10 px unless a test says otherwise.
GlyphWidths breiten(std::initializer_list<std::pair<int, int>> abweichend = {})
{
    GlyphWidths w;
    w.fill(10);
    for (auto [code, breite] : abweichend)
        w[size_t(code)] = breite;
    return w;
}

// One display with its carried state; frames and keys as the window feeds them.
struct Lauf {
    CarriedState carried;
    GleitZeile zeile;
    std::vector<PlacedGlyph> glyphs;

    Lauf(const QString &text, int width, int tempo, int abstand = 0,
         const GlyphWidths &w = breiten(), CarriedState c = {})
        : carried(c), zeile(text, w, width, 600, 100, tempo, abstand, &carried)
    {
    }
    bool frame() { return zeile.advance(glyphs); }
    bool frames(int n)
    {
        for (int i = 0; i < n; ++i)
            if (!frame())
                return false;
        return true;
    }
    void keys(const QString &k)
    {
        for (QChar c : k)
            zeile.keyPress(c, true);
    }
    // "a@97 b@107", blanks as "_": what the frame shows, readable in a failed compare.
    QString bild() const
    {
        QStringList teile;
        for (const PlacedGlyph &g : glyphs)
            teile << QChar(g.code == 32 ? u'_' : char16_t(g.code)) + u"@"_s + QString::number(g.x);
        return teile.join(u' ');
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

class TestGleitZeile : public QObject {
    Q_OBJECT
private slots:
    void startsAtTheRightEdgeWithTheBandCentred()
    {
        Lauf l(u"abc#"_s, 100, 3, 15);
        QCOMPARE(l.zeile.pos(), 1);
        QCOMPARE(l.zeile.linksX(), 100);
        QCOMPARE(l.zeile.abstand(), 15);
        QCOMPARE(l.zeile.zeileY(), 600 / 2 - 100 / 2 - 5);
        QCOMPARE(GleitZeile::bandTopAtStart(20, 31), 1);
        QCOMPARE(GleitZeile::bandTopAfterResize(20, 31), -10);
        l.zeile.resize(200, 21, 31);
        QCOMPARE(l.zeile.zeileY(), -10);
        QCOMPARE(l.zeile.width(), 200);
    }

    void linesEntersFromTheRightEdge()
    {
        Lauf l(u"abc"_s + kSechzehnLeer + u'#', 100, 3);
        QVERIFY(l.frame());
        QCOMPARE(l.bild(), u"a@97"_s);
        QVERIFY(l.frames(3));
        QCOMPARE(l.bild(), u"a@88 b@98"_s);
    }

    // Frame after frame every glyph must stand where the line, moved by tempo per
    // frame, puts it; the display closes exactly when the terminator would be drawn.
    void forwardLayoutStaysContinuousUntilTheEnd_data()
    {
        QTest::addColumn<int>("tempo");
        QTest::addColumn<int>("abstand");
        QTest::addRow("slow, no spacing") << 1 << 0;
        QTest::addRow("default") << 3 << 15;
        QTest::addRow("fastest") << 9 << 0;
        QTest::addRow("wide spacing") << 7 << 150;
    }
    void forwardLayoutStaysContinuousUntilTheEnd()
    {
        QFETCH(int, tempo);
        QFETCH(int, abstand);
        const GlyphWidths w = breiten({{'W', 20}, {' ', 9}, {'i', 12}});
        const QString text = u"Wai Wai\tiW    #"_s;
        const int W = 60;
        Lauf l(text, W, tempo, abstand, w);
        auto idealX = [&](int frame, int position) {
            int x = W - frame * tempo;
            for (int q = 1; q < position; ++q)
                x += w[text[q - 1] == u'\t' ? 32 : text[q - 1].unicode()] + abstand;
            return x;
        };
        for (int n = 1; n < 1000; ++n) {
            const int links = l.zeile.pos();
            const bool offen = l.frame();
            if (!offen) {
                QVERIFY(idealX(n, int(text.size())) < W);
                QVERIFY(idealX(n - 1, int(text.size())) >= W);
                QVERIFY(!l.frame());
                return;
            }
            for (size_t i = 0; i < l.glyphs.size(); ++i)
                QCOMPARE(l.glyphs[i].x, idealX(n, links + int(i)));
            QVERIFY(l.glyphs.empty() || l.glyphs.front().x + 20 + abstand >= -tempo);
        }
        QFAIL("the display never closed");
    }

    void terminatorClosesTheDisplay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offeneBilder");
        QTest::addColumn<QString>("letztesBild");
        // The end at 100 - 3n + 20 < 100 from frame 7 on.
        QTest::addRow("end mark") << u"ab#"_s << 6 << u"a@82 b@92"_s;
        QTest::addRow("end of the string") << u"ab"_s << 6 << u"a@82 b@92"_s;
        // A "#" before the end mark is a placeholder and is shown.
        QTest::addRow("hash in the middle") << u"ab#cd#"_s << 16 << u"a@52 b@62 #@72 c@82 d@92"_s;
        QTest::addRow("hash first") << u"#abc#"_s << 13 << u"#@61 a@71 b@81 c@91"_s;
        QTest::addRow("only the end mark") << u"#"_s << 0 << QString();
        QTest::addRow("empty") << QString() << 0 << QString();
    }
    void terminatorClosesTheDisplay()
    {
        QFETCH(QString, text);
        QFETCH(int, offeneBilder);
        QFETCH(QString, letztesBild);
        Lauf l(text, 100, 3);
        QVERIFY(l.frames(offeneBilder));
        QCOMPARE(l.bild(), letztesBild);
        QVERIFY(!l.frame());
        QVERIFY(l.zeile.geschlossen());
        QVERIFY(!l.frame());

        // Turned round before its first frame, a line without text must still close.
        if (offeneBilder == 0) {
            Lauf rueckwaerts(text, 100, 3);
            rueckwaerts.keys(u"0"_s);
            QVERIFY(!rueckwaerts.frame());
        }
    }

    void controlCodesAreDrawnAndMeasuredAsBlanks()
    {
        Lauf l(u"a\tb\x01€"_s + kSechzehnLeer + u'#', 200, 4, 0,
               breiten({{' ', 12}, {'\t', 50}, {1, 50}, {0x80, 30}}));
        QVERIFY(l.frame());
        QCOMPARE(l.bild(), u"a@196"_s);
        QVERIFY(l.frames(20));
        QCOMPARE(l.bild(), u"a@116 _@126 b@138 _@148 \x80@160 _@190"_s);
    }

    void zeroWidthGlyphsNeitherHangNorShiftTheLine()
    {
        Lauf l(u"aib"_s + kSechzehnLeer + u'#', 30, 5, 0, breiten({{'i', 0}}));
        QVERIFY(l.frames(4));
        QCOMPARE(l.bild(), u"a@10 i@20 b@20"_s);
        QVERIFY(l.frames(5));
        QCOMPARE(l.zeile.pos(), 2);
        QVERIFY(l.frame());
        QCOMPARE(l.zeile.pos(), 3); // the empty glyph leaves at once
        QCOMPARE(l.xOf(u'b'), -10);
        QCOMPARE(l.zeile.linksX(), -10);

        // A text of nothing but empty glyphs, wrapped round by running backwards,
        // must not make the walk or the word search go round for ever.
        Lauf leer(u"ii#"_s, 20, 1, 0, breiten({{'i', 0}}));
        leer.keys(u"0"_s);
        QVERIFY(leer.frame());
        QVERIFY(leer.zeile.umlauf());
        leer.keys(u"1"_s);
        QVERIFY(leer.frames(10));
        QVERIFY(leer.zeile.umlauf());
        QCOMPARE(leer.zeile.markWord().word, u"ii"_s);
        for (int i = 0; i < 100 && !leer.zeile.geschlossen(); ++i)
            leer.frame();
        QVERIFY(leer.zeile.geschlossen());
    }

    // Running backwards past the first character brings the end of the text in from
    // the left; a marker glyph must move by exactly the tempo every frame throughout,
    // and the wrapped line must not close when it runs forward over the seam.
    void runningBackwardsWrapsToTheEndOfTheText()
    {
        const QString text = u"Xabcdefg    #"_s;
        Lauf l(text, 50, 5);
        QVERIFY(l.frames(10));
        QCOMPARE(l.xOf(u'X'), 0);
        l.keys(u"0"_s);
        QCOMPARE(l.zeile.tempo(), -8);
        QCOMPARE(l.carried.tempo_vorher, 5);

        // The marker's step between two frames in which it is visible (it leaves at
        // one edge and comes back at the other as the wrapped line goes round).
        int vorher = INT_MIN;
        auto schrittVonX = [&]() -> std::optional<int> {
            const int x = l.xOf(u'X');
            const int alt = std::exchange(vorher, x);
            if (x == INT_MIN || alt == INT_MIN || std::abs(x - alt) > 50)
                return std::nullopt;
            return x - alt;
        };
        int verglichen = 0;
        QVERIFY(l.frame());
        QCOMPARE(l.bild(), u"X@8 a@18 b@28 c@38 d@48"_s);
        schrittVonX();
        QVERIFY(l.frame());
        QCOMPARE(l.bild(), u"_@6 X@16 a@26 b@36 c@46"_s);
        QVERIFY(l.zeile.umlauf());
        QCOMPARE(schrittVonX(), 8);
        for (int i = 0; i < 40; ++i) {
            QVERIFY(l.frame());
            QVERIFY(l.zeile.umlauf());
            if (const auto schritt = schrittVonX(); schritt && ++verglichen)
                QCOMPARE(*schritt, 8);
        }

        // Forward again over the seam: the terminator passes on screen without closing
        // the display; once the end of the text has left at the left, the next arrival
        // of the terminator at the right edge closes it.
        l.keys(u"0"_s);
        QCOMPARE(l.zeile.tempo(), 5);
        int bilder = 0;
        while (l.frame()) {
            if (const auto schritt = schrittVonX(); schritt && ++verglichen)
                QCOMPARE(*schritt, -5);
            QVERIFY(++bilder < 100);
        }
        QVERIFY(verglichen > 20);
        QVERIFY(!l.zeile.umlauf());
        // At most one loop of 120 px to reach the seam, then 120 px less the screen.
        QVERIFY(bilder > 70 / 5);
        QVERIFY(bilder <= (120 + 70) / 5);
    }

    void jumpToTheBeginningWhileRunningBackwardsKeepsTheFirstCharacterInPlace()
    {
        // No trailing blank: the glyph that comes in front of "X" is wider than the
        // blank at position 0 that it replaces.
        Lauf l(u"Xabcdefghk. Zweiter Satz#"_s, 50, 9, 0, breiten({{' ', 8}, {'z', 20}}));
        QVERIFY(l.frames(3));
        l.keys(u"0"_s);
        QVERIFY(l.frames(3));
        QVERIFY(l.zeile.umlauf());
        l.zeile.keyDown(Qt::Key_PageUp);
        QCOMPARE(l.zeile.pos(), 0);
        QVERIFY(!l.zeile.umlauf());
        QVERIFY(l.frames(5)); // the blank at 0 gives way to the end of the text
        QVERIFY(l.zeile.umlauf());
        l.keys(u"0"_s);
        QVERIFY(l.frames(6));
        QCOMPARE(l.xOf(u'X'), 50 + 8 + 5 * 8 - 6 * 9);
    }

    void spacingKeysAndDigits_data()
    {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<int>("abstandDanach");
        QTest::addColumn<int>("tempoDanach");
        QTest::addColumn<int>("sperreDanach");
        QTest::addRow("plus") << 15 << u"+"_s << 20 << 4 << 160;
        QTest::addRow("plus has no upper limit") << 150 << u"++"_s << 160 << 4 << 160;
        QTest::addRow("minus") << 15 << u"-"_s << 10 << 4 << 160;
        QTest::addRow("minus at 0") << 0 << u"-"_s << 0 << 4 << 0;
        QTest::addRow("plus while backwards") << 15 << u"0+"_s << 15 << -8 << 0;
        QTest::addRow("minus while backwards") << 15 << u"0-"_s << 15 << -8 << 0;
        QTest::addRow("digit") << 15 << u"7"_s << 15 << 7 << 0;
        QTest::addRow("digit ends running backwards") << 15 << u"02"_s << 15 << 2 << 0;
        QTest::addRow("zero while backwards resumes") << 15 << u"00"_s << 15 << 4 << 0;
        QTest::addRow("zero turns round at the new speed") << 15 << u"060"_s << 15 << -8 << 0;
        QTest::addRow("zero locked after plus") << 15 << u"+0"_s << 20 << 4 << 160;
    }
    void spacingKeysAndDigits()
    {
        QFETCH(int, abstand);
        QFETCH(QString, tasten);
        QFETCH(int, abstandDanach);
        QFETCH(int, tempoDanach);
        QFETCH(int, sperreDanach);
        Lauf l(u"abc#"_s, 100, 4, abstand);
        l.keys(tasten);
        QCOMPARE(l.zeile.abstand(), abstandDanach);
        QCOMPARE(l.zeile.tempo(), tempoDanach);
        QCOMPARE(l.carried.umkehr_sperre, sperreDanach);
    }

    // "0" may turn the line round only once it has moved W + 60 further, and the
    // lock outlasts the display.
    void reversalIsLockedForTheWidthAndSixty_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addRow("plus") << int(u'+');
        QTest::addRow("minus") << int(u'-');
        QTest::addRow("page up") << int(Qt::Key_PageUp);
        QTest::addRow("page down") << int(Qt::Key_PageDown);
    }
    void reversalIsLockedForTheWidthAndSixty()
    {
        QFETCH(int, taste);
        const QString text = QString(60, u'a') + u". "_s + QString(60, u'b') + u'#';
        Lauf l(text, 100, 4, 5);
        if (taste < 256)
            l.zeile.keyPress(QChar(taste), true);
        else
            l.zeile.keyDown(taste);
        QVERIFY(l.frames(39));
        l.keys(u"0"_s);
        QCOMPARE(l.zeile.tempo(), 4);

        Lauf naechste(text, 100, 4, 5, breiten(), l.carried);
        naechste.keys(u"0"_s);
        QCOMPARE(naechste.zeile.tempo(), 4);
        QVERIFY(naechste.frame());
        naechste.keys(u"0"_s);
        QCOMPARE(naechste.zeile.tempo(), -8);
        QCOMPARE(naechste.carried.tempo_vorher, 4);
    }

    void lockDoesNotGrowWhileRunningBackwards()
    {
        Lauf l(QString(100, u'a') + u'#', 100, 4);
        QVERIFY(l.frames(20));
        l.keys(u"0"_s);
        l.zeile.keyDown(Qt::Key_PageDown);
        QCOMPARE(l.carried.umkehr_sperre, 160);
        QVERIFY(l.frames(10));
        QCOMPARE(l.carried.umkehr_sperre, 80);
    }

    void sentenceJumps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("nach");
        const QString saetze = u"Eins. Zwei. Drei.   #"_s;
        const QString ohneEnde = u"Hund Katze Maus   #"_s;
        const int up = Qt::Key_PageUp;
        const int down = Qt::Key_PageDown;
        QTest::addRow("up in the first sentence") << saetze << 3 << up << 0;
        QTest::addRow("up at the first character") << saetze << 1 << up << 0;
        QTest::addRow("up from position 0") << saetze << 0 << up << 0;
        QTest::addRow("up in the second sentence") << saetze << 8 << up << 0;
        QTest::addRow("up at the start of the second") << saetze << 6 << up << 0;
        QTest::addRow("up in the third sentence") << saetze << 14 << up << 6;
        QTest::addRow("up at the start of the third") << saetze << 12 << up << 6;
        QTest::addRow("up without sentence ends") << ohneEnde << 8 << up << 0;
        QTest::addRow("down from the first sentence") << saetze << 1 << down << 6;
        QTest::addRow("down from position 0") << saetze << 0 << down << 6;
        QTest::addRow("down from a sentence start") << saetze << 6 << down << 12;
        QTest::addRow("down in the last sentence") << saetze << 14 << down << 18;
        QTest::addRow("down after the last sentence") << saetze << 18 << down << 0;
        QTest::addRow("down without sentence ends") << ohneEnde << 3 << down << 0;
        QTest::addRow("question and exclamation") << u"Wer? Ich! Gut.#"_s << 5 << down << 10;
        QTest::addRow("down, last sentence unended") << u"Ja. Nein#"_s << 5 << down << 0;
        QTest::addRow("down past a placeholder hash") << u"Ha#e. Ja.#"_s << 1 << down << 6;
        QTest::addRow("up on an empty text") << QString() << 1 << up << 0;
        QTest::addRow("down on an empty text") << QString() << 1 << down << 0;
    }
    void sentenceJumps()
    {
        QFETCH(QString, text);
        QFETCH(int, von);
        QFETCH(int, taste);
        QFETCH(int, nach);
        // With the screen 1 px wide the line walks one glyph a frame and never closes early.
        Lauf l(text, 1, 5);
        if (von == 0)
            l.zeile.keyDown(Qt::Key_PageUp);
        for (int i = 0; i < 100 && l.zeile.pos() < von; ++i)
            QVERIFY(l.frame());
        QCOMPARE(l.zeile.pos(), von);
        QCOMPARE(l.zeile.keyDown(taste), KeyEffect::None);
        QCOMPARE(l.zeile.pos(), nach);
        QCOMPARE(l.zeile.linksX(), 1);
        QCOMPARE(l.carried.umkehr_sperre, 61);
        QVERIFY(!l.zeile.umlauf());
    }

    // Widths 10, tempo 5 from a 100 px screen: after n frames the right edge lies on
    // position ceil(n / 2) without spacing.
    void returnMarksTheWordAtTheRightEdge_data()
    {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("bilder");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("start");
        QTest::addRow("first word, selected from 0") << 0 << 4 << u"Der"_s << 0;
        QTest::addRow("before the first frame") << 0 << 0 << u"Der"_s << 0;
        QTest::addRow("blank after the first word") << 0 << 8 << u"Der"_s << 0;
        QTest::addRow("first letter of a word") << 0 << 10 << u"Hund"_s << 5;
        QTest::addRow("last letter of a word") << 0 << 16 << u"Hund"_s << 5;
        QTest::addRow("blank after a word") << 0 << 18 << u"Hund"_s << 5;
        QTest::addRow("last word") << 0 << 20 << u"bellt"_s << 10;
        QTest::addRow("among the trailing blanks") << 0 << 32 << u"bellt"_s << 10;
        QTest::addRow("spacing counts") << 10 << 12 << u"Der"_s << 0;
    }
    void returnMarksTheWordAtTheRightEdge()
    {
        QFETCH(int, abstand);
        QFETCH(int, bilder);
        QFETCH(QString, wort);
        QFETCH(int, start);
        Lauf l(u"Der Hund bellt"_s + kSechzehnLeer + u'#', 100, 5, abstand);
        QVERIFY(l.frames(bilder));
        QCOMPARE(l.zeile.keyPress(u'\r', true), KeyEffect::MarkWord);
        const display::MarkedWord m = l.zeile.markWord();
        QCOMPARE(m.word, wort);
        QCOMPARE(m.selectionStart, start);
        QCOMPARE(m.selectionLength, int(wort.size()));
    }

    void returnMarksNothingInARepetitionOrOnBlanks()
    {
        Lauf l(u"Der Hund#"_s, 100, 5);
        QCOMPARE(l.zeile.keyPress(u'\r', false), KeyEffect::None);
        Lauf leer(u"     #"_s, 100, 5);
        QVERIFY(leer.zeile.markWord().word.isEmpty());
        QCOMPARE(leer.zeile.markWord().selectionLength, 0);
    }

    // Any text, widths and keys: the walk ends, draws no terminator, and the leftmost
    // position stays inside the text (or on the blank before it).
    void randomFramesAndKeysStayInsideTheText()
    {
        QRandomGenerator zufall(4711);
        const QString zeichen = u"ab .!?#\t"_s;
        const QList<int> tasten = {'+', '-', '0', '1', '9', '\r', Qt::Key_PageUp, Qt::Key_PageDown};
        for (int lauf = 0; lauf < 300; ++lauf) {
            QString text;
            for (int i = zufall.bounded(14); i > 0; --i)
                text += zeichen[zufall.bounded(int(zeichen.size()))];
            GlyphWidths w;
            for (int &b : w)
                b = zufall.bounded(13);
            const int ende = int(markup::displayStringEnd(text)) + 1;
            Lauf l(text, zufall.bounded(61), 1 + zufall.bounded(9), 5 * zufall.bounded(3), w);
            for (int schritt = 0; schritt < 300 && !l.zeile.geschlossen(); ++schritt) {
                const int taste = tasten[zufall.bounded(int(tasten.size()))];
                if (schritt % 4 == 0)
                    taste < 256 ? void(l.zeile.keyPress(QChar(taste), true))
                                : void(l.zeile.keyDown(taste));
                l.zeile.markWord();
                if (l.frame()) {
                    QVERIFY(l.zeile.pos() >= 0 && l.zeile.pos() < ende);
                    QVERIFY(l.glyphs.size() < 1000);
                    for (const PlacedGlyph &g : l.glyphs)
                        QVERIFY(g.code >= 32);
                }
            }
        }
    }

    void helpNeedsRoomAboveTheBand_data()
    {
        QTest::addColumn<int>("hoehe");
        QTest::addRow("12 rows") << 50;
        QTest::addRow("13 rows") << 52;
    }
    void helpNeedsRoomAboveTheBand()
    {
        QFETCH(int, hoehe);
        CarriedState c;
        GleitZeile z(u"abc#"_s, breiten(), 100, hoehe, 16, 3, 0, &c);
        const bool platz = z.zeileY() > 12;
        QCOMPARE(z.keyDown(Qt::Key_F1), platz ? KeyEffect::HelpToggled : KeyEffect::None);
        QCOMPARE(z.hilfeAn(), platz);
        z.keyDown(Qt::Key_F1);
        QVERIFY(!z.hilfeAn());
    }
};

QTEST_GUILESS_MAIN(TestGleitZeile)
#include "tst_gleitzeile.moc"
