#include "exercise/ui/wiederholungsliste.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString datumText(QDate datum)
{
    return datum.toString(u"dd.MM.yyyy");
}

} // namespace

Wiederholungsliste::Wiederholungsliste(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), Liste(new QTableWidget(0, 4, this)),
      Herausnehmen(new QPushButton(u"Aus der Wiederholung nehmen"_s, this)),
      Schliessen(new QPushButton(u"Schließen"_s, this))
{
    setObjectName(u"Wiederholungsliste"_s);
    Label1->setObjectName(u"Label1"_s);
    Liste->setObjectName(u"Liste"_s);
    Herausnehmen->setObjectName(u"Herausnehmen"_s);
    Schliessen->setObjectName(u"Schliessen"_s);
    setWindowTitle(u"Wiederholung"_s);
    resize(520, 420);

    Liste->setHorizontalHeaderLabels({u"Wort"_s, u"Art"_s, u"Box"_s, u"fällig am"_s});
    Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste->verticalHeader()->hide();
    Liste->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Herausnehmen->setEnabled(false);
    Schliessen->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Herausnehmen);
    buttons->addStretch();
    buttons->addWidget(Schliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Liste);
    layout->addLayout(buttons);

    connect(Liste, &QTableWidget::itemSelectionChanged, this,
            [this] { Herausnehmen->setEnabled(!Liste->selectedItems().isEmpty()); });
    connect(Herausnehmen, &QPushButton::clicked, this, &Wiederholungsliste::herausnehmenClick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void Wiederholungsliste::laden(const QString &recordPath, const QString &recordText, QDate heute)
{
    m_heute = heute;
    WriteResult geschrieben;
    m_datei = wiederholung::WiederholungsDatei::laden(recordPath, recordText, heute, &geschrieben);
    const QString name = recordText.section(u'\n', 0, 0);
    setWindowTitle(name.isEmpty() ? u"Wiederholung"_s : u"Wiederholung: "_s + name);
    fuellen();
    if (!geschrieben.ok())
        showWriteError(this, geschrieben, WrittenFile::Review);
}

void Wiederholungsliste::fuellen()
{
    const std::vector<wiederholung::Wort> woerter = m_datei->stand().uebersicht();
    const qsizetype faellig = m_datei->stand().anzahlFaellig(m_heute);
    if (woerter.empty())
        Label1->setText(u"Keine Wörter in der Wiederholung."_s);
    else
        Label1->setText((woerter.size() == 1 ? u"1 Wort"_s : u"%1 Wörter"_s.arg(woerter.size())) +
                        u" in der Wiederholung, heute fällig: %1"_s.arg(faellig));
    Liste->clearContents();
    Liste->setRowCount(int(woerter.size()));
    for (int zeile = 0; zeile < int(woerter.size()); ++zeile) {
        const wiederholung::Wort &wort = woerter[std::size_t(zeile)];
        const QDate am = wort.faellig();
        const QStringList spalten = {
            wort.text, wort.art == wiederholung::Art::Wort ? u"Wort"_s : u"Wortgruppe"_s,
            QString::number(wort.box),
            am <= m_heute ? datumText(am) + u" (fällig)"_s : datumText(am)};
        for (int spalte = 0; spalte < spalten.size(); ++spalte)
            Liste->setItem(zeile, spalte, new QTableWidgetItem(spalten[spalte]));
    }
    Liste->resizeColumnsToContents();
    Liste->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Herausnehmen->setEnabled(false);
}

void Wiederholungsliste::herausnehmenClick()
{
    const QList<QTableWidgetItem *> gewaehlt = Liste->selectedItems();
    if (gewaehlt.isEmpty() || !m_datei)
        return;
    const QString wort = Liste->item(gewaehlt.front()->row(), 0)->text();
    const WriteResult geschrieben = m_datei->herausnehmen(wort);
    fuellen();
    emit geaendert();
    if (!geschrieben.ok())
        showWriteError(this, geschrieben, WrittenFile::Review);
}
