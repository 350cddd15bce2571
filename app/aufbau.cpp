// How the main window looks: its menus, tool bar, the three steps and the controls it
// holds hidden, built once at start-up as a form designer would; the window connects them.

#include "app/aufbau.h"

#include "app/glmain.h"

#include "app/symbole.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/listenbreite.h"
#include "exercise/ui/sprachwechsel.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

void buildMenus(QMainWindow &fenster, Hauptfensterteile &f)
{
    QMenuBar *bar = fenster.menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    auto action = [](QMenu *menu, const QString &name, const QString &caption = {}) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto checkItem = [&](QMenu *menu, const QString &name, const QString &caption = {}) {
        QAction *a = action(menu, name, caption);
        a->setCheckable(true);
        return a;
    };

    f.Datei1 = named(bar->addMenu(QString()), u"Datei1"_s);
    f.neu1 = action(f.Datei1, u"neu1"_s);
    f.neu1->setShortcut(QKeySequence::New);
    f.ffnen1 = action(f.Datei1, u"ffnen1"_s);
    f.ffnen1->setShortcut(QKeySequence::Open);
    f.speichern1 = action(f.Datei1, u"speichern1"_s);
    f.speichern1->setShortcut(QKeySequence::Save);
    f.speichernunter1 = action(f.Datei1, u"speichernunter1"_s);
    f.Datei1->addSeparator();
    f.drucken1 = action(f.Datei1, u"drucken1"_s);
    f.drucken1->setShortcut(QKeySequence::Print);
    f.Druckereinstellungen1 = action(f.Datei1, u"Druckereinstellungen1"_s);
    f.Datei1->addSeparator();
    f.Info1 = action(f.Datei1, u"Info1"_s);
    f.Datei1->addSeparator();
    f.Programmende1 = action(f.Datei1, u"Programmende1"_s);

    f.Optionen1 = named(bar->addMenu(QString()), u"Optionen1"_s);
    f.neu2 = action(f.Optionen1, u"neu2"_s);
    f.ffnen2 = action(f.Optionen1, u"ffnen2"_s);
    f.Lernverlauf1 = action(f.Optionen1, u"Lernverlauf1"_s, u"Lernverlauf..."_s);

    f.Optionen2 = named(bar->addMenu(QString()), u"Optionen2"_s);
    f.zuflligeWortfolge1 = action(f.Optionen2, u"zuflligeWortfolge1"_s);
    f.Optionen2->addSeparator();
    f.Fehlerverstecken1 = checkItem(f.Optionen2, u"Fehlerverstecken1"_s);
    f.Sonderzeichennichtdrucken1 = checkItem(f.Optionen2, u"Sonderzeichennichtdrucken1"_s);
    f.alternativerLaufmodus1 =
        checkItem(f.Optionen2, u"alternativerLaufmodus1"_s, u"alternativer Laufmodus"_s);

    f.Extras1 = named(bar->addMenu(QString()), u"Extras1"_s);
    f.alleTextedrucken1 = action(f.Extras1, u"alleTextedrucken1"_s);
    f.Textauswertung1 = action(f.Extras1, u"Textauswertung1"_s);
    f.FehlerauswertungdesaktuellenSchler1 =
        action(f.Extras1, u"FehlerauswertungdesaktuellenSchler1"_s);
    f.N5 = f.Extras1->addSeparator();
    f.N5->setObjectName(u"N5"_s);
    f.N5->setVisible(false);
    f.Translate1 = action(f.Extras1, u"Translate1"_s, u"español"_s);
    f.Translate1->setVisible(false);
    f.deutsch1 = action(f.Extras1, u"deutsch1"_s, u"deutsch"_s);
    f.deutsch1->setVisible(false);
}

QToolBar *buildToolBar(Hauptfensterteile &f)
{
    auto *toolBar = named(new QToolBar(u"Werkzeugleiste"_s), u"ToolBar1"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setEnabled(false);
    toolBar->setIconSize(QSize(20, 20));
    f.SpeedButton1 = speedButton(u"SpeedButton1"_s, newTextIcon());
    f.SpeedButton2 = speedButton(u"SpeedButton2"_s, openTextIcon());
    f.SpeedButton3 = speedButton(u"SpeedButton3"_s, saveIcon());
    f.SpeedButton4 = speedButton(u"SpeedButton4"_s, printerIcon());
    for (QToolButton *button : {f.SpeedButton1, f.SpeedButton2, f.SpeedButton3, f.SpeedButton4})
        toolBar->addWidget(button);
    return toolBar;
}

QGroupBox *buildStep1(Hauptfensterteile &f)
{
    f.GroupBox2 = named(new QGroupBox, u"GroupBox2"_s);
    auto *layout = new QVBoxLayout(f.GroupBox2);
    layout->setSpacing(6);

    f.Memo1 = named(new QPlainTextEdit, u"Memo1"_s);
    f.Memo1->setTabChangesFocus(true);
    f.Memo1->setPlaceholderText(u"Hier den Übungstext schreiben oder einen Text laden."_s);
    QFont editorFont = f.Memo1->font();
    if (editorFont.pointSizeF() > 0) {
        editorFont.setPointSizeF(editorFont.pointSizeF() * 1.15);
        f.Memo1->setFont(editorFont);
    }
    f.Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    f.PopupMenu1 = named(new QMenu(f.Memo1), u"PopupMenu1"_s);
    layout->addWidget(f.Memo1, 1);

    auto *pupilButtons = new QHBoxLayout;
    f.Button3 = named(new QPushButton, u"Button3"_s);
    f.Button2 = named(new QPushButton, u"Button2"_s);
    f.Button5 = hiddenButton(u"Button5"_s);
    pupilButtons->addWidget(f.Button3);
    pupilButtons->addWidget(f.Button2);
    pupilButtons->addWidget(f.Button5);
    pupilButtons->addStretch(1);
    layout->addLayout(pupilButtons);

    f.Label5 = named(new QLabel, u"Label5"_s);
    f.ListBox1 = named(new QListWidget, u"ListBox1"_s);
    f.Label5->setBuddy(f.ListBox1);
    f.ListBox1->setFixedHeight(120);
    layout->addWidget(f.Label5);
    layout->addWidget(f.ListBox1);
    return f.GroupBox2;
}

QGroupBox *buildStep2(Hauptfensterteile &f)
{
    f.GroupBox1 = named(new QGroupBox, u"GroupBox1"_s);
    auto *grid = new QGridLayout(f.GroupBox1);
    grid->setHorizontalSpacing(10);

    f.RadioGroup1 = named(new QGroupBox, u"RadioGroup1"_s);
    auto *types = new QVBoxLayout(f.RadioGroup1);
    types->setSpacing(2);
    f.RadioButton1 = named(new QRadioButton, u"RadioButton1"_s);
    f.RadioButton2 = named(new QRadioButton, u"RadioButton2"_s);
    f.RadioButton3 = named(new QRadioButton, u"RadioButton3"_s);
    f.RadioButton1->setChecked(true);
    types->addWidget(f.RadioButton1);
    types->addWidget(f.RadioButton2);
    types->addWidget(f.RadioButton3);

    f.GroupBox5 = named(new QGroupBox, u"GroupBox5"_s);
    auto *firstName = new QVBoxLayout(f.GroupBox5);
    firstName->setSpacing(2);
    f.Edit2 = named(new QLineEdit, u"Edit2"_s);
    // The name goes into every praise line: a long one would make a praise of any size.
    f.Edit2->setMaxLength(40);
    f.Label1 = named(new QLabel, u"Label1"_s);
    f.Label1->setEnabled(false);
    firstName->addWidget(f.Edit2);
    firstName->addWidget(f.Label1);
    firstName->addStretch(1);

    f.BitBtn10 = named(new QPushButton(startIcon(), QString()), u"BitBtn10"_s);
    f.BitBtn10->setIconSize(QSize(20, 20));
    f.BitBtn10->setMinimumHeight(34);
    {
        QPalette red = f.BitBtn10->palette();
        red.setColor(QPalette::ButtonText, Qt::red);
        f.BitBtn10->setPalette(red);
    }
    f.BitBtn8 = named(new QPushButton, u"BitBtn8"_s);
    f.BitBtn8->setMinimumHeight(34);
    f.BitBtn1 = hiddenButton(u"BitBtn1"_s, u"Lesefinger"_s);
    f.BitBtn5 = hiddenButton(u"BitBtn5"_s, u"Silbenlesen"_s);
    f.BitBtn2 = hiddenButton(u"BitBtn2"_s, u"Laufbahn alt"_s);

    grid->addWidget(f.RadioGroup1, 0, 0);
    grid->addWidget(f.GroupBox5, 0, 1);
    grid->addWidget(f.BitBtn10, 1, 0);
    grid->addWidget(f.BitBtn8, 1, 1);
    auto *hiddenStarts = new QHBoxLayout;
    hiddenStarts->addWidget(f.BitBtn1);
    hiddenStarts->addWidget(f.BitBtn5);
    hiddenStarts->addWidget(f.BitBtn2);
    grid->addLayout(hiddenStarts, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    f.GroupBox1->hide();
    return f.GroupBox1;
}

QGroupBox *buildStep3(Hauptfensterteile &f)
{
    f.GroupBox3 = named(new QGroupBox, u"GroupBox3"_s);
    auto *layout = new QHBoxLayout(f.GroupBox3);

    auto *wordColumn = new QVBoxLayout;
    f.ListBox3 = named(new QListWidget, u"ListBox3"_s);
    wordColumn->addWidget(f.ListBox3, 1);
    auto *wordButtons = new QHBoxLayout;
    wordButtons->setSpacing(0);
    f.SpeedButton7 = speedButton(u"SpeedButton7"_s, QIcon(), u"Wort kleinschreiben"_s);
    f.SpeedButton8 = speedButton(u"SpeedButton8"_s, QIcon(), u"Wort löschen"_s);
    f.SpeedButton6 = speedButton(u"SpeedButton6"_s, QIcon(), u"Fehler als Text speichern"_s);
    f.SpeedButton5 = speedButton(u"SpeedButton5"_s, QIcon(), u"drucken"_s);
    for (QToolButton *button : {f.SpeedButton7, f.SpeedButton8, f.SpeedButton6, f.SpeedButton5})
        wordButtons->addWidget(button);
    wordButtons->addStretch(1);
    wordColumn->addLayout(wordButtons);
    layout->addLayout(wordColumn, 0);

    f.PageControl1 = named(new QTabWidget, u"PageControl1"_s);
    f.TabSheet1 = named(new QWidget, u"TabSheet1"_s);
    auto *original = new QVBoxLayout(f.TabSheet1);
    original->setContentsMargins(2, 2, 2, 2);
    f.RichEdit1 = named(new QTextEdit, u"RichEdit1"_s);
    f.RichEdit1->setReadOnly(true);
    original->addWidget(f.RichEdit1);
    f.PageControl1->addTab(f.TabSheet1, QString());

    f.TabSheet2 = named(new QWidget, u"TabSheet2"_s);
    auto *written = new QVBoxLayout(f.TabSheet2);
    written->setContentsMargins(2, 2, 2, 2);
    written->setSpacing(0);
    f.RichEdit2 = named(new QTextEdit, u"RichEdit2"_s);
    f.RichEdit2->setReadOnly(true);
    written->addWidget(f.RichEdit2, 1);
    f.SpeedButton9 = speedButton(u"SpeedButton9"_s, QIcon(), u"geschriebenen Text drucken"_s);
    written->addWidget(f.SpeedButton9, 0, Qt::AlignRight);
    f.PageControl1->addTab(f.TabSheet2, QString());
    layout->addWidget(f.PageControl1, 1);

    followLongestEntry(f.ListBox3, f.GroupBox3, 120);
    // Step 3 is hidden at start: its pictures are drawn when it is first shown.
    whenFirstShown(f.GroupBox3, [&f] {
        const QIcon printer = printerIcon();
        f.SpeedButton7->setIcon(lowerCaseIcon());
        f.SpeedButton8->setIcon(deleteIcon());
        f.SpeedButton6->setIcon(saveIcon());
        f.SpeedButton5->setIcon(printer);
        f.SpeedButton9->setIcon(printer);
    });
    f.GroupBox3->hide();
    return f.GroupBox3;
}

QGroupBox *buildStep4(Hauptfensterteile &f)
{
    f.GroupBox4 = named(new QGroupBox, u"GroupBox4"_s);
    auto *layout = new QHBoxLayout(f.GroupBox4);
    f.Label4 = named(new QLabel, u"Label4"_s);
    f.BitBtn3 = named(new QPushButton(startIcon(), QString()), u"BitBtn3"_s);
    f.BitBtn4 = hiddenButton(u"BitBtn4"_s, u"Lesefinger"_s);
    f.BitBtn6 = hiddenButton(u"BitBtn6"_s, u"Silbenlesen"_s);
    layout->addWidget(f.Label4);
    layout->addWidget(f.BitBtn3);
    layout->addWidget(f.BitBtn4);
    layout->addWidget(f.BitBtn6);
    layout->addStretch(1);
    f.GroupBox4->hide();
    return f.GroupBox4;
}

void buildHiddenControls(Hauptfensterteile &f, QWidget *owner)
{
    auto hidden = [owner](auto *widget, const QString &name) {
        widget->setObjectName(name);
        widget->setParent(owner);
        widget->hide();
        return widget;
    };
    f.Label6 = hidden(new QLabel(TForm3::keinText.toString()), u"Label6"_s);
    f.Edit1 = hidden(new QLineEdit(TForm3::keinSchueler.toString()), u"Edit1"_s);
    f.Memo2 = hidden(new HiddenMemo, u"Memo2"_s);
    f.Memo3 = hidden(new QPlainTextEdit, u"Memo3"_s);
    f.Memo5 = hidden(new QPlainTextEdit, u"Memo5"_s);
    f.ListBox4 = hidden(new QListWidget, u"ListBox4"_s);

    f.Image1 = hidden(new QLabel, u"Image1"_s);
    f.Image1->setPixmap(pointerImage(true));
    f.Image2 = hidden(new QLabel, u"Image2"_s);
    f.Image2->setPixmap(pointerImage(false));

    f.Label7 = hidden(new QLabel(u"Hilfe"_s), u"Label7"_s);
    QFont helpFont(u"Arial"_s);
    helpFont.setPixelSize(10);
    f.Label7->setFont(helpFont);
    QPalette lime = f.Label7->palette();
    lime.setColor(QPalette::WindowText, QColor(0, 255, 0));
    f.Label7->setPalette(lime);

    f.Label8 = hidden(new QLabel(u"Druckschrift"_s), u"Label8"_s);
    QFont printFont(u"Arial"_s);
    printFont.setPixelSize(27);
    f.Label8->setFont(printFont);
}

// The captions that follow the language shown, set here only: once the window is built and
// again at each change of language.
void beschriften(Hauptfensterteile &f)
{
    f.Datei1->setTitle(QCoreApplication::translate("TForm3", "&Datei"));
    f.neu1->setText(QCoreApplication::translate("TForm3", "Neu"));
    f.ffnen1->setText(QCoreApplication::translate("TForm3", "Öffnen..."));
    f.speichern1->setText(QCoreApplication::translate("TForm3", "Speichern"));
    f.speichernunter1->setText(QCoreApplication::translate("TForm3", "Speichern unter..."));
    f.drucken1->setText(QCoreApplication::translate("TForm3", "Text drucken", "menu entry"));
    f.Druckereinstellungen1->setText(
        QCoreApplication::translate("TForm3", "Druckereinstellungen..."));
    f.Info1->setText(QCoreApplication::translate("TForm3", "Info..."));
    f.Programmende1->setText(QCoreApplication::translate("TForm3", "Programmende"));
    f.Optionen1->setTitle(QCoreApplication::translate("TForm3", "&Schüler"));
    f.neu2->setText(QCoreApplication::translate("TForm3", "Neu..."));
    f.ffnen2->setText(QCoreApplication::translate("TForm3", "Öffnen..."));
    f.Optionen2->setTitle(QCoreApplication::translate("TForm3", "&Optionen"));
    f.zuflligeWortfolge1->setText(QCoreApplication::translate("TForm3", "zufällige Wortfolge"));
    f.Fehlerverstecken1->setText(QCoreApplication::translate("TForm3", "Fehleranzeige verstecken"));
    f.Sonderzeichennichtdrucken1->setText(
        QCoreApplication::translate("TForm3", "Sonderzeichen nicht drucken"));
    f.Extras1->setTitle(QCoreApplication::translate("TForm3", "&Extras"));
    f.alleTextedrucken1->setText(QCoreApplication::translate("TForm3", "alle Texte drucken..."));
    f.Textauswertung1->setText(QCoreApplication::translate("TForm3", "Textauswertung..."));
    f.FehlerauswertungdesaktuellenSchler1->setText(
        QCoreApplication::translate("TForm3", "Fehlerauswertung..."));

    f.GroupBox2->setTitle(
        QCoreApplication::translate("TForm3", "1. Schritt: Übung laden / erstellen"));
    f.GroupBox1->setTitle(QCoreApplication::translate("TForm3", "2. Schritt: Übung starten"));
    f.GroupBox3->setTitle(QCoreApplication::translate("TForm3", "3. Schritt: Fehler ansehen"));
    f.Label5->setText(QCoreApplication::translate("TForm3", "alte Übungen des Schülers:"));
    f.RadioGroup1->setTitle(QCoreApplication::translate("TForm3", "Datei-Typ"));
    f.GroupBox5->setTitle(QCoreApplication::translate("TForm3", "Vorname des Schülers"));
    f.Label1->setText(QCoreApplication::translate("TForm3", "Eingabe optional"));
    f.PageControl1->setTabText(f.PageControl1->indexOf(f.TabSheet1),
                               QCoreApplication::translate("TForm3", "Orginal-Text"));
    f.PageControl1->setTabText(f.PageControl1->indexOf(f.TabSheet2),
                               QCoreApplication::translate("TForm3", "geschriebener Text"));
    f.Button2->setText(QCoreApplication::translate("TForm3", "Schüler laden"));
    f.Button3->setText(QCoreApplication::translate("TForm3", "neuer Schüler"));
    f.Button5->setText(QCoreApplication::translate("TForm3", "Textbezogen"));
    f.BitBtn10->setText(QCoreApplication::translate("TForm3", "Laufbahn starten"));
    f.BitBtn8->setText(QCoreApplication::translate("TForm3", "Einstellungen..."));
    f.RadioButton1->setText(QCoreApplication::translate("TForm3", "Wörter"));
    f.RadioButton2->setText(QCoreApplication::translate("TForm3", "Wortgruppen"));
    f.RadioButton3->setText(QCoreApplication::translate("TForm3", "Text"));
    f.Label4->setText(QCoreApplication::translate("TForm3", "Fehler wiederholen mit:"));
    f.BitBtn3->setText(QCoreApplication::translate("TForm3", "Laufbahn"));

    f.SpeedButton2->setToolTip(QCoreApplication::translate("TForm3", "Text laden"));
    f.SpeedButton1->setToolTip(QCoreApplication::translate("TForm3", "neuer Text"));
    f.SpeedButton3->setToolTip(QCoreApplication::translate("TForm3", "Text speichern"));
    f.SpeedButton4->setToolTip(
        QCoreApplication::translate("TForm3", "Text drucken", "hint of the tool button"));
}

// The layout of the window's right-hand column: the one that holds `teil`.
QBoxLayout *spalteMit(QLayout *layout, QWidget *teil)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(teil) >= 0)
        return qobject_cast<QBoxLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout *gefunden = spalteMit(layout->itemAt(i)->layout(), teil))
            return gefunden;
    }
    return nullptr;
}

} // namespace

void unterFehlerwiederholung(const Hauptfensterteile &f, QWidget *zeile)
{
    if (QBoxLayout *spalte = spalteMit(f.GroupBox4->parentWidget()->layout(), f.GroupBox4))
        spalte->insertWidget(spalte->indexOf(f.GroupBox4) + 1, zeile);
}

QToolBar *hauptfensterAufbauen(QMainWindow &fenster, Hauptfensterteile &f)
{
    buildMenus(fenster, f);
    QToolBar *toolBar = buildToolBar(f);
    fenster.addToolBar(Qt::TopToolBarArea, toolBar);

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 6, 8, 6);
    columns->setSpacing(8);
    columns->addWidget(buildStep1(f), 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildStep2(f));
    right->addWidget(buildStep3(f), 1);
    right->addWidget(buildStep4(f));
    right->addStretch(0);
    columns->addLayout(right, 1);
    buildHiddenControls(f, central);
    fenster.setCentralWidget(central);
    f.StatusBar1 = named(new QStatusBar, u"StatusBar1"_s);
    fenster.setStatusBar(f.StatusBar1);
    beiSprachwechsel(&fenster, [&f] { beschriften(f); });
    return toolBar;
}
