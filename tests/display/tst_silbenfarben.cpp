#include "display/core/frame.h"
#include "display/core/gleitzeile.h"
#include "display/core/glyphset.h"
#include "display/core/lesefinger.h"
#include "display/core/silbenfarben.h"

#include <QTest>

using namespace Qt::StringLiterals;
using display::Lesefinger;
using display::LeseModus;
using display::LeseText;

Q_DECLARE_METATYPE(QList<qsizetype>)

namespace {

// "0" the letter colour, "1" and "2" the syllable colours.
QString alsZiffern(const QByteArray &farben)
{
    QString result;
    for (char f : farben)
        result += QChar(u'0' + f);
    return result;
}

} // namespace

class TestSilbenfarben : public QObject {
    Q_OBJECT
private slots:
    void syllablesAlternateWordByWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("anfaenge");
        QTest::addColumn<QString>("farben");
        QTest::addRow("each word begins in the first colour")
            << u"Hase Ei Katze"_s << QList<qsizetype>{2, 11} << u"1122011011122"_s;
        QTest::addRow("a typed hyphen begins a syllable and keeps the letter colour")
            << u"Ha-se Hasen-Schule"_s << QList<qsizetype>{8, 16} << u"110220112220111122"_s;
        QTest::addRow("punctuation, digits and placeholders stay uncoloured")
            << u"Zucker. 3Hasen Ha..e"_s << QList<qsizetype>{2} << u"11222200011111011001"_s;
        QTest::addRow("a group's join and a no-break space begin a word")
            << u"der_Hase\u00A0Esel"_s << QList<qsizetype>{6, 10} << u"1110112201222"_s;
        QTest::addRow("a hyphen before a blank or a digit begins nothing")
            << u"Mutter- und 12-jährige"_s << QList<qsizetype>{3, 18, 20}
            << u"1112220011100001112211"_s;
    }
    void syllablesAlternateWordByWord()
    {
        QFETCH(QString, text);
        QFETCH(QList<qsizetype>, anfaenge);
        QFETCH(QString, farben);
        QCOMPARE(alsZiffern(display::silbenFarben(text, anfaenge)), farben);
    }

    // Syllable reading of a text without hyphens: each Space reveals the next syllable
    // found, the shown text keeps no hyphen, and a gap pair's word stays whole.
    void syllableReadingStopsAtTheSyllablesFound_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<QList<qsizetype>>("anfaenge");
        QTest::addColumn<bool>("automatisch");
        QTest::addColumn<QStringList>("schritte");
        QTest::addRow("syllables found")
            << u"Die Katze rennt."_s << QList<qsizetype>{7} << true
            << QStringList{u"Die "_s, u"Die Kat"_s, u"Die Katze "_s, u"Die Katze rennt."_s};
        QTest::addRow("a syllable of one letter is a stop of its own")
            << u"Hase und Igel laufen."_s << QList<qsizetype>{2, 10, 17} << true
            << QStringList{u"Ha"_s,
                           u"Hase "_s,
                           u"Hase und "_s,
                           u"Hase und I"_s,
                           u"Hase und Igel "_s,
                           u"Hase und Igel lau"_s,
                           u"Hase und Igel laufen."_s};
        QTest::addRow("found and typed, over a line break")
            << u"Ha-se\r\nEsel."_s << QList<qsizetype>{8} << true
            << QStringList{u"Ha-"_s, u"Ha-se "_s, u"Ha-se E"_s, u"Ha-se Esel."_s};
        QTest::addRow("the places count in the buffer, behind gap marks")
            << u"H§u§nd Tiger."_s << QList<qsizetype>{9} << true
            << QStringList{u"Hund "_s, u"Hund Ti"_s, u"Hund Tiger."_s};
        QTest::addRow("without the setting whole words")
            << u"Die Katze rennt."_s << QList<qsizetype>{7} << false
            << QStringList{u"Die "_s, u"Die Katze "_s, u"Die Katze rennt."_s};
    }
    void syllableReadingStopsAtTheSyllablesFound()
    {
        QFETCH(QString, puffer);
        QFETCH(QList<qsizetype>, anfaenge);
        QFETCH(bool, automatisch);
        QFETCH(QStringList, schritte);
        LeseText text(puffer);
        text.silbenSetzen(anfaenge, automatisch, true);
        QCOMPARE(text.farben.size(), text.size());
        Lesefinger lese(text, LeseModus::Silbenlesen, 3, 30,
                        [](QStringView t) { return int(t.size()) * 10; });
        QStringList gezeigt;
        for (int i = 0; i < 20 && !lese.beendet(); ++i) {
            if (i > 0)
                lese.keyPress(u' ', false);
            // The pupil takes a while before the next Space: nothing more appears.
            for (int refresh = 0; refresh < 3; ++refresh)
                lese.advance();
            gezeigt << lese.text().zeichen.left(lese.gelesenBis());
        }
        QCOMPARE(gezeigt, schritte);
    }

    // A frame takes each glyph from the set of its colour, and all from the letter
    // colour's when the colours are off.
    void aFrameTakesEachGlyphInItsColour()
    {
        const QFont font(u"DejaVu Sans"_s, 20);
        const QColor weiss(255, 255, 255), blau(0, 0, 255), rot(255, 0, 0);
        const auto set = [&](QColor farbe) {
            return display::GlyphSet::build({font, farbe, Qt::black, true}, 200);
        };
        const auto schrift = set(weiss), silbe1 = set(blau), silbe2 = set(rot);
        QVERIFY(schrift && silbe1 && silbe2);
        const int w = schrift->width('H');
        const std::vector<display::PlacedGlyph> placed{{'H', 0, 0}, {'H', w, 1}, {'H', 2 * w, 2}};
        for (const bool farbig : {true, false}) {
            display::Surface bild(3 * w, schrift->height());
            const display::SilbenGlyphen silben =
                farbig ? display::SilbenGlyphen{silbe1.get(), silbe2.get()}
                       : display::SilbenGlyphen{};
            display::composeFrame(bild, bild.rect(), *schrift, placed, 0, nullptr, QPoint(),
                                  silben);
            const QImage image = bild.image();
            const QColor erwartet[] = {weiss, farbig ? blau : weiss, farbig ? rot : weiss};
            for (int k = 0; k < 3; ++k) {
                bool gefunden = false;
                for (int x = k * w; x < (k + 1) * w && !gefunden; ++x) {
                    for (int y = 0; y < image.height() && !gefunden; ++y)
                        gefunden = image.pixelColor(x, y) == erwartet[k];
                }
                QVERIFY2(gefunden, qPrintable(QString::number(k)));
            }
        }
    }
};

QTEST_MAIN(TestSilbenfarben)
#include "tst_silbenfarben.moc"
