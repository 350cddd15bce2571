#include "display/ui/frameclock.h"
#include "display/ui/kuzzeit.h"
#include "reading/core/silben.h"
#include "tests/display/pixelcount.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using display::FlashSettings;
using display::KurzzeitPhase;
using testing::countPixels;

namespace {

FlashSettings flash(QColor letter, QColor background, int delay = 1)
{
    FlashSettings s = FlashSettings::defaults();
    s.letterColor = letter;
    s.background = background;
    s.delay = delay;
    return s;
}

const FlashSettings kGelbAufBlau = flash(Qt::yellow, QColor(0, 0, 160));
// The word stands half a second, long enough for a busy machine's test to see it.
const FlashSettings kGelbAufBlauLang = flash(Qt::yellow, QColor(0, 0, 160), 10);

// Shows `wort` and runs `during` inside the showing's modal loop.
display::KurzzeitMessung showing(TForm15 &form, const QString &wort, const FlashSettings &settings,
                                 const std::function<void()> &during = {})
{
    if (during)
        QTimer::singleShot(0, &form, during);
    // Whatever happens in `during`, the window closes by itself.
    return form.zeigen(wort, settings);
}

int letterPixels(const QImage &picture, const QWidget *where, const FlashSettings &settings)
{
    return countPixels(picture, where->geometry(), settings.letterColor.rgb());
}

} // namespace

class TestKuzzeit : public QObject {
    Q_OBJECT
private slots:
    // The cue alone, then cue and word, then the window closes by itself.
    void theCueComesFirstThenTheWordThenTheWindowCloses()
    {
        TForm15 form;
        QCOMPARE(form.windowTitle(), u"Form15"_s);
        QCOMPARE(form.Label2->text(), u"Achtung!"_s);
        QImage cue;
        QImage word;
        const QString wort = u"<b>Hund</b>"_s;
        const display::KurzzeitMessung m = showing(form, wort, kGelbAufBlauLang, [&] {
            QVERIFY(form.isMaximized());
            QTRY_COMPARE(form.phase(), KurzzeitPhase::Achtung);
            cue = form.grab().toImage();
            QTRY_COMPARE_WITH_TIMEOUT(form.phase(), KurzzeitPhase::Wort, 3000);
            word = form.grab().toImage();
        });
        QVERIFY(!form.isVisible());
        QCOMPARE(form.phase(), KurzzeitPhase::Aus);
        QVERIFY(!form.frameClock()->isActive());

        QVERIFY(letterPixels(cue, form.Label2, kGelbAufBlau) > 100);
        QCOMPARE(letterPixels(cue, form.Label1, kGelbAufBlau), 0);
        QCOMPARE(cue.pixel(5, cue.height() - 5), kGelbAufBlau.background.rgb());
        QVERIFY(letterPixels(word, form.Label2, kGelbAufBlau) > 100);
        QVERIFY(letterPixels(word, form.Label1, kGelbAufBlau) > 100);
        // The word is shown as it stands, markup characters and all.
        QCOMPARE(form.Label1->text(), wort);
        QCOMPARE(form.Label1->textFormat(), Qt::PlainText);

        // Each picture stood at least as long as set; missed refreshes only lengthen.
        const display::KurzzeitDauer &dauer = form.ablauf()->dauer();
        QVERIFY(m.achtung >= dauer.achtung);
        QVERIFY(m.wort >= dauer.wort);
    }

    // Colours and font are read at every showing, and a new showing starts from the
    // background and the cue, never from the last word.
    void eachShowingStartsAfreshWithItsOwnSettings()
    {
        TForm15 form;
        showing(form, u"Hund"_s, kGelbAufBlau);
        const FlashSettings rotAufWeiss = flash(Qt::red, Qt::white);
        QList<QImage> beforeTheWord;
        showing(form, u"Maus"_s, rotAufWeiss, [&] {
            while (form.isVisible() && form.phase() != KurzzeitPhase::Wort) {
                beforeTheWord << form.grab().toImage();
                QTest::qWait(100);
            }
        });
        QVERIFY(!beforeTheWord.isEmpty());
        for (const QImage &picture : std::as_const(beforeTheWord)) {
            QCOMPARE(countPixels(picture, kGelbAufBlau.letterColor.rgb()), 0);
            QCOMPARE(countPixels(picture, kGelbAufBlau.background.rgb()), 0);
            QCOMPARE(letterPixels(picture, form.Label1, rotAufWeiss), 0);
        }
        QVERIFY(letterPixels(beforeTheWord.last(), form.Label2, rotAufWeiss) > 100);
        QCOMPARE(form.Label1->text(), u"Maus"_s);
    }

    // "Silben farbig": the flashed word in its syllables' two colours, none of it in the
    // letter colour; the cue keeps the letter colour.
    void theWordsSyllablesAreColoured()
    {
        if (!silben::deutsch().bereit())
            QSKIP("the German hyphenation patterns (hyphen-de) are not installed");
        TForm15 form;
        FlashSettings farbig = kGelbAufBlauLang;
        farbig.silben.farbig = true;
        farbig.silben.farbe1 = QColor(0, 255, 0);
        farbig.silben.farbe2 = QColor(255, 0, 255);
        QImage word;
        showing(form, u"Katze"_s, farbig, [&] {
            QTRY_COMPARE_WITH_TIMEOUT(form.phase(), KurzzeitPhase::Wort, 3000);
            word = form.grab().toImage();
        });
        const QRect wo = form.Label1->geometry();
        QVERIFY(countPixels(word, wo, farbig.silben.farbe1.rgb()) > 100);
        QVERIFY(countPixels(word, wo, farbig.silben.farbe2.rgb()) > 100);
        QCOMPARE(letterPixels(word, form.Label1, farbig), 0);
        QVERIFY(letterPixels(word, form.Label2, farbig) > 100);
    }

    // Closed from outside (the window manager), the showing ends at once, its clock
    // stops, and the next showing runs whole.
    void aCloseFromOutsideEndsTheShowing()
    {
        TForm15 form;
        showing(form, u"Hund"_s, kGelbAufBlau, [&] {
            QTRY_COMPARE(form.phase(), KurzzeitPhase::Achtung);
            form.close();
        });
        QVERIFY(!form.frameClock()->isActive());
        QCOMPARE(form.phase(), KurzzeitPhase::Achtung);

        const display::KurzzeitMessung m = showing(form, u"Maus"_s, kGelbAufBlau);
        QCOMPARE(form.phase(), KurzzeitPhase::Aus);
        QVERIFY(m.wort >= form.ablauf()->dauer().wort);
    }
};

QTEST_MAIN(TestKuzzeit)
#include "tst_kuzzeit.moc"
