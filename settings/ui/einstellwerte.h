#pragma once
// What each window reads from the settings dialog, as one plain value per reader. Every
// setting is still the state of one control of TForm10 (read when it is needed); this is
// the one place that reads those controls for the rest of the program.

#include "display/core/lesefinger.h"
#include "display/ui/gleitanzeige.h"
#include "display/ui/kuzzeit.h"
#include "exercise/core/markup.h"
#include "exercise/core/uebungslauf.h"
#include "settings/core/zusatzeinstellungen.h"
#include "writing/core/nachschreiben.h"
#include "writing/ui/auswahl.h"
#include "writing/ui/lob.h"
#include "writing/ui/nachschreiben.h"
#include "writing/ui/vergleich.h"

#include <QFont>

class TForm10;

namespace einstellwerte {

// The gliding lines: the display font, colours, speed and spacing. `hilfeSchrift` is the
// main window's help label; `neueUebung` lets Return mark words.
display::DisplaySettings anzeige(const TForm10 &settings, const QFont &hilfeSchrift,
                                 bool neueUebung);
// The reading finger and syllable reading: the display font and colours, the speed,
// `hilfeSchrift` (the main window's help label) and whether Return marks words.
display::LesefingerSettings lesefinger(const TForm10 &settings, const QFont &hilfeSchrift,
                                       bool neueUebung);
// The short-time display.
display::FlashSettings kurzzeit(const TForm10 &settings);
// The rewrite forms, with the comparison they open.
NachschreibAnsicht nachschreiben(const TForm10 &settings);
VergleichsAnsicht vergleich(const TForm10 &settings);
// "ganze Wortgruppe als Fehler speichern".
bool ganzeWortgruppe(const TForm10 &settings);
// The section choice in running text.
AuswahlAnsicht auswahl(const TForm10 &settings);
// The praise kind ("Lob"), the praise text's look and the picture's grid.
writing::Lob lob(const TForm10 &settings);
PraiseTextLook lobText(const TForm10 &settings);
int lobRaster(const TForm10 &settings);
// An exercise run in `modus`; `alternativ` is the main window's "alternativer Laufmodus".
lauf::LaufEinstellungen lauf(const TForm10 &settings, markup::FileType modus, bool alternativ);
// The syllables' settings and the spoken dictation's.
settings::SilbenEinstellungen silben(const TForm10 &settings);
settings::DiktatEinstellungen diktat(const TForm10 &settings);
// The print font: the display font's face and style in black at `points`.
QFont druckSchrift(const TForm10 &settings, int points);

} // namespace einstellwerte
