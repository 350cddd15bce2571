#include "settings/ui/schrift.h"

#include "exercise/ui/firstshow.h"
#include "exercise/ui/sprachwechsel.h"
#include "settings/core/fontspec.h"
#include "settings/ui/fontlistbox.h"
#include "settings/ui/settingwidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

namespace {

constexpr TForm5::ColorPair colorPairs[] = {
    {0x000000, 0xFFFFFF}, // white on black
    {0xFF0000, 0x00FFFF}, // yellow on blue
    {0x000000, 0x0000FF}, // red on black
    {0x008000, 0xFFFFFF}, // white on green
    {0x0000FF, 0x00FFFF}, // yellow on red
};

// The pair's own colours on the button, so the choice is seen before it is made.
void paintInPair(QRadioButton *button, const TForm5::ColorPair &pair)
{
    button->setStyleSheet(u"QRadioButton { background-color: %1; color: %2; font-weight: bold;"
                          u" padding: 2px 5px; border: 2px solid %1; }"
                          u" QRadioButton:checked { border-color: palette(highlight); }"_s.arg(
                              toQColor(pair.background).name(), toQColor(pair.text).name()));
}

} // namespace

TForm5::ColorPair TForm5::colorPair(int button)
{
    return colorPairs[std::clamp(button, 0, 4)];
}

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form5"_s);
    resize(533, 365);

    FontListBox1 = new TFontListBox(this);
    FontListBox1->setObjectName(u"FontListBox1"_s);
    FontListBox1->setTTonly(true);
    FontListBox1->setUseItemFont(true);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(u"ListBox1"_s);
    for (int size = 4; size <= 37; ++size)
        ListBox1->addItem(QString::number(size));
    for (int size : {39, 40, 48, 60, 72})
        ListBox1->addItem(QString::number(size));
    ListBox1->setFixedWidth(56);

    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(u"CheckBox1"_s);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(u"RadioGroup1"_s);
    auto *pairs = new QVBoxLayout(RadioGroup1);
    pairs->setSpacing(4);
    QRadioButton **buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                &RadioButton5};
    for (int i = 0; i < 5; ++i) {
        auto *button = new QRadioButton(RadioGroup1);
        button->setObjectName(u"RadioButton%1"_s.arg(i + 1));
        pairs->addWidget(button);
        *buttons[i] = button;
        connect(button, &QRadioButton::clicked, this, [this, i] { colorPairClicked(i); });
    }
    pairs->addStretch();
    RadioButton1->setChecked(true);

    Panel1 = new ColorPanel(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setCaption(u"The quick brown fox"_s);
    Panel1->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setColorValue(colors::clBlack);
    Panel1->setFontSpec(FontSpec::make(u"Arial"_s, -47, FontSpec::Bold, colors::clWhite));
    Panel1->setMinimumHeight(84);

    BitBtn1 = new QPushButton(u"OK"_s, this);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setDefault(true);

    auto *faceLabel = new QLabel(u"&Schriftart:"_s, this);
    faceLabel->setBuddy(FontListBox1);
    auto *sizeLabel = new QLabel(u"&Größe:"_s, this);
    sizeLabel->setBuddy(ListBox1);

    auto *choices = new QGridLayout;
    choices->addWidget(faceLabel, 0, 0);
    choices->addWidget(FontListBox1, 1, 0);
    choices->addWidget(sizeLabel, 0, 1);
    choices->addWidget(ListBox1, 1, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(CheckBox1);
    right->addWidget(RadioGroup1, 1);
    choices->addLayout(right, 1, 2);
    choices->setColumnStretch(0, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addWidget(Panel1);
    layout->addLayout(bottom);

    // Start-up choices that leave the preview as it is: the size list shows 28 although
    // the preview is drawn at its own height, and only an exact "Arial" is selected.
    QListWidgetItem *size28 = ListBox1->findItems(u"28"_s, Qt::MatchExactly).first();
    ListBox1->setCurrentItem(size28);
    CheckBox1->setChecked(true);
    // The installed fonts are listed, the look of the colour pairs and the style's icon
    // made at the first showing.
    whenFirstShown(this, [this, size28, face = Panel1->fontSpec().name] {
        int pair = 0;
        for (QRadioButton *button :
             {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5})
            paintInPair(button, colorPairs[pair++]);
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        ListBox1->scrollToItem(size28, QAbstractItemView::PositionAtCenter);
        FontListBox1->selectName(face);
    });

    connect(FontListBox1, &TFontListBox::clicked, this, &TForm5::FontListBox1Click);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm5::ListBox1Click);
    // A click on the size that is already selected chooses it too: "28" stands selected
    // from the start while the preview shows another size.
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm5::ListBox1Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    beiSprachwechsel(this, [this] {
        setWindowTitle(tr("Schrift"));
        CheckBox1->setText(tr("Fett"));
        RadioGroup1->setTitle(tr("Farben"));
        const char *paare[] = {QT_TR_NOOP("Weiß auf Schwarz"), QT_TR_NOOP("Gelb auf Blau"),
                               QT_TR_NOOP("Rot auf Schwarz"), QT_TR_NOOP("Weiß auf Grün"),
                               QT_TR_NOOP("Gelb auf Rot")};
        QRadioButton *knoepfe[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                   RadioButton5};
        for (int i = 0; i < 5; ++i)
            knoepfe[i]->setText(tr(paare[i]));
    });
}

void TForm5::FontListBox1Click()
{
    const QString name = FontListBox1->selectedName();
    if (name.isEmpty())
        return;
    FontSpec fontValue = Panel1->fontSpec();
    fontValue.name = name;
    Panel1->setFontSpec(fontValue);
}

void TForm5::ListBox1Click()
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    FontSpec fontValue = Panel1->fontSpec();
    fontValue.setSize(selected.first()->text().toInt());
    Panel1->setFontSpec(fontValue);
}

void TForm5::CheckBox1Click()
{
    FontSpec fontValue = Panel1->fontSpec();
    fontValue.setStyle(FontSpec::Bold, CheckBox1->isChecked());
    Panel1->setFontSpec(fontValue);
}

void TForm5::colorPairClicked(int button)
{
    const ColorPair pair = colorPair(button);
    FontSpec fontValue = Panel1->fontSpec();
    fontValue.color = pair.text;
    Panel1->setFontSpec(fontValue);
    Panel1->setColorValue(pair.background);
}
