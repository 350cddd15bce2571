#include "app/glmain.h"

#include "app/info.h"
#include "app/laufbahnapp.h"
#include "app/symbole.h"
#include "exercise/core/fileio.h"
#include "exercise/core/markup.h"
#include "exercise/core/textfile.h"
#include "exercise/core/wortfolge.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/elidedlabel.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/listenbreite.h"
#include "exercise/ui/messages.h"
#include "settings/ui/einstell.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView textFilter = u"Laufbahn / Text (*.txt)";
constexpr QStringView oldTextFilter = u"alte DOS-Laufbahn (*.lbz)";

} // namespace

TForm3::TForm3(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"Form3"_s);

    buildMenus();
    QToolBar *toolBar = buildToolBar();
    m_werkzeugleiste = toolBar;
    addToolBar(Qt::TopToolBarArea, toolBar);

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 6, 8, 6);
    columns->setSpacing(8);
    columns->addWidget(buildStep1(), 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildStep2());
    right->addWidget(buildStep3(), 1);
    right->addWidget(buildStep4());
    right->addStretch(0);
    columns->addLayout(right, 1);
    buildHiddenControls(central);
    setCentralWidget(central);

    StatusBar1 = named(new QStatusBar, u"StatusBar1"_s);
    for (int panel = 0; panel < 2; ++panel) {
        m_statusPanels[panel] = named(new ElidedLabel, u"StatusBar1Panel%1"_s.arg(panel));
        m_statusPanels[panel]->setContentsMargins(4, 0, 4, 0);
    }
    m_statusPanels[0]->setFixedWidth(400);
    StatusBar1->addPermanentWidget(m_statusPanels[0], 0);
    StatusBar1->addPermanentWidget(m_statusPanels[1], 1);
    setStatusBar(StatusBar1);
    setStatusText(0, keinText.toString());
    setStatusText(1, keinSchueler.toString());

    for (LazyFileDialog *dialog : {&OpenDialog1, &OpenDialog2, &SaveDialog1, &SaveDialog2})
        dialog->configure([](QFileDialog *made) { made->resize(760, 480); });
    OpenDialog1.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text laden"_s);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilters({textFilter.toString(), oldTextFilter.toString()});
    });
    SaveDialog1.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text speichern unter"_s);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilter(textFilter.toString());
        dialog->setDefaultSuffix(u"txt"_s);
    });

    connectCommands();
    setUpSectionCommands();
    FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    auto action = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto checkItem = [&](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = action(menu, name, caption);
        a->setCheckable(true);
        return a;
    };

    Datei1 = named(bar->addMenu(u"&Datei"_s), u"Datei1"_s);
    neu1 = action(Datei1, u"neu1"_s, u"Neu"_s);
    neu1->setShortcut(QKeySequence::New);
    ffnen1 = action(Datei1, u"ffnen1"_s, u"Öffnen..."_s);
    ffnen1->setShortcut(QKeySequence::Open);
    speichern1 = action(Datei1, u"speichern1"_s, u"Speichern"_s);
    speichern1->setShortcut(QKeySequence::Save);
    speichernunter1 = action(Datei1, u"speichernunter1"_s, u"Speichern unter..."_s);
    Datei1->addSeparator();
    drucken1 = action(Datei1, u"drucken1"_s, u"Text drucken"_s);
    drucken1->setShortcut(QKeySequence::Print);
    Druckereinstellungen1 =
        action(Datei1, u"Druckereinstellungen1"_s, u"Druckereinstellungen..."_s);
    Datei1->addSeparator();
    Info1 = action(Datei1, u"Info1"_s, u"Info..."_s);
    Datei1->addSeparator();
    Programmende1 = action(Datei1, u"Programmende1"_s, u"Programmende"_s);

    Optionen1 = named(bar->addMenu(u"&Schüler"_s), u"Optionen1"_s);
    neu2 = action(Optionen1, u"neu2"_s, u"Neu..."_s);
    ffnen2 = action(Optionen1, u"ffnen2"_s, u"Öffnen..."_s);

    Optionen2 = named(bar->addMenu(u"&Optionen"_s), u"Optionen2"_s);
    zuflligeWortfolge1 = action(Optionen2, u"zuflligeWortfolge1"_s, u"zufällige Wortfolge"_s);
    Optionen2->addSeparator();
    Fehlerverstecken1 = checkItem(Optionen2, u"Fehlerverstecken1"_s, u"Fehleranzeige verstecken"_s);
    Sonderzeichennichtdrucken1 =
        checkItem(Optionen2, u"Sonderzeichennichtdrucken1"_s, u"Sonderzeichen nicht drucken"_s);
    alternativerLaufmodus1 =
        checkItem(Optionen2, u"alternativerLaufmodus1"_s, u"alternativer Laufmodus"_s);

    Extras1 = named(bar->addMenu(u"&Extras"_s), u"Extras1"_s);
    alleTextedrucken1 = action(Extras1, u"alleTextedrucken1"_s, u"alle Texte drucken..."_s);
    Textauswertung1 = action(Extras1, u"Textauswertung1"_s, u"Textauswertung..."_s);
    FehlerauswertungdesaktuellenSchler1 =
        action(Extras1, u"FehlerauswertungdesaktuellenSchler1"_s, u"Fehlerauswertung..."_s);
    N5 = Extras1->addSeparator();
    N5->setObjectName(u"N5"_s);
    N5->setVisible(false);
    espanol1 = action(Extras1, u"espanol1"_s, u"español"_s);
    espanol1->setVisible(false);
}

QToolBar *TForm3::buildToolBar()
{
    auto *toolBar = named(new QToolBar(u"Werkzeugleiste"_s), u"ToolBar1"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setEnabled(false);
    toolBar->setIconSize(QSize(20, 20));
    SpeedButton1 = speedButton(u"SpeedButton1"_s, newTextIcon(), u"neuer Text"_s);
    SpeedButton2 = speedButton(u"SpeedButton2"_s, openTextIcon(), u"Text laden"_s);
    SpeedButton3 = speedButton(u"SpeedButton3"_s, saveIcon(), u"Text speichern"_s);
    SpeedButton4 = speedButton(u"SpeedButton4"_s, printerIcon(), u"Text drucken"_s);
    for (QToolButton *button : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        toolBar->addWidget(button);
    return toolBar;
}

QGroupBox *TForm3::buildStep1()
{
    GroupBox2 = named(new QGroupBox(u"1. Schritt: Übung laden / erstellen"_s), u"GroupBox2"_s);
    auto *layout = new QVBoxLayout(GroupBox2);
    layout->setSpacing(6);

    Memo1 = named(new QPlainTextEdit, u"Memo1"_s);
    Memo1->setTabChangesFocus(true);
    Memo1->setPlaceholderText(u"Hier den Übungstext schreiben oder einen Text laden."_s);
    QFont editorFont = Memo1->font();
    if (editorFont.pointSizeF() > 0) {
        editorFont.setPointSizeF(editorFont.pointSizeF() * 1.15);
        Memo1->setFont(editorFont);
    }
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = named(new QMenu(Memo1), u"PopupMenu1"_s);
    layout->addWidget(Memo1, 1);

    auto *pupilButtons = new QHBoxLayout;
    Button3 = named(new QPushButton(u"neuer Schüler"_s), u"Button3"_s);
    Button2 = named(new QPushButton(u"Schüler laden"_s), u"Button2"_s);
    Button5 = hiddenButton(u"Button5"_s, u"Textbezogen"_s);
    pupilButtons->addWidget(Button3);
    pupilButtons->addWidget(Button2);
    pupilButtons->addWidget(Button5);
    pupilButtons->addStretch(1);
    layout->addLayout(pupilButtons);

    Label5 = named(new QLabel(u"alte Übungen des Schülers:"_s), u"Label5"_s);
    ListBox1 = named(new QListWidget, u"ListBox1"_s);
    Label5->setBuddy(ListBox1);
    ListBox1->setFixedHeight(120);
    layout->addWidget(Label5);
    layout->addWidget(ListBox1);
    return GroupBox2;
}

QGroupBox *TForm3::buildStep2()
{
    GroupBox1 = named(new QGroupBox(u"2. Schritt: Übung starten"_s), u"GroupBox1"_s);
    auto *grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(10);

    RadioGroup1 = named(new QGroupBox(u"Datei-Typ"_s), u"RadioGroup1"_s);
    auto *types = new QVBoxLayout(RadioGroup1);
    types->setSpacing(2);
    RadioButton1 = named(new QRadioButton(u"Wörter"_s), u"RadioButton1"_s);
    RadioButton2 = named(new QRadioButton(u"Wortgruppen"_s), u"RadioButton2"_s);
    RadioButton3 = named(new QRadioButton(u"Text"_s), u"RadioButton3"_s);
    RadioButton1->setChecked(true);
    types->addWidget(RadioButton1);
    types->addWidget(RadioButton2);
    types->addWidget(RadioButton3);

    GroupBox5 = named(new QGroupBox(u"Vorname des Schülers"_s), u"GroupBox5"_s);
    auto *firstName = new QVBoxLayout(GroupBox5);
    firstName->setSpacing(2);
    Edit2 = named(new QLineEdit, u"Edit2"_s);
    // The name goes into every praise line: a long one would make a praise of any size.
    Edit2->setMaxLength(40);
    Label1 = named(new QLabel(u"Eingabe optional"_s), u"Label1"_s);
    Label1->setEnabled(false);
    firstName->addWidget(Edit2);
    firstName->addWidget(Label1);
    firstName->addStretch(1);

    BitBtn10 = named(new QPushButton(startIcon(), u"Laufbahn starten"_s), u"BitBtn10"_s);
    BitBtn10->setIconSize(QSize(20, 20));
    BitBtn10->setMinimumHeight(34);
    {
        QPalette red = BitBtn10->palette();
        red.setColor(QPalette::ButtonText, Qt::red);
        BitBtn10->setPalette(red);
    }
    BitBtn8 = named(new QPushButton(u"Einstellungen..."_s), u"BitBtn8"_s);
    BitBtn8->setMinimumHeight(34);
    BitBtn1 = hiddenButton(u"BitBtn1"_s, u"Lesefinger"_s);
    BitBtn5 = hiddenButton(u"BitBtn5"_s, u"Silbenlesen"_s);
    BitBtn2 = hiddenButton(u"BitBtn2"_s, u"Laufbahn alt"_s);

    grid->addWidget(RadioGroup1, 0, 0);
    grid->addWidget(GroupBox5, 0, 1);
    grid->addWidget(BitBtn10, 1, 0);
    grid->addWidget(BitBtn8, 1, 1);
    auto *hiddenStarts = new QHBoxLayout;
    hiddenStarts->addWidget(BitBtn1);
    hiddenStarts->addWidget(BitBtn5);
    hiddenStarts->addWidget(BitBtn2);
    grid->addLayout(hiddenStarts, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    GroupBox1->hide();
    return GroupBox1;
}

QGroupBox *TForm3::buildStep3()
{
    GroupBox3 = named(new QGroupBox(u"3. Schritt: Fehler ansehen"_s), u"GroupBox3"_s);
    auto *layout = new QHBoxLayout(GroupBox3);

    auto *wordColumn = new QVBoxLayout;
    ListBox3 = named(new QListWidget, u"ListBox3"_s);
    wordColumn->addWidget(ListBox3, 1);
    auto *wordButtons = new QHBoxLayout;
    wordButtons->setSpacing(0);
    SpeedButton7 = speedButton(u"SpeedButton7"_s, QIcon(), u"Wort kleinschreiben"_s);
    SpeedButton8 = speedButton(u"SpeedButton8"_s, QIcon(), u"Wort löschen"_s);
    SpeedButton6 = speedButton(u"SpeedButton6"_s, QIcon(), u"Fehler als Text speichern"_s);
    SpeedButton5 = speedButton(u"SpeedButton5"_s, QIcon(), u"drucken"_s);
    for (QToolButton *button : {SpeedButton7, SpeedButton8, SpeedButton6, SpeedButton5})
        wordButtons->addWidget(button);
    wordButtons->addStretch(1);
    wordColumn->addLayout(wordButtons);
    layout->addLayout(wordColumn, 0);

    PageControl1 = named(new QTabWidget, u"PageControl1"_s);
    TabSheet1 = named(new QWidget, u"TabSheet1"_s);
    auto *original = new QVBoxLayout(TabSheet1);
    original->setContentsMargins(2, 2, 2, 2);
    RichEdit1 = named(new QTextEdit, u"RichEdit1"_s);
    RichEdit1->setReadOnly(true);
    original->addWidget(RichEdit1);
    PageControl1->addTab(TabSheet1, u"Orginal-Text"_s);

    TabSheet2 = named(new QWidget, u"TabSheet2"_s);
    auto *written = new QVBoxLayout(TabSheet2);
    written->setContentsMargins(2, 2, 2, 2);
    written->setSpacing(0);
    RichEdit2 = named(new QTextEdit, u"RichEdit2"_s);
    RichEdit2->setReadOnly(true);
    written->addWidget(RichEdit2, 1);
    SpeedButton9 = speedButton(u"SpeedButton9"_s, QIcon(), u"geschriebenen Text drucken"_s);
    written->addWidget(SpeedButton9, 0, Qt::AlignRight);
    PageControl1->addTab(TabSheet2, u"geschriebener Text"_s);
    layout->addWidget(PageControl1, 1);

    followLongestEntry(ListBox3, GroupBox3, 120);
    // Step 3 is hidden at start: its pictures are drawn when it is first shown.
    whenFirstShown(GroupBox3, [this] {
        const QIcon printer = printerIcon();
        SpeedButton7->setIcon(lowerCaseIcon());
        SpeedButton8->setIcon(deleteIcon());
        SpeedButton6->setIcon(saveIcon());
        SpeedButton5->setIcon(printer);
        SpeedButton9->setIcon(printer);
    });
    GroupBox3->hide();
    return GroupBox3;
}

QGroupBox *TForm3::buildStep4()
{
    GroupBox4 = named(new QGroupBox, u"GroupBox4"_s);
    auto *layout = new QHBoxLayout(GroupBox4);
    Label4 = named(new QLabel(u"Fehler wiederholen mit:"_s), u"Label4"_s);
    BitBtn3 = named(new QPushButton(startIcon(), u"Laufbahn"_s), u"BitBtn3"_s);
    BitBtn4 = hiddenButton(u"BitBtn4"_s, u"Lesefinger"_s);
    BitBtn6 = hiddenButton(u"BitBtn6"_s, u"Silbenlesen"_s);
    layout->addWidget(Label4);
    layout->addWidget(BitBtn3);
    layout->addWidget(BitBtn4);
    layout->addWidget(BitBtn6);
    layout->addStretch(1);
    GroupBox4->hide();
    return GroupBox4;
}

void TForm3::buildHiddenControls(QWidget *owner)
{
    auto hidden = [owner](auto *widget, const QString &name) {
        widget->setObjectName(name);
        widget->setParent(owner);
        widget->hide();
        return widget;
    };
    Label6 = hidden(new QLabel(keinText.toString()), u"Label6"_s);
    Edit1 = hidden(new QLineEdit(keinSchueler.toString()), u"Edit1"_s);
    Memo2 = hidden(new HiddenMemo, u"Memo2"_s);
    Memo3 = hidden(new QPlainTextEdit, u"Memo3"_s);
    Memo5 = hidden(new QPlainTextEdit, u"Memo5"_s);
    ListBox4 = hidden(new QListWidget, u"ListBox4"_s);

    Image1 = hidden(new QLabel, u"Image1"_s);
    Image1->setPixmap(pointerImage(true));
    Image2 = hidden(new QLabel, u"Image2"_s);
    Image2->setPixmap(pointerImage(false));

    Label7 = hidden(new QLabel(u"Hilfe"_s), u"Label7"_s);
    QFont helpFont(u"Arial"_s);
    helpFont.setPixelSize(10);
    Label7->setFont(helpFont);
    QPalette lime = Label7->palette();
    lime.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Label7->setPalette(lime);

    Label8 = hidden(new QLabel(u"Druckschrift"_s), u"Label8"_s);
    QFont printFont(u"Arial"_s);
    printFont.setPixelSize(27);
    Label8->setFont(printFont);
}

void TForm3::connectCommands()
{
    connect(neu1, &QAction::triggered, this, &TForm3::neu1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::neu1Click);
    connect(ffnen1, &QAction::triggered, this, &TForm3::ffnen1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::ffnen1Click);
    connect(speichern1, &QAction::triggered, this, &TForm3::speichern1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::speichern1Click);
    connect(speichernunter1, &QAction::triggered, this, &TForm3::speichernunter1Click);
    connect(Druckereinstellungen1, &QAction::triggered, this, &TForm3::Druckereinstellungen1Click);
    connect(drucken1, &QAction::triggered, this, &TForm3::drucken1Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::drucken1Click);
    connect(alleTextedrucken1, &QAction::triggered, this, &TForm3::alleTextedrucken1Click);
    connect(Info1, &QAction::triggered, this, &TForm3::Info1Click);
    connect(Programmende1, &QAction::triggered, this, &TForm3::Programmende1Click);
    connect(BitBtn8, &QPushButton::clicked, this, [] { laufbahn().Form10->exec(); });
    connect(BitBtn10, &QPushButton::clicked, this, &TForm3::BitBtn10Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);

    connect(neu2, &QAction::triggered, this, &TForm3::neu2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm3::neu2Click);
    connect(ffnen2, &QAction::triggered, this, &TForm3::ffnen2Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::ffnen2Click);
    setUpPupilCommands();
    connect(Button5, &QPushButton::clicked, this, &TForm3::Button5Click);

    connect(zuflligeWortfolge1, &QAction::triggered, this, &TForm3::zuflligeWortfolge1Click);
    connect(Fehlerverstecken1, &QAction::triggered, this, &TForm3::Fehlerverstecken1Click);
    connect(Textauswertung1, &QAction::triggered, this, &TForm3::Textauswertung1Click);
    connect(FehlerauswertungdesaktuellenSchler1, &QAction::triggered, this,
            &TForm3::FehlerauswertungdesaktuellenSchler1Click);

    connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm3::SpeedButton5Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm3::SpeedButton9Click);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm3::Memo1Change);
    connect(Memo1, &QPlainTextEdit::customContextMenuRequested, this, &TForm3::showMemo1Menu);
}

TForm3::Placement TForm3::placementOn(const QRect &availableGeometry, const QMargins &frame)
{
    const QSize size(809, 606);
    const QSize framed = size.grownBy(frame);
    if (framed.width() > availableGeometry.width() || framed.height() > availableGeometry.height())
        return {availableGeometry.marginsRemoved(frame), true};
    QRect rect(QPoint(), size);
    rect.moveCenter(availableGeometry.marginsRemoved(frame).center());
    return {rect, false};
}

void TForm3::FormCreate()
{
    startverzeichnis = QDir::currentPath();
    if (!startverzeichnis.endsWith(u'/'))
        startverzeichnis += u'/';
    setWindowTitle(applicationTitle());

    // The frame is known only once the window manager has framed the shown window;
    // a title bar and borders as most desktops draw them are assumed.
    const QMargins frame(8, 31, 8, 8);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const Placement placement =
        placementOn(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768), frame);
    resize(placement.geometry.size());
    move(placement.geometry.topLeft() - QPoint(frame.left(), frame.top()));
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm3::firstShow()
{
    for (LazyFileDialog *dialog : {&OpenDialog1, &OpenDialog2, &SaveDialog1, &SaveDialog2})
        dialog->configure(
            [folder = startverzeichnis](QFileDialog *made) { made->setDirectory(folder); });
    // The settings start from their start-up values, which a complete "default.opt"
    // then overrides; a missing or unreadable one is reported here, once.
    TForm10 &settings = *laufbahn().Form10;
    settings.setInitialFolder(startverzeichnis);
    settings.setStartUpValues();
    settings.einstellungen_laden(startverzeichnis + u"default.opt"_s);
}

void TForm3::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowPending) {
        m_firstShowPending = false;
        firstShow();
    }
}

void TForm3::closeEvent(QCloseEvent *event)
{
    // A run is never cut off: the pupil ends it in the rewrite form, and it is recorded.
    if (m_lauf) {
        event->ignore();
        return;
    }
    if (confirmDiscardText() && confirmLeavePupil())
        event->accept();
    else
        event->ignore();
}

QPrinter *TForm3::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

// ---------------------------------------------------------------- services

int TForm3::farbtiefe() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->depth() : 0;
}

void TForm3::Delay_ms(int ms)
{
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void TForm3::ShowTaskBar(bool show)
{
#ifdef Q_OS_WIN
    if (HWND taskBar = FindWindowW(L"Shell_TrayWnd", nullptr))
        ShowWindow(taskBar, show ? SW_SHOW : SW_HIDE);
#else
    // Elsewhere the full-screen displays cover panels by themselves.
    Q_UNUSED(show);
#endif
}

// ---------------------------------------------------------------- text state

void TForm3::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 2)
        m_statusPanels[panel]->setText(text);
}

QString TForm3::statusText(int panel) const
{
    return panel >= 0 && panel < 2 ? m_statusPanels[panel]->text() : QString();
}

QString TForm3::textName(const QString &path) const
{
    const QString bare = QFileInfo(path).fileName();
    return startverzeichnis + bare == path ? bare : path;
}

QString TForm3::textPath(const QString &name) const
{
    return QFileInfo(name).isAbsolute() ? name : startverzeichnis + name;
}

TForm3::TextState TForm3::textState() const
{
    const QString name = Label6->text();
    if (name == keinText)
        return TextState::None;
    return name == neuerText ? TextState::New : TextState::Named;
}

void TForm3::setCurrentText(const QString &name)
{
    Label6->setText(name);
    setStatusText(0, name == neuerText ? name : u"aktueller Text: "_s + name);
}

bool TForm3::loadText(const QString &path, bool oldFormat)
{
    IoError error;
    {
        // A long word list takes the editor seconds.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        const std::optional<QString> text =
            oldFormat ? textfile::readOldText(path, &error) : textfile::readText(path, &error);
        if (text) {
            Memo1->setPlainText(*text);
            Memo1->document()->setModified(false);
            return true;
        }
    }
    if (error.code == IoError::TooLarge) {
        showWarning(this, u"Die Datei ist zu groß für einen Übungstext: ein Text darf höchstens "
                          "%1 MB groß sein. Die Datei wurde nicht geladen."_s.arg(
                              textfile::maxTextBytes / (1024 * 1024)));
        return false;
    }
    showIoError(this, error);
    return false;
}

bool TForm3::writeTextFile(const QString &path, const QString &text)
{
    const WriteResult result = textfile::writeText(path, text);
    if (!result.ok())
        showWriteError(this, result, WrittenFile::Text);
    return result.ok();
}

bool TForm3::confirmDiscardText()
{
    if (!Memo1->document()->isModified() || Memo1->document()->isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, applicationTitle(), u"Änderungen am Text speichern?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(u"Ja"_s);
    box.button(QMessageBox::No)->setText(u"Nein"_s);
    box.button(QMessageBox::Cancel)->setText(u"Abbrechen"_s);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return speichern1Click();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TForm3::clearResults()
{
    RichEdit1->clear();
    Memo3->clear();
}

void TForm3::showStep3()
{
    GroupBox4->show();
    GroupBox3->setVisible(!Fehlerverstecken1->isChecked());
}

void TForm3::hideStep3()
{
    GroupBox3->hide();
    GroupBox4->hide();
}

// ---------------------------------------------------------------- commands

void TForm3::Memo1Change()
{
    dateityp_feststellen();
    GroupBox1->show();
}

void TForm3::dateityp_feststellen()
{
    // Only the start counts, and a long text is not copied on every key.
    switch (markup::dateityp_feststellen(editorText(*Memo1->document(), markup::maxTextLength))) {
    case markup::FileType::Woerter:
        RadioButton1->setChecked(true);
        break;
    case markup::FileType::Wortgruppen:
        RadioButton2->setChecked(true);
        break;
    case markup::FileType::Text:
        RadioButton3->setChecked(true);
        break;
    }
}

void TForm3::neu1Click()
{
    if (!confirmDiscardText())
        return;
    zufallsfolge = false;
    Memo1->clear();
    Memo1->document()->setModified(false);
    setCurrentText(neuerText.toString());
    clearResults();
    Memo1Change();
    Memo1->setFocus();
}

void TForm3::ffnen1Click()
{
    if (confirmDiscardText() && OpenDialog1->exec() == QDialog::Accepted &&
        !OpenDialog1->selectedFiles().isEmpty()) {
        const QString path = QDir::cleanPath(OpenDialog1->selectedFiles().constFirst());
        const bool oldFormat = OpenDialog1->selectedNameFilter() == oldTextFilter;
        if (loadText(path, oldFormat)) {
            zufallsfolge = false;
            setCurrentText(textName(path));
            GroupBox1->show();
            clearResults();
        }
    }
    // Also after a cancelled dialog: the teacher may have changed the buttons by hand.
    dateityp_feststellen();
}

bool TForm3::speichernunter1Click()
{
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return false;
    const QString path = QDir::cleanPath(SaveDialog1->selectedFiles().constFirst());
    if (!writeTextFile(path, editorText(*Memo1->document())))
        return false;
    setCurrentText(textName(path));
    zufallsfolge = false;
    Memo1->document()->setModified(false);
    return true;
}

bool TForm3::speichern1Click()
{
    const QString name = Label6->text();
    // A random word order or a converted old text must never replace its source unasked.
    if (textState() != TextState::Named || zufallsfolge || textfile::isOldTextName(name))
        return speichernunter1Click();
    if (!writeTextFile(textPath(name), editorText(*Memo1->document())))
        return false;
    Memo1->document()->setModified(false);
    return true;
}

void TForm3::Druckereinstellungen1Click()
{
    QPrintDialog dialog(printer(), this);
    dialog.setWindowTitle(u"Druckereinstellungen"_s);
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    // Choosing the printer prints nothing: the confirming button must not say "print".
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(u"OK"_s);
    }
    dialog.exec();
}

void TForm3::Info1Click()
{
    laufbahn().Form7->exec();
}

void TForm3::Programmende1Click()
{
    close();
}

void TForm3::zuflligeWortfolge1Click()
{
    RichEdit1->clear();
    Memo3->clear();
    zufallsfolge = true;
    setStatusText(0, u"zufällige Wortfolge"_s);
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    const QString line = wortfolge::zufaellige_wortfolge(editorText(*Memo1->document()), random);
    // Replaced through the cursor, so that the teacher can undo the shuffle.
    QTextCursor cursor(Memo1->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(line);
}

void TForm3::Fehlerverstecken1Click()
{
    if (Fehlerverstecken1->isChecked())
        GroupBox3->hide();
    else
        GroupBox3->setVisible(!GroupBox4->isHidden());
}

void TForm3::SpeedButton6Click()
{
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    writeTextFile(QDir::cleanPath(SaveDialog1->selectedFiles().constFirst()),
                  editorText(*Memo3->document()));
}

void TForm3::SpeedButton7Click()
{
    QListWidgetItem *item = ListBox3->currentItem();
    if (!item || !item->isSelected() || item->text().isEmpty())
        return;
    item->setText(pupilrecord::lowercaseFirst(item->text()));
    schueler_update();
}

void TForm3::SpeedButton8Click()
{
    QListWidgetItem *item = ListBox3->currentItem();
    if (!item || !item->isSelected())
        return;
    delete ListBox3->takeItem(ListBox3->row(item));
    schueler_update();
}

void TForm3::showMemo1Menu(const QPoint &pos)
{
    const QPoint global = Memo1->viewport()->mapToGlobal(pos);
    if (!PopupMenu1->isEmpty()) {
        PopupMenu1->popup(global);
        return;
    }
    QMenu *standard = Memo1->createStandardContextMenu();
    standard->setAttribute(Qt::WA_DeleteOnClose);
    standard->popup(global);
}
