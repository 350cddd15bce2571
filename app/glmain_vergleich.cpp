// The main window's side of the word comparison: what it hands the comparison from the
// current chunk, and how the result lands in the error list and texts.

#include "app/glmain.h"

#include "app/ergebnisprotokoll.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstellwerte.h"

#include <QRadioButton>

void TForm3::vergleichen(const QString &geschrieben, const lauf::Nachschreiben &teil)
{
    const writing::Vergleich ergebnis =
        laufbahn().Form14->vergleichen(vergleichsEingabe(geschrieben, teil.ziel, teil),
                                       einstellwerte::vergleich(*laufbahn().Form10));
    // Only a first run is recorded.
    if (teil.neueUebung)
        m_ergebnis->vergleichEintragen(ergebnis);
}

writing::VergleichsEingabe TForm3::vergleichsEingabe(const QString &geschrieben,
                                                     const QString &vorlage,
                                                     const lauf::Nachschreiben &teil) const
{
    writing::VergleichsEingabe eingabe;
    // As the rewrite forms hand it on: without the blanks typed after the last word.
    eingabe.geschrieben = geschrieben;
    while (eingabe.geschrieben.endsWith(u' '))
        eingabe.geschrieben.chop(1);
    eingabe.vorlage = vorlage;
    eingabe.dateityp = dateityp();
    eingabe.wortRoh = teil.wortRoh;
    eingabe.abschnittRoh = teil.abschnittRoh;
    eingabe.wortgruppeRoh = teil.wortgruppeRoh;
    eingabe.ganzeWortgruppe = einstellwerte::ganzeWortgruppe(*laufbahn().Form10);
    return eingabe;
}

markup::FileType TForm3::dateityp() const
{
    if (RadioButton1->isChecked())
        return markup::FileType::Woerter;
    if (RadioButton2->isChecked())
        return markup::FileType::Wortgruppen;
    return markup::FileType::Text;
}
