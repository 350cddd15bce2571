// The main window's side of the section choice in running text: one turn of TForm13.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "settings/ui/einstellwerte.h"

writing::AuswahlErgebnis TForm3::abschnittWaehlen(const QString &puffer, int satzNr,
                                                  int abschnittEnde)
{
    const TForm10 &settings = *laufbahn().Form10;
    const lauf::LaufEinstellungen werte = einstellwerte::lauf(settings, {}, false);
    writing::AuswahlEingabe eingabe;
    eingabe.puffer = puffer;
    eingabe.satz_nr = satzNr;
    eingabe.abschnitt_ende = abschnittEnde;
    eingabe.letterPlaceholder = werte.letterPlaceholder;
    eingabe.partPlaceholder = werte.partPlaceholder;
    return laufbahn().Form13->auswaehlen(eingabe, einstellwerte::auswahl(settings));
}
