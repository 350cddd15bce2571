#pragma once
// Small controls that hold a setting exactly as the settings file stores it and show
// it: a panel with a colour value, a label with a font value, a group of radio
// buttons with an item index, and a pair of arrow buttons for stepping a value.

#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

class QButtonGroup;
class QRadioButton;
class QToolButton;

// A panel painted in a stored colour value (RGB or a system colour that follows the
// palette), with an optional one-line caption drawn in a stored font.
class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);

    settings::ColorValue colorValue() const { return m_color; }
    void setColorValue(settings::ColorValue value);
    // The colour the panel shows.
    QColor color() const;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    settings::FontSpec fontSpec() const { return m_fontSpec; }
    void setFontSpec(const settings::FontSpec &fontValue);
    void setCaptionAlignment(Qt::Alignment alignment);

    // Whether a click on the panel is offered (pointing-hand cursor).
    void setClickable(bool clickable);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    settings::ColorValue m_color = 0;
    QString m_caption;
    settings::FontSpec m_fontSpec;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_clickable = false;
};

// A transparent label that shows its caption in a stored font and text colour. It
// asks for no more room than a line of the dialog's own font, so a large font only
// shows as much as fits, as a preview does.
class FontLabel : public QWidget {
    Q_OBJECT
public:
    explicit FontLabel(const QString &caption, QWidget *parent = nullptr);

    settings::FontSpec fontSpec() const { return m_fontSpec; }
    void setFontSpec(const settings::FontSpec &fontValue);
    // The font's colour on its own: what the colour-only labels store.
    settings::ColorValue colorValue() const { return m_fontSpec.color; }
    void setColorValue(settings::ColorValue value);
    QColor textColor() const;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    settings::FontSpec m_fontSpec;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A framed group of radio buttons whose choice is an item index: -1 when none is
// checked, else the number of the checked item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;
    QRadioButton *button(int index) const;

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup *m_group;
};

// Two small arrow buttons, one above the other, for stepping a value up or down.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
