// The main window's side of the rewrite forms: what they read from this window, where a
// finished rewrite lands, and how the chunk is shown again.

#include "app/glmain.h"

#include "app/ergebnisprotokoll.h"
#include "app/laufbahnapp.h"
#include "app/ws_black.h"
#include "display/ui/kuzzeit.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QListWidget>
#include <QRadioButton>
#include <QScopeGuard>

void TForm3::schreibformenVerbinden(TForm9 *wort, TForm12 *gruppe)
{
    for (Nachschreiben *form :
         {static_cast<Nachschreiben *>(wort), static_cast<Nachschreiben *>(gruppe)})
        connect(form, &Nachschreiben::nochmalZeigen, this, &TForm3::wiederholungZeigen);
}

Nachgeschrieben TForm3::nachschreibenLassen(const lauf::Nachschreiben &teil,
                                            const QString &laufbahnText,
                                            const writing::DiktatEingabe &diktat)
{
    Nachschreiben &form = teil.gruppe ? static_cast<Nachschreiben &>(*laufbahn().Form12)
                                      : static_cast<Nachschreiben &>(*laufbahn().Form9);
    writing::NachschreibEingabe eingabe = nachschreibEingabe(teil, laufbahnText);
    eingabe.diktat = diktat;
    const Nachgeschrieben ergebnis =
        form.nachschreiben(teil.ziel, eingabe, einstellwerte::nachschreiben(*laufbahn().Form10));
    if (ergebnis.auswertung)
        m_ergebnis->nachschreibenEintragen(*ergebnis.auswertung);
    // Only a first run's comparison is recorded.
    if (ergebnis.vergleich && teil.neueUebung)
        m_ergebnis->vergleichEintragen(*ergebnis.vergleich);
    return ergebnis;
}

writing::NachschreibEingabe TForm3::nachschreibEingabe(const lauf::Nachschreiben &teil,
                                                       const QString &laufbahnText) const
{
    writing::NachschreibEingabe eingabe;
    eingabe.neueUebung = teil.neueUebung;
    eingabe.laufbahnText = laufbahnText;
    const lauf::LaufEinstellungen werte =
        einstellwerte::lauf(*laufbahn().Form10, dateityp(), alternativerLaufmodus1->isChecked());
    eingabe.kurzzeit = werte.kurzzeit && werte.modus == markup::FileType::Woerter;
    eingabe.alternativ = werte.alternativ;
    eingabe.vergleich = vergleichsEingabe({}, {}, teil);
    for (int i = 0; i < ListBox4->count(); ++i)
        eingabe.lobZeilen << ListBox4->item(i)->text();
    return eingabe;
}

void TForm3::wiederholungZeigen(const writing::Wiederholung &wiederholung)
{
    using Anzeige = writing::Wiederholung::Anzeige;
    if (wiederholung.anzeige == Anzeige::Kurzzeit) {
        // The pupil's duration for these showings only; the teacher's setting stays.
        for (const QString &wort : wiederholung.woerter) {
            kurzzeitZeigen(wort, wiederholung.verzoegerung);
            const display::KurzzeitAblauf *ablauf = laufbahn().Form15->ablauf();
            if (!ablauf || ablauf->phase() != display::KurzzeitPhase::Fertig)
                break;
        }
        return;
    }
    // The black cover lies under the display and goes also when the display fails.
    TForm_black &schwarz = *laufbahn().Form_black;
    schwarz.show();
    const auto weg = qScopeGuard([&schwarz] { schwarz.hide(); });
    if (wiederholung.anzeige == Anzeige::Alternativ)
        alternativZeigen(wiederholung.laufbahnText);
    else
        laufbahnZeigen(wiederholung.laufbahnText);
}
