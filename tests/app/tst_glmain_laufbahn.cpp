#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "app/silbenbefehle.h"
#include "app/wiederholungsstart.h"
#include "app/ws_black.h"
#include "display/ui/kuzzeit.h"
#include "display/ui/laufunit4.h"
#include "display/ui/lesefinger.h"
#include "exercise/core/wiederholung.h"
#include "exercise/ui/wiederholungsliste.h"
#include "reading/core/silben.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "settings/ui/zusatzseite.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"
#include "writing/core/sprache.h"
#include "writing/ui/auswahl.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/vergleich.h"
#include "writing/ui/vorleser.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// One modal window the run is expected to show, and what the pupil does in it.
struct Auftritt {
    QByteArray klasse;
    std::function<void(QWidget *)> antwort;
};

// Answers every modal window of a run in turn: the class of each is checked, a window
// nobody expected is closed and noted, and answers left over fail the test.
class Drehbuch : public QObject {
public:
    explicit Drehbuch(QList<Auftritt> auftritte) : m_rest(std::move(auftritte))
    {
        qApp->installEventFilter(this);
    }
    ~Drehbuch() override { qApp->removeEventFilter(this); }

    QStringList fehler() const
    {
        QStringList alle = m_fehler;
        for (const Auftritt &a : m_rest)
            alle << u"nie gezeigt: "_s + QString::fromLatin1(a.klasse);
        return alle;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Show || !w || !w->isWindow() || !w->isModal())
            return false;
        const QByteArray klasse = w->metaObject()->className();
        if (m_rest.isEmpty() || !w->inherits(m_rest.front().klasse.constData())) {
            m_fehler << u"unerwartet: "_s + QString::fromLatin1(klasse);
            QTimer::singleShot(0, w, [w] { w->close(); });
            return false;
        }
        const Auftritt auftritt = m_rest.takeFirst();
        // Once the window is up and its event loop runs.
        QTimer::singleShot(30, w, [w, antwort = auftritt.antwort] { antwort(w); });
        return false;
    }

private:
    QList<Auftritt> m_rest;
    QStringList m_fehler;
};

void escape(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Escape);
}

// The pupil writes `text` and presses Return.
void schreiben(QWidget *w, const QString &text)
{
    auto *editor = static_cast<Nachschreiben *>(w)->RichEdit1;
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// The parts of a result text that stand in red.
QString rot(const QTextEdit *text)
{
    QString rote;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().foreground().color() == QColor(255, 0, 0))
                rote += it.fragment().text();
        }
    }
    return rote;
}

// True when a grab of `widget` shows `text` as the widget draws it, in its font and its
// text colour: the text is rendered apart, and the pixels its letters fill are looked for
// in the grab at every place, where they must be of the text colour and the pixels they
// leave free between them must not.
bool zeigtText(QWidget *widget, const QString &text)
{
    QCoreApplication::processEvents();
    const QImage bild = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QFontMetrics metrics(widget->font());
    QImage muster(metrics.horizontalAdvance(text) + 8, metrics.height() + 4, QImage::Format_RGB32);
    muster.fill(Qt::white);
    {
        QPainter maler(&muster);
        maler.setFont(widget->font());
        maler.setPen(Qt::black);
        maler.drawText(muster.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    QList<QPoint> voll, frei;
    QRect rahmen;
    for (int y = 0; y < muster.height(); ++y) {
        for (int x = 0; x < muster.width(); ++x) {
            const int grau = qGray(muster.pixel(x, y));
            if (grau < 40) {
                voll << QPoint(x, y);
                rahmen |= QRect(x, y, 1, 1);
            } else if (grau > 250) {
                frei << QPoint(x, y);
            }
        }
    }
    if (voll.isEmpty())
        return false;
    frei.removeIf([&](QPoint p) { return !rahmen.contains(p); });
    const QRgb tinte = widget->palette().color(QPalette::WindowText).rgb();
    const auto istTinte = [tinte](QRgb farbe) {
        return std::abs(qRed(farbe) - qRed(tinte)) + std::abs(qGreen(farbe) - qGreen(tinte)) +
                   std::abs(qBlue(farbe) - qBlue(tinte)) <
               90;
    };
    // Letters drawn at another fraction of a pixel differ at their edges: most pixels
    // must agree, as no other text or picture would.
    for (int oy = -rahmen.top(); oy + rahmen.bottom() < bild.height(); ++oy) {
        for (int ox = -rahmen.left(); ox + rahmen.right() < bild.width(); ++ox) {
            const auto treffer = [&](const QList<QPoint> &punkte, bool tintig) {
                return std::count_if(punkte.cbegin(), punkte.cend(), [&](QPoint p) {
                    return istTinte(bild.pixel(p.x() + ox, p.y() + oy)) == tintig;
                });
            };
            const qsizetype richtig = treffer(voll, true) + treffer(frei, false);
            if (richtig * 100 >= (voll.size() + frei.size()) * 97)
                return true;
        }
    }
    return false;
}

QByteArray lines(const QStringList &zeilen)
{
    QByteArray bytes;
    for (const QString &zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

class TestGlmainLaufbahn : public QObject, protected testing::AppFixture {
    Q_OBJECT

    void textLaden(const QString &name, const QByteArray &bytes)
    {
        writeFile(name, bytes);
        QVERIFY(form->loadText(path(name)));
        form->setCurrentText(name);
        form->dateityp_feststellen();
    }

    void schuelerLaden()
    {
        writeFile(u"Ben.lbs"_s, lines({u"Ben"_s}));
        testing::answerInTurn({testing::fileAnswer(path(u"Ben.lbs"_s))});
        QTest::mouseClick(ui.Button2, Qt::LeftButton);
        QCOMPARE(ui.Edit1->text(), u"Ben"_s);
    }

    void starten(QPushButton *knopf, QList<Auftritt> auftritte)
    {
        Drehbuch drehbuch(std::move(auftritte));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY2(drehbuch.fehler().isEmpty(), qPrintable(drehbuch.fehler().join(u"; "_s)));
    }

    // Word mode, two words a chunk: each chunk is shown (flashed word by word with the
    // short-time display), then each word is offered to TForm9. An empty answer is
    // "Übung beenden"; a wrong one is followed by the comparison.
    QList<Auftritt> wortDrehbuch(const QStringList &woerter, const QStringList &geschrieben,
                                 bool kurzzeit, QStringList *geblitzt)
    {
        QList<Auftritt> auftritte;
        for (qsizetype ab = 0; ab < woerter.size(); ab += 2) {
            const QStringList teil = woerter.mid(ab, 2);
            if (!kurzzeit)
                auftritte.append({"TLaufForm4", escape});
            for (qsizetype i = 0; kurzzeit && i < teil.size(); ++i)
                auftritte.append({"TForm15", [=](QWidget *w) {
                                      geblitzt->append(static_cast<TForm15 *>(w)->Label1->text());
                                  }});
            for (qsizetype i = ab; i < ab + teil.size(); ++i) {
                if (i >= geschrieben.size())
                    return auftritte;
                const QString text = geschrieben[i];
                if (text.isEmpty()) {
                    auftritte.append({"TForm9", [](QWidget *w) {
                                          static_cast<TForm9 *>(w)->SpeedButton3->click();
                                      }});
                    return auftritte;
                }
                auftritte.append({"TForm9", [text](QWidget *w) { schreiben(w, text); }});
                if (text != woerter[i])
                    auftritte.append({"TForm14", [](QWidget *w) {
                                          static_cast<TForm14 *>(w)->SpeedButton1->click();
                                      }});
            }
        }
        return auftritte;
    }

    struct Ergebnis {
        QString memo3, richEdit1, richEdit2, memo5;
        friend bool operator==(const Ergebnis &, const Ergebnis &) = default;
    };
    Ergebnis ergebnis() const
    {
        return {ui.Memo3->toPlainText(), ui.RichEdit1->toHtml(), ui.RichEdit2->toHtml(),
                ui.Memo5->toPlainText()};
    }
    void ergebnisFuellen()
    {
        ui.Memo3->setPlainText(u"der_Hund"_s);
        ui.RichEdit1->setPlainText(u"der Hund bellt"_s);
        ui.RichEdit2->setPlainText(u"der Hunt bellt"_s);
        ui.Memo5->setPlainText(u"der Hunt bellt"_s);
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        QVERIFY(start());
        QVERIFY(QFile::copy(testing::shippedFile(u"lob.inf"_s), path(u"lob.inf"_s)));
        TForm10 &settings = *app().Form10;
        settings.TrackBar2->setValue(9);
        settings.TrackBar4->setValue(2);
        settings.TrackBar5->setValue(1);
    }
    void cleanup() { stop(); }

    void aWordMarkedOnTheDisplayIsRecordedAsItStandsInTheText()
    {
        textLaden(u"Tiere.txt"_s, "Ha\xa7"
                                  "us\xa7"
                                  "e Katze\r\n");
        schuelerLaden();
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        bool gesperrt = false;
        starten(ui.BitBtn10, {{"TLaufForm4",
                               [&](QWidget *w) {
                                   gesperrt = !ui.BitBtn10->isEnabled() &&
                                              !ui.BitBtn3->isEnabled() &&
                                              !ui.GroupBox4->isEnabled();
                                   // The gliding line names the word as shown, with its
                                   // placeholders.
                                   auto *anzeige = static_cast<TLaufForm4 *>(w);
                                   emit anzeige->wordMarked(u"Ha__e"_s, 0, 5);
                                   escape(w);
                               }},
                              // Each word of the chunk is offered to the rewrite form:
                              // the first written right, the exercise left at the second.
                              {"TForm9",
                               [](QWidget *w) {
                                   auto *editor = static_cast<TForm9 *>(w)->RichEdit1;
                                   QTest::keyClicks(editor, u"Hause"_s);
                                   QTest::keyClick(editor, Qt::Key_Return);
                               }},
                              {"TForm9", escape}});
        QVERIFY(gesperrt);
        // Recorded by the rewrite form, then coloured as marked on the display.
        QCOMPARE(ui.RichEdit1->toPlainText(), u"Hause "_s);
        QTextCursor hause(ui.RichEdit1->document());
        hause.setPosition(1);
        QCOMPARE(hause.charFormat().foreground().color(), QColor(255, 0, 0));
        QVERIFY(ui.BitBtn10->isEnabled());
        QCOMPARE(ui.Memo3->toPlainText(), u"Ha§us§e"_s);
        QCOMPARE(ui.ListBox3->count(), 1);
        QCOMPARE(ui.ListBox3->item(0)->text(), u"Ha§us§e"_s);
        // The marked word is an error of this exercise, so the exercise is recorded.
        const QStringList datei = QString::fromLatin1(readFile(u"Ben.lbs"_s)).split(u"\r\n"_s);
        QCOMPARE(datei.size(), 4);
        QVERIFY(datei[1].startsWith(u"~["_s));
        QVERIFY(datei[1].endsWith(u"] Tiere.txt"_s));
        QCOMPARE(datei[2], u"Ha§us§e"_s);
        QVERIFY(ui.GroupBox3->isVisible());
        QVERIFY(ui.GroupBox4->isVisible());
    }

    // Between two windows of a run the main window handles events: no menu entry, shortcut
    // or button may change the text or the pupil then, and a close waits for the run.
    void whileARunGoesOnTheWindowTakesNoCommand()
    {
        textLaden(u"Tiere.txt"_s, "Hund Katze\r\n");
        ui.speichern1->setEnabled(false);
        QStringList offen;
        bool geschlossen = true;
        starten(ui.BitBtn10, {{"TLaufForm4",
                               [&](QWidget *w) {
                                   for (QAction *menu : form->menuBar()->actions()) {
                                       // A list of its own: the temporary that operator<< returns
                                       // into would not outlive the loop's first step.
                                       QList<QAction *> eintraege = menu->menu()->actions();
                                       eintraege << menu;
                                       for (QAction *a : std::as_const(eintraege))
                                           if (a->isEnabled())
                                               offen << a->objectName();
                                   }
                                   for (QWidget *teil : QWidgetList{ui.SpeedButton1, ui.Memo1,
                                                                    ui.Edit2, ui.BitBtn10})
                                       if (teil->isEnabled())
                                           offen << teil->objectName();
                                   geschlossen = form->close();
                                   escape(w);
                               }},
                              {"TForm9", escape}});
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join(u", "_s)));
        QVERIFY(!geschlossen);
        QVERIFY(form->isVisible());
        QVERIFY(ui.neu1->isEnabled() && ui.SpeedButton1->isEnabled() && ui.Memo1->isEnabled());
        QVERIFY(!ui.speichern1->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(form));
    }

    // A dictation on a computer without sound: each chunk is shown as without it, and the
    // status bar says why.
    void aDictationWithoutSoundShowsTheChunks()
    {
        textLaden(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        app().vorleser->setAusgabe(Vorleser::Ausgabe::Keine);
        app().Form10->Zusatz->diktatVorlesen->setChecked(true);
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        starten(ui.BitBtn10, {{"TLaufForm4", escape},
                                 {"TForm9", [](QWidget *w) { schreiben(w, u"Hund"_s); }},
                                 {"TForm9", escape}});
        QCOMPARE(ui.RichEdit1->toPlainText(), u"Hund "_s);
        const QString grund =
            sprache::grund(sprache::eingebaut() ? sprache::Fehler::KeinAusgabegeraet
                                                : sprache::Fehler::NichtEingebaut);
        QVERIFY(zeigtText(ui.StatusBar1, grund));
        QVERIFY(!zeigtText(ui.StatusBar1, TForm3::keinSchueler.toString()));
        // The next run starts afresh: the panels are back.
        app().Form10->Zusatz->diktatVorlesen->setChecked(false);
        starten(ui.BitBtn10, {{"TLaufForm4", escape}, {"TForm9", escape}});
        QVERIFY(!zeigtText(ui.StatusBar1, grund));
        QVERIFY(zeigtText(ui.StatusBar1, TForm3::keinSchueler.toString()));
    }

    void aRunLeftWithoutWritingIsNotRecorded()
    {
        textLaden(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        schuelerLaden();
        const QByteArray vorher = readFile(u"Ben.lbs"_s);
        starten(ui.BitBtn10, {{"TLaufForm4", escape}, {"TForm9", escape}});
        QCOMPARE(readFile(u"Ben.lbs"_s), vorher);
        QCOMPARE(ui.ListBox1->count(), 0);
        QVERIFY(ui.GroupBox4->isVisible());
    }

    void aPupilGetsNoDeveloperShortcuts()
    {
        // Without LAUFBAHN_ENTWICKLER=1 the main window holds only its menus' actions.
        for (const QAction *action : form->actions())
            QVERIFY2(action->shortcut().isEmpty() ||
                         !action->shortcut()[0].keyboardModifiers().testFlags(Qt::ControlModifier |
                                                                              Qt::ShiftModifier),
                     qPrintable(action->objectName()));
    }

    void aWordListIsShownChunkByChunkAndRewrittenWordByWord_data()
    {
        QTest::addColumn<bool>("kurzzeit");
        QTest::addColumn<QStringList>("geschrieben");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("falschGeschrieben");
        QTest::addColumn<bool>("eingetragen");
        QTest::addRow("one word wrong") << false << QStringList{u"Hund"_s, u"Kaze"_s, u"Maus"_s}
                                        << u"Katze"_s << u"Kaze"_s << true;
        QTest::addRow("left at the first word")
            << false << QStringList{QString()} << QString() << QString() << false;
        QTest::addRow("short-time display") << true << QStringList{u"Hund"_s, u"Katze"_s, u"Maus"_s}
                                            << QString() << QString() << true;
    }
    void aWordListIsShownChunkByChunkAndRewrittenWordByWord()
    {
        QFETCH(bool, kurzzeit);
        QFETCH(QStringList, geschrieben);
        QFETCH(QString, fehler);
        QFETCH(QString, falschGeschrieben);
        QFETCH(bool, eingetragen);
        textLaden(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        schuelerLaden();
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        app().Form10->CheckBox1->setChecked(kurzzeit);
        const QByteArray vorher = readFile(u"Ben.lbs"_s);
        const QStringList woerter{u"Hund"_s, u"Katze"_s, u"Maus"_s};
        QStringList geblitzt;
        starten(ui.BitBtn10, wortDrehbuch(woerter, geschrieben, kurzzeit, &geblitzt));
        QCOMPARE(geblitzt, kurzzeit ? woerter : QStringList());
        QCOMPARE(ui.Memo3->toPlainText(), fehler);
        QCOMPARE(rot(ui.RichEdit1), fehler);
        QCOMPARE(rot(ui.RichEdit2).trimmed(), falschGeschrieben);
        QCOMPARE(ui.ListBox3->count(), fehler.isEmpty() ? 0 : 1);
        const QStringList datei = QString::fromLatin1(readFile(u"Ben.lbs"_s)).split(u"\r\n"_s);
        if (eingetragen) {
            const qsizetype kopf = datei.size() - (fehler.isEmpty() ? 2 : 3);
            QVERIFY(datei[kopf].startsWith(u"~["_s) && datei[kopf].endsWith(u"] Tiere.txt"_s));
            QCOMPARE(datei.mid(kopf + 1), (QStringList{fehler, QString()}).mid(fehler.isEmpty()));
            QCOMPARE(ui.ListBox1->currentRow(), ui.ListBox1->count() - 1);
        } else {
            QCOMPARE(readFile(u"Ben.lbs"_s), vorher);
        }
        if (!fehler.isEmpty())
            QCOMPARE(ui.ListBox3->item(0)->text(), fehler);
        QVERIFY(ui.GroupBox3->isVisible() && ui.GroupBox4->isVisible());
    }

    // Two words written wrong come due the next day; the review runs them, one right and
    // one wrong, moves their boxes and leaves the pupil record as it was.
    void theNextDayTheWrongWordsComeBackForReview()
    {
        Wiederholungsstart *wiederholung = form->findChild<Wiederholungsstart *>();
        QDate heute = QDate::currentDate();
        wiederholung->setHeute([&heute] { return heute; });
        QVERIFY(!wiederholung->Zeile->isVisible());
        QVERIFY(!wiederholung->Wiederholung1->isEnabled());
        textLaden(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        schuelerLaden();
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        QVERIFY(wiederholung->Zeile->isVisible());
        QCOMPARE(wiederholung->Faellig->text(), u"Wiederholung fällig: 0 Wörter"_s);
        QVERIFY(!wiederholung->Wiederholen->isEnabled());

        const QStringList woerter{u"Hund"_s, u"Katze"_s, u"Maus"_s};
        starten(ui.BitBtn10,
                wortDrehbuch(woerter, {u"Hunt"_s, u"Katze"_s, u"Mau"_s}, false, nullptr));
        const QByteArray akte = readFile(u"Ben.lbs"_s);
        QVERIFY(akte.endsWith("] Tiere.txt\r\nHund\r\nMaus\r\n"));
        QCOMPARE(wiederholung->Faellig->text(), u"Wiederholung fällig: 0 Wörter"_s);

        heute = heute.addDays(1);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(form, &aktiv);
        QCOMPARE(wiederholung->Faellig->text(), u"Wiederholung fällig: 2 Wörter"_s);
        QVERIFY(wiederholung->Wiederholen->isEnabled());
        starten(
            wiederholung->Wiederholen,
            {{"TLaufForm4", escape},
             {"TForm9", [](QWidget *w) { schreiben(w, u"Hund"_s); }},
             {"TLaufForm4", escape},
             {"TForm9", [](QWidget *w) { schreiben(w, u"Mause"_s); }},
             {"TForm14", [](QWidget *w) { static_cast<TForm14 *>(w)->SpeedButton1->click(); }}});

        QCOMPARE(readFile(u"Ben.lbs"_s), akte);
        const std::optional<wiederholung::Stand> stand =
            wiederholung::Stand::lesen(readFile(u"Ben.wdh"_s));
        QCOMPARE(stand->finde(u"Hund"_s)->box, 2);
        QCOMPARE(stand->finde(u"Hund"_s)->faellig(), heute.addDays(2));
        QCOMPARE(stand->finde(u"Maus"_s)->box, 1);
        QCOMPARE(stand->finde(u"Maus"_s)->faellig(), heute.addDays(1));
        QCOMPARE(wiederholung->Faellig->text(), u"Wiederholung fällig: 0 Wörter"_s);
        // Step 3 still shows the exercise's words: the review adds none.
        QCOMPARE(ui.ListBox3->count(), 2);

        // The teacher's list from the pupil menu shows the same boxes.
        QString zeilen;
        testing::answerNextDialog(testing::as<Wiederholungsliste>([&](Wiederholungsliste &liste) {
            for (int zeile = 0; zeile < liste.Liste->rowCount(); ++zeile)
                zeilen += liste.Liste->item(zeile, 0)->text() + u' ' +
                          liste.Liste->item(zeile, 2)->text() + u';';
            liste.reject();
        }));
        wiederholung->Wiederholung1->trigger();
        QCOMPARE(zeilen, u"Maus 1;Hund 2;"_s);

        QTest::mouseClick(ui.Button5, Qt::LeftButton);
        QVERIFY(!wiederholung->Zeile->isVisible());
    }

    // Words due for review leave "Wiederholen" and "Wiederholung..." to the teacher, but
    // not while another run goes on, even when the main window comes to the front then.
    void theReviewWaitsWhileARunGoesOn()
    {
        Wiederholungsstart *wiederholung = form->findChild<Wiederholungsstart *>();
        wiederholung->setHeute([] { return QDate(2026, 12, 7); });
        textLaden(u"Tiere.txt"_s, "Katze\r\n");
        writeFile(u"Ben.lbs"_s, lines({u"Ben"_s, u"~[01.12.2026] Tiere.txt"_s, u"Hund"_s}));
        testing::answerInTurn({testing::fileAnswer(path(u"Ben.lbs"_s))});
        QTest::mouseClick(ui.Button2, Qt::LeftButton);
        QVERIFY(wiederholung->Wiederholen->isEnabled());
        QStringList offen;
        starten(ui.BitBtn10, {{"TLaufForm4",
                                  [&](QWidget *w) {
                                      QEvent aktiv(QEvent::WindowActivate);
                                      QApplication::sendEvent(form, &aktiv);
                                      if (wiederholung->Wiederholen->isEnabled())
                                          offen << u"Wiederholen"_s;
                                      if (wiederholung->Wiederholung1->isEnabled())
                                          offen << u"Wiederholung..."_s;
                                      // A click there starts nothing: the script has no window for
                                      // it.
                                      QTest::mouseClick(wiederholung->Wiederholen, Qt::LeftButton);
                                      escape(w);
                                  }},
                                 {"TForm9", escape}});
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join(u", "_s)));
        QCOMPARE(wiederholung->Faellig->text(), u"Wiederholung fällig: 1 Wort"_s);
        QVERIFY(wiederholung->Wiederholen->isEnabled());
        QVERIFY(wiederholung->Wiederholung1->isEnabled());
    }

    void aTextWithoutAPupilIsRewrittenSectionBySection()
    {
        textLaden(u"Tiere.txt"_s, "Der Hund bellt. Die Katze schlaeft. Die Maus piept.\r\n");
        ui.RadioButton3->setChecked(true);
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        const QStringList dateien = QDir(startDir()).entryList(QDir::Files);
        QStringList abschnitte;
        auto waehlen = [](QWidget *w) {
            QTest::keyClick(static_cast<TForm13 *>(w)->RichEdit1, Qt::Key_Space);
            QTest::keyClick(static_cast<TForm13 *>(w)->RichEdit1, Qt::Key_Return);
        };
        auto abschreiben = [&](QWidget *w) {
            const QString ziel = static_cast<Nachschreiben *>(w)->ziel;
            abschnitte << ziel;
            schreiben(w, ziel);
        };
        starten(ui.BitBtn10, {{"TForm13", waehlen},
                              {"TLaufForm4", escape},
                              {"TForm12", abschreiben},
                              {"TForm13", waehlen},
                              {"TLaufForm4", escape},
                              {"TForm12", abschreiben},
                              {"TForm13", escape}});
        QCOMPARE(abschnitte.size(), 2);
        QVERIFY(abschnitte[0] != abschnitte[1]);
        QCOMPARE(ui.RichEdit1->toPlainText().trimmed(), abschnitte.join(u' ').trimmed());
        QCOMPARE(QDir(startDir()).entryList(QDir::Files), dateien);
        QVERIFY(ui.GroupBox3->isVisible() && ui.GroupBox4->isVisible());
    }

    void theRepetitionKeepsTheResultsAndTheFileType()
    {
        textLaden(u"Tiere.txt"_s, "Hund Katze Maus\r\n");
        schuelerLaden();
        ergebnisFuellen();
        const Ergebnis vorher = ergebnis();
        const QByteArray datei = readFile(u"Ben.lbs"_s);
        const QRect ort = form->geometry();
        QVERIFY(ui.RadioButton1->isChecked());
        bool gruppen = false;
        QString gezeigt;
        starten(ui.BitBtn3, {{"TLaufForm4",
                              [&](QWidget *w) {
                                  gruppen = ui.RadioButton2->isChecked();
                                  gezeigt = qobject_cast<TLaufForm4 *>(w)->anzeigeText();
                                  escape(w);
                              }},
                             {"TForm12", escape}});
        QVERIFY(gruppen);
        QVERIFY(gezeigt.startsWith(u"der Hund "_s));
        QVERIFY(ui.RadioButton1->isChecked());
        QVERIFY(ergebnis() == vorher);
        QCOMPARE(readFile(u"Ben.lbs"_s), datei);
        QCOMPARE(form->geometry(), ort);
        QVERIFY(!form->isMinimized());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("lobDa");
        QTest::addColumn<QString>("meldung");
        QTest::addRow("broken markup")
            << QByteArray("Ha$use Katze\r\n") << true
            << u"Der Text enthält Fehler in Bezug auf die Lückentexte. Die Laufbahn kann nicht "
               u"gestartet werden."_s;
        QTest::addRow("no praise file")
            << QByteArray("Hund Katze\r\n") << false << u"Datei nicht gefunden"_s;
    }
    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, lobDa);
        QFETCH(QString, meldung);
        textLaden(u"Tiere.txt"_s, text);
        if (!lobDa)
            QVERIFY(QFile::remove(path(u"lob.inf"_s)));
        ergebnisFuellen();
        const Ergebnis vorher = ergebnis();
        QString box;
        starten(ui.BitBtn10, {{"QMessageBox", [&](QWidget *w) {
                                   box = static_cast<QMessageBox *>(w)->text();
                                   static_cast<QMessageBox *>(w)->accept();
                               }}});
        QVERIFY2(box.contains(meldung), qPrintable(box));
        QVERIFY(ergebnis() == vorher);
        QVERIFY(ui.BitBtn10->isEnabled());
    }

    // The hidden starts, shown by the command line's switch: the reading displays read
    // the whole text, the old Laufbahn glides it and has each word rewritten. A word the
    // pupil marks reaches Memo3 as it stands in the text and turns red there in RichEdit1,
    // also behind a line break; the entry has no time; a repetition records nothing.
    void theHiddenStarts_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("markiert");
        QTest::addRow("reading finger")
            << u"BitBtn1"_s << QByteArray("Ein\r\nH\xa7u\xa7nd\r\n") << u"H§u§nd"_s;
        QTest::addRow("syllable reading")
            << u"BitBtn5"_s << QByteArray("Ein\r\nH\xa7u\xa7nd\r\n") << u"H§u§nd"_s;
        QTest::addRow("old Laufbahn") << u"BitBtn2"_s
                                      << QByteArray("Ha\xa7us\xa7"
                                                    "e\r\nKatze\r\n")
                                      << u"Katze"_s;
        QTest::addRow("repetition, reading finger")
            << u"BitBtn4"_s << QByteArray("Ein Hund\r\n") << QString();
        QTest::addRow("repetition, syllable reading")
            << u"BitBtn6"_s << QByteArray("Ein Hund\r\n") << QString();
    }
    void theHiddenStarts()
    {
        QFETCH(QString, knopf);
        QFETCH(QByteArray, text);
        QFETCH(QString, markiert);
        QVERIFY(!ui.BitBtn1->isVisibleTo(form) && !ui.BitBtn4->isVisibleTo(form));
        form->versteckteBefehleZeigen(true);
        textLaden(u"Tiere.txt"_s, text);
        schuelerLaden();
        app().Form10->RadioGroup2->setItemIndex(0);
        app().Form10->RadioButton6->setChecked(true);
        const bool wiederholung = markiert.isEmpty();
        if (wiederholung)
            ergebnisFuellen();
        const Ergebnis vorher = ergebnis();
        const QByteArray datei = readFile(u"Ben.lbs"_s);

        // Reading: the pupil reads (or reveals syllables) into the word behind the line
        // break and marks it with Return.
        auto lesen = [](QWidget *w) {
            auto *lese = static_cast<TleseForm4 *>(w);
            for (int i = 0; i < 40 && lese->motion()->gezeigt() < 6; ++i) {
                if (lese->motion()->modus() == display::LeseModus::Silbenlesen)
                    QTest::keyClick(w, Qt::Key_Space);
                QTest::qWait(100);
            }
            QTest::keyClick(w, Qt::Key_Return);
            escape(w);
        };
        bool abgedeckt = false;
        QList<Auftritt> auftritte{{"TleseForm4", lesen}};
        if (knopf == u"BitBtn2") {
            // The whole text glides; "Katze" is marked; each word's target is written.
            auftritte = {{"TForm4",
                          [&](QWidget *w) {
                              abgedeckt = app().Form_black->isVisible();
                              emit static_cast<display::GleitAnzeige *>(w)->wordMarked(u"Katze"_s,
                                                                                       7, 5);
                              escape(w);
                          }},
                         {"TForm9", [](QWidget *w) { schreiben(w, u"Hause"_s); }},
                         {"TForm9", [](QWidget *w) { schreiben(w, u"Katze"_s); }}};
        }
        starten(form->findChild<QPushButton *>(knopf), auftritte);
        QVERIFY(!app().Form_black->isVisible());
        if (wiederholung) {
            QVERIFY(ergebnis() == vorher);
            QCOMPARE(readFile(u"Ben.lbs"_s), datei);
            return;
        }
        QCOMPARE(abgedeckt, knopf == u"BitBtn2");
        QCOMPARE(ui.Memo3->toPlainText(), markiert);
        QCOMPARE(rot(ui.RichEdit1), markiert);
        const QStringList zeilen = QString::fromLatin1(readFile(u"Ben.lbs"_s)).split(u"\r\n"_s);
        QCOMPARE(zeilen.size(), 4);
        QVERIFY2(QRegularExpression(u"^~\\[\\d\\d\\.\\d\\d\\.\\d{4}\\] Tiere\\.txt$"_s)
                     .match(zeilen[1])
                     .hasMatch(),
                 qPrintable(zeilen[1]));
        QCOMPARE(zeilen[2], markiert);
        QVERIFY(ui.ListBox1->selectedItems().isEmpty());
        QVERIFY(ui.GroupBox4->isVisible());
    }

    // "Silben automatisch erkennen": syllable reading of a text the teacher typed without
    // hyphens reveals it syllable by syllable at each Space, and shows no hyphen.
    void syllableReadingFindsTheSyllables()
    {
        if (!silben::deutsch().bereit())
            QSKIP("the German hyphenation patterns (hyphen-de) are not installed");
        form->versteckteBefehleZeigen(true);
        textLaden(u"Tiere.txt"_s, QByteArray("Die Katze frisst Zucker.\r\n"));
        settings::Zusatzeinstellungen werte = app().Form10->Zusatz->werte();
        const auto zurueck =
            qScopeGuard([this, vorher = werte] { app().Form10->Zusatz->setzen(vorher); });
        werte.silben.automatisch = true;
        app().Form10->Zusatz->setzen(werte);
        // The settings dialog closed: the main window is in front and has the syllables
        // read in the background; a run started before they are ready would not wait.
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(form, &aktiv);
        QTRY_VERIFY(form->findChild<SilbenBefehle *>()->bereit());

        QStringList gezeigt;
        auto lesen = [&](QWidget *w) {
            const display::Lesefinger *lese = static_cast<TleseForm4 *>(w)->motion();
            const QString &text = lese->text().zeichen;
            QVERIFY(!text.contains(u'-'));
            for (int i = 0; i < 100 && gezeigt.size() < 6; ++i) {
                const QString jetzt = text.left(lese->gelesenBis());
                if (!jetzt.isEmpty() && (gezeigt.isEmpty() || gezeigt.last() != jetzt)) {
                    gezeigt << jetzt;
                    QTest::keyClick(w, Qt::Key_Space);
                }
                QTest::qWait(20);
            }
            escape(w);
        };
        starten(ui.BitBtn5, {{"TleseForm4", lesen}});
        QCOMPARE(gezeigt,
                 QStringList({u"Die "_s, u"Die Kat"_s, u"Die Katze "_s, u"Die Katze frisst "_s,
                              u"Die Katze frisst Zu"_s, u"Die Katze frisst Zucker."_s}));
    }

    void aLongTextIsCutWhereAWordEnds()
    {
        // A gap pair across the 8000th character would be refused if it were cut there.
        QByteArray text = QByteArray("Hund ").repeated(1599) + "Ha$us$e\r\n";
        textLaden(u"Lang.txt"_s, text);
        app().Form10->TrackBar4->setValue(10);
        starten(ui.BitBtn10, {{"TLaufForm4", escape}, {"TForm9", escape}});
        const QString hinweis =
            u"Der Text ist länger als 8000 Zeichen: geübt wird nur sein Anfang."_s;
        QVERIFY(zeigtText(ui.StatusBar1, hinweis));
        // Another text loaded: its name is shown at once.
        textLaden(u"Kurz.txt"_s, "Hund\r\n");
        QVERIFY(!zeigtText(ui.StatusBar1, hinweis));
        QVERIFY(zeigtText(ui.StatusBar1, u"aktueller Text: Kurz.txt"_s));
    }
};

QTEST_MAIN(TestGlmainLaufbahn)
#include "tst_glmain_laufbahn.moc"
