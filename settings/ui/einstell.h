#pragma once
// The settings dialog "Einstellungen": every user setting is the state of one of its
// controls, read from there whenever another window needs it. Created once at start;
// the main window shows it from "Einstellungen..." and loads "default.opt" into it.

#include "exercise/ui/lazyfiledialog.h"
#include "settings/core/loadrules.h"
#include "settings/core/settingsrecord.h"

#include <QDialog>
#include <functional>

class ColorPanel;
class FontLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QVBoxLayout;
class RadioGroup;
class SpinButton;
class TForm5;
class Zusatzseite;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    QTabWidget *PageControl1;

    // "Reaktion auf Fehler"
    QGroupBox *RadioGroup1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QRadioButton *RadioButton5;
    QRadioButton *RadioButton6;
    QRadioButton *RadioButton7;
    RadioGroup *RadioGroup2; // praise: none, text, picture
    RadioGroup *RadioGroup3; // picture pieces: 3x3, 4x4, 5x5

    // "Text-Auswahl"
    QSlider *TrackBar4;
    ColorPanel *Panel7;
    ColorPanel *Panel8;
    FontLabel *Label14;
    FontLabel *Label15;

    // "Laufbahn"
    QSlider *TrackBar2;
    QSlider *TrackBar1;
    ColorPanel *Panel1;
    FontLabel *Label1;
    QCheckBox *CheckBox1;
    QSlider *TrackBar5;

    // "Nachschreiben"
    ColorPanel *Panel5;
    ColorPanel *Panel2;
    FontLabel *Label4;
    FontLabel *Label11;
    FontLabel *Label10;
    QSlider *TrackBar3;

    // "Sonstiges"
    ColorPanel *Panel6;
    FontLabel *Label7;
    FontLabel *Label12;
    FontLabel *Label13;
    QCheckBox *CheckBox2;
    QCheckBox *CheckBox3;
    ColorPanel *Panel3;
    SpinButton *SpinButton1;
    ColorPanel *Panel4;
    SpinButton *SpinButton2;

    // "Silben und Diktat": the settings of the INI file beside the settings file
    Zusatzseite *Zusatz;

    QPushButton *BitBtn2; // "speichern..."
    QPushButton *BitBtn3; // "laden..."
    QPushButton *BitBtn1; // OK

    LazyFileDialog OpenDialog1{this, QStringLiteral("OpenDialog1")};
    LazyFileDialog SaveDialog1{this, QStringLiteral("SaveDialog1")};

    // Writes every stored setting to the file and the INI file beside it; a failure shows
    // the standard error box and leaves an existing file as it was.
    bool einstellungen_speichern(const QString &FileName);
    // Reads the settings file and the INI file beside it (defaults where that is missing)
    // into the controls; a failure shows the standard error box and changes nothing.
    bool einstellungen_laden(const QString &FileName);

    // The settings as a record, and the controls set from one in the order and with the
    // limits of loading a file.
    settings::SettingsRecord currentRecord() const;
    void applyRecord(const settings::SettingsRecord &record);

    // What the main window sets at its first paint, before it loads "default.opt": the
    // display font at 28 points and "#" for a hidden word part.
    void setStartUpValues();

    // The folder both file dialogs open in.
    void setInitialFolder(const QString &folder);
    // The font dialog opened from the Laufbahn preview. Without one the dialog makes
    // its own the first time it is needed.
    void setFontDialog(TForm5 *fontDialog);

    // For readers elsewhere: the number 1..7 of the checked reaction, and the gap
    // characters shown for a hidden letter and a hidden word part.
    int reaction() const;
    QChar hiddenLetterCharacter() const;
    QChar hiddenPartCharacter() const;

    void BitBtn2Click();
    void BitBtn3Click();

private:
    QWidget *makeReactionPage();
    QWidget *makeTextSelectionPage();
    QWidget *makeGlidePage();
    QWidget *makeWritingPage();
    QWidget *makeMiscPage();
    // A track bar named `name` over `range`, a label for its caption above and its value
    // (as `format` writes it) at its right, added to `layout`.
    QSlider *addTrackBar(QVBoxLayout *layout, const QString &name, settings::Range range,
                         std::function<QString(int)> format = {});
    void connectControls();

    void chooseDisplayFont();
    void chooseFont(FontLabel *label, const ColorPanel *background);
    void chooseTextColor(FontLabel *label);
    void choosePanelColor(ColorPanel *panel);
    void stepCharacter(ColorPanel *panel, bool up);
    void copyDisplayFontToCharacterPanels();

    TForm5 *m_fontDialog = nullptr;
    QList<QRadioButton *> m_reactions;
};
