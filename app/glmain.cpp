#include "app/glmain.h"

#include "app/aufbau.h"
#include "app/druckbefehle.h"
#include "app/editorbefehle.h"
#include "app/entwickler.h"
#include "app/ergebnisprotokoll.h"
#include "app/info.h"
#include "app/laufbahnapp.h"
#include "app/silbenbefehle.h"
#include "app/symbole.h"
#include "app/textbefehle.h"
#include "app/translate.h"
#include "app/wiederholungsstart.h"
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

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

TForm3::TForm3(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"Form3"_s);

    m_werkzeugleiste = hauptfensterAufbauen(*this, *this);
    m_ergebnis = std::make_unique<Ergebnisprotokoll>(*RichEdit1, *RichEdit2, *Memo3, *Memo5);

    for (int panel = 0; panel < 2; ++panel) {
        m_statusPanels[panel] = named(new ElidedLabel, u"StatusBar1Panel%1"_s.arg(panel));
        m_statusPanels[panel]->setContentsMargins(4, 0, 4, 0);
    }
    m_statusPanels[0]->setFixedWidth(400);
    StatusBar1->addPermanentWidget(m_statusPanels[0], 0);
    StatusBar1->addPermanentWidget(m_statusPanels[1], 1);
    // The panels fill the bar, so a message (a text cut short, a dictation that cannot
    // speak) takes the bar over them until the next run starts or a panel changes; then
    // the panels are back.
    connect(StatusBar1, &QStatusBar::messageChanged, this, [this](const QString &meldung) {
        for (QLabel *panel : m_statusPanels)
            panel->setVisible(meldung.isEmpty());
    });
    setStatusText(0, keinText.toString());
    setStatusText(1, keinSchueler.toString());

    for (LazyFileDialog *dialog : {&OpenDialog1, &OpenDialog2, &SaveDialog1})
        dialog->configure([](QFileDialog *made) { made->resize(760, 480); });

    connectCommands();
    m_editor = new EditorBefehle(*this, *Memo1, *PopupMenu1, *StatusBar1, [this]() -> QString {
        return startverzeichnis + u"default.opt"_s;
    });
    m_silben = new SilbenBefehle(*this, *Memo1, *PopupMenu1);
    entwicklerEintraegeEinrichten(*this, *Memo1, *alternativerLaufmodus1);
    wiederholungEinrichten();
    FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::connectCommands()
{
    m_textbefehle = new Textbefehle(*this, *Memo1, *Memo3, OpenDialog1, SaveDialog1, [this] {
        const QString name = Label6->text();
        // A random word order or a converted old text must never replace its source unasked.
        if (textState() != TextState::Named || zufallsfolge || textfile::isOldTextName(name))
            return QString();
        return textPath(name);
    });
    connect(m_textbefehle, &Textbefehle::gespeichertUnter, this, [this](const QString &pfad) {
        setCurrentText(textName(pfad));
        zufallsfolge = false;
    });
    connect(neu1, &QAction::triggered, this, &TForm3::neu1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::neu1Click);
    connect(ffnen1, &QAction::triggered, this, &TForm3::ffnen1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::ffnen1Click);
    connect(speichern1, &QAction::triggered, m_textbefehle, &Textbefehle::speichern1Click);
    connect(SpeedButton3, &QToolButton::clicked, m_textbefehle, &Textbefehle::speichern1Click);
    connect(speichernunter1, &QAction::triggered, m_textbefehle,
            &Textbefehle::speichernunter1Click);
    connect(SpeedButton6, &QToolButton::clicked, m_textbefehle, &Textbefehle::SpeedButton6Click);
    connect(Druckereinstellungen1, &QAction::triggered, this, &TForm3::Druckereinstellungen1Click);
    auto *drucke = new Druckbefehle(
        *this,
        {*Memo1, *Memo3, *Memo5, *ListBox1, *Sonderzeichennichtdrucken1, *Label8, startverzeichnis,
         [this] { return textState() == TextState::Named ? Label6->text() : QString(); },
         [this] { return schuelerGeladen() ? Edit1->text() : QString(); },
         [this] { return printer(); }});
    connect(drucken1, &QAction::triggered, drucke, &Druckbefehle::drucken1Click);
    connect(SpeedButton4, &QToolButton::clicked, drucke, &Druckbefehle::drucken1Click);
    connect(alleTextedrucken1, &QAction::triggered, drucke, &Druckbefehle::alleTextedrucken1Click);
    connect(SpeedButton5, &QToolButton::clicked, drucke, &Druckbefehle::SpeedButton5Click);
    connect(SpeedButton9, &QToolButton::clicked, drucke, &Druckbefehle::SpeedButton9Click);
    connect(Info1, &QAction::triggered, this, &TForm3::Info1Click);
    connect(Programmende1, &QAction::triggered, this, &TForm3::Programmende1Click);
    connect(BitBtn8, &QPushButton::clicked, this, [] { laufbahn().Form10->exec(); });
    connect(BitBtn10, &QPushButton::clicked, this, &TForm3::BitBtn10Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { lesenStarten(lauf::Art::Lesefinger, false); });
    connect(BitBtn5, &QPushButton::clicked, this,
            [this] { lesenStarten(lauf::Art::Silbenlesen, false); });
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this,
            [this] { lesenStarten(lauf::Art::Lesefinger, true); });
    connect(BitBtn6, &QPushButton::clicked, this,
            [this] { lesenStarten(lauf::Art::Silbenlesen, true); });

    klassenuebersichtEinrichten();
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

    connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm3::Memo1Change);
}

void TForm3::wiederholungEinrichten()
{
    // "Schüler" -> "Wiederholung...", after "Lernverlauf...".
    const QList<QAction *> eintraege = Optionen1->actions();
    auto *wiederholung = new Wiederholungsstart(
        *this, *m_schueler, *Optionen1, eintraege.value(eintraege.indexOf(Lernverlauf1) + 1),
        {[this](const QList<lauf::Uebungswort> &woerter) { return wiederholungFuehren(woerter); },
         [this] { return laufGehtVor(); }});
    unterFehlerwiederholung(*this, wiederholung->Zeile);
}

void TForm3::uebersetzungVerbinden(TForm19 *uebersetzung)
{
    connect(Translate1, &QAction::triggered, uebersetzung, &TForm19::translatetoespanol);
    connect(deutsch1, &QAction::triggered, uebersetzung, &TForm19::translatetodeutsch);
    // The Spanish file types need room; the widths before come back with German.
    connect(uebersetzung, &TForm19::spracheGewechselt, this, [this](bool spanisch) {
        if (spanisch) {
            m_dateitypBreiten = {RadioButton2->minimumWidth(), RadioButton2->maximumWidth(),
                                 RadioGroup1->minimumWidth(), RadioGroup1->maximumWidth()};
            RadioButton2->setFixedWidth(160);
            RadioGroup1->setFixedWidth(180);
            return;
        }
        RadioButton2->setMinimumWidth(m_dateitypBreiten[0]);
        RadioButton2->setMaximumWidth(m_dateitypBreiten[1]);
        RadioGroup1->setMinimumWidth(m_dateitypBreiten[2]);
        RadioGroup1->setMaximumWidth(m_dateitypBreiten[3]);
    });
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
    for (LazyFileDialog *dialog : {&OpenDialog1, &OpenDialog2, &SaveDialog1})
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
    if (m_textbefehle->confirmDiscardText() && confirmLeavePupil())
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

void TForm3::versteckteBefehleZeigen(bool zeigen)
{
    m_versteckteBefehle = zeigen;
    for (QWidget *befehl : {BitBtn1, BitBtn5, BitBtn2, BitBtn4, BitBtn6})
        befehl->setVisible(zeigen);
    for (QAction *befehl : {N5, Translate1, deutsch1})
        befehl->setVisible(zeigen);
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
    if (panel < 0 || panel >= 2 || m_statusPanels[panel]->text() == text)
        return;
    m_statusPanels[panel]->setText(text);
    // What changed is shown at once, over a message from before.
    StatusBar1->clearMessage();
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

bool TForm3::schuelerGeladen() const
{
    return Edit1->text() != keinSchueler;
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
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        std::optional<QString> text =
            oldFormat ? textfile::readOldText(path, &error) : textfile::readText(path, &error);
        if (text) {
            Memo1->setPlainText(inEditorBloecken(std::move(*text)));
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

void TForm3::neu1Click()
{
    neu();
}

bool TForm3::neu()
{
    if (!m_textbefehle->confirmDiscardText())
        return false;
    zufallsfolge = false;
    Memo1->clear();
    Memo1->document()->setModified(false);
    setCurrentText(neuerText.toString());
    m_ergebnis->textGewechselt();
    Memo1Change();
    Memo1->setFocus();
    return true;
}

bool TForm3::alsWortliste(const QStringList &woerter)
{
    if (!neu())
        return false;
    QString text;
    for (const QString &wort : woerter)
        text += wort + u' ';
    QTextCursor(Memo1->document()).insertText(text);
    dateityp_feststellen();
    return true;
}

void TForm3::ffnen1Click()
{
    if (const std::optional<Textbefehle::Gewaehlt> datei = m_textbefehle->textWaehlen())
        textOeffnen(datei->pfad, datei->altesFormat);
    // Also after a cancelled dialog: the teacher may have changed the buttons by hand.
    dateityp_feststellen();
}

void TForm3::textOeffnen(const QString &path, bool oldFormat)
{
    if (loadText(path, oldFormat)) {
        zufallsfolge = false;
        setCurrentText(textName(path));
        GroupBox1->show();
        m_ergebnis->textGewechselt();
    }
}

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
    m_ergebnis->textGewechselt();
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

bool TForm3::lueckentextPruefen(QPlainTextEdit *editor, qsizetype laenge)
{
    return m_editor->lueckentextPruefen(editor, laenge);
}
