#include "settings/ui/einstell.h"

#include "exercise/core/ansi.h"
#include "exercise/core/fileio.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "settings/core/loadrules.h"
#include "settings/ui/choosers.h"
#include "settings/ui/einstelltexte.h"
#include "settings/ui/schrift.h"
#include "settings/ui/settingwidgets.h"
#include "settings/ui/zusatzseite.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

namespace {

constexpr QStringView fontHint = u"Klicken, um die Schrift zu ändern";
constexpr QStringView colorHint = u"Klicken, um die Farbe zu ändern";
constexpr QStringView backgroundHint = u"Klicken, um die Hintergrundfarbe zu ändern";

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

FontLabel *makeLabel(const QString &name, QStringView hint, QWidget *parent)
{
    auto *label = named(new FontLabel(QString(), parent), name);
    label->setToolTip(hint.toString());
    return label;
}

ColorPanel *makePanel(const QString &name, bool clickable, QWidget *parent)
{
    auto *panel = named(new ColorPanel(parent), name);
    panel->setClickable(clickable);
    if (clickable)
        panel->setToolTip(backgroundHint.toString());
    return panel;
}

// Tabs with less room around their captions, so all six fit across the dialog.
class CompactTabStyle : public QProxyStyle {
public:
    explicit CompactTabStyle(QStyle *base) : QProxyStyle(base) {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

QChar firstCharacter(const ColorPanel *panel)
{
    const QString caption = panel->caption();
    return caption.isEmpty() ? QChar(u'\0') : caption.front();
}

quint8 characterByte(const ColorPanel *panel)
{
    const int code = ansi::toByte(firstCharacter(panel));
    return quint8(code < 0 ? '?' : code);
}

} // namespace

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form10"_s);

    PageControl1 = named(new QTabWidget(this), u"PageControl1"_s);
    for (QWidget *page : {makeReactionPage(), makeTextSelectionPage(), makeGlidePage(),
                          makeWritingPage(), makeMiscPage()})
        PageControl1->addTab(page, QString());
    Zusatz = new Zusatzseite;
    PageControl1->addTab(Zusatz, u"Silben und Diktat"_s);
    PageControl1->setCurrentIndex(4);
    if (QStyle *base = QStyleFactory::create(style()->name())) {
        auto *compact = new CompactTabStyle(base);
        compact->setParent(PageControl1->tabBar());
        PageControl1->tabBar()->setStyle(compact);
    }

    BitBtn2 = named(new QPushButton(this), u"BitBtn2"_s);
    BitBtn3 = named(new QPushButton(this), u"BitBtn3"_s);
    BitBtn1 = named(new QPushButton(u"OK"_s, this), u"BitBtn1"_s);
    // The style's icons are read from image files and an icon theme: not at start-up.
    whenFirstShown(this, [this] {
        BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
        BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    });
    BitBtn1->setDefault(true);
    BitBtn2->setToolTip(u"Die Einstellungen in einer Datei speichern"_s);
    BitBtn3->setToolTip(u"Einstellungen aus einer Datei laden"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);

    const QString filter = u"Einstellungen (*.opt)"_s;
    OpenDialog1.configure([filter](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Einstellungen laden"_s);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(filter);
        dialog->setDefaultSuffix(u"opt"_s);
    });
    SaveDialog1.configure([filter](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Einstellungen speichern"_s);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(filter);
        dialog->setDefaultSuffix(u"opt"_s);
    });

    applyRecord(dialogDefaults());
    RadioButton1->setChecked(true);
    connectControls();
    einstellTexteNachfuehren(*this);

    // As wide as all tabs need, so none hides behind the tab bar's scroll buttons.
    resize(std::max(501, PageControl1->tabBar()->sizeHint().width() + 40), 490);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QSlider *TForm10::addTrackBar(QVBoxLayout *layout, const QString &name, settings::Range range,
                              std::function<QString(int)> format)
{
    auto *slider = named(new QSlider(Qt::Horizontal, this), name);
    slider->setRange(range.min, range.max);
    const int step = range.max - range.min > 20 ? 5 : 1;
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(step);
    slider->setPageStep(step);

    // The caption above, the value at the right.
    auto *label = new QLabel;
    label->setBuddy(slider);
    layout->addWidget(label);
    auto *value = new QLabel(this);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(u"3000 ms"_s));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(value);
    layout->addLayout(row);

    if (!format)
        format = [](int v) { return QString::number(v); };
    const auto show = [value, format](int v) { value->setText(format(v)); };
    connect(slider, &QSlider::valueChanged, value, show);
    show(slider->value());
    return slider;
}

QWidget *TForm10::makeReactionPage()
{
    auto *page = named(new QWidget, u"TabSheet2"_s);
    RadioGroup1 = named(new QGroupBox(page), u"RadioGroup1"_s);
    QRadioButton **members[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                &RadioButton5, &RadioButton6, &RadioButton7};
    auto *reactions = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < reactionCount; ++i) {
        auto *button = named(new QRadioButton(RadioGroup1), u"RadioButton%1"_s.arg(i + 1));
        reactions->addWidget(button);
        *members[i] = button;
        m_reactions.append(button);
    }

    // No praise, a praise text, a picture.
    RadioGroup2 = named(new RadioGroup(QString(), QStringList(3), page), u"RadioGroup2"_s);
    RadioGroup3 =
        named(new RadioGroup(QString(), {u"3x3"_s, u"4x4"_s, u"5x5"_s}, page), u"RadioGroup3"_s);
    auto *row = new QHBoxLayout;
    row->addWidget(RadioGroup2);
    row->addWidget(RadioGroup3);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(RadioGroup1);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TForm10::makeTextSelectionPage()
{
    auto *page = named(new QWidget, u"TabSheet4"_s);
    auto *words = new QGroupBox(page);
    auto *wordsLayout = new QVBoxLayout(words);
    TrackBar4 = addTrackBar(wordsLayout, u"TrackBar4"_s, wordsPerPassRange);

    auto *text = new QGroupBox(page);
    Panel7 = makePanel(u"Panel7"_s, true, text);
    // Not a stored setting: it starts from the button face at every program start.
    Panel7->setColorValue(colors::clBtnFace);
    Panel8 = makePanel(u"Panel8"_s, true, Panel7);
    Label14 = makeLabel(u"Label14"_s, fontHint, Panel8);
    Label15 = makeLabel(u"Label15"_s, colorHint, Panel8);
    Label15->setFontSpec(FontSpec::make(u"Arial"_s, -19, FontSpec::Bold, colors::clBlue));
    auto *inner = new QVBoxLayout(Panel8);
    inner->addWidget(Label14, 3);
    inner->addWidget(Label15, 1);
    auto *outer = new QVBoxLayout(Panel7);
    outer->setContentsMargins(14, 14, 14, 14);
    outer->addWidget(Panel8);
    auto *textLayout = new QVBoxLayout(text);
    textLayout->addWidget(Panel7, 1);
    auto *hint =
        new QLabel(u"Schrift, Farben und Hintergründe ändern Sie mit einem Klick darauf."_s, text);
    hint->setWordWrap(true);
    textLayout->addWidget(hint);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(words);
    layout->addWidget(text, 1);
    return page;
}

QWidget *TForm10::makeGlidePage()
{
    auto *page = named(new QWidget, u"TabSheet1"_s);
    auto *glide = new QGroupBox(page);
    auto *glideLayout = new QVBoxLayout(glide);
    TrackBar2 = addTrackBar(glideLayout, u"TrackBar2"_s, glideSpeedRange);
    TrackBar1 = addTrackBar(glideLayout, u"TrackBar1"_s, glideSpacingRange);
    Panel1 = makePanel(u"Panel1"_s, true, glide);
    Panel1->setToolTip(u"Klicken, um Schrift und Farben der Laufbahn zu ändern"_s);
    Panel1->setMinimumHeight(86);
    Label1 = makeLabel(u"Label1"_s, Panel1->toolTip(), Panel1);
    Label1->setAlignment(Qt::AlignCenter);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(Label1);
    glideLayout->addWidget(Panel1, 1);

    auto *shortTime = new QGroupBox(page);
    auto *shortTimeLayout = new QVBoxLayout(shortTime);
    CheckBox1 = named(new QCheckBox(shortTime), u"CheckBox1"_s);
    shortTimeLayout->addWidget(CheckBox1);
    // Each step is 50 milliseconds of display time.
    TrackBar5 = addTrackBar(shortTimeLayout, u"TrackBar5"_s, shortTimeDelayRange,
                            [](int v) { return u"%1 ms"_s.arg(v * 50); });

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(glide, 1);
    layout->addWidget(shortTime);
    return page;
}

QWidget *TForm10::makeWritingPage()
{
    auto *page = named(new QWidget, u"TabSheet3"_s);
    Panel5 = makePanel(u"Panel5"_s, true, page);
    Panel2 = makePanel(u"Panel2"_s, true, Panel5);
    Label4 = makeLabel(u"Label4"_s, fontHint, Panel2);
    Label11 = makeLabel(u"Label11"_s, colorHint, Panel2);
    Label10 = makeLabel(u"Label10"_s, colorHint, Panel5);
    const FontSpec captionFont = FontSpec::make(u"Arial"_s, -19, FontSpec::Bold, colors::clRed);
    Label11->setFontSpec(captionFont);
    Label10->setFontSpec(captionFont);
    auto *inner = new QVBoxLayout(Panel2);
    inner->addWidget(Label4, 3);
    inner->addWidget(Label11, 1);
    auto *outer = new QVBoxLayout(Panel5);
    outer->setContentsMargins(14, 14, 14, 10);
    outer->addWidget(Panel2, 1);
    outer->addWidget(Label10);

    auto *finger = new QGroupBox(u"Lesefinger"_s, page);
    auto *fingerLayout = new QVBoxLayout(finger);
    TrackBar3 = addTrackBar(fingerLayout, u"TrackBar3"_s, readingFingerSpeedRange);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Panel5, 1);
    layout->addWidget(finger);
    return page;
}

QWidget *TForm10::makeMiscPage()
{
    auto *page = named(new QWidget, u"TabSheet5"_s);
    auto *comparison = new QGroupBox(page);
    Panel6 = makePanel(u"Panel6"_s, true, comparison);
    Label7 = makeLabel(u"Label7"_s, fontHint, Panel6);
    Label12 = makeLabel(u"Label12"_s, colorHint, Panel6);
    Label13 = makeLabel(u"Label13"_s, colorHint, Panel6);
    Label12->setFontSpec(FontSpec::make(u"Arial"_s, -19, FontSpec::Bold, colors::clBlue));
    Label13->setFontSpec(FontSpec::make(u"Arial"_s, -19, FontSpec::Bold, colors::clRed));
    auto *panelLayout = new QVBoxLayout(Panel6);
    panelLayout->addWidget(Label7, 2);
    auto *colours = new QHBoxLayout;
    colours->addWidget(Label12);
    colours->addWidget(Label13);
    panelLayout->addLayout(colours, 1);
    CheckBox2 = named(new QCheckBox(comparison), u"CheckBox2"_s);
    CheckBox3 = named(new QCheckBox(comparison), u"CheckBox3"_s);
    auto *comparisonLayout = new QVBoxLayout(comparison);
    comparisonLayout->addWidget(Panel6, 1);
    comparisonLayout->addWidget(CheckBox2);
    comparisonLayout->addWidget(CheckBox3);

    auto *gaps = new QGroupBox(page);
    auto *gapsLayout = new QFormLayout(gaps);
    const auto characterRow = [gaps, gapsLayout](const QString &panelName, const QString &spinName,
                                                 ColorPanel **panel, SpinButton **spin) {
        *panel = makePanel(panelName, false, gaps);
        (*panel)->setFixedSize(34, 28);
        (*panel)->setColorValue(colors::clBtnFace);
        *spin = named(new SpinButton(gaps), spinName);
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(*panel);
        row->addWidget(*spin);
        row->addStretch();
        gapsLayout->addRow(new QLabel, row);
    };
    characterRow(u"Panel3"_s, u"SpinButton1"_s, &Panel3, &SpinButton1);
    characterRow(u"Panel4"_s, u"SpinButton2"_s, &Panel4, &SpinButton2);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(comparison, 1);
    layout->addWidget(gaps);
    return page;
}

void TForm10::connectControls()
{
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm10::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm10::BitBtn3Click);

    connect(Panel1, &ColorPanel::clicked, this, &TForm10::chooseDisplayFont);
    connect(Label1, &FontLabel::clicked, this, &TForm10::chooseDisplayFont);
    connect(Label14, &FontLabel::clicked, this, [this] { chooseFont(Label14, Panel8); });
    connect(Label4, &FontLabel::clicked, this, [this] { chooseFont(Label4, Panel2); });
    connect(Label7, &FontLabel::clicked, this, [this] { chooseFont(Label7, Panel6); });
    for (FontLabel *label : {Label15, Label11, Label10, Label12, Label13})
        connect(label, &FontLabel::clicked, this, [this, label] { chooseTextColor(label); });
    for (ColorPanel *panel : {Panel7, Panel8, Panel2, Panel5, Panel6})
        connect(panel, &ColorPanel::clicked, this, [this, panel] { choosePanelColor(panel); });

    connect(SpinButton1, &SpinButton::upClicked, this, [this] { stepCharacter(Panel3, true); });
    connect(SpinButton1, &SpinButton::downClicked, this, [this] { stepCharacter(Panel3, false); });
    connect(SpinButton2, &SpinButton::upClicked, this, [this] { stepCharacter(Panel4, true); });
    connect(SpinButton2, &SpinButton::downClicked, this, [this] { stepCharacter(Panel4, false); });
}

SettingsRecord TForm10::currentRecord() const
{
    SettingsRecord r;
    r.reaction = quint8(reaction());
    r.praise = quint8(RadioGroup2->itemIndex());
    r.pictureGrid = quint8(RadioGroup3->itemIndex());
    r.wordsPerPass = quint8(TrackBar4->value());
    r.selectionFont = Label14->fontSpec();
    r.selectedTextColor = Label15->colorValue();
    r.selectionBackground = Panel8->colorValue();
    r.glideSpeed = quint8(TrackBar2->value());
    r.glideSpacing = quint8(TrackBar1->value());
    r.displayFont = Label1->fontSpec();
    r.shortTimeForWords = CheckBox1->isChecked();
    r.shortTimeDelay = quint16(TrackBar5->value());
    r.displayBackground = Panel1->colorValue();
    r.writingFont = Label4->fontSpec();
    r.wrongLetterColor = Label11->colorValue();
    r.readingFingerColor = Label10->colorValue();
    r.readingFingerSpeed = quint8(TrackBar3->value());
    r.writingBackground = Panel2->colorValue();
    r.writingWindowBackground = Panel5->colorValue();
    r.comparisonFont = Label7->fontSpec();
    r.comparisonColor = Label12->colorValue();
    r.comparisonErrorColor = Label13->colorValue();
    r.noComparison = CheckBox2->isChecked();
    r.wholeGroupAsError = CheckBox3->isChecked();
    r.hiddenLetterChar = characterByte(Panel3);
    r.hiddenPartChar = characterByte(Panel4);
    r.comparisonBackground = Panel6->colorValue();
    return r;
}

void TForm10::applyRecord(const SettingsRecord &r)
{
    Label14->setFontSpec(assignedFont(r.selectionFont));
    Label1->setFontSpec(assignedFont(r.displayFont));
    Label4->setFontSpec(assignedFont(r.writingFont));
    Label7->setFontSpec(assignedFont(r.comparisonFont));
    if (isReaction(r.reaction))
        m_reactions[r.reaction - 1]->setChecked(true);
    RadioGroup2->setItemIndex(clampItemIndex(r.praise, RadioGroup2->count()));
    RadioGroup3->setItemIndex(clampItemIndex(r.pictureGrid, RadioGroup3->count()));
    TrackBar4->setValue(clampToRange(r.wordsPerPass, wordsPerPassRange));
    Label15->setColorValue(r.selectedTextColor);
    Panel8->setColorValue(r.selectionBackground);
    TrackBar2->setValue(clampToRange(r.glideSpeed, glideSpeedRange));
    TrackBar1->setValue(clampToRange(r.glideSpacing, glideSpacingRange));
    CheckBox1->setChecked(r.shortTimeForWords);
    TrackBar5->setValue(clampToRange(r.shortTimeDelay, shortTimeDelayRange));
    Panel1->setColorValue(r.displayBackground);
    Label11->setColorValue(r.wrongLetterColor);
    Label10->setColorValue(r.readingFingerColor);
    TrackBar3->setValue(clampToRange(r.readingFingerSpeed, readingFingerSpeedRange));
    Panel2->setColorValue(r.writingBackground);
    Panel5->setColorValue(r.writingWindowBackground);
    Label12->setColorValue(r.comparisonColor);
    Label13->setColorValue(r.comparisonErrorColor);
    CheckBox2->setChecked(r.noComparison);
    CheckBox3->setChecked(r.wholeGroupAsError);
    Panel3->setCaption(QString(ansi::fromByte(r.hiddenLetterChar)));
    Panel4->setCaption(QString(ansi::fromByte(r.hiddenPartChar)));
    Panel6->setColorValue(r.comparisonBackground);
    copyDisplayFontToCharacterPanels();
}

bool TForm10::einstellungen_speichern(const QString &FileName)
{
    const WriteResult result = einstellungenSchreiben(FileName, currentRecord(), Zusatz->werte());
    if (!result.ok())
        showWriteError(this, result, WrittenFile::Settings);
    return result.ok();
}

bool TForm10::einstellungen_laden(const QString &FileName)
{
    IoError error;
    const auto record = readSettingsFile(FileName, &error);
    if (!record) {
        showIoError(this, error);
        return false;
    }
    applyRecord(*record);
    Zusatz->setzen(zusatzeinstellungenLesen(zusatzdatei(FileName)));
    return true;
}

void TForm10::setStartUpValues()
{
    FontSpec display = Label1->fontSpec();
    display.setSize(28);
    Label1->setFontSpec(display);
    Panel4->setCaption(u"#"_s);
}

void TForm10::setInitialFolder(const QString &folder)
{
    for (LazyFileDialog *dialog : {&OpenDialog1, &SaveDialog1})
        dialog->configure([folder](QFileDialog *made) { made->setDirectory(folder); });
}

void TForm10::setFontDialog(TForm5 *fontDialog)
{
    m_fontDialog = fontDialog;
}

int TForm10::reaction() const
{
    for (int i = 0; i < m_reactions.size(); ++i) {
        if (m_reactions[i]->isChecked())
            return i + 1;
    }
    return 0;
}

QChar TForm10::hiddenLetterCharacter() const
{
    return firstCharacter(Panel3);
}

QChar TForm10::hiddenPartCharacter() const
{
    return firstCharacter(Panel4);
}

void TForm10::BitBtn2Click()
{
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    einstellungen_speichern(SaveDialog1->selectedFiles().first());
}

void TForm10::BitBtn3Click()
{
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    einstellungen_laden(OpenDialog1->selectedFiles().first());
}

void TForm10::chooseDisplayFont()
{
    if (!m_fontDialog)
        m_fontDialog = new TForm5(this);
    m_fontDialog->exec();
    // The preview is the result however the dialog was closed.
    Panel1->setColorValue(m_fontDialog->Panel1->colorValue());
    Label1->setFontSpec(m_fontDialog->Panel1->fontSpec());
    copyDisplayFontToCharacterPanels();
}

void TForm10::chooseFont(FontLabel *label, const ColorPanel *background)
{
    const auto chosen = FontChoiceDialog::getFont(this, label->fontSpec(), background->color());
    if (!chosen)
        return;
    if (!canStoreFontName(chosen->name)) {
        showWarning(this, u"Die Schrift \"%1\" kann nicht in einer Einstellungsdatei gespeichert "
                          u"werden. Bitte wählen Sie eine andere Schrift."_s.arg(chosen->name));
        return;
    }
    label->setFontSpec(*chosen);
}

void TForm10::chooseTextColor(FontLabel *label)
{
    if (const auto chosen = chooseColor(this, label->colorValue()))
        label->setColorValue(*chosen);
}

void TForm10::choosePanelColor(ColorPanel *panel)
{
    if (const auto chosen = chooseColor(this, panel->colorValue()))
        panel->setColorValue(*chosen);
}

void TForm10::stepCharacter(ColorPanel *panel, bool up)
{
    const int code = ansi::toByte(firstCharacter(panel));
    const int next = stepGapCharacter(code < 0 ? 0 : code, up);
    panel->setCaption(QString(ansi::fromByte(uchar(next))));
}

void TForm10::copyDisplayFontToCharacterPanels()
{
    const FontSpec small = Label1->fontSpec().withSizeAndColor(10, colors::clBlack);
    Panel3->setFontSpec(small);
    Panel4->setFontSpec(small);
}
