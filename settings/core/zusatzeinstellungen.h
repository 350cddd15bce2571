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

struct Zusatzeinstellungen {
    DiktatEinstellungen diktat;
    SilbenEinstellungen silben;
    bool operator==(const Zusatzeinstellungen &) const = default;
};

// The INI file that belongs to the settings file `optDatei`.
QString zusatzdatei(const QString &optDatei);

// Never fails: what cannot be read keeps its default, a number out of range is clamped.
Zusatzeinstellungen zusatzeinstellungenLesen(const QString &iniDatei);

// Writes the keys of `werte` into `iniDatei`, keeping the keys of other programs or later
// versions that are already there.
[[nodiscard]] WriteResult zusatzeinstellungenSchreiben(const QString &iniDatei,
                                                       const Zusatzeinstellungen &werte);

} // namespace settings
