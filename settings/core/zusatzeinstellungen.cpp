#include "settings/core/zusatzeinstellungen.h"

#include "exercise/core/fileio.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

constexpr qint64 kGroessteDatei = 1 << 20;

// One row per stored setting: a further setting is one more row.
struct Schalter {
    QLatin1StringView schluessel;
    bool &(*feld)(Zusatzeinstellungen &);
};
struct Zahl {
    QLatin1StringView schluessel;
    int &(*feld)(Zusatzeinstellungen &);
    int min;
    int max;
};

// A colour is kept as "#rrggbb"; only RGB colours, never the desktop's system colours.
struct Farbe {
    QLatin1StringView schluessel;
    ColorValue &(*feld)(Zusatzeinstellungen &);
};

const Schalter schalter[] = {
    {"Diktat/vorlesen"_L1, [](Zusatzeinstellungen &z) -> bool & { return z.diktat.vorlesen; }},
    {"Diktat/vorlesenUndZeigen"_L1,
     [](Zusatzeinstellungen &z) -> bool & { return z.diktat.vorlesenUndZeigen; }},
    {"Silben/automatisch"_L1,
     [](Zusatzeinstellungen &z) -> bool & { return z.silben.automatisch; }},
    {"Silben/farbig"_L1, [](Zusatzeinstellungen &z) -> bool & { return z.silben.farbig; }},
};
const Farbe farben[] = {
    {"Silben/farbe1"_L1, [](Zusatzeinstellungen &z) -> ColorValue & { return z.silben.farbe1; }},
    {"Silben/farbe2"_L1, [](Zusatzeinstellungen &z) -> ColorValue & { return z.silben.farbe2; }},
};
const Zahl zahlen[] = {
    {"Diktat/tempo"_L1, [](Zusatzeinstellungen &z) -> int & { return z.diktat.tempo; },
     DiktatEinstellungen::minTempo, DiktatEinstellungen::maxTempo},
};

// Only what QSettings itself writes counts as a switch; anything else keeps the default.
void schalterLesen(const QSettings &ini, const Schalter &s, Zusatzeinstellungen &werte)
{
    const QString text = ini.value(s.schluessel).toString().trimmed().toLower();
    if (text == "true"_L1 || text == "1"_L1)
        s.feld(werte) = true;
    else if (text == "false"_L1 || text == "0"_L1)
        s.feld(werte) = false;
}

void zahlLesen(const QSettings &ini, const Zahl &z, Zusatzeinstellungen &werte)
{
    bool ok = false;
    const int zahl = ini.value(z.schluessel).toString().trimmed().toInt(&ok);
    if (ok)
        z.feld(werte) = std::clamp(zahl, z.min, z.max);
}

void farbeLesen(const QSettings &ini, const Farbe &f, Zusatzeinstellungen &werte)
{
    const QString text = ini.value(f.schluessel).toString().trimmed();
    if (text.size() != 7 || !text.startsWith(u'#'))
        return;
    const QColor farbe = QColor::fromString(text);
    if (farbe.isValid())
        f.feld(werte) = fromQColor(farbe);
}

QString farbeText(ColorValue wert)
{
    return QColor(int(wert & 0xFF), int(wert >> 8 & 0xFF), int(wert >> 16 & 0xFF)).name();
}

} // namespace

QString zusatzdatei(const QString &optDatei)
{
    if (optDatei.endsWith(".opt"_L1, Qt::CaseInsensitive))
        return optDatei.chopped(4) + ".ini"_L1;
    return optDatei + ".ini"_L1;
}

Zusatzeinstellungen zusatzeinstellungenLesen(const QString &iniDatei)
{
    Zusatzeinstellungen werte;
    // A few hundred bytes are ours; a huge file is no settings file and is not read in.
    if (QFileInfo(iniDatei).size() > kGroessteDatei)
        return werte;
    const QSettings ini(iniDatei, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return werte;
    for (const Schalter &s : schalter)
        schalterLesen(ini, s, werte);
    for (const Zahl &z : zahlen)
        zahlLesen(ini, z, werte);
    for (const Farbe &f : farben)
        farbeLesen(ini, f, werte);
    return werte;
}

WriteResult zusatzeinstellungenSchreiben(const QString &iniDatei, const Zusatzeinstellungen &werte)
{
    WriteResult result;
    IoError *error = &result.io;
    // QSettings writes where it likes and reports little: it writes a scratch copy, and the
    // bytes reach the real file through the atomic writer.
    QTemporaryDir arbeit;
    const QString kopie = arbeit.filePath(u"zusatz.ini"_s);
    IoError ignoriert;
    if (const auto alt = readWholeFile(iniDatei, &ignoriert, kGroessteDatei)) {
        if (!arbeit.isValid())
            return result;
        if (result = writeFileAtomically(kopie, *alt); !result.ok())
            return result;
    }
    if (QSettings(kopie, QSettings::IniFormat).status() != QSettings::NoError)
        QFile::remove(kopie); // a damaged file is written anew
    {
        QSettings ini(kopie, QSettings::IniFormat);
        Zusatzeinstellungen eintraege = werte;
        for (const Schalter &s : schalter)
            ini.setValue(s.schluessel, s.feld(eintraege));
        for (const Zahl &z : zahlen)
            ini.setValue(z.schluessel, z.feld(eintraege));
        for (const Farbe &f : farben)
            ini.setValue(f.schluessel, farbeText(f.feld(eintraege)));
        ini.sync();
        if (ini.status() != QSettings::NoError) {
            error->code = IoError::WriteFailed;
            return result;
        }
    }
    if (const auto bytes = readWholeFile(kopie, error))
        result = writeFileAtomically(iniDatei, *bytes);
    return result;
}

} // namespace settings
