#include "writing/ui/auswahl.h"

#include "exercise/ui/sprachwechsel.h"

#include <algorithm>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

TForm13::TForm13(QWidget *parent)
    : QDialog(parent), RichEdit1(new QTextEdit(this)), BitBtn1(new QPushButton(u"OK"_s, this)),
      SpeedButton1(new QToolButton(this)), SpeedButton2(new QToolButton(this))
{
    setObjectName(u"TForm13"_s);
    RichEdit1->setObjectName(u"RichEdit1"_s);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    SpeedButton1->setObjectName(u"SpeedButton1"_s);
    SpeedButton2->setObjectName(u"SpeedButton2"_s);
    setMinimumSize(400, 300);

    // The pupil moves a caret through the sentence but can neither change nor select it.
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setAcceptDrops(false);
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setCursorWidth(3);
    RichEdit1->installEventFilter(this);

    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    SpeedButton1->setIconSize(QSize(32, 32));
    SpeedButton2->setIconSize(QSize(32, 32));
    // The keys always reach the sentence.
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);

    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TForm13::caretOhneAuswahl);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm13::BitBtn1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm13::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm13::SpeedButton2Click);
    beiSprachwechsel(this, [this] { setWindowTitle(tr("Textabschnitt auswählen")); });
}

writing::AuswahlErgebnis TForm13::auswaehlen(const writing::AuswahlEingabe &eingabe,
                                             const AuswahlAnsicht &ansicht)
{
    m_eingabe = eingabe;
    m_ansicht = ansicht;
    init(eingabe.satz_nr);
    if (!m_keinSatz) {
        const QWidget *owner = parentWidget();
        if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
        exec();
    }
    return {m_abschnitt, m_eingabe.abschnitt_ende, m_satzNr};
}

void TForm13::init(int n)
{
    const writing::Satz satz = writing::satzFinden(m_eingabe.puffer, n);
    m_keinSatz = satz.nummer == 0;
    m_satzNr = m_keinSatz ? std::max(n, 1) : satz.nummer;
    m_auswahl =
        writing::SatzAuswahl(satz.roh, m_eingabe.letterPlaceholder, m_eingabe.partPlaceholder);
    m_abschnitt.clear();

    QPalette formPalette = palette();
    if (m_ansicht.formFarbe.isValid())
        formPalette.setColor(QPalette::Window, m_ansicht.formFarbe);
    setPalette(formPalette);
    QPalette editorPalette = RichEdit1->palette();
    editorPalette.setColor(QPalette::Base, m_ansicht.editorFarbe);
    editorPalette.setColor(QPalette::Text, m_ansicht.normalFarbe);
    RichEdit1->setPalette(editorPalette);
    RichEdit1->setFont(m_ansicht.schrift);
    RichEdit1->setPlainText(m_auswahl.anzeigeSatz());
    faerben();

    RichEdit1->setFocus();
    caretSetzen(m_eingabe.abschnitt_ende);
}

void TForm13::BitBtn1Click()
{
    m_eingabe.abschnitt_ende = caret();
    m_abschnitt = m_auswahl.abschnitt();
    accept();
}

void TForm13::SpeedButton1Click()
{
    m_eingabe.abschnitt_ende = 0;
    init(std::max(m_satzNr - 1, 1));
}

void TForm13::SpeedButton2Click()
{
    m_eingabe.abschnitt_ende = 0;
    init(m_satzNr + 1);
}

bool TForm13::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress)
        return taste(static_cast<QKeyEvent *>(event)->key());
    return QDialog::eventFilter(watched, event);
}

// True when the key was taken; every other key reaches the editor, which moves the
// caret but changes nothing.
bool TForm13::taste(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Space:
        caretSetzen(m_auswahl.leertaste(caret()));
        faerben();
        return true;
    case Qt::Key_Backspace:
        caretSetzen(m_auswahl.ruecktaste(caret()));
        faerben();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BitBtn1Click();
        return true;
    default:
        return false;
    }
}

// The marking lives in the model; the colours only show it.
void TForm13::faerben()
{
    QTextCharFormat normal;
    normal.setForeground(m_ansicht.normalFarbe);
    QTextCharFormat markiert;
    markiert.setForeground(m_ansicht.auswahlFarbe);
    QTextCursor cursor(RichEdit1->document());
    const int n = m_auswahl.laenge();
    for (int von = 0; von < n;) {
        int bis = von + 1;
        while (bis < n && m_auswahl.markiert(bis) == m_auswahl.markiert(von))
            ++bis;
        cursor.setPosition(von);
        cursor.setPosition(bis, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(m_auswahl.markiert(von) ? markiert : normal);
        von = bis;
    }
}

int TForm13::caret() const
{
    return RichEdit1->textCursor().position();
}

void TForm13::caretSetzen(int offset)
{
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.setPosition(std::clamp(offset, 0, m_auswahl.laenge()));
    RichEdit1->setTextCursor(cursor);
    RichEdit1->ensureCursorVisible();
}

void TForm13::caretOhneAuswahl()
{
    QTextCursor cursor = RichEdit1->textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.clearSelection();
    RichEdit1->setTextCursor(cursor);
}

void TForm13::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    RichEdit1->setGeometry(32, 100, w - 64, h - 180);
    // Below the sentence, in the band the form leaves free under it.
    const int top = h - 68;
    const int high = 52;
    BitBtn1->setGeometry(112, top, w - 224, high);
    SpeedButton1->setGeometry(32, top, 64, high);
    SpeedButton2->setGeometry(w - 105, top, 64, high);
}
