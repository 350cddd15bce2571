#pragma once
// Settings the 236-byte settings file has no room for, kept in an INI file beside it
// ("name.opt" -> "name.ini"): the settings file itself stays as every copy of the program
// reads it. A missing file, key or value gives the default.

#include "exercise/core/fileio.h"
#include "settings/core/colorvalue.h"

#include <QString>

namespace settings {

struct DiktatEinstellungen {
    static constexpr int minTempo = 80; // words per minute
    static constexpr int maxTempo = 200;

    bool vorlesen = false; // "Diktat: vorlesen statt zeigen"
    int tempo = 120;
    bool vorlesenUndZeigen = false; // "vorlesen und zeigen": shown while it is spoken
    bool operator==(const DiktatEinstellungen &) const = default;
};

// Syllables the program finds itself, and their alternating colours on the displays.
struct SilbenEinstellungen {
    bool automatisch = false; // "Silben automatisch erkennen"
    bool farbig = false;      // "Silben farbig"
    ColorValue farbe1 = colors::clBlue;
    ColorValue farbe2 = colors::clRed;
    bool operator==(const SilbenEinstellungen &) const = default;
};

// The last choice of "Lücken setzen..." in the editor's menu.
struct LueckenEinstellungen {
    int phaenomene = 0;     // one bit per phenomenon row of the evaluation
    int art = 0;            // the kind of gap in the dialog's order: "§", "$", "&"
    bool nurAuswahl = true; // only the selected part of the text, when there is one
    bool operator==(const LueckenEinstellungen &) const = default;
};

struct Zusatzeinstellungen {
    DiktatEinstellungen diktat;
    SilbenEinstellungen silben;
    LueckenEinstellungen luecken;
    bool operator==(const Zusatzeinstellungen &) const = default;
};

// The INI file that belongs to the settings file `optDatei`.
QString zusatzdatei(const QString &optDatei);

// Never fails and never waits: what cannot be read keeps its default, a number out of
// range is clamped; a pipe, a device or a folder of that name is not read.
Zusatzeinstellungen zusatzeinstellungenLesen(const QString &iniDatei);

// Writes the keys of `werte` into `iniDatei`, keeping the keys of other programs or later
// versions that are already there. A file that QSettings cannot read whole (a byte-order
// mark, lines that are no settings) is written anew with what could be read of it.
// The choice of "Lücken setzen..." is not among them: only that dialog writes it, so saving
// the settings never takes it back.
[[nodiscard]] WriteResult zusatzeinstellungenSchreiben(const QString &iniDatei,
                                                       const Zusatzeinstellungen &werte);
// Writes the keys of the choice of "Lücken setzen...", keeping every other key.
[[nodiscard]] WriteResult lueckenwahlSchreiben(const QString &iniDatei,
                                               const LueckenEinstellungen &werte);

struct SettingsRecord;

// Saves the settings file `optDatei` and its INI file as one step: when the INI file
// cannot be written, the settings file gets its old bytes back (a new one goes again), so
// that the two never disagree.
[[nodiscard]] WriteResult einstellungenSchreiben(const QString &optDatei,
                                                 const SettingsRecord &record,
                                                 const Zusatzeinstellungen &werte);

// The folder the class overview last looked at, or an empty string.
QString klassenordnerLesen(const QString &iniDatei);
[[nodiscard]] WriteResult klassenordnerSchreiben(const QString &iniDatei, const QString &ordner);

} // namespace settings
