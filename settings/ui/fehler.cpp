#include "settings/ui/fehler.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/filedialog.h"
#include "exercise/ui/messages.h"
#include "settings/core/auswertungsdruck.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView fehlerauswertung = u"Fehlerauswertung";
constexpr QStringView textauswertung = u"Textauswertung";

template <typename T> T *named(T *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QListWidget *wortListe(const QString &name)
{
    auto *list = named(new QListWidget, name);
    // Every row is one line of text: with a whole dictionary in the list, rows of one
    // height keep filling and scrolling fast.
    list->setUniformItemSizes(true);
    return list;
}

} // namespace

TForm17::TForm17(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form17"_s);
    setWindowTitle(fehlerauswertung.toString());
    resize(696, 586);

    Label1 = named(new QLabel, u"Label1"_s);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setTextFormat(Qt::PlainText);

    Label2 = named(new QLabel(u"Liste aller Wörter:"_s), u"Label2"_s);
    ListBox1 = wortListe(u"ListBox1"_s);
    Label2->setBuddy(ListBox1);
    CheckBox1 = named(new QCheckBox(u"Häufigkeit anzeigen"_s), u"CheckBox1"_s);
    BitBtn1 = named(new QPushButton(u"alle Wörter drucken"_s), u"BitBtn1"_s);

    ListBox3 = named(new QListWidget, u"ListBox3"_s);
    int breiteste = 0;
    for (int row = 0; row < auswertung::phaenomenAnzahl; ++row) {
        ListBox3->addItem(auswertung::beschriftung(row));
        breiteste = std::max(breiteste, ListBox3->fontMetrics().horizontalAdvance(
                                            auswertung::beschriftung(row) + u" (00000)"_s));
    }
    // The captions stay readable whole, also in a narrow window.
    ListBox3->setMinimumWidth(breiteste + 2 * ListBox3->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    BitBtn2 = named(new QPushButton(u"sortiert drucken"_s), u"BitBtn2"_s);

    Label3 = named(new QLabel(u"ausgewählte Wörter:"_s), u"Label3"_s);
    ListBox2 = wortListe(u"ListBox2"_s);
    Label3->setBuddy(ListBox2);
    BitBtn3 = named(new QPushButton(u"drucken"_s), u"BitBtn3"_s);
    BitBtn5 =
        named(new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), u"speichern"_s),
              u"BitBtn5"_s);
    SpeedButton1 = named(new QToolButton, u"SpeedButton1"_s);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    SpeedButton1->setToolTip(u"Wort aus der Liste nehmen"_s);
    BitBtn4 =
        named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), u"Abbrechen"_s),
              u"BitBtn4"_s);
    // Return in a list does not print or close anything.
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3, BitBtn5, BitBtn4})
        button->setAutoDefault(false);

    auto *alle = new QVBoxLayout;
    alle->addWidget(Label2);
    alle->addWidget(ListBox1, 1);
    alle->addWidget(CheckBox1);
    alle->addWidget(BitBtn1);

    auto *phaenomene = new QVBoxLayout;
    phaenomene->addSpacing(Label2->sizeHint().height() + 6);
    phaenomene->addWidget(ListBox3, 1);
    phaenomene->addWidget(BitBtn2);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BitBtn3, 1);
    knoepfe->addWidget(BitBtn5, 1);
    knoepfe->addWidget(SpeedButton1);
    auto *ausgewaehlt = new QVBoxLayout;
    ausgewaehlt->addWidget(Label3);
    ausgewaehlt->addWidget(ListBox2, 1);
    ausgewaehlt->addLayout(knoepfe);

    auto *spalten = new QHBoxLayout;
    spalten->addLayout(alle, 4);
    spalten->addLayout(phaenomene, 5);
    spalten->addLayout(ausgewaehlt, 4);

    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(BitBtn4);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(spalten, 1);
    layout->addLayout(unten);

    connect(ListBox3, &QListWidget::itemSelectionChanged, this, &TForm17::ListBox3Click);
    // A click on the phenomenon already chosen brings back words taken out of the list.
    connect(ListBox3, &QListWidget::itemClicked, this, [this] {
        if (m_auswahlGekuerzt)
            ListBox3Click();
    });
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm17::CheckBox1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm17::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm17::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm17::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm17::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm17::BitBtn5Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
}

bool TForm17::istFehlerauswertung() const
{
    return windowTitle() == fehlerauswertung;
}

void TForm17::init(const QStringList &schuelerZeilen)
{
    setWindowTitle(fehlerauswertung.toString());
    m_zeilen = schuelerZeilen;
    m_textName.clear();
    Label1->setText(schuelerZeilen.value(0));
    m_liste =
        auswertung::sortiert(auswertung::fehlerWoerter(schuelerZeilen), auswertung::sortierung());
    doppelte();
}

void TForm17::init2(const QStringList &textZeilen, const QString &textName)
{
    setWindowTitle(textauswertung.toString());
    m_zeilen = textZeilen;
    m_textName = textName;
    Label1->setText(textName);
    m_liste = auswertung::sortiert(auswertung::textWoerter(textZeilen), auswertung::sortierung());
    doppelte();
}

void TForm17::doppelte()
{
    m_liste = auswertung::doppelte(m_liste);
    listeZeigen();
}

void TForm17::listeZeigen()
{
    const bool mitHaeufigkeit = CheckBox1->isChecked();
    QStringList texte;
    texte.reserve(m_liste.size());
    m_phaenomene.clear();
    m_phaenomene.reserve(size_t(m_liste.size()));
    int anzahl[auswertung::phaenomenAnzahl] = {};
    for (const auswertung::Eintrag &eintrag : std::as_const(m_liste)) {
        texte.append(eintrag.text(mitHaeufigkeit));
        const quint32 bits = auswertung::phaenomene(texte.constLast());
        m_phaenomene.push_back(bits);
        for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
            anzahl[row] += auswertung::zeigt(bits, row);
    }
    ListBox1->clear();
    ListBox1->addItems(texte);
    setzeAuswahl(-1);
    for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
        ListBox3->item(row)->setText(auswertung::beschriftung(row) + u" ("_s +
                                     QString::number(anzahl[row]) + u')');
}

int TForm17::gewaehlt() const
{
    const QListWidgetItem *item = ListBox3->currentItem();
    return item && item->isSelected() ? ListBox3->row(item) : -1;
}

void TForm17::setzeAuswahl(int row)
{
    {
        const QSignalBlocker blocker(ListBox3);
        if (row < 0) {
            ListBox3->setCurrentRow(-1);
            ListBox3->clearSelection();
        } else {
            ListBox3->setCurrentRow(row);
        }
    }
    ListBox3Click();
}

std::vector<qsizetype> TForm17::eintraegeMit(int row) const
{
    std::vector<qsizetype> eintraege;
    for (qsizetype i = 0; i < m_liste.size(); ++i) {
        if (auswertung::zeigt(m_phaenomene[size_t(i)], row))
            eintraege.push_back(i);
    }
    return eintraege;
}

QStringList TForm17::texteVon(const std::vector<qsizetype> &eintraege) const
{
    QStringList texte;
    texte.reserve(qsizetype(eintraege.size()));
    for (const qsizetype i : eintraege)
        texte.append(ListBox1->item(int(i))->text());
    return texte;
}

void TForm17::ListBox3Click()
{
    const int row = gewaehlt();
    m_auswahl = eintraegeMit(row);
    m_auswahlGekuerzt = false;
    ListBox2->clear();
    ListBox2->addItems(texteVon(m_auswahl));
}

void TForm17::CheckBox1Click()
{
    if (istFehlerauswertung())
        init(m_zeilen);
    else
        init2(m_zeilen, m_textName);
}

void TForm17::SpeedButton1Click()
{
    const QListWidgetItem *item = ListBox2->currentItem();
    if (!item || !item->isSelected())
        return;
    const int row = ListBox2->row(item);
    delete ListBox2->takeItem(row);
    m_auswahl.erase(m_auswahl.begin() + row);
    m_auswahlGekuerzt = true;
}

printing::PrintJob TForm17::auftrag(const QString &titel, printing::Layout layout) const
{
    return {titel, windowTitle() + u".pdf"_s, m_druckschrift, std::move(layout)};
}

void TForm17::wortblockDrucken(const QString &ueberschrift, const QStringList &woerter)
{
    emit druckauftrag(auftrag(
        ueberschrift, [ueberschrift, woerter](QSize page, const printlayout::TextMetrics &m) {
            return auswertungsdruck::wortblock(page, m, ueberschrift, woerter);
        }));
}

void TForm17::BitBtn1Click()
{
    if (ListBox1->count() == 0)
        return;
    std::vector<qsizetype> alle(size_t(m_liste.size()));
    std::iota(alle.begin(), alle.end(), 0);
    wortblockDrucken(Label1->text(), texteVon(alle));
}

void TForm17::BitBtn3Click()
{
    const int row = gewaehlt();
    if (ListBox2->count() == 0 || row < 0)
        return;
    wortblockDrucken(Label1->text() + u": "_s + auswertung::beschriftung(row), texteVon(m_auswahl));
}

void TForm17::BitBtn2Click()
{
    // Every phenomenon with all its words, whatever ListBox2 shows: the words taken out
    // of it stay out.
    QList<auswertungsdruck::Abschnitt> abschnitte;
    for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
        abschnitte.append({Label1->text() + u": "_s + auswertung::beschriftung(row),
                           texteVon(eintraegeMit(row))});
    emit druckauftrag(
        auftrag(Label1->text(), [abschnitte](QSize page, const printlayout::TextMetrics &m) {
            return auswertungsdruck::sortiert(page, m, abschnitte);
        }));
}

void TForm17::BitBtn5Click()
{
    // Made on first use: a file dialog reads its folder as soon as it exists, and the
    // window is made at start-up.
    if (!SaveDialog1) {
        SaveDialog1 = makeFileDialog(this, u"SaveDialog1"_s, u"Wörter speichern"_s);
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        SaveDialog1->setNameFilter(u"Text (*.txt)"_s);
        SaveDialog1->setDefaultSuffix(u"txt"_s);
        SaveDialog1->resize(760, 480);
    }
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    const QString path = QDir::cleanPath(SaveDialog1->selectedFiles().constFirst());
    // The words without their counts: the file is opened as an exercise text.
    QStringList woerter;
    woerter.reserve(qsizetype(m_auswahl.size()));
    for (const qsizetype i : m_auswahl)
        woerter.append(m_liste[i].wort);
    const WriteResult result = auswertung::speichern(path, woerter);
    if (!result.ok())
        showWriteError(this, result, WrittenFile::WordList);
}
