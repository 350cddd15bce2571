#include "settings/ui/lernverlauf.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "settings/ui/diagrammbild.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The charts as pictures and on paper: drawn at this size.
constexpr QSize bildGroesse(800, 545);
// The phenomena's chart with many rows is drawn taller, so that every caption has room.
constexpr QSize hohesBild(800, 800);
constexpr int vieleZeilen = 14;

template <typename T> T *named(T *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QString datumText(const QDateTime &wann)
{
    return QLocale(QLocale::German).toString(wann.date(), u"dd.MM.yyyy"_s);
}

// The days a half covers; a half that begins or ends within a day says at what time.
QString zeitraumText(const lernverlauf::Haelfte &haelfte)
{
    const auto text = [](const QDateTime &wann) {
        return wann.time() == QTime(0, 0) ? datumText(wann)
                                          : datumText(wann) + wann.toString(u" hh:mm"_s);
    };
    const QDateTime letzterTag = haelfte.bis.time() == QTime(0, 0)
                                     ? QDateTime(haelfte.bis.date().addDays(-1), QTime(0, 0))
                                     : haelfte.bis;
    const QString bis =
        haelfte.bis.time() == QTime(0, 0) ? datumText(letzterTag) : text(haelfte.bis);
    const QString uebungen =
        haelfte.uebungen == 1 ? u"1 Übung"_s : QString::number(haelfte.uebungen) + u" Übungen";
    return text(haelfte.von) + u" bis " + bis + u" (" + uebungen + u")";
}

QChart *neuesDiagramm(const QString &titel)
{
    auto *chart = new QChart;
    chart->setTitle(titel);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

// The points of the exercises, drawn at once over the chart's plot area. A scatter
// series of the chart library takes seconds to lay out thousands of points; an empty one
// stands for them in the legend and gives them its colour.
class Punkte : public QGraphicsItem {
public:
    Punkte(QChart *chart, QScatterSeries *legende, QList<QPointF> punkte)
        : QGraphicsItem(chart), m_chart(chart), m_legende(legende), m_punkte(std::move(punkte))
    {
        QObject::connect(chart, &QChart::plotAreaChanged, chart,
                         [this] { prepareGeometryChange(); });
    }
    QRectF boundingRect() const override { return m_chart->plotArea().adjusted(-5, -5, 5, 5); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const auto *x = qobject_cast<QValueAxis *>(m_chart->axes(Qt::Horizontal).value(0));
        const auto *y = qobject_cast<QValueAxis *>(m_chart->axes(Qt::Vertical).value(0));
        const QRectF flaeche = m_chart->plotArea();
        if (!x || !y || x->max() <= x->min() || y->max() <= y->min())
            return;
        const qreal sx = flaeche.width() / (x->max() - x->min());
        const qreal sy = flaeche.height() / (y->max() - y->min());
        QList<QPointF> orte;
        orte.reserve(m_punkte.size());
        for (const QPointF &punkt : m_punkte)
            orte.append({flaeche.left() + (punkt.x() - x->min()) * sx,
                         flaeche.bottom() - (punkt.y() - y->min()) * sy});
        painter->save();
        painter->setClipRect(boundingRect());
        painter->setRenderHint(QPainter::Antialiasing);
        QPen pen(m_legende->color(), m_legende->markerSize());
        pen.setCapStyle(Qt::RoundCap);
        painter->setPen(pen);
        painter->drawPoints(orte.constData(), int(orte.size()));
        painter->restore();
    }

private:
    QChart *m_chart;
    QScatterSeries *m_legende;
    QList<QPointF> m_punkte;
};

// Where a moment stands on the time axis: days after midnight of `erster`.
qreal tagPosition(QDate erster, const QDateTime &wann)
{
    return qreal(erster.daysTo(wann.date())) + qreal(wann.time().msecsSinceStartOfDay()) / 86400000;
}

QChart *verlaufsDiagramm(const lernverlauf::Verlauf &verlauf)
{
    QChart *chart = neuesDiagramm(verlauf.punkte.isEmpty()
                                      ? u"Falsche Wörter je Übung: keine Übung mit lesbarem Datum"_s
                                      : u"Falsche Wörter je Übung"_s);
    const QDate heute = QDate::currentDate();
    const QDate erster = verlauf.punkte.isEmpty() ? heute : verlauf.punkte.first().wann.date();
    const QDate letzter = verlauf.punkte.isEmpty() ? heute : verlauf.punkte.last().wann.date();
    const qint64 tage = erster.daysTo(letzter) + 1;

    auto *punkte = new QScatterSeries;
    punkte->setName(u"falsche Wörter einer Übung"_s);
    punkte->setMarkerSize(7);
    punkte->setPen(Qt::NoPen);
    auto *mittel = new QLineSeries;
    mittel->setName(u"Mittel der letzten %1 Übungen"_s.arg(lernverlauf::mittelUeber));
    QList<QPointF> p;
    QList<QPointF> m;
    p.reserve(verlauf.punkte.size());
    // The line needs no more corners than a wide chart has pixels; each corner more
    // makes it slower to draw.
    const qsizetype schritt = std::max<qsizetype>(1, verlauf.punkte.size() / 2000);
    int hoechstens = 0;
    for (qsizetype i = 0; i < verlauf.punkte.size(); ++i) {
        const lernverlauf::Punkt &punkt = verlauf.punkte[i];
        const qreal x = tagPosition(erster, punkt.wann);
        p.append({x, qreal(punkt.fehler)});
        if (i % schritt == 0 || i + 1 == verlauf.punkte.size())
            m.append({x, punkt.mittel});
        hoechstens = std::max(hoechstens, punkt.fehler);
    }
    mittel->replace(m);
    QPen linie = mittel->pen();
    linie.setWidthF(2.5);
    mittel->setPen(linie);
    chart->addSeries(punkte);
    chart->addSeries(mittel);
    auto *gezeichnet = new Punkte(chart, punkte, std::move(p));
    // Under the mean's line.
    gezeichnet->setZValue(-1);

    // Whole days from the first exercise's to the last one's, a date at every tick: over
    // a few days at every midnight, else at about eight days spread evenly.
    // The axis of a category axis is a value axis to the series.
    auto *zeit = new QCategoryAxis;
    zeit->setTitleText(u"Datum"_s);
    zeit->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    zeit->setRange(0, qreal(tage));
    const qint64 abstand = tage <= 10 ? 1 : (tage + 7) / 8;
    const QString format = tage <= 10 ? u"dd.MM."_s : u"dd.MM.yy"_s;
    for (qint64 tag = 0; tag <= tage; tag += abstand)
        zeit->append(erster.addDays(tag).toString(format), qreal(tag));
    auto *anzahl = new QValueAxis;
    anzahl->setTitleText(u"falsche Wörter"_s);
    anzahl->setLabelFormat(u"%d"_s);
    anzahl->setRange(0, std::max(4, hoechstens + 1));
    anzahl->applyNiceNumbers();
    chart->addAxis(zeit, Qt::AlignBottom);
    chart->addAxis(anzahl, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(zeit);
        series->attachAxis(anzahl);
    }
    return chart;
}

QChart *phaenomenDiagramm(const lernverlauf::Vergleich &vergleich, bool jeUebung)
{
    QChart *chart =
        neuesDiagramm(jeUebung ? u"Falsche Wörter je Übung nach Rechtschreibphänomenen"_s
                               : u"Falsche Wörter nach Rechtschreibphänomenen"_s);
    // Only the phenomena with wrong words in the span: all 27 leave too little room to
    // read a caption, and an empty row says nothing.
    QList<int> zeilen;
    for (int row = auswertung::phaenomenAnzahl - 1; row >= 0; --row) {
        if (vergleich.erste.phaenomene[size_t(row)] + vergleich.zweite.phaenomene[size_t(row)] > 0)
            zeilen.append(row);
    }
    auto *series = new QHorizontalBarSeries;
    qreal hoechstens = 0;
    // The category axis counts from the bottom: the phenomena are added last to first,
    // so that they read from the top in the evaluation's order.
    const auto balken = [&](const QString &name, const lernverlauf::Haelfte &haelfte) {
        auto *set = new QBarSet(name + u": " + zeitraumText(haelfte));
        for (int row : std::as_const(zeilen)) {
            qreal wert = haelfte.phaenomene[size_t(row)];
            if (jeUebung)
                wert = haelfte.uebungen > 0 ? wert / haelfte.uebungen : 0;
            set->append(wert);
            hoechstens = std::max(hoechstens, wert);
        }
        series->append(set);
    };
    balken(u"1. Hälfte"_s, vergleich.erste);
    balken(u"2. Hälfte"_s, vergleich.zweite);
    series->setBarWidth(0.8);
    chart->addSeries(series);

    auto *phaenomene = new QBarCategoryAxis;
    QStringList namen;
    for (int row : std::as_const(zeilen))
        namen.append(auswertung::beschriftung(row));
    if (namen.isEmpty()) {
        namen.append(u"keine falschen Wörter im Zeitraum"_s);
        for (QBarSet *set : series->barSets())
            set->append(0);
    }
    phaenomene->append(namen);
    // Many rows leave a caption little height: a smaller font keeps it whole.
    if (namen.size() > vieleZeilen) {
        QFont klein = phaenomene->labelsFont();
        klein.setPointSizeF(6.5);
        phaenomene->setLabelsFont(klein);
    }
    auto *anzahl = new QValueAxis;
    anzahl->setTitleText(jeUebung ? u"falsche Wörter je Übung"_s : u"falsche Wörter"_s);
    anzahl->setLabelFormat(jeUebung ? u"%.1f"_s : u"%d"_s);
    anzahl->setRange(0, std::max<qreal>(jeUebung ? 1 : 4, hoechstens * 1.05));
    anzahl->applyNiceNumbers();
    chart->addAxis(phaenomene, Qt::AlignLeft);
    chart->addAxis(anzahl, Qt::AlignBottom);
    series->attachAxis(phaenomene);
    series->attachAxis(anzahl);
    return chart;
}

// The rows of the phenomena's chart.
int zeilen(const QChart *chart)
{
    const auto *phaenomene = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
    return phaenomene ? int(phaenomene->count()) : 0;
}

void ersetzen(QChartView *view, QChart *chart)
{
    QChart *alt = view->chart();
    view->setChart(chart);
    delete alt;
}

} // namespace

TFormLernverlauf::TFormLernverlauf(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"FormLernverlauf"_s);
    setWindowTitle(u"Lernverlauf"_s);
    resize(1000, 880);
    SaveDialog1.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Diagramm als Bild speichern"_s);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(u"PNG-Bild (*.png)"_s);
        dialog->setDefaultSuffix(u"png"_s);
        dialog->resize(760, 480);
    });

    Label1 = named(new QLabel, u"Label1"_s);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setTextFormat(Qt::PlainText);

    Seiten = named(new QTabWidget, u"Seiten"_s);
    auto *verlaufSeite = named(new QWidget, u"VerlaufSeite"_s);
    LabelUebungen = named(new QLabel, u"LabelUebungen"_s);
    (new QVBoxLayout(verlaufSeite))->addWidget(LabelUebungen);
    auto *phaenomenSeite = named(new QWidget, u"PhaenomenSeite"_s);
    auto *phaenomenLayout = new QVBoxLayout(phaenomenSeite);
    Seiten->addTab(verlaufSeite, u"Fehler je Übung"_s);
    Seiten->addTab(phaenomenSeite, u"Fehler nach Rechtschreibphänomenen"_s);

    DatumVon = named(new QDateEdit, u"DatumVon"_s);
    DatumBis = named(new QDateEdit, u"DatumBis"_s);
    for (QDateEdit *edit : {DatumVon, DatumBis}) {
        edit->setDisplayFormat(u"dd.MM.yyyy"_s);
        edit->setCalendarPopup(true);
    }
    GanzerZeitraum = named(new QPushButton(u"ganzer Zeitraum"_s), u"GanzerZeitraum"_s);
    JeUebung = named(new QCheckBox(u"je Übung"_s), u"JeUebung"_s);
    JeUebung->setToolTip(u"Die falschen Wörter jeder Hälfte durch die Zahl ihrer Übungen "
                         "geteilt, so dass Hälften mit verschieden vielen Übungen "
                         "vergleichbar werden."_s);
    auto *zeitraum = new QHBoxLayout;
    auto *vonLabel = new QLabel(u"Zeitraum von:"_s);
    vonLabel->setBuddy(DatumVon);
    auto *bisLabel = new QLabel(u"bis:"_s);
    bisLabel->setBuddy(DatumBis);
    zeitraum->addWidget(vonLabel);
    zeitraum->addWidget(DatumVon);
    zeitraum->addWidget(bisLabel);
    zeitraum->addWidget(DatumBis);
    zeitraum->addWidget(GanzerZeitraum);
    zeitraum->addSpacing(20);
    zeitraum->addWidget(JeUebung);
    zeitraum->addStretch(1);
    phaenomenLayout->addLayout(zeitraum);

    LabelOhneDatum = named(new QLabel, u"LabelOhneDatum"_s);
    LabelOhneDatum->setWordWrap(true);
    ListeOhneDatum = named(new QListWidget, u"ListeOhneDatum"_s);
    ListeOhneDatum->setMaximumHeight(110);
    LabelOhneDatum->setBuddy(ListeOhneDatum);

    Drucken = named(new QPushButton(u"drucken"_s), u"Drucken"_s);
    BildSpeichern = named(new QPushButton(u"als Bild speichern..."_s), u"BildSpeichern"_s);
    Schliessen = named(new QPushButton(u"Schließen"_s), u"Schliessen"_s);
    for (QPushButton *button : {GanzerZeitraum, Drucken, BildSpeichern, Schliessen})
        button->setAutoDefault(false);

    auto *unten = new QHBoxLayout;
    unten->addWidget(Drucken);
    unten->addWidget(BildSpeichern);
    unten->addStretch(1);
    unten->addWidget(Schliessen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Seiten, 1);
    layout->addWidget(LabelOhneDatum);
    layout->addWidget(ListeOhneDatum);
    layout->addLayout(unten);

    // The charts load their library's theme and fonts: only once the window shows.
    whenFirstShown(this, [this, verlaufSeite, phaenomenLayout] {
        // On a small screen the window fits it with its frame, so its buttons stay in reach.
        const QSize rahmen(16, 48);
        resize(size().boundedTo(screen()->availableGeometry().size() - rahmen));
        VerlaufsDiagramm = named(new QChartView, u"VerlaufsDiagramm"_s);
        PhaenomenDiagramm = named(new QChartView, u"PhaenomenDiagramm"_s);
        for (QChartView *view : {VerlaufsDiagramm, PhaenomenDiagramm})
            view->setRenderHint(QPainter::Antialiasing);
        verlaufSeite->layout()->addWidget(VerlaufsDiagramm);
        // Many phenomena make the chart taller than the window: it scrolls.
        auto *rollen = named(new QScrollArea, u"PhaenomenRollen"_s);
        rollen->setWidgetResizable(true);
        rollen->setFrameShape(QFrame::NoFrame);
        rollen->setWidget(PhaenomenDiagramm);
        phaenomenLayout->addWidget(rollen, 1);
        diagrammeZeigen();
    });

    connect(DatumVon, &QDateEdit::dateChanged, this, &TFormLernverlauf::zeitraumGeaendert);
    connect(DatumBis, &QDateEdit::dateChanged, this, &TFormLernverlauf::zeitraumGeaendert);
    connect(JeUebung, &QCheckBox::toggled, this, &TFormLernverlauf::zeitraumGeaendert);
    connect(GanzerZeitraum, &QPushButton::clicked, this, [this] {
        const QDate heute = QDate::currentDate();
        const QSignalBlocker von(DatumVon);
        const QSignalBlocker bis(DatumBis);
        DatumVon->setDate(m_verlauf.datiert.isEmpty() ? heute
                                                      : m_verlauf.datiert.first().zeit.wann.date());
        DatumBis->setDate(m_verlauf.datiert.isEmpty() ? heute
                                                      : m_verlauf.datiert.last().zeit.wann.date());
        zeitraumGeaendert();
    });
    connect(Drucken, &QPushButton::clicked, this, &TFormLernverlauf::drucken);
    connect(BildSpeichern, &QPushButton::clicked, this, &TFormLernverlauf::bildSpeichern);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLernverlauf::init(const QStringList &schuelerZeilen)
{
    m_name = schuelerZeilen.value(0);
    m_verlauf = lernverlauf::verlauf(schuelerZeilen, QDate::currentDate());
    Label1->setText(u"Lernverlauf von "_s + m_name);
    const qsizetype datiert = m_verlauf.datiert.size();
    LabelUebungen->setText(
        datiert == 0
            ? u"Keine Übung mit lesbarem Datum."_s
            : u"%1 vom %2 bis %3"_s.arg(datiert == 1 ? u"1 Übung"_s : u"%1 Übungen"_s.arg(datiert),
                                        datumText(m_verlauf.datiert.first().zeit.wann),
                                        datumText(m_verlauf.datiert.last().zeit.wann)));

    const int ohne = int(m_verlauf.ohneDatum.size());
    LabelOhneDatum->setText(
        ohne == 1
            ? u"1 Übung hat kein lesbares Datum und fehlt in den Diagrammen:"_s
            : u"%1 Übungen haben kein lesbares Datum und fehlen in den Diagrammen:"_s.arg(ohne));
    ListeOhneDatum->clear();
    for (const lernverlauf::Uebung &uebung : std::as_const(m_verlauf.ohneDatum))
        ListeOhneDatum->addItem(lernverlauf::ohneDatumZeile(uebung));
    LabelOhneDatum->setVisible(ohne > 0);
    ListeOhneDatum->setVisible(ohne > 0);

    GanzerZeitraum->click();
    diagrammeZeigen();
}

lernverlauf::Vergleich TFormLernverlauf::vergleich() const
{
    return lernverlauf::vergleich(m_verlauf.datiert, DatumVon->date(), DatumBis->date());
}

void TFormLernverlauf::diagrammeZeigen()
{
    if (!VerlaufsDiagramm)
        return;
    ersetzen(VerlaufsDiagramm, verlaufsDiagramm(m_verlauf));
    zeitraumGeaendert();
}

void TFormLernverlauf::zeitraumGeaendert()
{
    if (!PhaenomenDiagramm)
        return;
    QChart *chart = phaenomenDiagramm(vergleich(), JeUebung->isChecked());
    PhaenomenDiagramm->setMinimumHeight(zeilen(chart) > vieleZeilen ? hohesBild.height() : 0);
    ersetzen(PhaenomenDiagramm, chart);
}

QImage TFormLernverlauf::verlaufsBild() const
{
    return diagrammBild(verlaufsDiagramm(m_verlauf), bildGroesse);
}

QImage TFormLernverlauf::phaenomenBild() const
{
    QChart *chart = phaenomenDiagramm(vergleich(), JeUebung->isChecked());
    return diagrammBild(chart, zeilen(chart) > vieleZeilen ? hohesBild : bildGroesse);
}

void TFormLernverlauf::drucken()
{
    QStringList ohneDatum;
    for (const lernverlauf::Uebung &uebung : std::as_const(m_verlauf.ohneDatum))
        ohneDatum.append(lernverlauf::ohneDatumZeile(uebung));
    const QString ueberschrift = u"Lernverlauf: "_s + m_name + u"   (Phänomene vom " +
                                 DatumVon->date().toString(u"dd.MM.yyyy"_s) + u" bis " +
                                 DatumBis->date().toString(u"dd.MM.yyyy"_s) + u")";
    printing::PrintJob job;
    job.title = u"Lernverlauf "_s + m_name;
    job.fileName = m_name + u" Lernverlauf.pdf";
    job.font = m_druckschrift;
    job.pictures = {verlaufsBild(), phaenomenBild()};
    const QSize groesse0 = job.pictures[0].deviceIndependentSize().toSize();
    const QSize groesse1 = job.pictures[1].deviceIndependentSize().toSize();
    job.layout = [ueberschrift, groesse0, groesse1,
                  ohneDatum](QSize pageSize, const printlayout::TextMetrics &metrics) {
        return lernverlauf::druckseiten(pageSize, metrics, ueberschrift, groesse0, groesse1,
                                        ohneDatum);
    };
    emit druckauftrag(job);
}

void TFormLernverlauf::bildSpeichern()
{
    const bool phaenomene = Seiten->currentIndex() == 1;
    SaveDialog1->selectFile(m_name + (phaenomene ? u" Phänomene.png"_s : u" Lernverlauf.png"_s));
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    const QString path = QDir::cleanPath(SaveDialog1->selectedFiles().constFirst());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!(phaenomene ? phaenomenBild() : verlaufsBild()).save(&buffer, "PNG")) {
        showError(this, u"Das Bild konnte nicht erzeugt werden."_s);
        return;
    }
    if (const WriteResult written = writeFileAtomically(path, bytes); !written.ok())
        showWriteError(this, written, WrittenFile::Picture);
}
