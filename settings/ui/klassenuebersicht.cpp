#include "settings/ui/klassenuebersicht.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "settings/core/zusatzeinstellungen.h"
#include "settings/ui/diagrammbild.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize bildGroesse(800, 900);
// The chart's rows need this much height to keep every caption readable.
constexpr int diagrammHoehe = 780;

enum Seite { SchuelerSeite, WoerterSeite, PhaenomenSeite, UnlesbarSeite };

template <typename T> T *named(T *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

// A name sorts in German order; the other columns by the number or day behind their text.
class NamensZelle : public QStandardItem {
public:
    using QStandardItem::QStandardItem;
    bool operator<(const QStandardItem &other) const override
    {
        return klassenuebersicht::namensfolge(text(), other.text());
    }
};

QStandardItem *zahlZelle(const QString &text, double sortWert)
{
    auto *zelle = new QStandardItem(text);
    zelle->setData(sortWert, Qt::UserRole);
    zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return zelle;
}

QTableView *neueTabelle(const QString &name, QStandardItemModel *modell)
{
    auto *tabelle = named(new QTableView, name);
    tabelle->setModel(modell);
    tabelle->setSortingEnabled(true);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setAlternatingRowColors(true);
    tabelle->verticalHeader()->hide();
    // Rows as high as a line of text: a class fits on a small screen.
    const int zeile = tabelle->fontMetrics().height() + 6;
    tabelle->verticalHeader()->setMinimumSectionSize(zeile);
    tabelle->verticalHeader()->setDefaultSectionSize(zeile);
    tabelle->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    return tabelle;
}

QChart *phaenomenDiagramm(const std::array<int, auswertung::phaenomenAnzahl> &anzahlen,
                          const QString &zeitraum)
{
    auto *chart = new QChart;
    chart->setTitle(u"Falsche Wörter der Klasse nach Rechtschreibphänomenen ("_s + zeitraum + u")");
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    auto *series = new QHorizontalBarSeries;
    auto *set = new QBarSet(u"falsche Wörter"_s);
    QStringList namen;
    int hoechstens = 0;
    // The category axis counts from the bottom: the phenomena are added last to first, so
    // that they read from the top in the evaluation's order.
    for (int row = auswertung::phaenomenAnzahl - 1; row >= 0; --row) {
        namen.append(auswertung::beschriftung(row));
        set->append(anzahlen[size_t(row)]);
        hoechstens = std::max(hoechstens, anzahlen[size_t(row)]);
    }
    series->append(set);
    series->setBarWidth(0.8);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    // The theme writes the numbers in white, for inside the bars.
    set->setLabelColor(Qt::black);
    chart->addSeries(series);
    auto *achse = new QBarCategoryAxis;
    achse->append(namen);
    QFont klein = achse->labelsFont();
    klein.setPointSizeF(7.5);
    achse->setLabelsFont(klein);
    auto *anzahl = new QValueAxis;
    anzahl->setTitleText(u"falsche Wörter"_s);
    anzahl->setLabelFormat(u"%d"_s);
    anzahl->setRange(0, std::max(4.0, hoechstens * 1.1));
    anzahl->applyNiceNumbers();
    chart->addAxis(achse, Qt::AlignLeft);
    chart->addAxis(anzahl, Qt::AlignBottom);
    series->attachAxis(achse);
    series->attachAxis(anzahl);
    return chart;
}

} // namespace

TFormKlassenuebersicht::TFormKlassenuebersicht(KlassenuebersichtWerte werte, QWidget *parent)
    : QDialog(parent), m_werte(std::move(werte))
{
    setObjectName(u"FormKlassenuebersicht"_s);
    setWindowTitle(u"Klassenübersicht"_s);
    resize(980, 860);
    m_ordnerDialog.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Ordner der Klasse wählen"_s);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->resize(760, 480);
    });
    m_csvDialog.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Tabelle als CSV speichern"_s);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(u"CSV-Tabelle (*.csv)"_s);
        dialog->setDefaultSuffix(u"csv"_s);
        dialog->resize(760, 480);
    });

    m_ordner = named(new QLabel, u"Ordner"_s);
    m_ordner->setTextFormat(Qt::PlainText);
    m_ordner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is not to widen the window past a small screen.
    m_ordner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_ordnerWaehlen = named(new QPushButton(u"anderer Ordner..."_s), u"OrdnerWaehlen"_s);
    m_stand = named(new QLabel, u"Stand"_s);
    m_stand->setWordWrap(true);
    QFont fett = m_stand->font();
    fett.setBold(true);
    m_stand->setFont(fett);

    m_seiten = named(new QTabWidget, u"Seiten"_s);
    m_schuelerModell = new QStandardItemModel(this);
    m_schuelerTabelle = neueTabelle(u"SchuelerTabelle"_s, m_schuelerModell);
    m_schuelerModell->setSortRole(Qt::UserRole);
    m_seiten->addTab(m_schuelerTabelle, u"Schüler"_s);

    auto *woerterSeite = new QWidget;
    m_woerterModell = new QStandardItemModel(this);
    m_woerterModell->setSortRole(Qt::UserRole);
    m_woerterTabelle = neueTabelle(u"WoerterTabelle"_s, m_woerterModell);
    m_woerterTabelle->setWordWrap(false);
    m_wortliste = named(new QPushButton(u"als Wortliste in den Editor"_s), u"Wortliste"_s);
    m_wortliste->setToolTip(
        u"Die markierten Wörter werden als neue Übung für die ganze Klasse in den Editor übernommen."_s);
    m_wortliste->setEnabled(false);
    auto *woerterLayout = new QVBoxLayout(woerterSeite);
    woerterLayout->addWidget(m_woerterTabelle, 1);
    auto *woerterUnten = new QHBoxLayout;
    woerterUnten->addWidget(new QLabel(u"Wörter markieren (Strg oder Umschalt für mehrere):"_s));
    woerterUnten->addStretch(1);
    woerterUnten->addWidget(m_wortliste);
    woerterLayout->addLayout(woerterUnten);
    m_seiten->addTab(woerterSeite, u"Gemeinsame Fehlerwörter"_s);

    m_phaenomenSeite = new QWidget;
    new QVBoxLayout(m_phaenomenSeite);
    m_seiten->addTab(m_phaenomenSeite, u"Rechtschreibphänomene"_s);

    m_unlesbar = named(new QListWidget, u"Unlesbar"_s);
    m_seiten->addTab(m_unlesbar, QString());

    m_zeitraumZeile = new QWidget;
    m_zeitraum = named(new QComboBox, u"Zeitraum"_s);
    m_zeitraum->addItems(
        {u"alle Übungen"_s, u"letzte 4 Wochen"_s, u"4 Wochen davor"_s, u"von ... bis ..."_s});
    m_von = named(new QDateEdit, u"DatumVon"_s);
    m_bis = named(new QDateEdit, u"DatumBis"_s);
    for (QDateEdit *edit : {m_von, m_bis}) {
        edit->setDisplayFormat(u"dd.MM.yyyy"_s);
        edit->setCalendarPopup(true);
        edit->setDate(m_werte.heute);
    }
    m_von->setDate(m_werte.heute.addDays(1 - klassenuebersicht::wochenTage));
    auto *zeile = new QHBoxLayout(m_zeitraumZeile);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto *zeitraumLabel = new QLabel(u"Fehlerwörter und Phänomene aus:"_s);
    zeitraumLabel->setBuddy(m_zeitraum);
    zeile->addWidget(zeitraumLabel);
    zeile->addWidget(m_zeitraum);
    zeile->addWidget(m_von);
    zeile->addWidget(new QLabel(u"bis"_s));
    zeile->addWidget(m_bis);
    zeile->addStretch(1);

    m_csv = named(new QPushButton(u"als CSV speichern..."_s), u"Csv"_s);
    m_drucken = named(new QPushButton(u"drucken..."_s), u"Drucken"_s);
    m_schliessen = named(new QPushButton(u"Schließen"_s), u"Schliessen"_s);
    for (QPushButton *button : {m_ordnerWaehlen, m_wortliste, m_csv, m_drucken, m_schliessen})
        button->setAutoDefault(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(new QLabel(u"Ordner:"_s));
    oben->addWidget(m_ordner, 1);
    oben->addWidget(m_ordnerWaehlen);
    auto *unten = new QHBoxLayout;
    unten->addWidget(m_csv);
    unten->addWidget(m_drucken);
    unten->addStretch(1);
    unten->addWidget(m_schliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(m_stand);
    layout->addWidget(m_zeitraumZeile);
    layout->addWidget(m_seiten, 1);
    layout->addLayout(unten);

    // The chart loads its library's theme and fonts: only once the window shows.
    whenFirstShown(this, [this] {
        // On a small screen the window fits it with its frame, so its buttons stay in reach.
        const QSize rahmen(16, 48);
        resize(size().boundedTo(screen()->availableGeometry().size() - rahmen));
        m_diagramm = named(new QChartView, u"PhaenomenDiagramm"_s);
        m_diagramm->setRenderHint(QPainter::Antialiasing);
        m_diagramm->setMinimumHeight(diagrammHoehe);
        auto *rollen = named(new QScrollArea, u"PhaenomenRollen"_s);
        rollen->setWidgetResizable(true);
        rollen->setFrameShape(QFrame::NoFrame);
        rollen->setWidget(m_diagramm);
        m_phaenomenSeite->layout()->addWidget(rollen);
        diagrammZeigen();
    });

    connect(m_ordnerWaehlen, &QPushButton::clicked, this, &TFormKlassenuebersicht::ordnerWaehlen);
    connect(m_zeitraum, &QComboBox::currentIndexChanged, this,
            &TFormKlassenuebersicht::zeitraumGewaehlt);
    connect(m_von, &QDateEdit::dateChanged, this, &TFormKlassenuebersicht::auswertungZeigen);
    connect(m_bis, &QDateEdit::dateChanged, this, &TFormKlassenuebersicht::auswertungZeigen);
    connect(m_seiten, &QTabWidget::currentChanged, this, &TFormKlassenuebersicht::seiteGewechselt);
    connect(
        m_woerterTabelle->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { m_wortliste->setEnabled(m_woerterTabelle->selectionModel()->hasSelection()); });
    connect(m_wortliste, &QPushButton::clicked, this,
            &TFormKlassenuebersicht::wortlisteUebernehmen);
    connect(m_csv, &QPushButton::clicked, this, &TFormKlassenuebersicht::csvSpeichern);
    connect(m_drucken, &QPushButton::clicked, this, &TFormKlassenuebersicht::drucken);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);

    zeitraumGewaehlt();
    seiteGewechselt();
    const QString gemerkt = settings::klassenordnerLesen(m_werte.iniDatei);
    ordnerLesen(!gemerkt.isEmpty() && QFileInfo(gemerkt).isDir() ? gemerkt
                                                                 : m_werte.startverzeichnis);
}

void TFormKlassenuebersicht::ordnerLesen(const QString &ordner)
{
    m_klasse = klassenuebersicht::lesen(ordner, m_werte.heute);
    m_ordner->setText(QDir::toNativeSeparators(QDir::cleanPath(ordner)));
    m_ordner->setToolTip(m_ordner->text());
    const qsizetype anzahl = m_klasse.schueler.size();
    const qsizetype unlesbar = m_klasse.unlesbar.size();
    QString stand = !m_klasse.ordnerFehler.isEmpty() ? m_klasse.ordnerFehler
                    : anzahl == 0 ? u"In diesem Ordner liegt keine lesbare Schülerdatei (*.lbs)."_s
                    : anzahl == 1 ? u"1 Schüler"_s
                                  : u"%1 Schüler"_s.arg(anzahl);
    if (unlesbar > 0)
        stand += unlesbar == 1
                     ? u"; 1 Datei ist nicht lesbar (siehe \"Nicht lesbar\")."_s
                     : u"; %1 Dateien sind nicht lesbar (siehe \"Nicht lesbar\")."_s.arg(unlesbar);
    m_stand->setText(stand);

    m_unlesbar->clear();
    for (const klassenuebersicht::Unlesbar &datei : std::as_const(m_klasse.unlesbar))
        m_unlesbar->addItem(QFileInfo(datei.datei).fileName() + u": " + datei.grund);
    m_seiten->setTabText(UnlesbarSeite, u"Nicht lesbar (%1)"_s.arg(unlesbar));
    m_seiten->setTabVisible(UnlesbarSeite, unlesbar > 0);
    tabelleFuellen();
    auswertungZeigen();
}

void TFormKlassenuebersicht::tabelleFuellen()
{
    const klassenuebersicht::Tabelle tabelle = klassenuebersicht::schuelerTabelle(m_klasse);
    m_schuelerModell->clear();
    // Each heading says in full what its column counts when the pointer rests on it.
    const auto spanne = [](const klassenuebersicht::Zeitraum &z) -> QString {
        return u" ("_s + klassenuebersicht::datumText(z.von) + u" bis " +
               klassenuebersicht::datumText(z.bis) + u")";
    };
    QList<klassenuebersicht::Spalte> spalten = klassenuebersicht::schuelerSpalten();
    spalten[2].lang += spanne(klassenuebersicht::Zeitraum::letzteVierWochen(m_werte.heute));
    spalten[4].lang += spanne(klassenuebersicht::Zeitraum::letzteVierWochen(m_werte.heute));
    spalten[5].lang += spanne(klassenuebersicht::Zeitraum::vierWochenDavor(m_werte.heute));
    int spalte = 0;
    for (const klassenuebersicht::Spalte &s : std::as_const(spalten)) {
        auto *kopf = new QStandardItem(s.kurz);
        kopf->setToolTip(s.lang);
        m_schuelerModell->setHorizontalHeaderItem(spalte++, kopf);
    }
    for (qsizetype i = 0; i < m_klasse.schueler.size(); ++i) {
        const klassenuebersicht::Schueler &s = m_klasse.schueler[i];
        const QStringList &text = tabelle[i + 1];
        const auto jeUebung = [](std::optional<double> wert) { return wert.value_or(-1); };
        m_schuelerModell->appendRow({
            new NamensZelle(text[0]),
            zahlZelle(text[1], s.uebungen),
            zahlZelle(text[2], s.uebungenNeu),
            zahlZelle(text[3], s.fehler),
            zahlZelle(text[4], jeUebung(s.jeUebungNeu())),
            zahlZelle(text[5], jeUebung(s.jeUebungVorher())),
            zahlZelle(text[6], double(s.faellig)),
            zahlZelle(text[7], s.letzte.isValid() ? double(s.letzte.toJulianDay()) : -1),
        });
        m_schuelerModell->item(int(i), 0)->setToolTip(QDir::toNativeSeparators(s.datei));
    }
    // The number columns as wide as their widest line and the sort mark, no wider, so that
    // the names keep the rest of a small screen.
    QHeaderView *kopf = m_schuelerTabelle->horizontalHeader();
    const QFontMetrics schrift = m_schuelerTabelle->fontMetrics();
    const int rand = 2 * m_schuelerTabelle->style()->pixelMetric(QStyle::PM_HeaderMargin) + 16;
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < m_schuelerModell->columnCount(); ++c) {
        int breite = 0;
        for (const QString &teil : m_schuelerModell->horizontalHeaderItem(c)->text().split(u'\n'))
            breite = std::max(breite, schrift.horizontalAdvance(teil));
        for (qsizetype r = 1; r < tabelle.size(); ++r)
            breite = std::max(breite, schrift.horizontalAdvance(tabelle[r].value(c)));
        kopf->resizeSection(c, breite + rand);
    }
    m_schuelerTabelle->sortByColumn(0, Qt::AscendingOrder);
}

void TFormKlassenuebersicht::zeitraumGewaehlt()
{
    const bool frei = m_zeitraum->currentIndex() == 3;
    m_von->setEnabled(frei);
    m_bis->setEnabled(frei);
    auswertungZeigen();
}

klassenuebersicht::Zeitraum TFormKlassenuebersicht::zeitraum() const
{
    switch (m_zeitraum->currentIndex()) {
    case 1:
        return klassenuebersicht::Zeitraum::letzteVierWochen(m_werte.heute);
    case 2:
        return klassenuebersicht::Zeitraum::vierWochenDavor(m_werte.heute);
    case 3:
        return {std::min(m_von->date(), m_bis->date()), std::max(m_von->date(), m_bis->date())};
    default:
        return {};
    }
}

QString TFormKlassenuebersicht::zeitraumText() const
{
    const klassenuebersicht::Zeitraum z = zeitraum();
    if (z.alle())
        return u"alle Übungen"_s;
    return klassenuebersicht::datumText(z.von) + u" bis " + klassenuebersicht::datumText(z.bis);
}

void TFormKlassenuebersicht::auswertungZeigen()
{
    if (m_klasse.ordner.isNull())
        return;
    const klassenuebersicht::Zeitraum z = zeitraum();
    m_gemeinsam = klassenuebersicht::gemeinsameFehlerwoerter(m_klasse, z);
    m_phaenomene = klassenuebersicht::phaenomene(m_klasse, z);

    const klassenuebersicht::Tabelle tabelle = klassenuebersicht::woerterTabelle(m_gemeinsam);
    m_woerterModell->clear();
    m_woerterModell->setHorizontalHeaderLabels(tabelle.value(0));
    for (qsizetype i = 0; i < m_gemeinsam.size(); ++i) {
        const QStringList &text = tabelle[i + 1];
        auto *wort = new NamensZelle(text[0]);
        // What goes into the editor: the word as recorded, with its gap marks.
        wort->setData(m_gemeinsam[i].wort, Qt::UserRole + 1);
        auto *namen = new NamensZelle(text[2]);
        namen->setToolTip(m_gemeinsam[i].schueler.join(u'\n'));
        m_woerterModell->appendRow(
            {wort, zahlZelle(text[1], double(m_gemeinsam[i].schueler.size())), namen});
    }
    QHeaderView *kopf = m_woerterTabelle->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
    kopf->setSectionResizeMode(2, QHeaderView::Stretch);
    m_woerterTabelle->sortByColumn(1, Qt::DescendingOrder);
    m_wortliste->setEnabled(false);
    diagrammZeigen();
}

void TFormKlassenuebersicht::diagrammZeigen()
{
    if (!m_diagramm)
        return;
    QChart *alt = m_diagramm->chart();
    m_diagramm->setChart(phaenomenDiagramm(m_phaenomene, zeitraumText()));
    delete alt;
}

QImage TFormKlassenuebersicht::phaenomenBild() const
{
    return diagrammBild(phaenomenDiagramm(m_phaenomene, zeitraumText()), bildGroesse);
}

void TFormKlassenuebersicht::seiteGewechselt()
{
    const int seite = m_seiten->currentIndex();
    // The span is for the shared words and the phenomena; the pupils' table has its own.
    m_zeitraumZeile->setEnabled(seite == WoerterSeite || seite == PhaenomenSeite);
    m_csv->setEnabled(seite != UnlesbarSeite);
}

void TFormKlassenuebersicht::ordnerWaehlen()
{
    m_ordnerDialog->setDirectory(m_klasse.ordner);
    if (m_ordnerDialog->exec() != QDialog::Accepted || m_ordnerDialog->selectedFiles().isEmpty())
        return;
    const QString ordner = QDir::cleanPath(m_ordnerDialog->selectedFiles().constFirst());
    ordnerLesen(ordner);
    const WriteResult gemerkt = settings::klassenordnerSchreiben(m_werte.iniDatei, ordner);
    if (!gemerkt.ok())
        showWriteError(this, gemerkt, WrittenFile::Settings);
}

void TFormKlassenuebersicht::csvSpeichern()
{
    klassenuebersicht::Tabelle tabelle;
    QString name;
    switch (m_seiten->currentIndex()) {
    case WoerterSeite:
        tabelle = klassenuebersicht::woerterTabelle(m_gemeinsam);
        name = u"Gemeinsame Fehlerwörter.csv"_s;
        break;
    case PhaenomenSeite:
        tabelle = klassenuebersicht::phaenomenTabelle(m_phaenomene);
        name = u"Rechtschreibphänomene.csv"_s;
        break;
    default:
        tabelle = klassenuebersicht::schuelerTabelle(m_klasse);
        name = u"Klassenübersicht.csv"_s;
        break;
    }
    m_csvDialog->setDirectory(m_klasse.ordner);
    m_csvDialog->selectFile(name);
    if (m_csvDialog->exec() != QDialog::Accepted || m_csvDialog->selectedFiles().isEmpty())
        return;
    const WriteResult result =
        writeFileAtomically(QDir::cleanPath(m_csvDialog->selectedFiles().constFirst()),
                            klassenuebersicht::csv(tabelle));
    if (!result.ok())
        showWriteError(this, result, WrittenFile::WordList);
}

void TFormKlassenuebersicht::drucken()
{
    QStringList gemeinsam;
    for (const klassenuebersicht::GemeinsamesWort &wort : std::as_const(m_gemeinsam))
        gemeinsam.append(wort.wort + u" (" + QString::number(wort.schueler.size()) + u"): " +
                         wort.schueler.join(u", "));
    const QString ordner = QFileInfo(m_klasse.ordner).fileName();
    const QString ueberschrift = u"Klassenübersicht "_s + ordner + u"   (Stand " +
                                 klassenuebersicht::datumText(m_werte.heute) + u")";
    printing::PrintJob job;
    job.title = u"Klassenübersicht "_s + ordner;
    job.fileName = u"Klassenübersicht "_s + ordner + u".pdf";
    job.font = m_werte.druckschrift;
    job.pictures = {phaenomenBild()};
    const QSize bild = job.pictures[0].deviceIndependentSize().toSize();
    job.layout = [ueberschrift,
                  tabelle =
                      klassenuebersicht::schuelerTabelle(m_klasse, klassenuebersicht::Koepfe::Kurz),
                  gemeinsam, zeitraum = zeitraumText(),
                  bild](QSize pageSize, const printlayout::TextMetrics &metrics) {
        return klassenuebersicht::druckseiten(pageSize, metrics, ueberschrift, tabelle, gemeinsam,
                                              zeitraum, bild);
    };
    emit druckauftrag(job);
}

void TFormKlassenuebersicht::wortlisteUebernehmen()
{
    QStringList woerter;
    // In the order the table shows them.
    QModelIndexList zeilen = m_woerterTabelle->selectionModel()->selectedRows(0);
    std::sort(zeilen.begin(), zeilen.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &zeile : std::as_const(zeilen))
        woerter.append(zeile.data(Qt::UserRole + 1).toString());
    if (!woerter.isEmpty())
        emit alsWortliste(woerter);
}
