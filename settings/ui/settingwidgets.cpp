#include "settings/ui/settingwidgets.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace settings;

namespace {

bool isClickInside(const QWidget *widget, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

} // namespace

ColorPanel::ColorPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColorPanel::setColorValue(ColorValue value)
{
    m_color = value;
    update();
}

QColor ColorPanel::color() const
{
    return toQColor(m_color);
}

void ColorPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void ColorPanel::setFontSpec(const FontSpec &fontValue)
{
    m_fontSpec = fontValue;
    setFont(toQFont(fontValue));
    update();
}

void ColorPanel::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void ColorPanel::setClickable(bool clickable)
{
    m_clickable = clickable;
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void ColorPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, color());
        if (!m_caption.isEmpty()) {
            painter.setClipRect(inside);
            painter.setFont(font());
            painter.setPen(toQColor(m_fontSpec.color));
            painter.drawText(inside.adjusted(4, 0, -4, 0), int(m_alignment), m_caption);
        }
    }
    QFrame::paintEvent(event);
}

// A click that a panel or label takes stays with it and does not reach the panel
// behind, which has a dialog of its own.
void ColorPanel::mousePressEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton)
        event->accept();
    else
        QFrame::mousePressEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && isClickInside(this, event)) {
        event->accept();
        emit clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

FontLabel::FontLabel(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void FontLabel::setFontSpec(const FontSpec &fontValue)
{
    m_fontSpec = fontValue;
    setFont(toQFont(fontValue));
    updateGeometry();
    update();
}

void FontLabel::setColorValue(ColorValue value)
{
    m_fontSpec.color = value;
    update();
}

QColor FontLabel::textColor() const
{
    return toQColor(m_fontSpec.color);
}

void FontLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateGeometry();
    update();
}

void FontLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize FontLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_caption) + 2, metrics.height()};
}

QSize FontLabel::minimumSizeHint() const
{
    const QFontMetrics metrics(parentWidget() ? parentWidget()->font() : QFont());
    return {metrics.averageCharWidth() * 4, metrics.height()};
}

void FontLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(rect(), int(m_alignment), m_caption);
}

void FontLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void FontLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClickInside(this, event)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

RadioGroup::RadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index)) {
        button->setChecked(true);
        return;
    }
    // Nothing chosen: an exclusive group will not let its last button go.
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
    emit itemIndexChanged(-1);
}

int RadioGroup::count() const
{
    return int(m_group->buttons().size());
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFixedSize(20, 13);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setToolTip(QStringLiteral("nächstes Zeichen"));
    m_down->setToolTip(QStringLiteral("voriges Zeichen"));
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClicked);
}
