#include "writing/ui/nachschreiben.h"

#include "exercise/ui/sprachwechsel.h"
#include "writing/core/praisefile.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"
#include "writing/ui/vorleser.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolButton>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

// The editor the pupil writes in: Return asks to finish instead of breaking the line,
// and pasted text arrives as plain text on one line.
class NachschreibEditor : public QTextEdit {
    Q_OBJECT
public:
    explicit NachschreibEditor(QWidget *parent) : QTextEdit(parent)
    {
        setAcceptRichText(false);
        setTabChangesFocus(true);
    }

signals:
    void eingabeTaste();

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            emit eingabeTaste();
            return;
        }
        QTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData *source) override
    {
        QString text = source->text();
        for (QChar &c : text) {
            if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::ParagraphSeparator ||
                c == QChar::LineSeparator)
                c = u' ';
        }
        textCursor().insertText(text);
    }
};

// The written text laid out as the editor showed it, its lines swept by the reading
// finger column by column: what lies left of the finger is drawn in the finger colour.
class Lesefinger : public QWidget {
public:
    explicit Lesefinger(QWidget *parent) : QWidget(parent)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    // Lays out `text` as `editor` lays out its document, at the place of its viewport;
    // the picture may reach down to `unten` when the text has more lines than it shows.
    void vorbereiten(const QTextEdit *editor, const QString &text, int unten)
    {
        const QTextDocument *vorbild = editor->document();
        m_doc.setDefaultFont(vorbild->defaultFont());
        m_doc.setDefaultTextOption(vorbild->defaultTextOption());
        m_doc.setDocumentMargin(vorbild->documentMargin());
        m_doc.setPlainText(text);
        m_doc.setTextWidth(vorbild->textWidth());

        m_zeilen.clear();
        m_doc.documentLayout()->documentSize(); // lays the text out
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            const QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                m_zeilen << QRectF(layout->position() + QPointF(line.x(), line.y()),
                                   QSizeF(line.naturalTextWidth(), line.height()))
                                .toAlignedRect();
            }
        }

        QRect feld(editor->viewport()->mapTo(parentWidget(), QPoint(0, 0)),
                   editor->viewport()->size());
        const int hoehe = int(std::ceil(m_doc.size().height()));
        feld.setHeight(qBound(feld.height(), hoehe, qMax(feld.height(), unten - feld.top())));
        setGeometry(feld);
        m_zeile = 0;
        m_spalte = -1;
        m_versatz = {};
    }

    QList<int> zeilenBreiten() const
    {
        QList<int> breiten;
        for (const QRect &zeile : m_zeilen)
            breiten << zeile.width();
        return breiten;
    }

    void setFarben(const QColor &normal, const QColor &finger)
    {
        m_normal = normal;
        m_finger = finger;
    }

    void zeigen(int zeile, int spalte)
    {
        m_zeile = zeile;
        m_spalte = spalte;
        // The finger stays in sight when the text is wider or longer than the picture.
        if (zeile < m_zeilen.size()) {
            const QRect &z = m_zeilen[zeile];
            m_versatz.setY(qMax(0, z.bottom() + 1 - height()));
            m_versatz.setX(qMax(0, z.left() + spalte + 1 - width()));
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.translate(-m_versatz);
        QAbstractTextDocumentLayout::PaintContext kontext;
        kontext.palette = palette();
        kontext.palette.setColor(QPalette::Text, m_normal);
        m_doc.documentLayout()->draw(&painter, kontext);

        QRegion gestrichen;
        for (int i = 0; i < m_zeilen.size() && i <= m_zeile; ++i) {
            QRect z = m_zeilen[i];
            if (i == m_zeile)
                z.setWidth(m_spalte + 1);
            gestrichen += z;
        }
        if (gestrichen.isEmpty())
            return;
        painter.setClipRegion(gestrichen);
        painter.fillRect(gestrichen.boundingRect(), palette().window());
        kontext.palette.setColor(QPalette::Text, m_finger);
        m_doc.documentLayout()->draw(&painter, kontext);
    }

private:
    QTextDocument m_doc;
    QList<QRect> m_zeilen;
    QColor m_normal;
    QColor m_finger;
    int m_zeile = 0;
    int m_spalte = -1;
    QPoint m_versatz;
};

namespace {

QToolButton *knopf(QWidget *parent, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(32, 32));
    return button;
}

// Replaces the editor's text by `text`, touching only what differs, so the colours of
// the letters that stay are kept.
void ersetzen(QTextDocument *doc, const QString &alt, const QString &text)
{
    qsizetype vorne = 0;
    while (vorne < alt.size() && vorne < text.size() && alt[vorne] == text[vorne])
        ++vorne;
    qsizetype hinten = 0;
    while (hinten < alt.size() - vorne && hinten < text.size() - vorne &&
           alt[alt.size() - 1 - hinten] == text[text.size() - 1 - hinten])
        ++hinten;
    QTextCursor cursor(doc);
    cursor.setPosition(int(vorne));
    cursor.setPosition(int(alt.size() - hinten), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(vorne, text.size() - vorne - hinten));
}

} // namespace

Nachschreiben::Nachschreiben(writing::Nachschreibform form, QWidget *parent)
    : QDialog(parent), SpeedButton1(knopf(this, u"SpeedButton1"_s)),
      SpeedButton2(knopf(this, u"SpeedButton2"_s)), SpeedButton3(knopf(this, u"SpeedButton3"_s)),
      Label2(new QLabel(this)), m_form(form), m_editor(new NachschreibEditor(this)),
      m_finger(new Lesefinger(this))
{
    resize(800, 600);
    setAutoFillBackground(true);

    RichEdit1 = m_editor;
    RichEdit1->setObjectName(u"RichEdit1"_s);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (form == writing::Nachschreibform::Wort) {
        RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
        RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    Label1 = m_finger;
    Label1->setObjectName(u"Label1"_s);
    Label1->hide();

    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont knopfSchrift = SpeedButton1->font();
    knopfSchrift.setPixelSize(24);
    knopfSchrift.setBold(true);
    SpeedButton1->setFont(knopfSchrift);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    SpeedButton2->setShortcut(QKeySequence(Qt::Key_F5));
    SpeedButton3->setToolTip(u"Übung beenden"_s);

    Label2->setObjectName(u"Label2"_s);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont hinweis(u"Arial"_s);
    hinweis.setPixelSize(19);
    hinweis.setBold(true);
    Label2->setFont(hinweis);
    Label2->hide();

    m_fingerTakt.setTimerType(Qt::PreciseTimer);
    m_fingerTakt.setInterval(10);

    connect(RichEdit1, &QTextEdit::textChanged, this, &Nachschreiben::RichEdit1Change);
    // A wrong change undone puts the caret back where the pupil had put it.
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, [this] {
        if (RichEdit1->toPlainText() == m_stand.text)
            m_stand.caret = RichEdit1->textCursor().position();
    });
    connect(m_editor, &NachschreibEditor::eingabeTaste, this, &Nachschreiben::pruefen);
    connect(SpeedButton1, &QToolButton::clicked, this, &Nachschreiben::pruefen);
    connect(SpeedButton2, &QToolButton::clicked, this, &Nachschreiben::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::reject);
    connect(&m_fingerTakt, &QTimer::timeout, this, &Nachschreiben::fingerTakt);
    beiSprachwechsel(this, [this] {
        setWindowTitle(tr("Nachschreiben"));
        SpeedButton1->setText(tr("fertig"));
        Label2->setText(tr("Wenn Du einen Fehler gefunden hast, kannst Du jetzt berichtigen"));
    });
}

Nachschreiben::~Nachschreiben() = default;

void Nachschreiben::setVergleichsform(TForm14 *vergleich)
{
    m_vergleich = vergleich;
}

void Nachschreiben::setLobformen(TForm11 *text, TForm16 *bild, QRandomGenerator *zufall)
{
    m_lobText = text;
    m_lobBild = bild;
    m_zufall = zufall;
}

void Nachschreiben::setVorleser(Vorleser *vorleser)
{
    if (m_vorleser)
        m_vorleser->disconnect(this);
    m_vorleser = vorleser;
    if (m_vorleser)
        connect(m_vorleser, &Vorleser::nichtVorgelesen, this, &Nachschreiben::nichtVorgelesen);
}

void Nachschreiben::init(const QString &zielText, const writing::NachschreibEingabe &eingabe,
                         const NachschreibAnsicht &ansicht)
{
    m_eingabe = eingabe;
    m_ansicht = ansicht;
    ohne_fehler = true;
    abbruch = true;
    m_ergebnis = {};
    ziel = zielText;
    geprueft = false;
    pruefung_aktiv = true;
    m_fertigLaeuft = false;
    SpeedButton2->setToolTip(eingabe.diktat.vorlesen && m_vorleser ? u"Nochmal vorlesen (F5)"_s
                                                                   : u"Nochmal zeigen (F5)"_s);

    QPalette hinweisFarbe = Label2->palette();
    hinweisFarbe.setColor(QPalette::WindowText, ansicht.normalFarbe);
    Label2->setPalette(hinweisFarbe);
    Label2->hide();
    QPalette formFarbe = palette();
    formFarbe.setColor(QPalette::Window, ansicht.formFarbe);
    setPalette(formFarbe);

    {
        const QSignalBlocker still(RichEdit1);
        RichEdit1->clear();
        RichEdit1->setCurrentCharFormat(QTextCharFormat());
        RichEdit1->setFont(ansicht.schrift);
        QPalette editorFarben = RichEdit1->palette();
        editorFarben.setColor(QPalette::Text, ansicht.normalFarbe);
        editorFarben.setColor(QPalette::Base, ansicht.hintergrund);
        RichEdit1->setPalette(editorFarben);
    }
    m_stand = {};
    RichEdit1->show();
    Label1->hide();
    m_finger->setFarben(ansicht.normalFarbe, ansicht.fingerFarbe);
    knoepfeFreigeben(true);

    finger_pause = writing::fingerPause(ansicht.fingerTempo);
    if (const std::optional<writing::Reaktion> r =
            writing::reaktionFuerKnopf(ansicht.reaktionsKnopf))
        reaktion = *r;
    initErgaenzen();
    anordnen();
    RichEdit1->setFocus();
}

Nachgeschrieben Nachschreiben::nachschreiben(const QString &zielText,
                                             const writing::NachschreibEingabe &eingabe,
                                             const NachschreibAnsicht &ansicht)
{
    init(zielText, eingabe, ansicht);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    m_ergebnis.abbruch = abbruch;
    return m_ergebnis;
}

int Nachschreiben::textHoehe() const
{
    return QFontMetrics(m_ansicht.schrift).height();
}

void Nachschreiben::anordnen()
{
    const int w = width();
    const int h = textHoehe();
    SpeedButton1->setGeometry(96, 8, w - 192, 48);
    SpeedButton2->setGeometry(32, 8, 56, 48);
    SpeedButton3->setGeometry(w - 88, 8, 56, 48);
    if (m_form == writing::Nachschreibform::Wort)
        RichEdit1->setGeometry(32, height() / 2 - (h + 20) / 2, w - 64, h + 20);
    else
        RichEdit1->setGeometry(32, height() / 2 - 2 * h - 40, w - 64, (h + 20) * 4);
    Label2->setGeometry(0, height() - 48, w, 40);
}

void Nachschreiben::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    anordnen();
}

void Nachschreiben::knoepfeFreigeben(bool frei)
{
    SpeedButton1->setEnabled(frei);
    SpeedButton2->setEnabled(frei);
    SpeedButton3->setEnabled(frei);
}

void Nachschreiben::RichEdit1Change()
{
    if (!pruefung_aktiv)
        return;
    const writing::Stand jetzt{RichEdit1->toPlainText(), RichEdit1->textCursor().position()};
    // Qt reports a change of the colours as a change too; only the text counts.
    if (jetzt.text == m_stand.text)
        return;
    anwenden(writing::aenderungPruefen(m_form, reaktion, m_stand, jetzt, ziel));
}

void Nachschreiben::anwenden(const writing::Pruefung &pruefung)
{
    // What the check writes does not come back to it.
    const QSignalBlocker still(RichEdit1);
    if (pruefung.zurueckschreiben)
        ersetzen(RichEdit1->document(), RichEdit1->toPlainText(), pruefung.stand.text);
    for (const writing::Farbspanne &spanne : pruefung.farben) {
        QTextCursor cursor(RichEdit1->document());
        cursor.setPosition(spanne.start);
        cursor.setPosition(spanne.start + spanne.laenge, QTextCursor::KeepAnchor);
        QTextCharFormat farbe;
        farbe.setForeground(spanne.fehler ? m_ansicht.fehlerFarbe : m_ansicht.normalFarbe);
        cursor.mergeCharFormat(farbe);
    }
    if (pruefung.hintergrundFehler) {
        QPalette farben = RichEdit1->palette();
        farben.setColor(QPalette::Base, *pruefung.hintergrundFehler ? m_ansicht.fehlerFarbe
                                                                    : m_ansicht.hintergrund);
        RichEdit1->setPalette(farben);
    }
    QTextCursor caret = RichEdit1->textCursor();
    caret.setPosition(pruefung.stand.caret);
    RichEdit1->setTextCursor(caret);
    m_stand = pruefung.stand;
    if (pruefung.ohneFehlerFaellt)
        ohne_fehler = false;
    if (pruefung.fertig) {
        // Not from inside the editor's change: the finish may open other windows.
        pruefung_aktiv = false;
        QMetaObject::invokeMethod(this, &Nachschreiben::pruefen, Qt::QueuedConnection);
    }
}

void Nachschreiben::pruefen()
{
    if (m_fertigLaeuft || fingerLaeuft() || !isVisible())
        return;
    pruefung_aktiv = false;
    if (reaktion != writing::Reaktion::Lesefinger || geprueft) {
        fertig();
        return;
    }
    fingerStarten();
}

void Nachschreiben::fertig()
{
    m_fertigLaeuft = true;
    const writing::Auswertung auswertung = writing::auswerten(
        RichEdit1->toPlainText(), ziel, ohne_fehler, m_ansicht.lob, m_eingabe.neueUebung);
    m_ergebnis.auswertung = auswertung;
    emit ausgewertet(auswertung);
    if (!auswertung.richtig && m_vergleich) {
        writing::VergleichsEingabe vergleich = m_eingabe.vergleich;
        vergleich.geschrieben = auswertung.geschrieben;
        vergleich.vorlage = ziel;
        m_ergebnis.vergleich = m_vergleich->vergleichen(vergleich, m_ansicht.vergleich);
    }
    loben(auswertung.lob);
    abbruch = false;
    accept();
}

void Nachschreiben::loben(writing::Lob lob)
{
    QRandomGenerator &zufall = m_zufall ? *m_zufall : *QRandomGenerator::global();
    if (lob == writing::Lob::Text && m_lobText) {
        const QStringList &zeilen = m_eingabe.lobZeilen;
        const QString text = zeilen.isEmpty()
                                 ? praise::fallbackPraise()
                                 : zeilen[qsizetype(zufall.bounded(quint32(zeilen.size())))];
        // The praise stands on the rewrite form's background in its writing colour.
        m_lobText->zeigen(text, {m_ansicht.formFarbe, m_ansicht.normalFarbe});
    } else if (lob == writing::Lob::Bild && m_lobBild) {
        m_lobBild->zeigen(zufall);
    }
}

void Nachschreiben::fingerStarten()
{
    finger_stop = false;
    knoepfeFreigeben(false);
    m_finger->vorbereiten(RichEdit1, RichEdit1->toPlainText(), Label2->y());
    m_lauf.emplace(m_finger->zeilenBreiten());
    m_finger->zeigen(0, -1);
    RichEdit1->hide();
    Label1->show();
    Label1->setFocus();
    m_fingerUhr.start();
    m_fingerTakt.start();
}

void Nachschreiben::fingerTakt()
{
    const double ms = double(m_fingerUhr.nsecsElapsed()) / 1e6;
    m_fingerUhr.restart();
    m_lauf->weiter(ms, finger_pause);
    m_finger->zeigen(m_lauf->zeile(), m_lauf->spalte());
    if (m_lauf->fertig())
        fingerEnde();
}

void Nachschreiben::fingerEnde()
{
    m_fingerTakt.stop();
    geprueft = true;
    Label1->hide();
    RichEdit1->show();
    RichEdit1->moveCursor(QTextCursor::End);
    RichEdit1->setFocus();
    Label2->show();
    knoepfeFreigeben(true);
}

void Nachschreiben::keyPressEvent(QKeyEvent *event)
{
    if (!fingerLaeuft()) {
        QDialog::keyPressEvent(event);
        return;
    }
    // While the finger sweeps: Escape ends the exercise, "+" and "-" change its pace.
    if (event->key() == Qt::Key_Escape) {
        finger_stop = true;
        reject();
    } else if (event->text() == u"+"_s) {
        finger_pause = writing::fingerPausePlus(m_form, m_ansicht.fingerTempo);
    } else if (event->text() == u"-"_s) {
        finger_pause = writing::fingerPauseMinus(finger_pause);
    }
    event->accept();
}

void Nachschreiben::done(int result)
{
    // Any way of closing stops the finger.
    m_fingerTakt.stop();
    QDialog::done(result);
}

writing::Wiederholung Nachschreiben::wiederholung() const
{
    writing::Wiederholung w;
    w.anzeige = m_eingabe.alternativ ? writing::Wiederholung::Anzeige::Alternativ
                                     : writing::Wiederholung::Anzeige::Laufbahn;
    w.laufbahnText = m_eingabe.laufbahnText;
    return w;
}

void Nachschreiben::SpeedButton2Click()
{
    const writing::DiktatEingabe &diktat = m_eingabe.diktat;
    const bool vorlesen = diktat.vorlesen && m_vorleser;
    if (vorlesen)
        m_vorleser->vorlesen(diktat.abschnitt, diktat.tempo);
    if (!vorlesen || diktat.gezeigt)
        emit nochmalZeigen(wiederholung());
    activateWindow();
    RichEdit1->setFocus();
}

void Nachschreiben::nichtVorgelesen()
{
    // Only while the pupil writes; after the finish the chunk no longer matters.
    if (!isVisible() || !m_eingabe.diktat.vorlesen || m_fertigLaeuft)
        return;
    m_eingabe.diktat.vorlesen = false;
    SpeedButton2->setToolTip(u"Nochmal zeigen (F5)"_s);
    if (std::exchange(m_eingabe.diktat.gezeigt, true))
        return;
    // Not from inside the failure's signal: the display runs modally.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible() && !m_fertigLaeuft && !fingerLaeuft())
                SpeedButton2Click();
        },
        Qt::QueuedConnection);
}

#include "nachschreiben.moc"
