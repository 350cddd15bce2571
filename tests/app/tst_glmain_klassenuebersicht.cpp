// A teacher looks at a class folder, sorts the pupils, exports and prints the overview
// and makes the words several pupils got wrong the editor's next exercise.

#include "app/glmain.h"
#include "exercise/ui/printing.h"
#include "settings/ui/klassenuebersicht.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing;

namespace {

QByteArray akte(const QStringList &zeilen)
{
    QByteArray bytes;
    for (const QString &zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return bytes;
}

QStringList spalte(const QTableView *tabelle, int spalte)
{
    QStringList texte;
    for (int zeile = 0; zeile < tabelle->model()->rowCount(); ++zeile)
        texte << tabelle->model()->index(zeile, spalte).data().toString();
    return texte;
}

// How many pixels of the grab carry the colour of the chart's bars.
int balkenPixel(QWidget *widget, QColor farbe)
{
    const QImage bild = widget->grab().toImage();
    int anzahl = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x)
            anzahl += bild.pixelColor(x, y) == farbe;
    }
    return anzahl;
}

} // namespace

class TestGlmainKlassenuebersicht : public QObject, protected AppFixture {
    Q_OBJECT
private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void classFolderSortedExportedPrintedAndTakenIntoTheEditor()
    {
        const QString heute = QDate::currentDate().toString(u"dd.MM.yyyy"_s);
        writeFile(u"4b/Anna.lbs"_s, akte({u"Anna"_s, u"~["_s + heute + u"] a.txt", u"Hund"_s,
                                          u"Katze"_s, u"Stern"_s}));
        writeFile(u"4b/ben.lbs"_s, akte({u"Ben"_s, u"~["_s + heute + u"] a.txt", u"Hund"_s,
                                         u"~["_s + heute + u"] b.txt", u"Katze"_s}));
        writeFile(u"4b/kaputt.lbs"_s, QByteArray());
        auto *editor = form->findChild<QPlainTextEdit *>(u"Memo1"_s);
        editor->setFocus();
        QTest::keyClicks(editor, u"Ungesichert"_s);

        QAction *eintrag = form->findChild<QAction *>(u"Klassenuebersicht1"_s);
        QVERIFY(eintrag && eintrag->isEnabled());

        QString leer;
        QString stand;
        QStringList namen;
        QStringList sortiert;
        QStringList unlesbar;
        QStringList woerter;
        int balken = 0;
        QString frage;
        QString nachAbbruch;
        QString gedruckt;
        answerNextDialog(as<TFormKlassenuebersicht>([&](TFormKlassenuebersicht &fenster) {
            auto *tabelle = fenster.findChild<QTableView *>(u"SchuelerTabelle"_s);
            auto *seiten = fenster.findChild<QTabWidget *>(u"Seiten"_s);
            leer = fenster.findChild<QLabel *>(u"Stand"_s)->text();

            answerNextFileDialog(path(u"4b"_s));
            fenster.findChild<QPushButton *>(u"OrdnerWaehlen"_s)->click();
            stand = fenster.findChild<QLabel *>(u"Stand"_s)->text();
            namen = spalte(tabelle, 0);
            // A click on "falsche Wörter" sorts by it, the fewest first.
            QHeaderView *kopf = tabelle->horizontalHeader();
            QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                              QPoint(kopf->sectionViewportPosition(3) + 5, kopf->height() / 2));
            sortiert = spalte(tabelle, 0);
            auto *liste = fenster.findChild<QListWidget *>(u"Unlesbar"_s);
            for (int i = 0; i < liste->count(); ++i)
                unlesbar << liste->item(i)->text();

            seiten->setCurrentIndex(2);
            QTest::qWait(50);
            balken = balkenPixel(fenster.findChild<QChartView *>(u"PhaenomenDiagramm"_s),
                                 QColor(0x20, 0x9f, 0xdf));

            seiten->setCurrentIndex(1);
            auto *gemeinsam = fenster.findChild<QTableView *>(u"WoerterTabelle"_s);
            woerter = spalte(gemeinsam, 0);
            answerNextFileDialog(path(u"gemeinsam.csv"_s));
            fenster.findChild<QPushButton *>(u"Csv"_s)->click();

            answerNextDialog(as<printing::Druckvorschau>([&](printing::Druckvorschau &vorschau) {
                for (const printlayout::Page &seite :
                     printing::layOut(vorschau.job(), vorschau.printer())) {
                    for (const printlayout::PrintedText &text : seite.texts)
                        gedruckt += text.text + u'|';
                }
                vorschau.reject();
            }));
            fenster.findChild<QPushButton *>(u"Drucken"_s)->click();

            gemeinsam->selectAll();
            auto *uebernehmen = fenster.findChild<QPushButton *>(u"Wortliste"_s);
            // Cancelled, the unsaved text stays and so does the window.
            answerNextMessageBox(QMessageBox::Cancel, &frage);
            uebernehmen->click();
            nachAbbruch = editor->toPlainText();
            QVERIFY(fenster.isVisible());
            answerNextMessageBox(QMessageBox::No);
            uebernehmen->click();
        }));
        eintrag->trigger();

        QCOMPARE(leer, u"In diesem Ordner liegt keine lesbare Schülerdatei (*.lbs)."_s);
        QCOMPARE(stand, u"2 Schüler; 1 Datei ist nicht lesbar (siehe \"Nicht lesbar\")."_s);
        QCOMPARE(namen, (QStringList{u"Anna"_s, u"Ben"_s}));
        QCOMPARE(sortiert, (QStringList{u"Ben"_s, u"Anna"_s}));
        QCOMPARE(unlesbar, QStringList{u"kaputt.lbs: Die Datei ist leer."_s});
        QVERIFY2(balken > 100, qPrintable(QString::number(balken)));
        QCOMPARE(woerter, (QStringList{u"Hund"_s, u"Katze"_s}));
        QCOMPARE(readFile(u"gemeinsam.csv"_s),
                 QByteArray("\xEF\xBB\xBFWort;Sch\xC3\xBCler;Namen\r\n"
                            "Hund;2;Anna, Ben\r\nKatze;2;Anna, Ben\r\n"));
        QVERIFY2(gedruckt.contains(u"|Anna|1|1|3|3,0|"_s), qPrintable(gedruckt));
        QVERIFY2(gedruckt.contains(u"|Hund (2): Anna, Ben|"_s), qPrintable(gedruckt));
        QCOMPARE(frage, u"Änderungen am Text speichern?"_s);
        QCOMPARE(nachAbbruch, u"Ungesichert"_s);
        QCOMPARE(editor->toPlainText(), u"Hund Katze "_s);
        QCOMPARE(form->findChild<QLabel *>(u"Label6"_s)->text(), u"neuer Text"_s);
        QVERIFY(form->findChild<QRadioButton *>(u"RadioButton1"_s)->isChecked());

        // The folder chosen is the one the next overview opens.
        QString ordner;
        answerNextDialog(as<TFormKlassenuebersicht>([&](TFormKlassenuebersicht &fenster) {
            ordner = fenster.findChild<QLabel *>(u"Ordner"_s)->text();
            fenster.reject();
        }));
        eintrag->trigger();
        QCOMPARE(ordner, QDir::toNativeSeparators(path(u"4b"_s)));
    }
};

QTEST_MAIN(TestGlmainKlassenuebersicht)
#include "tst_glmain_klassenuebersicht.moc"
