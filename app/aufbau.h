#pragma once
// The main window's controls, built into it at start-up as a form designer would.

class HiddenMemo;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QToolButton;
class QWidget;

// The controls of the main window, under the names its design gives them. The window
// holds them privately; a test finds each by its object name, which is the same.
struct Hauptfensterteile {
    QPlainTextEdit *Memo1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    HiddenMemo *Memo2 = nullptr;
    QPlainTextEdit *Memo3 = nullptr;
    QListWidget *ListBox3 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    QTextEdit *RichEdit2 = nullptr;
    QPlainTextEdit *Memo5 = nullptr;
    QListWidget *ListBox4 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QGroupBox *GroupBox5 = nullptr;

    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *BitBtn10 = nullptr;
    QPushButton *BitBtn8 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn6 = nullptr;

    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QToolButton *SpeedButton8 = nullptr;
    QToolButton *SpeedButton9 = nullptr;

    QMenu *Datei1 = nullptr;
    QMenu *Optionen1 = nullptr; // "Schüler"
    QAction *Lernverlauf1 = nullptr;
    QMenu *Optionen2 = nullptr; // "Optionen"
    QMenu *Extras1 = nullptr;
    QAction *neu1 = nullptr;
    QAction *ffnen1 = nullptr;
    QAction *speichern1 = nullptr;
    QAction *speichernunter1 = nullptr;
    QAction *drucken1 = nullptr;
    QAction *Druckereinstellungen1 = nullptr;
    QAction *Info1 = nullptr;
    QAction *Programmende1 = nullptr;
    QAction *neu2 = nullptr;
    QAction *ffnen2 = nullptr;
    QAction *zuflligeWortfolge1 = nullptr;
    QAction *Fehlerverstecken1 = nullptr;
    QAction *Sonderzeichennichtdrucken1 = nullptr;
    QAction *alternativerLaufmodus1 = nullptr;
    QAction *alleTextedrucken1 = nullptr;
    QAction *Textauswertung1 = nullptr;
    QAction *FehlerauswertungdesaktuellenSchler1 = nullptr;
    QAction *N5 = nullptr; // separator before "español"
    QAction *Translate1 = nullptr;
    QAction *deutsch1 = nullptr;
};

// Menus, tool bar (returned), the three steps, the status bar and the hidden controls of
// `fenster`, kept in `f`.
QToolBar *hauptfensterAufbauen(QMainWindow &fenster, Hauptfensterteile &f);
// Lays `zeile` into the window's right-hand column below the error repetition (GroupBox4).
void unterFehlerwiederholung(const Hauptfensterteile &f, QWidget *zeile);
