#pragma once
// The font dialog "Schrift": face, size, bold and the colour pair of the full-screen
// displays, chosen in one step with a large preview. The settings dialog opens it
// from its Laufbahn preview and takes the preview's font and background afterwards.

#include "settings/core/colorvalue.h"

#include <QDialog>

class ColorPanel;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class TFontListBox;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    TFontListBox *FontListBox1;
    QListWidget *ListBox1;
    QCheckBox *CheckBox1;
    QGroupBox *RadioGroup1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QRadioButton *RadioButton5;
    // The result: its colour is the display background, its font the display font.
    ColorPanel *Panel1;
    QPushButton *BitBtn1;

    // Text on background of each colour pair, in the order of the radio buttons.
    struct ColorPair {
        settings::ColorValue background;
        settings::ColorValue text;
    };
    static ColorPair colorPair(int button);

private:
    void FontListBox1Click();
    void ListBox1Click();
    void CheckBox1Click();
    void colorPairClicked(int button);
};
