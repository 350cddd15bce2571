#include "display/core/lesefinger.h"

#include <QTest>

using namespace Qt::StringLiterals;
using display::KeyEffect;
using display::Lesefinger;
using display::LeseModus;
using display::LeseText;

namespace {

// Every character 10 pixels wide: 57 fit a line of 569 pixels. Lines 40 pixels high:
// six lines fit a page.
Lesefinger lesen(const QString &puffer, LeseModus modus = LeseModus::Lesefinger, int stufe = 9)
{
    return Lesefinger(LeseText(puffer), modus, stufe, 40,
                      [](QStringView text) { return int(text.size()) * 10; });
}

// The lines as the reading shows them, "^" before a line that starts a page.
QStringList alleZeilen(Lesefinger &lese)
{
    QStringList zeilen;
    int start = -1;
    int seite = 0;
    for (int i = 0; i < 100000 && !lese.beendet(); lese.advance(), ++i) {
        if (!lese.zeile() || lese.zeile()->start == start)
            continue;
        start = lese.zeile()->start;
        zeilen << (lese.seite() != seite ? u"^"_s : QString()) +
                      lese.text().zeichen.mid(start, lese.zeile()->laenge);
        seite = lese.seite();
    }
    return zeilen;
}

const QString kA11 = u"aaaa "_s.repeated(11);

} // namespace

class TestLesefinger : public QObject {
    Q_OBJECT
private slots:
    void linesAndPages_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addRow("one sentence, one line")
            << u"Der Hund bellt.#"_s << QStringList{u"^Der Hund bellt."_s};
        QTest::addRow("every sentence on a new page")
            << u"Ein Satz. Noch einer! Und?#"_s
            << QStringList{u"^Ein Satz."_s, u"^Noch einer!"_s, u"^Und?"_s};
        QTest::addRow("\"...\" and \"?!\" stay with their sentence")
            << u"Hm... Was?! Ja.#"_s << QStringList{u"^Hm..."_s, u"^Was?!"_s, u"^Ja."_s};
        QTest::addRow("a word that does not fit starts the next line")
            << kA11 + u"aaaa b.#"_s << QStringList{u"^"_s + kA11, u"aaaa b."_s};
        QTest::addRow("a word wider than a line stands alone, whole")
            << u"ab "_s + QString(70, u'x') + u" cd.#"_s
            << QStringList{u"^ab "_s, QString(70, u'x'), u"cd."_s};
        QTest::addRow("the seventh line starts a page")
            << kA11.repeated(7) + u"#"_s
            << QStringList{u"^"_s + kA11, kA11, kA11, kA11, kA11, kA11, u"^"_s + kA11};
        QTest::addRow("a dot inside a gap pair ends no sentence")
            << u"Er schrieb z$.$B$.$ viel. Dann#"_s
            << QStringList{u"^Er schrieb z.B. viel."_s, u"^Dann"_s};
        QTest::addRow("gap marks taken out, every letter shown")
            << u"H§u§nd und &Ge&burtstag.#"_s << QStringList{u"^Hund und Geburtstag."_s};
        QTest::addRow("a line break is a blank")
            << u"Hallo\r\nWelt.  \r\n   #"_s << QStringList{u"^Hallo Welt."_s};
        QTest::addRow("only blanks: nothing to read") << u"   \r\n  #"_s << QStringList{};
        QTest::addRow("no end mark: read to the end")
            << u"Ohne Ende"_s << QStringList{u"^Ohne Ende"_s};
        QTest::addRow("nothing after the end mark") << u"Eins.#Zwei."_s << QStringList{u"^Eins."_s};
    }
    void linesAndPages()
    {
        QFETCH(QString, puffer);
        QFETCH(QStringList, zeilen);
        for (const LeseModus modus : {LeseModus::Lesefinger, LeseModus::Silbenlesen}) {
            Lesefinger lese = lesen(puffer, modus);
            if (modus == LeseModus::Silbenlesen)
                lese.keyPress(u'9', false);
            QCOMPARE(alleZeilen(lese), zeilen);
            QVERIFY(lese.beendet());
        }
    }

    // A step lands exactly `takt` refreshes after the one before, also across lines
    // and pages.
    void oneStepEveryTaktRefreshes()
    {
        for (int stufe = 1; stufe <= 6; ++stufe) {
            Lesefinger lese =
                lesen(u"Ein Satz. "_s.repeated(40) + u"#"_s, LeseModus::Lesefinger, stufe);
            const int takt = Lesefinger::tempo(stufe).takt;
            qint64 vorher = -1;
            for (int i = 0; i < 3000 && !lese.beendet(); ++i) {
                lese.advance();
                if (lese.letzterSchritt() != vorher && lese.schritte() > 1)
                    QCOMPARE(lese.letzterSchritt() - vorher, takt);
                vorher = lese.letzterSchritt();
            }
            QVERIFY(lese.schritte() > 100);
        }
    }

    void keys_data()
    {
        QTest::addColumn<QString>("zustand");
        QTest::addColumn<int>("taste"); // a character or a Qt::Key
        QTest::addColumn<int>("refreshes");
        QTest::addColumn<QString>("tempo"); // schritt/takt
        QTest::addColumn<bool>("pause");
        QTest::addColumn<bool>("ende");
        QTest::addColumn<QString>("zeile"); // the line on the screen
        QTest::addColumn<int>("effekt");

        const int none = int(KeyEffect::None);
        QTest::addRow("digit sets the speed") << u"finger"_s << int(u'7') << 0 << u"2/1"_s << false
                                              << false << u"Eins eins."_s << none;
        QTest::addRow("digit ends a pause") << u"pause"_s << int(u'4') << 0 << u"1/3"_s << false
                                            << false << u"Eins eins."_s << none;
        QTest::addRow("Space pauses") << u"finger"_s << int(u' ') << 0 << u"1/4"_s << true << false
                                      << u"Eins eins."_s << none;
        QTest::addRow("Space goes on") << u"pause"_s << int(u' ') << 0 << u"1/4"_s << false << false
                                       << u"Eins eins."_s << none;
        QTest::addRow("0 runs back") << u"finger"_s << int(u'0') << 0 << u"-2/1"_s << false << false
                                     << u"Eins eins."_s << none;
        QTest::addRow("running back stops at the line's start")
            << u"zurueck"_s << 0 << 100 << u"-2/1"_s << true << false << u"Eins eins."_s << none;
        QTest::addRow("0 again: forward at the saved speed")
            << u"zurueck"_s << int(u'0') << 0 << u"1/4"_s << false << false << u"Eins eins."_s
            << none;
        QTest::addRow("0 in syllable reading: only Space")
            << u"silben"_s << int(u'0') << 0 << u"0/1"_s << false << false << u"Eins eins."_s
            << none;
        QTest::addRow("s while reading does nothing") << u"finger"_s << int(u's') << 1 << u"1/4"_s
                                                      << false << false << u"Eins eins."_s << none;
        QTest::addRow("s after the end reads again at speed 5")
            << u"ende"_s << int(u's') << 0 << u"1/2"_s << false << false << u"Eins eins."_s << none;
        QTest::addRow("Page Down: the next sentence")
            << u"finger"_s << int(Qt::Key_PageDown) << 1 << u"1/4"_s << false << false
            << u"Zwei zwei."_s << none;
        QTest::addRow("Page Down in the last sentence: its start again")
            << u"letzter"_s << int(Qt::Key_PageDown) << 1 << u"1/4"_s << false << false
            << u"Drei drei."_s << none;
        QTest::addRow("Page Up: the sentence before")
            << u"letzter"_s << int(Qt::Key_PageUp) << 1 << u"1/4"_s << false << false
            << u"Zwei zwei."_s << none;
        QTest::addRow("Page Up in the first sentence: its start")
            << u"finger"_s << int(Qt::Key_PageUp) << 1 << u"1/4"_s << false << false
            << u"Eins eins."_s << none;
        QTest::addRow("Page Up after the end: only s starts again")
            << u"ende"_s << int(Qt::Key_PageUp) << 1 << u"1/4"_s << false << true << QString()
            << none;
        QTest::addRow("Page Down after the end: only s starts again")
            << u"ende"_s << int(Qt::Key_PageDown) << 1 << u"1/4"_s << false << true << QString()
            << none;
        QTest::addRow("Esc closes") << u"finger"_s << 27 << 0 << u"1/4"_s << false << false
                                    << u"Eins eins."_s << int(KeyEffect::Close);
        QTest::addRow("Return marks in a first run")
            << u"finger"_s << int(u'\r') << 0 << u"1/4"_s << false << false << u"Eins eins."_s
            << int(KeyEffect::MarkWord);
        QTest::addRow("Return marks nothing in a repetition")
            << u"wiederholung"_s << int(u'\r') << 0 << u"1/4"_s << false << false << u"Eins eins."_s
            << none;
        QTest::addRow("F1 shows the help")
            << u"finger"_s << int(Qt::Key_F1) << 0 << u"1/4"_s << false << false << u"Eins eins."_s
            << int(KeyEffect::HelpToggled);
    }
    void keys()
    {
        QFETCH(QString, zustand);
        QFETCH(int, taste);
        QFETCH(int, refreshes);
        Lesefinger lese =
            lesen(u"Eins eins. Zwei zwei. Drei drei.#"_s,
                  zustand == u"silben" ? LeseModus::Silbenlesen : LeseModus::Lesefinger, 3);
        for (int i = 0; i < 10; ++i)
            lese.advance();
        if (zustand == u"pause")
            lese.keyPress(u' ', true);
        if (zustand == u"zurueck")
            lese.keyPress(u'0', true);
        if (zustand == u"letzter") {
            lese.keyDown(Qt::Key_PageDown);
            lese.keyDown(Qt::Key_PageDown);
            lese.advance();
        }
        if (zustand == u"ende") {
            while (!lese.beendet())
                lese.advance();
        }
        const KeyEffect wirkung = taste >= Qt::Key_Escape
                                      ? lese.keyDown(taste)
                                      : lese.keyPress(QChar(taste), zustand != u"wiederholung");
        for (int i = 0; i < refreshes; ++i)
            lese.advance();
        QFETCH(QString, tempo);
        QFETCH(bool, pause);
        QFETCH(bool, ende);
        QFETCH(QString, zeile);
        QFETCH(int, effekt);
        QCOMPARE(u"%1/%2"_s.arg(lese.schritt()).arg(lese.takt()), tempo);
        QCOMPARE(lese.pausiert(), pause);
        QCOMPARE(lese.beendet(), ende);
        QCOMPARE(lese.zeile().has_value(), !zeile.isEmpty());
        if (lese.zeile())
            QCOMPARE(lese.text().zeichen.mid(lese.zeile()->start, lese.zeile()->laenge), zeile);
        QCOMPARE(int(wirkung), effekt);
    }

    // Syllable reading: Space reveals up to and including the next blank or hyphen;
    // Return marks the word reached, with its gap marks, where the editor has it.
    void markedWord_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<int>("leertasten");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("laenge");
        QTest::addRow("the first syllable comes at once")
            << u"Der Hund.#"_s << 0 << u"Der "_s << u"Der"_s << 0 << 3;
        QTest::addRow("a hyphen ends a syllable, not a word")
            << u"Ha-se und Igel#"_s << 0 << u"Ha-"_s << u"Ha-se"_s << 0 << 5;
        QTest::addRow("after a line break")
            << u"Ein\r\nHund bellt#"_s << 1 << u"Ein Hund "_s << u"Hund"_s << 4 << 4;
        QTest::addRow("with gap marks, after two line breaks")
            << u"Der H§u§nd\r\nund\r\n&Ge&burtstag feiern#"_s << 3 << u"Der Hund und Geburtstag "_s
            << u"&Ge&burtstag"_s << 15 << 12;
        QTest::addRow("a word group is one word")
            << u"Der_Hund bellt#"_s << 0 << u"Der "_s << u"Der_Hund"_s << 0 << 8;
        QTest::addRow("a word group reached at its last word")
            << u"Der_Hund bellt#"_s << 1 << u"Der Hund "_s << u"Der_Hund"_s << 0 << 8;
        QTest::addRow("the word after a word group")
            << u"Der_Hund bellt laut#"_s << 2 << u"Der Hund bellt "_s << u"bellt"_s << 9 << 5;
        QTest::addRow("a word with gap marks")
            << u"Der H§u§nd bellt#"_s << 1 << u"Der Hund "_s << u"H§u§nd"_s << 4 << 6;
    }
    void markedWord()
    {
        QFETCH(QString, puffer);
        QFETCH(int, leertasten);
        Lesefinger lese = lesen(puffer, LeseModus::Silbenlesen);
        lese.keyPress(u'0', true);
        for (int i = 0; i < 5; ++i)
            lese.advance();
        for (int i = 0; i < leertasten; ++i) {
            lese.keyPress(u' ', true);
            lese.advance();
        }
        lese.advance();
        QFETCH(QString, gezeigt);
        QFETCH(QString, wort);
        QFETCH(int, start);
        QFETCH(int, laenge);
        QVERIFY(lese.zeile());
        QCOMPARE(lese.text().zeichen.mid(lese.zeile()->start, lese.gezeigt()), gezeigt);
        const auto markiert = lese.markWord();
        QVERIFY(markiert);
        QCOMPARE(markiert->roh, wort);
        QCOMPARE(markiert->selectionStart, start);
        QCOMPARE(markiert->selectionLength, laenge);
    }
};

QTEST_GUILESS_MAIN(TestLesefinger)
#include "tst_lesefinger.moc"
