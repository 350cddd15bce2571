#pragma once
// Settings the 236-byte settings file has no room for, kept in an INI file beside it
// ("name.opt" -> "name.ini"): the settings file itself stays as every copy of the program
// reads it. A missing file, key or value gives the default.

#include <QString>

struct IoError;

namespace settings {

struct DiktatEinstellungen {
    static constexpr int minTempo = 80; // words per minute
    static constexpr int maxTempo = 200;

    bool vorlesen = false; // "Diktat: vorlesen statt zeigen"
    int tempo = 120;
    bool vorlesenUndZeigen = false; // "vorlesen und zeigen": shown while it is spoken
    bool operator==(const DiktatEinstellungen &) const = default;
};

struct Zusatzeinstellungen {
    DiktatEinstellungen diktat;
    bool operator==(const Zusatzeinstellungen &) const = default;
};

// The INI file that belongs to the settings file `optDatei`.
QString zusatzdatei(const QString &optDatei);

// Never fails: what cannot be read keeps its default, a number out of range is clamped.
Zusatzeinstellungen zusatzeinstellungenLesen(const QString &iniDatei);

// Writes the keys of `werte` into `iniDatei`, keeping the keys of other programs or later
// versions that are already there.
bool zusatzeinstellungenSchreiben(const QString &iniDatei, const Zusatzeinstellungen &werte,
                                  IoError *error);

} // namespace settings
