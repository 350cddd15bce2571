#include "settings/ui/choosers.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

namespace {

// The sixteen colours the desktop's own font dialog offers.
struct NamedColor {
    const char16_t *name;
    ColorValue value;
};
constexpr NamedColor standardColors[] = {
    {u"Schwarz", 0x000000},  {u"Kastanienbraun", 0x000080}, {u"Grün", 0x008000},
    {u"Olivgrün", 0x008080}, {u"Marineblau", 0x800000},     {u"Lila", 0x800080},
    {u"Blaugrün", 0x808000}, {u"Grau", 0x808080},           {u"Silber", 0xC0C0C0},
    {u"Rot", 0x0000FF},      {u"Hellgrün", 0x00FF00},       {u"Gelb", 0x00FFFF},
    {u"Blau", 0xFF0000},     {u"Fuchsie", 0xFF00FF},        {u"Aquamarin", 0xFFFF00},
    {u"Weiß", 0xFFFFFF},
};

QIcon swatch(ColorValue value)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(value));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

std::optional<ColorValue> chooseColor(QWidget *parent, ColorValue current)
{
    QColorDialog dialog(parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(u"Farbe"_s);
    dialog.setCurrentColor(toQColor(current));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    if (chosen.rgb() == toQColor(current).rgb())
        return current;
    return fromQColor(chosen);
}

FontChoiceDialog::FontChoiceDialog(QWidget *parent)
    : QDialog(parent), m_fontDialog(new QFontDialog(this)), m_colorBox(new QComboBox(this))
{
    setWindowTitle(u"Schriftart"_s);
    m_fontDialog->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontDialog->setWindowFlags(Qt::Widget);
    m_fontDialog->setSizeGripEnabled(false);
    if (m_fontDialog->layout())
        m_fontDialog->layout()->setContentsMargins(0, 0, 0, 0);
    // The embedded dialog's sample line is the one line edit inside its sample frame.
    for (QGroupBox *group : m_fontDialog->findChildren<QGroupBox *>()) {
        if (auto *edit = group->findChild<QLineEdit *>()) {
            m_sample = edit;
            break;
        }
    }

    for (const NamedColor &c : standardColors)
        m_colorBox->addItem(swatch(c.value), QString::fromUtf16(c.name), c.value);
    m_colorBox->addItem(u"Weitere Farben..."_s);
    m_colorBox->setObjectName(u"Farbe"_s);

    auto *colorRow = new QHBoxLayout;
    auto *colorLabel = new QLabel(u"&Farbe:"_s, this);
    colorLabel->setBuddy(m_colorBox);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colorBox, 1);
    colorRow->addStretch(1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontDialog);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorBox, &QComboBox::activated, this, &FontChoiceDialog::colorActivated);
    connect(m_colorBox, &QComboBox::currentIndexChanged, this, &FontChoiceDialog::updateSample);
    connect(m_fontDialog, &QFontDialog::currentFontChanged, this, &FontChoiceDialog::updateSample);
}

void FontChoiceDialog::setFontSpec(const FontSpec &fontValue, const QColor &background)
{
    m_previous = fontValue;
    m_background = background;
    // The dialog lists only the faces that are there: preset it with the one the
    // setting is drawn with, which for an absent face is its substitute.
    QFont font = toDialogFont(fontValue);
    font.setFamily(QFontInfo(toQFont(fontValue)).family());
    m_fontDialog->setCurrentFont(font);
    setColorValue(fontValue.color);
    updateSample();
}

FontSpec FontChoiceDialog::fontSpec() const
{
    return fromQFont(m_fontDialog->currentFont(), colorValue(), m_previous);
}

ColorValue FontChoiceDialog::colorValue() const
{
    const QVariant value = m_colorBox->currentData();
    return value.isValid() ? ColorValue(value.toUInt()) : m_previous.color;
}

void FontChoiceDialog::setColorValue(ColorValue value)
{
    const int index = m_colorBox->findData(value);
    if (index >= 0)
        m_colorBox->setCurrentIndex(index);
    else
        addOwnColor(value);
    m_lastColorIndex = m_colorBox->currentIndex();
}

void FontChoiceDialog::addOwnColor(ColorValue value)
{
    const int last = m_colorBox->count() - 1;
    const QString name = isSystemColor(value) ? u"Systemfarbe"_s : u"Eigene Farbe"_s;
    m_colorBox->insertItem(last, swatch(value), name, value);
    m_colorBox->setCurrentIndex(last);
}

void FontChoiceDialog::colorActivated(int index)
{
    if (m_colorBox->itemData(index).isValid()) {
        m_lastColorIndex = index;
        return;
    }
    // "Weitere Farben...": the full colour dialog, then back to the last choice on cancel.
    const ColorValue before = m_colorBox->itemData(m_lastColorIndex).toUInt();
    if (const auto chosen = chooseColor(this, before))
        setColorValue(*chosen);
    else
        m_colorBox->setCurrentIndex(m_lastColorIndex);
}

void FontChoiceDialog::updateSample()
{
    if (!m_sample)
        return;
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Text, toQColor(colorValue()));
    if (m_background.isValid())
        palette.setColor(QPalette::Base, m_background);
    m_sample->setPalette(palette);
}

std::optional<FontSpec> FontChoiceDialog::getFont(QWidget *parent, const FontSpec &current,
                                                  const QColor &background)
{
    FontChoiceDialog dialog(parent);
    dialog.setFontSpec(current, background);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.fontSpec();
}
