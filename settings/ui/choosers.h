#pragma once
// The colour dialog and the common font dialog of the settings: each opens preset
// with the current value and gives a new value only when it is left with OK.

#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QFontDialog;
class QLineEdit;

// The colour dialog. Confirming the colour that a system colour shows keeps the
// system colour, so it goes on following the desktop's palette.
std::optional<settings::ColorValue> chooseColor(QWidget *parent, settings::ColorValue current);

// The common font dialog: face, style, size, underline and strike-out, and the text
// colour, with a sample drawn in the chosen colour on the background the font will
// stand on.
class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontChoiceDialog(QWidget *parent = nullptr);

    void setFontSpec(const settings::FontSpec &fontValue, const QColor &background);
    settings::FontSpec fontSpec() const;

    QFontDialog *fontDialog() const { return m_fontDialog; }
    QComboBox *colorBox() const { return m_colorBox; }
    settings::ColorValue colorValue() const;
    void setColorValue(settings::ColorValue value);

    // Shows the dialog modally; the chosen font, or nothing when it was cancelled.
    static std::optional<settings::FontSpec>
    getFont(QWidget *parent, const settings::FontSpec &current, const QColor &background);

private:
    void colorActivated(int index);
    void addOwnColor(settings::ColorValue value);
    void updateSample();

    QFontDialog *m_fontDialog;
    QComboBox *m_colorBox;
    QLineEdit *m_sample = nullptr;
    settings::FontSpec m_previous;
    QColor m_background;
    int m_lastColorIndex = 0;
};
