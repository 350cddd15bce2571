// The exercise run: "Laufbahn starten" and the error repetition cut the text into
// chunks, show each on a display, have the pupil write it, and record the wrong words.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "display/ui/kuzzeit.h"
#include "exercise/core/markup.h"
#include "exercise/ui/editortext.h"
#include "settings/ui/einstell.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

const QString gekuerztHinweis =
    u"Der Text ist länger als 8000 Zeichen: geübt wird nur sein Anfang."_s;

} // namespace

bool TForm3::pufferFuellen(QPlainTextEdit *editor, markup::BufferLayout layout)
{
    StatusBar1->clearMessage();
    const QString text = editorText(*editor->document());
    const lauf::Uebungstext teil = lauf::uebungstext(text);
    if (!lueckentextPruefen(editor, teil.laenge))
        return false;
    puffer = markup::fillBuffer(QStringView(text).first(teil.laenge), layout);
    if (teil.gekuerzt)
        StatusBar1->showMessage(gekuerztHinweis);
    return true;
}

void TForm3::BitBtn10Click()
{
    if (m_laufbahnLaeuft)
        return;
    if (!pufferFuellen(Memo1, markup::BufferLayout::Laufbahn))
        return;
    neue_uebung = true;

    const std::optional<bool> nachgeschrieben = laufbahn_starten();
    if (!nachgeschrieben)
        return;
    laufErgebnisEintragen();
    // An exercise the pupil left before writing anything and that marked no word is
    // not one: the pupil file would show it as done without a mistake.
    if (*nachgeschrieben || ListBox3->count() > 0)
        uebungEintragen(pupilrecord::ExerciseKind::Laufbahn);
}

void TForm3::laufErgebnisEintragen()
{
    // A wrong word read back from the pupil file must not look like a header.
    QStringList zeilen = editorText(*Memo3->document()).split(u'\n');
    bool geaendert = false;
    for (QString &zeile : zeilen) {
        const QString inDatei = lauf::fehlerwortFuerDatei(zeile);
        geaendert = geaendert || inDatei != zeile;
        zeile = inDatei;
    }
    if (geaendert) {
        QTextCursor cursor(Memo3->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(zeilen.join(u'\n'));
    }
    shownEntry_.clear();
    ListBox3->clear();
    ListBox3->addItems(pupilrecord::nonEmpty(zeilen));
}

void TForm3::BitBtn3Click()
{
    if (m_laufbahnLaeuft)
        return;
    if (!pufferFuellen(Memo3, markup::BufferLayout::ErrorRepetition))
        return;

    // A repetition records nothing and leaves the wrong words, the texts and the file
    // type as they were; the window keeps its size and place.
    neue_uebung = false;
    QRadioButton *const vorher = RadioButton1->isChecked()
                                     ? RadioButton1
                                     : (RadioButton2->isChecked() ? RadioButton2 : RadioButton3);
    (puffer.contains(markup::groupJoin) ? RadioButton2 : RadioButton1)->setChecked(true);
    const auto zurueck = qScopeGuard([vorher] { vorher->setChecked(true); });
    laufbahn_starten();
}

std::optional<bool> TForm3::laufbahn_starten()
{
    if (!lob_laden())
        return std::nullopt;
    if (neue_uebung) {
        RichEdit1->clear();
        RichEdit2->clear();
        Memo3->clear();
        Memo5->clear();
    }
    lobBildInit();

    const markup::FileType modus = dateityp();
    const TForm10 &settings = *laufbahn().Form10;
    const int anzahl = settings.TrackBar4->value();
    qsizetype pos = 0;
    satz_nr = 1;
    abschnitt_ende = 0;
    m_nachgeschrieben = false;
    laufSperren(true);
    const auto entsperren = qScopeGuard([this] { laufSperren(false); });

    for (;;) {
        abschnitt.clear();
        switch (modus) {
        case markup::FileType::Text:
            if (!textabschnittWaehlen())
                abschnitt.clear();
            break;
        case markup::FileType::Woerter:
            abschnitt = lauf::woerterLesen(puffer, pos, anzahl);
            break;
        case markup::FileType::Wortgruppen:
            wortgruppe_roh = lauf::wortLesen(puffer, pos);
            abschnitt = markup::wordGroupForDisplay(wortgruppe_roh);
            break;
        }
        m_abschnitt = lauf::abschnittZerlegen(abschnitt);
        if (m_abschnitt.leer())
            break;
        m_markiert.clear();
        laufbahn_text = markup::displayString(m_abschnitt.roh, settings.hiddenLetterCharacter(),
                                              settings.hiddenPartCharacter());
        abschnittZeigen(modus);

        abschnitt_roh = m_abschnitt.roh;
        abschnitt = m_abschnitt.ziel();
        const int ab = RichEdit1->document()->characterCount() - 1;
        const bool weiter = abschnittNachschreiben(modus);
        markierteWoerterFaerben(ab);
        if (!weiter || (modus != markup::FileType::Text && lauf::amEnde(puffer, pos)))
            break;
    }

    QTextCursor anfang(RichEdit1->document());
    RichEdit1->setTextCursor(anfang);
    showStep3();
    return m_nachgeschrieben;
}

void TForm3::laufSperren(bool laeuft)
{
    m_laufbahnLaeuft = laeuft;
    for (QWidget *teil : {static_cast<QWidget *>(BitBtn10), static_cast<QWidget *>(BitBtn3),
                          static_cast<QWidget *>(GroupBox2), static_cast<QWidget *>(GroupBox3),
                          static_cast<QWidget *>(GroupBox4)})
        teil->setEnabled(!laeuft);
}

void TForm3::abschnittZeigen(markup::FileType modus)
{
    const TForm10 &settings = *laufbahn().Form10;
    if (settings.CheckBox1->isChecked() && modus == markup::FileType::Woerter) {
        for (const QString &wort : markup::displayStringWords(laufbahn_text))
            kurzzeitZeigen(wort);
    } else if (alternativerLaufmodus1->isChecked()) {
        alternativZeigen(laufbahn_text);
    } else {
        laufbahnZeigen(laufbahn_text);
    }
    repaint();
    QCoreApplication::processEvents();
}

bool TForm3::abschnittNachschreiben(markup::FileType modus)
{
    if (modus == markup::FileType::Woerter) {
        for (const lauf::Wort &wort : std::as_const(m_abschnitt.woerter)) {
            if (wort.ziel.isEmpty())
                continue;
            wort_roh = wort.roh;
            if (wortNachschreiben(wort.ziel))
                return false;
            m_nachgeschrieben = true;
        }
        return true;
    }
    const QString ziel = m_abschnitt.ziel();
    if (ziel.isEmpty())
        return true;
    wort_roh = abschnitt_roh;
    if (gruppeNachschreiben(ziel))
        return false;
    m_nachgeschrieben = true;
    return true;
}

bool TForm3::wortNachschreiben(const QString &ziel)
{
    return laufbahn().Form9->nachschreiben(ziel, nachschreibEingabe(), nachschreibAnsicht());
}

bool TForm3::gruppeNachschreiben(const QString &ziel)
{
    return laufbahn().Form12->nachschreiben(ziel, nachschreibEingabe(), nachschreibAnsicht());
}

void TForm3::fehlerImAbschnitt(int selectionStart)
{
    const int stelle = lauf::wortStelle(laufbahn_text, selectionStart);
    if (stelle >= m_abschnitt.woerter.size())
        return;
    Memo3->appendPlainText(m_abschnitt.woerter[stelle].roh);
    m_markiert.append(stelle);
}

void TForm3::markierteWoerterFaerben(int ab)
{
    // The chunk's target words were appended behind `ab` in their order; a word marked
    // on the display is found there by its place among the words written.
    if (m_markiert.isEmpty())
        return;
    QTextDocument *dokument = RichEdit1->document();
    QTextCharFormat rot;
    rot.setForeground(QColor(255, 0, 0));
    int suchAb = ab;
    for (int stelle = 0; stelle < m_abschnitt.woerter.size(); ++stelle) {
        const QString &ziel = m_abschnitt.woerter[stelle].ziel;
        if (ziel.isEmpty())
            continue;
        const QTextCursor fund = dokument->find(
            ziel, suchAb, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
        if (fund.isNull())
            break;
        suchAb = fund.selectionEnd();
        if (m_markiert.contains(stelle)) {
            QTextCursor markieren = fund;
            markieren.mergeCharFormat(rot);
        }
    }
}
