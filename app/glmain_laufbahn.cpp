// The exercise run: "Laufbahn starten" and the error repetition fill the buffer, and a
// short driver opens the window each step of the run names and records the result.

#include "app/glmain.h"

#include "app/diktatlauf.h"
#include "app/laufbahnapp.h"
#include "app/laufsperre.h"
#include "app/schuelerakte.h"
#include "app/silbenbefehle.h"
#include "app/ws_black.h"
#include "display/core/lesefinger.h"
#include "exercise/core/markup.h"
#include "exercise/ui/editortext.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

std::optional<QString> TForm3::pufferFuellen(QPlainTextEdit *editor, markup::BufferLayout layout,
                                             QString *teil)
{
    StatusBar1->clearMessage();
    const QString text = editorText(*editor->document());
    const lauf::Uebungstext passt = lauf::uebungstext(text);
    if (!lueckentextPruefen(editor, passt.laenge))
        return std::nullopt;
    if (passt.gekuerzt)
        StatusBar1->showMessage(
            u"Der Text ist länger als 8000 Zeichen: geübt wird nur sein Anfang."_s);
    if (teil)
        *teil = text.first(passt.laenge);
    return markup::fillBuffer(QStringView(text).first(passt.laenge), layout);
}

void TForm3::BitBtn10Click()
{
    if (m_lauf)
        return;
    const std::optional<QString> puffer = pufferFuellen(Memo1, markup::BufferLayout::Laufbahn);
    if (!puffer)
        return;
    const std::optional<bool> nachgeschrieben = laufbahn_starten(*puffer, true);
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
    m_schueler->nichtsZeigen();
    ListBox3->clear();
    ListBox3->addItems(pupilrecord::nonEmpty(zeilen));
}

void TForm3::BitBtn3Click()
{
    if (m_lauf)
        return;
    const std::optional<QString> puffer =
        pufferFuellen(Memo3, markup::BufferLayout::ErrorRepetition);
    if (!puffer)
        return;

    // A repetition records nothing and leaves the wrong words, the texts and the file
    // type as they were; the window keeps its size and place.
    QRadioButton *const vorher = RadioButton1->isChecked()
                                     ? RadioButton1
                                     : (RadioButton2->isChecked() ? RadioButton2 : RadioButton3);
    (puffer->contains(markup::groupJoin) ? RadioButton2 : RadioButton1)->setChecked(true);
    const auto zurueck = qScopeGuard([vorher] { vorher->setChecked(true); });
    laufbahn_starten(*puffer, false);
}

std::optional<bool> TForm3::laufbahn_starten(const QString &puffer, bool neueUebung)
{
    if (!lob_laden())
        return std::nullopt;
    if (neueUebung) {
        RichEdit1->clear();
        RichEdit2->clear();
        Memo3->clear();
        Memo5->clear();
    }
    lobBildInit();

    lauf::Uebungslauf lauf(
        puffer, neueUebung,
        einstellwerte::lauf(*laufbahn().Form10, dateityp(), alternativerLaufmodus1->isChecked()));
    const lauf::Fertig ende = laufFuehren(lauf);

    RichEdit1->setTextCursor(QTextCursor(RichEdit1->document()));
    showStep3();
    return ende.nachgeschrieben;
}

void TForm3::lesenStarten(lauf::Art art, bool wiederholung)
{
    if (m_lauf)
        return;
    QString text;
    const std::optional<QString> puffer =
        pufferFuellen(wiederholung ? Memo3 : Memo1, markup::BufferLayout::ReadingFinger, &text);
    if (!puffer)
        return;
    silben_modus = art == lauf::Art::Silbenlesen;
    // A repetition leaves the results as they are: the display marks nothing in it.
    if (!wiederholung) {
        Memo3->clear();
        // The display names a marked word's place in this text, a line break one character.
        RichEdit1->clear();
        QTextCharFormat schwarz;
        schwarz.setForeground(QColor(0, 0, 0));
        QTextCursor(RichEdit1->document()).insertText(text, schwarz);
    }
    lauf::LaufEinstellungen einstellungen =
        einstellwerte::lauf(*laufbahn().Form10, dateityp(), alternativerLaufmodus1->isChecked());
    einstellungen.art = art;
    lauf::Uebungslauf lauf(*puffer, !wiederholung, einstellungen);
    laufFuehren(lauf);
    if (!wiederholung)
        versteckteUebungEintragen(true);
}

void TForm3::BitBtn2Click()
{
    if (m_lauf)
        return;
    const std::optional<QString> puffer = pufferFuellen(Memo1, markup::BufferLayout::OldLaufbahn);
    if (!puffer || !lob_laden())
        return;
    // The rewrites fill the results as in a Laufbahn run.
    RichEdit1->clear();
    RichEdit2->clear();
    Memo3->clear();
    Memo5->clear();
    lobBildInit();
    lauf::LaufEinstellungen einstellungen =
        einstellwerte::lauf(*laufbahn().Form10, dateityp(), alternativerLaufmodus1->isChecked());
    einstellungen.art = lauf::Art::LaufbahnAlt;
    lauf::Uebungslauf lauf(*puffer, true, einstellungen);
    const lauf::Fertig ende = laufFuehren(lauf);
    versteckteUebungEintragen(ende.nachgeschrieben);
}

void TForm3::versteckteUebungEintragen(bool geuebt)
{
    laufErgebnisEintragen();
    // As after a Laufbahn run: left before writing anything and with no word marked, it
    // was no exercise.
    if (geuebt || ListBox3->count() > 0)
        uebungEintragen(pupilrecord::ExerciseKind::Other);
    RichEdit1->setTextCursor(QTextCursor(RichEdit1->document()));
    showStep3();
}

lauf::Fertig TForm3::laufFuehren(lauf::Uebungslauf &lauf)
{
    const LaufSperre sperre(*this, {m_werkzeugleiste, GroupBox1, GroupBox2, GroupBox3, GroupBox4});
    m_lauf = &lauf;
    const auto vorbei = qScopeGuard([this] { m_lauf = nullptr; });
    m_silben->laufBeginnt();
    DiktatLauf diktat(*this, lauf);
    // Where the current chunk's words begin in RichEdit1.
    int ab = 0;
    for (;;) {
        const lauf::Schritt schritt = lauf.next();
        if (const auto *waehlen = std::get_if<lauf::AbschnittWaehlen>(&schritt)) {
            const writing::AuswahlErgebnis wahl =
                abschnittWaehlen(lauf.puffer(), waehlen->satzNr, waehlen->abschnittEnde);
            lauf.gewaehlt(wahl.abschnitt, wahl.satz_nr, wahl.abschnitt_ende);
        } else if (const auto *zeigen = std::get_if<lauf::Zeigen>(&schritt)) {
            ab = RichEdit1->document()->characterCount() - 1;
            diktat.darbieten(*zeigen, [&] { abschnittZeigen(*zeigen); });
        } else if (const auto *teil = std::get_if<lauf::Nachschreiben>(&schritt)) {
            m_teil = *teil;
            Nachschreiben &form = teil->gruppe ? static_cast<Nachschreiben &>(*laufbahn().Form12)
                                               : static_cast<Nachschreiben &>(*laufbahn().Form9);
            lauf.nachgeschrieben(
                form.nachschreiben(teil->ziel, diktat.eingabe(nachschreibEingabe()),
                                   einstellwerte::nachschreiben(*laufbahn().Form10)));
        } else if (const auto *markiert = std::get_if<lauf::MarkierteFaerben>(&schritt)) {
            markierteWoerterFaerben(ab, *markiert);
        } else {
            return std::get<lauf::Fertig>(schritt);
        }
    }
}

void TForm3::abschnittZeigen(const lauf::Zeigen &zeigen)
{
    // The black cover lies under the display and goes also when the display fails.
    TForm_black &schwarz = *laufbahn().Form_black;
    if (zeigen.abdecken)
        schwarz.show();
    const auto weg = qScopeGuard([&schwarz, abdecken = zeigen.abdecken] {
        if (abdecken)
            schwarz.hide();
    });
    // The reading displays take the buffer; the others leave their display string for the
    // rewrite forms.
    const bool lesen =
        zeigen.anzeige == lauf::Anzeige::Lesefinger || zeigen.anzeige == lauf::Anzeige::Silbenlesen;
    if (!lesen)
        laufbahn_text = zeigen.anzeigeText;
    switch (zeigen.anzeige) {
    case lauf::Anzeige::Lesefinger:
        lesefingerZeigen(zeigen.anzeigeText, display::LeseModus::Lesefinger);
        break;
    case lauf::Anzeige::Silbenlesen:
        lesefingerZeigen(zeigen.anzeigeText, display::LeseModus::Silbenlesen);
        break;
    case lauf::Anzeige::GleitAlt:
        gleitAltZeigen(laufbahn_text);
        break;
    case lauf::Anzeige::Kurzzeit:
        for (const QString &wort : markup::displayStringWords(laufbahn_text))
            kurzzeitZeigen(wort);
        break;
    case lauf::Anzeige::Alternativ:
        alternativZeigen(laufbahn_text);
        break;
    case lauf::Anzeige::Laufbahn:
        laufbahnZeigen(laufbahn_text);
        break;
    }
    repaint();
    QCoreApplication::processEvents();
}

void TForm3::markierteWoerterFaerben(int ab, const lauf::MarkierteFaerben &markierte)
{
    // The chunk's target words were appended behind `ab` in their order; a word marked
    // on the display is found there by its place among the words written.
    QTextDocument *dokument = RichEdit1->document();
    QTextCharFormat rot;
    rot.setForeground(QColor(255, 0, 0));
    int suchAb = ab;
    for (int stelle = 0; stelle < markierte.woerter.size(); ++stelle) {
        const QString &ziel = markierte.woerter[stelle].ziel;
        if (ziel.isEmpty())
            continue;
        const QTextCursor fund = dokument->find(
            ziel, suchAb, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
        if (fund.isNull())
            break;
        suchAb = fund.selectionEnd();
        if (markierte.markiert.contains(stelle)) {
            QTextCursor markieren = fund;
            markieren.mergeCharFormat(rot);
        }
    }
}
