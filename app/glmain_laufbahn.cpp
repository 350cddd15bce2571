// The exercise run: "Laufbahn starten" and the error repetition fill the buffer, and a
// short driver opens the window each step of the run names and records the result.

#include "app/glmain.h"

#include "app/diktatlauf.h"
#include "app/ergebnisprotokoll.h"
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
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>

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
    const QStringList zeilen = m_ergebnis->fehlerFuerDatei();
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
    const auto zurueck = dateitypFuerDenLauf(puffer->contains(markup::groupJoin));
    laufbahn_starten(*puffer, false);
}

QScopeGuard<std::function<void()>> TForm3::dateitypFuerDenLauf(bool gruppen)
{
    QRadioButton *const vorher = RadioButton1->isChecked()   ? RadioButton1
                                 : RadioButton2->isChecked() ? RadioButton2
                                                             : RadioButton3;
    (gruppen ? RadioButton2 : RadioButton1)->setChecked(true);
    return QScopeGuard<std::function<void()>>([vorher] { vorher->setChecked(true); });
}

std::optional<bool> TForm3::laufbahn_starten(const QString &puffer, bool neueUebung)
{
    if (!lob_laden())
        return std::nullopt;
    if (neueUebung)
        m_ergebnis->neuerLauf();
    lobBildInit();

    lauf::Uebungslauf lauf(
        puffer, neueUebung,
        einstellwerte::lauf(*laufbahn().Form10, dateityp(), alternativerLaufmodus1->isChecked()));
    const lauf::Fertig ende = laufFuehren(lauf);

    m_ergebnis->anDenAnfang();
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
    // A repetition leaves the results as they are: the display marks nothing in it.
    if (!wiederholung)
        m_ergebnis->lesetextVorlegen(text);
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
    m_ergebnis->neuerLauf();
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
    m_ergebnis->anDenAnfang();
    showStep3();
}

lauf::Fertig TForm3::laufFuehren(lauf::Uebungslauf &lauf)
{
    const LaufSperre sperre(*this, {m_werkzeugleiste, GroupBox1, GroupBox2, GroupBox3, GroupBox4});
    m_lauf = &lauf;
    const auto vorbei = qScopeGuard([this] { m_lauf = nullptr; });
    m_silben->laufBeginnt();
    DiktatLauf diktat(*StatusBar1, lauf);
    // Where the current chunk's words begin in RichEdit1.
    int ab = 0;
    for (;;) {
        const lauf::Schritt schritt = lauf.next();
        if (const auto *waehlen = std::get_if<lauf::AbschnittWaehlen>(&schritt)) {
            const writing::AuswahlErgebnis wahl =
                abschnittWaehlen(lauf.puffer(), waehlen->satzNr, waehlen->abschnittEnde);
            lauf.gewaehlt(wahl.abschnitt, wahl.satz_nr, wahl.abschnitt_ende);
        } else if (const auto *zeigen = std::get_if<lauf::Zeigen>(&schritt)) {
            ab = m_ergebnis->vorlageEnde();
            // The reading displays take the buffer; the others leave their display string
            // for the rewrite forms, also when it is only spoken.
            if (zeigen->anzeige != lauf::Anzeige::Lesefinger &&
                zeigen->anzeige != lauf::Anzeige::Silbenlesen)
                m_laufbahnText = zeigen->anzeigeText;
            diktat.darbieten(*zeigen, [&] { abschnittZeigen(*zeigen); });
        } else if (const auto *teil = std::get_if<lauf::Nachschreiben>(&schritt)) {
            const Nachgeschrieben ergebnis =
                nachschreibenLassen(*teil, m_laufbahnText, diktat.eingabe());
            if (ergebnis.auswertung)
                lauf.bewertet(ergebnis.auswertung->richtig);
            lauf.nachgeschrieben(ergebnis.abbruch);
        } else if (const auto *markiert = std::get_if<lauf::MarkierteFaerben>(&schritt)) {
            m_ergebnis->markierteFaerben(ab, *markiert);
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
    switch (zeigen.anzeige) {
    case lauf::Anzeige::Lesefinger:
        lesefingerZeigen(zeigen.anzeigeText, display::LeseModus::Lesefinger);
        break;
    case lauf::Anzeige::Silbenlesen:
        lesefingerZeigen(zeigen.anzeigeText, display::LeseModus::Silbenlesen);
        break;
    case lauf::Anzeige::GleitAlt:
        gleitAltZeigen(zeigen.anzeigeText);
        break;
    case lauf::Anzeige::Kurzzeit:
        for (const QString &wort : markup::displayStringWords(zeigen.anzeigeText))
            kurzzeitZeigen(wort);
        break;
    case lauf::Anzeige::Alternativ:
        alternativZeigen(zeigen.anzeigeText);
        break;
    case lauf::Anzeige::Laufbahn:
        laufbahnZeigen(zeigen.anzeigeText);
        break;
    }
    repaint();
}

std::optional<QList<lauf::Geuebt>>
TForm3::wiederholungFuehren(const QList<lauf::Uebungswort> &woerter)
{
    if (m_lauf || !lob_laden())
        return std::nullopt;
    lobBildInit();
    const bool gruppen = std::any_of(woerter.begin(), woerter.end(),
                                     [](const lauf::Uebungswort &wort) { return wort.gruppe; });
    // As the error repetition: the file type the rewrite forms and the comparison read
    // stands for the run only.
    const auto zurueck = dateitypFuerDenLauf(gruppen);

    lauf::Uebungslauf uebung(woerter, einstellwerte::lauf(*laufbahn().Form10, dateityp(),
                                                          alternativerLaufmodus1->isChecked()));
    laufFuehren(uebung);
    return uebung.geuebt();
}
