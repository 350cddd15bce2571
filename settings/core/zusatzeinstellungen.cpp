#include "settings/core/zusatzeinstellungen.h"

#include "exercise/core/fileio.h"
#include "settings/core/settingsrecord.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <span>

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

// The choice of "Lücken setzen...", written by that dialog alone.
const Schalter lueckenSchalter[] = {
    {"Luecken/nurAuswahl"_L1,
     [](Zusatzeinstellungen &z) -> bool & { return z.luecken.nurAuswahl; }},
};
const Zahl lueckenZahlen[] = {
    {"Luecken/phaenomene"_L1, [](Zusatzeinstellungen &z) -> int & { return z.luecken.phaenomene; },
     0, (1 << 26) - 1},
    {"Luecken/art"_L1, [](Zusatzeinstellungen &z) -> int & { return z.luecken.art; }, 0, 2},
};

// The rows one writer writes.
struct Tabellen {
    std::span<const Schalter> schalter;
    std::span<const Zahl> zahlen;
    std::span<const Farbe> farben;
};
const Tabellen einstellungsTabellen{schalter, zahlen, farben};
const Tabellen lueckenTabellen{lueckenSchalter, lueckenZahlen, {}};

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

QString farbeText(ColorValue wert);

// What can be read of the INI file, for QSettings: only a regular file of a sensible size
// is read; a byte-order mark and the lines before the first section that hold no setting
// are left out, as QSettings would refuse the whole file for them. Nothing when there is
// nothing to read; `fehler` then says why (FileNotFound, TooLarge: no file worth keeping).
std::optional<QByteArray> lesbarerTeil(const QString &iniDatei, IoError *fehler)
{
    const std::optional<QByteArray> bytes = readWholeFile(iniDatei, fehler, kGroessteDatei);
    if (!bytes)
        return std::nullopt;
    QByteArrayView rest = *bytes;
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    QByteArray lesbar;
    lesbar.reserve(rest.size());
    bool inAbschnitt = false;
    while (!rest.isEmpty()) {
        const qsizetype ende = rest.indexOf('\n');
        const QByteArrayView zeile = ende < 0 ? rest : rest.first(ende + 1);
        rest = rest.sliced(zeile.size());
        inAbschnitt = inAbschnitt || zeile.trimmed().startsWith('[');
        if (inAbschnitt || zeile.contains('='))
            lesbar += zeile;
    }
    return lesbar;
}

// The INI file as it is to be written: the keys `setzen` sets, and every other key found in
// what can be read of `iniDatei`.
std::optional<QByteArray>
zusatzBytes(const QString &iniDatei, const std::function<void(QSettings &)> &setzen, IoError *error)
{
    // QSettings writes where it likes and reports little: it writes a scratch file, whose
    // bytes reach the real file through the atomic writer.
    QTemporaryDir arbeit;
    if (!arbeit.isValid()) {
        *error = {IoError::WriteFailed};
        return std::nullopt;
    }
    const QString alt = arbeit.filePath(u"alt.ini"_s);
    const QString neu = arbeit.filePath(u"neu.ini"_s);
    {
        QSettings ini(neu, QSettings::IniFormat);
        IoError lesefehler;
        const std::optional<QByteArray> lesbar = lesbarerTeil(iniDatei, &lesefehler);
        if (lesbar)
            lesefehler = writeFileAtomically(alt, *lesbar).io;
        if (lesbar && !lesefehler.failed()) {
            const QSettings vorher(alt, QSettings::IniFormat);
            for (const QString &schluessel : vorher.allKeys())
                ini.setValue(schluessel, vorher.value(schluessel));
        } else if (lesefehler.code != IoError::FileNotFound &&
                   lesefehler.code != IoError::TooLarge) {
            // Written over unread, the keys of other programs there would be lost.
            *error = lesefehler;
            return std::nullopt;
        }
        setzen(ini);
        ini.sync();
        if (ini.status() != QSettings::NoError) {
            *error = {IoError::WriteFailed};
            return std::nullopt;
        }
    }
    return readWholeFile(neu, error);
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

namespace {

// Hands what QSettings can read of `iniDatei` to `lesen`, also when something else there
// could not be read; nothing when there is nothing to read.
void iniLesen(const QString &iniDatei, const std::function<void(const QSettings &)> &lesen)
{
    IoError fehler;
    const std::optional<QByteArray> lesbar = lesbarerTeil(iniDatei, &fehler);
    if (!lesbar || lesbar->isEmpty())
        return;
    QTemporaryDir arbeit;
    const QString kopie = arbeit.filePath(u"zusatz.ini"_s);
    if (!arbeit.isValid() || !writeFileAtomically(kopie, *lesbar).ok())
        return;
    lesen(QSettings(kopie, QSettings::IniFormat));
}

const auto klassenordnerSchluessel = "Klassenuebersicht/ordner"_L1;

} // namespace

Zusatzeinstellungen zusatzeinstellungenLesen(const QString &iniDatei)
{
    Zusatzeinstellungen werte;
    iniLesen(iniDatei, [&werte](const QSettings &ini) {
        for (const Tabellen &tabellen : {einstellungsTabellen, lueckenTabellen}) {
            for (const Schalter &s : tabellen.schalter)
                schalterLesen(ini, s, werte);
            for (const Zahl &z : tabellen.zahlen)
                zahlLesen(ini, z, werte);
            for (const Farbe &f : tabellen.farben)
                farbeLesen(ini, f, werte);
        }
    });
    return werte;
}

namespace {

// Sets the rows of `tabellen` from `werte`.
std::function<void(QSettings &)> zeilenSetzen(const Zusatzeinstellungen &werte,
                                              const Tabellen &tabellen)
{
    return [werte, tabellen](QSettings &ini) {
        Zusatzeinstellungen eintraege = werte;
        for (const Schalter &s : tabellen.schalter)
            ini.setValue(s.schluessel, s.feld(eintraege));
        for (const Zahl &z : tabellen.zahlen)
            ini.setValue(z.schluessel, z.feld(eintraege));
        for (const Farbe &f : tabellen.farben)
            ini.setValue(f.schluessel, farbeText(f.feld(eintraege)));
    };
}

// Writes what `setzen` sets, keeping every other key of the file.
WriteResult schreiben(const QString &iniDatei, const std::function<void(QSettings &)> &setzen)
{
    WriteResult result;
    if (const std::optional<QByteArray> bytes = zusatzBytes(iniDatei, setzen, &result.io))
        result = writeFileAtomically(iniDatei, *bytes);
    return result;
}

} // namespace

WriteResult zusatzeinstellungenSchreiben(const QString &iniDatei, const Zusatzeinstellungen &werte)
{
    return schreiben(iniDatei, zeilenSetzen(werte, einstellungsTabellen));
}

WriteResult lueckenwahlSchreiben(const QString &iniDatei, const LueckenEinstellungen &werte)
{
    Zusatzeinstellungen zusatz;
    zusatz.luecken = werte;
    return schreiben(iniDatei, zeilenSetzen(zusatz, lueckenTabellen));
}

WriteResult einstellungenSchreiben(const QString &optDatei, const SettingsRecord &record,
                                   const Zusatzeinstellungen &werte)
{
    WriteResult result;
    const QString iniDatei = zusatzdatei(optDatei);
    const std::optional<QByteArray> ini =
        zusatzBytes(iniDatei, zeilenSetzen(werte, einstellungsTabellen), &result.io);
    if (!ini)
        return result;
    IoError lesefehler;
    const std::optional<QByteArray> altesOpt = readWholeFile(optDatei, &lesefehler, kGroessteDatei);
    result = writeSettingsFile(optDatei, record);
    if (!result.ok())
        return result;
    if (result = writeFileAtomically(iniDatei, *ini); result.ok())
        return result;
    // The settings file goes back to what it was, so that the two never disagree.
    if (altesOpt)
        (void)writeFileAtomically(optDatei, *altesOpt);
    else if (lesefehler.code == IoError::FileNotFound)
        QFile::remove(optDatei);
    return result;
}

QString klassenordnerLesen(const QString &iniDatei)
{
    QString ordner;
    iniLesen(iniDatei, [&ordner](const QSettings &ini) {
        ordner = ini.value(klassenordnerSchluessel).toString();
    });
    return ordner;
}

WriteResult klassenordnerSchreiben(const QString &iniDatei, const QString &ordner)
{
    return schreiben(iniDatei,
                     [&ordner](QSettings &ini) { ini.setValue(klassenordnerSchluessel, ordner); });
}

} // namespace settings
