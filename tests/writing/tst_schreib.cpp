#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include "tests/support/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QColor rot(255, 0, 0);
const QColor blau(0, 0, 255);

NachschreibAnsicht ansicht(int knopf, int tempo = 10)
{
    NachschreibAnsicht a;
    a.schrift = QFont(u"Arial"_s);
    a.schrift.setPixelSize(40);
    a.schrift.setBold(true);
    a.fehlerFarbe = rot;
    a.fingerFarbe = blau;
    a.fingerTempo = tempo;
    a.reaktionsKnopf = knopf;
    a.verzoegerung = 20;
    a.lobArt = 1;
    return a;
}

writing::NachschreibEingabe eingabe(const QString &chunk)
{
    writing::NachschreibEingabe e;
    e.neueUebung = true;
    e.laufbahnText = chunk + QString(16, u' ') + u'#';
    e.vergleich.abschnittRoh = e.vergleich.wortRoh = chunk;
    return e;
}

// The editor's text, its letters in the error colour in [].
QString farbig(const QTextEdit *editor)
{
    QString out;
    for (auto it = editor->document()->begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        const bool fehler =
            format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().color() == rot;
        out += fehler ? u'[' + it.fragment().text() + u']' : it.fragment().text();
    }
    return out;
}

void tippen(Nachschreiben &form, const QString &text)
{
    QTest::keyClicks(form.RichEdit1, text);
}

// A key where the keyboard is.
void taste(Qt::Key key)
{
    QWidget *ziel = QApplication::focusWidget();
    QVERIFY(ziel);
    QTest::keyClick(ziel, key);
}

template <class Form>
void zeigen(Form &form, const QString &ziel, const NachschreibAnsicht &a,
            const writing::NachschreibEingabe &e)
{
    form.init(ziel, e, a);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

int pixel(const QImage &bild, const QColor &farbe)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixelColor(x, y) == farbe;
    return n;
}

} // namespace

class TestSchreib : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void pupilWritesOneWordUnderEachReaction()
    {
        TForm9 form;
        QSignalSpy ausgewertet(&form, &Nachschreiben::ausgewertet);
        const writing::NachschreibEingabe e = eingabe(u"Ha$u$s"_s);

        // Wrong letters marked as typed; the blank ends the word, its praise gone.
        zeigen(form, u"Haus"_s, ansicht(3), e);
        tippen(form, u"Hx"_s);
        QCOMPARE(farbig(form.RichEdit1), u"H[x]"_s);
        QTest::keyClick(form.RichEdit1, Qt::Key_Backspace);
        tippen(form, u"aus "_s);
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(!form.abbruch);
        QCOMPARE(ausgewertet.size(), 1);
        auto a = ausgewertet.takeFirst().at(0).value<writing::Auswertung>();
        QVERIFY(a.richtig);
        QCOMPARE(a.lob, writing::Lob::Keins);
        QCOMPARE(a.druckText, u"Haus "_s);

        // The background turns red and back.
        zeigen(form, u"Haus"_s, ansicht(5), e);
        tippen(form, u"Hx"_s);
        QCOMPARE(form.RichEdit1->palette().color(QPalette::Base), rot);
        QTest::keyClick(form.RichEdit1, Qt::Key_Backspace);
        QCOMPARE(form.RichEdit1->palette().color(QPalette::Base), QColor(Qt::white));

        // A wrong letter is not taken; a wrong letter in mode 7 empties the line.
        zeigen(form, u"Haus"_s, ansicht(2), e);
        tippen(form, u"Hax"_s);
        QCOMPARE(form.RichEdit1->toPlainText(), u"Ha"_s);
        QCOMPARE(form.RichEdit1->textCursor().position(), 2);
        QVERIFY(!form.ohne_fehler);
        zeigen(form, u"Haus"_s, ansicht(7), e);
        tippen(form, u"Hax"_s);
        QCOMPARE(form.RichEdit1->toPlainText(), QString());

        // The whole word red; Return finishes once, into the comparison.
        zeigen(form, u"Haus"_s, ansicht(4), e);
        TForm14 vergleich;
        form.setVergleichsform(&vergleich);
        QSignalSpy verglichen(&vergleich, &TForm14::verglichen);
        testing::answerNextDialog([](QWidget *dialog) {
            QVERIFY(qobject_cast<TForm14 *>(dialog));
            qobject_cast<TForm14 *>(dialog)->SpeedButton1->click();
        });
        tippen(form, u"haus"_s);
        QCOMPARE(farbig(form.RichEdit1), u"[haus]"_s);
        QTest::keyClick(form.RichEdit1, Qt::Key_Return);
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(ausgewertet.size(), 1);
        a = ausgewertet.takeFirst().at(0).value<writing::Auswertung>();
        QVERIFY(!a.richtig);
        QCOMPARE(a.druckText, u"haus "_s);
        QCOMPARE(verglichen.size(), 1);
        const auto v = verglichen.takeFirst().at(0).value<writing::Vergleich>();
        QCOMPARE(v.fehler, QStringList{u"Ha$u$s"_s});
        QVERIFY(!form.abbruch);
    }

    void readingFingerSweepsTheWordThenLetsThePupilCorrect()
    {
        TForm9 form;
        TForm11 lob;
        QRandomGenerator zufall(7);
        form.setLobformen(&lob, nullptr, &zufall);
        QSignalSpy ausgewertet(&form, &Nachschreiben::ausgewertet);
        writing::NachschreibEingabe e = eingabe(u"Haus"_s);
        e.lobZeilen = QStringList{u"Gut gemacht, Anna!"_s};
        zeigen(form, u"Haus"_s, ansicht(1, 0), e);
        tippen(form, u"Hxus "_s);
        QTRY_VERIFY(form.fingerLaeuft());
        QCOMPARE(form.RichEdit1->toPlainText(), u"Hxus"_s);
        QVERIFY(!form.RichEdit1->isVisible());
        QVERIFY(!form.SpeedButton1->isEnabled() && !form.SpeedButton3->isEnabled());
        QCOMPARE(form.finger_pause, 70);

        // The one-word form's "+" table runs the other way round.
        taste(Qt::Key_Plus);
        QCOMPARE(form.finger_pause, 1);
        taste(Qt::Key_Minus);
        QCOMPARE(form.finger_pause, 6);
        // Left of the finger the letters are in its colour, right of it still black.
        QTRY_VERIFY(pixel(form.Label1->grab().toImage(), blau) > 20);
        QVERIFY(pixel(form.Label1->grab().toImage(), Qt::black) > 20);

        QTRY_VERIFY_WITH_TIMEOUT(form.geprueft, 10000);
        QVERIFY(form.RichEdit1->isVisible() && form.RichEdit1->hasFocus());
        QVERIFY(form.Label2->isVisible());
        QVERIFY(form.SpeedButton1->isEnabled());
        QVERIFY(ausgewertet.isEmpty());

        // The correction is not checked; a blank no longer ends the word.
        QTest::keyClick(form.RichEdit1, Qt::Key_Home);
        QTest::keyClick(form.RichEdit1, Qt::Key_Right);
        QTest::keyClick(form.RichEdit1, Qt::Key_Delete);
        tippen(form, u"a"_s);
        QTest::keyClick(form.RichEdit1, Qt::Key_End);
        tippen(form, u" "_s);
        QVERIFY(form.isVisible());
        form.SpeedButton1->click();
        QVERIFY(!form.isVisible());
        const auto a = ausgewertet.takeFirst().at(0).value<writing::Auswertung>();
        QVERIFY(a.richtig);
        // Mode 1 keeps the praise whatever was typed on the way.
        QCOMPARE(a.lob, writing::Lob::Text);
        QCOMPARE(lob.Label1->text(), u"Gut gemacht, Anna!"_s);
        QVERIFY(!lob.isVisible());
    }

    void pupilWritesASectionUnderItsReactions()
    {
        TForm12 form;
        QSignalSpy ausgewertet(&form, &Nachschreiben::ausgewertet);
        const QString satz = u"der Hund bellt"_s;

        // Word by word from the caret's word on; a blank is a letter.
        zeigen(form, satz, ansicht(4), eingabe(satz));
        tippen(form, u"der Hnd "_s);
        QVERIFY(form.isVisible());
        QCOMPARE(farbig(form.RichEdit1), u"der [Hnd ]"_s);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(form.RichEdit1, Qt::Key_Left);
        tippen(form, u"u"_s);
        QCOMPARE(farbig(form.RichEdit1), u"der Hund "_s);

        // A wrong letter in the middle is undone with the caret where it was.
        zeigen(form, satz, ansicht(2), eingabe(satz));
        tippen(form, u"der Hund"_s);
        QTest::keyClick(form.RichEdit1, Qt::Key_Home);
        tippen(form, u"x"_s);
        QCOMPARE(form.RichEdit1->toPlainText(), u"der Hund"_s);
        QCOMPARE(form.RichEdit1->textCursor().position(), 0);

        // The caret's word and all behind it go.
        zeigen(form, satz, ansicht(7), eingabe(satz));
        tippen(form, u"der Hund bx"_s);
        QCOMPARE(form.RichEdit1->toPlainText(), u"der Hund "_s);

        // A section longer than the editor shows is read whole, and "+" takes the pace
        // of the setting.
        const QString lang =
            QStringList(4, u"Lena und Tim spielen im Park mit dem roten Ball."_s).join(u' ');
        NachschreibAnsicht bildLob = ansicht(1, 3);
        bildLob.lobArt = 2;
        zeigen(form, lang, bildLob, eingabe(lang));
        tippen(form, lang);
        QVERIFY(form.RichEdit1->document()->size().height() > form.RichEdit1->viewport()->height());
        QTest::keyClick(form.RichEdit1, Qt::Key_Return);
        QVERIFY(form.fingerLaeuft());
        QCOMPARE(form.finger_pause, 25);
        taste(Qt::Key_Minus);
        QCOMPARE(form.finger_pause, 30);
        taste(Qt::Key_Plus);
        QCOMPARE(form.finger_pause, 25);
        form.finger_pause = 0;
        QTRY_VERIFY_WITH_TIMEOUT(form.geprueft, 20000);

        // The right section uncovers a piece of the praise picture.
        TForm16 bild;
        QTemporaryDir ohneBilder;
        QRandomGenerator zufall(7);
        bild.init({ohneBilder.path() + u'/', 3, {}}, zufall);
        form.setLobformen(nullptr, &bild, &zufall);
        bool gelobt = false;
        testing::answerNextDialog([&](QWidget *dialog) {
            gelobt = dialog == &bild;
            dialog->close();
        });
        form.SpeedButton1->click();
        QVERIFY(gelobt);
        const auto a = ausgewertet.takeFirst().at(0).value<writing::Auswertung>();
        QVERIFY(a.richtig);
        QCOMPARE(a.vorlageText.constFirst().text, lang + u' ');
    }

    void showAgain()
    {
        TForm9 wort;
        QSignalSpy wortSpy(&wort, &Nachschreiben::nochmalZeigen);
        writing::NachschreibEingabe e = eingabe(u"Haus"_s);
        e.kurzzeit = true;
        zeigen(wort, u"Haus"_s, ansicht(6), e);
        QVERIFY(wort.TrackBar1->isVisible());
        QCOMPARE(wort.TrackBar1->value(), 6);
        wort.TrackBar1->setValue(9);
        wort.SpeedButton2->click();
        auto w = wortSpy.takeFirst().at(0).value<writing::Wiederholung>();
        QCOMPARE(w.anzeige, writing::Wiederholung::Anzeige::Kurzzeit);
        QCOMPARE(w.verzoegerung, 27);

        TForm12 gruppe;
        QSignalSpy gruppeSpy(&gruppe, &Nachschreiben::nochmalZeigen);
        e.alternativ = true;
        zeigen(gruppe, u"Haus"_s, ansicht(6), e);
        gruppe.SpeedButton2->click();
        w = gruppeSpy.takeFirst().at(0).value<writing::Wiederholung>();
        QCOMPARE(w.anzeige, writing::Wiederholung::Anzeige::Alternativ);
        QCOMPARE(w.laufbahnText, e.laufbahnText);
        QVERIFY(gruppe.RichEdit1->hasFocus());
    }

    void leavingTheFormEndsTheExercise_data()
    {
        QTest::addColumn<bool>("gruppe");
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("abbruch");
        for (const bool gruppe : {false, true}) {
            const char *form = gruppe ? "TForm12" : "TForm9";
            QTest::addRow("%s: Escape in the editor", form) << gruppe << u"esc"_s << true;
            QTest::addRow("%s: Escape during the sweep", form) << gruppe << u"finger"_s << true;
            QTest::addRow("%s: Übung beenden", form) << gruppe << u"beenden"_s << true;
            QTest::addRow("%s: the frame", form) << gruppe << u"rahmen"_s << true;
            QTest::addRow("%s: fertig", form) << gruppe << u"fertig"_s << false;
        }
    }

    void leavingTheFormEndsTheExercise()
    {
        QFETCH(bool, gruppe);
        QFETCH(QString, weg);
        QFETCH(bool, abbruch);

        TForm9 wort;
        TForm12 abschnitt;
        Nachschreiben &form = gruppe ? static_cast<Nachschreiben &>(abschnitt) : wort;
        testing::answerNextDialog([&](QWidget *) {
            // A failed check leaves no form open behind it.
            const auto zu = qScopeGuard([&] { form.close(); });
            QVERIFY(QTest::qWaitForWindowActive(&form));
            tippen(form, u"Haus"_s);
            if (weg == u"esc")
                QTest::keyClick(form.RichEdit1, Qt::Key_Escape);
            else if (weg == u"beenden")
                form.SpeedButton3->click();
            else if (weg == u"rahmen")
                form.close();
            else if (weg == u"fertig")
                QTest::keyClick(form.RichEdit1, Qt::Key_Return);
            else {
                QTest::keyClick(form.RichEdit1, Qt::Key_Return);
                QVERIFY(form.fingerLaeuft());
                taste(Qt::Key_Escape);
                QVERIFY(form.finger_stop);
            }
        });
        const int knopf = weg == u"finger" ? 1 : 6;
        QCOMPARE(form.nachschreiben(u"Haus"_s, eingabe(u"Haus"_s), ansicht(knopf, 0)), abbruch);
        QVERIFY(!form.fingerLaeuft());
    }
};

QTEST_MAIN(TestSchreib)
#include "tst_schreib.moc"
