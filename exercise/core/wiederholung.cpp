#include "exercise/core/wiederholung.h"

#include "exercise/core/ansi.h"
#include "exercise/core/markup.h"
#include "exercise/core/pupilrecord.h"

#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace wiederholung {
namespace {

const QString kopfzeile = u"Laufbahn-Wiederholung 1"_s;

// True when the pupil writes nothing of `wort`: all of it lies inside "&" pairs or is
// gap marks, so a review could show it but never judge it.
bool nichtsZuSchreiben(QStringView wort)
{
    bool gezeigt = false;
    for (QChar ch : wort) {
        if (ch == markup::notRewrittenMark)
            gezeigt = !gezeigt;
        else if (!gezeigt && !markup::isPairMark(ch) && ch != markup::groupJoin && ch != u' ')
            return false;
    }
    return true;
}

// Far more than the words of a lifetime of exercises: a larger file is no review file,
// and is not read into memory.
constexpr qint64 groessteDatei = 64 * 1024 * 1024;

// "dd.MM.yyyy" (also "d.M.yyyy") at the start of `text`, read by hand: a record of ten
// thousand exercises has as many dates to read.
QDate datumAm(QStringView text)
{
    int teile[3] = {0, 0, 0};
    int stellen = 0;
    int teil = 0;
    for (QChar ch : text) {
        if (ch.isDigit() && ch.unicode() < 128) {
            if (++stellen > 4)
                return {};
            teile[teil] = teile[teil] * 10 + (ch.unicode() - u'0');
        } else if (ch == u'.' && teil < 2 && stellen > 0) {
            ++teil;
            stellen = 0;
        } else {
            break;
        }
    }
    if (teil != 2 || stellen != 4)
        return {};
    return QDate(teile[2], teile[1], teile[0]);
}

void zweiStellen(QString &text, int zahl)
{
    text += QChar(u'0' + zahl / 10);
    text += QChar(u'0' + zahl % 10);
}

void datumAnhaengen(QString &text, QDate datum)
{
    zweiStellen(text, datum.day());
    text += u'.';
    zweiStellen(text, datum.month());
    text += u'.';
    zweiStellen(text, datum.year() / 100);
    zweiStellen(text, datum.year() % 100);
}

std::optional<qsizetype> zahlAus(QStringView text)
{
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    qsizetype zahl = 0;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        zahl = zahl * 10 + (ch.unicode() - u'0');
    }
    return zahl;
}

std::optional<Wort> zeileLesen(QStringView zeile)
{
    QStringView felder[4];
    for (QStringView &feld : felder) {
        const qsizetype bis = zeile.indexOf(u';');
        if (bis < 0)
            return std::nullopt;
        feld = zeile.first(bis);
        zeile = zeile.sliced(bis + 1);
    }
    Wort wort;
    const std::optional<qsizetype> box = zahlAus(felder[0]);
    const std::optional<qsizetype> erfasst = zahlAus(felder[2]);
    wort.letzte = datumAm(felder[1]);
    if (!box || *box > letzteBox || !erfasst || !wort.letzte.isValid() || felder[1].size() != 10 ||
        zeile.trimmed().isEmpty() || zeile.trimmed() != zeile)
        return std::nullopt;
    if (felder[3] == u"W")
        wort.art = Art::Wort;
    else if (felder[3] == u"G")
        wort.art = Art::Wortgruppe;
    else
        return std::nullopt;
    wort.box = int(*box);
    wort.erfasst = *erfasst;
    wort.text = zeile.toString();
    return wort;
}

} // namespace

QString dateiZu(const QString &recordPath)
{
    QString pfad = recordPath;
    if (pfad.endsWith(pupilrecord::fileSuffix, Qt::CaseInsensitive))
        pfad.chop(pupilrecord::fileSuffix.size());
    return pfad + fileSuffix;
}

Art artVon(QStringView wort)
{
    return wort.contains(u'_') ? Art::Wortgruppe : Art::Wort;
}

int abstandTage(int box)
{
    return 1 << (std::clamp(box, 1, letzteBox) - 1);
}

std::vector<Erfassung> erfassungen(QStringView recordText, QDate heute)
{
    std::vector<Erfassung> result;
    // Each word's place in `result`, counted from 1.
    QHash<QStringView, qsizetype> index;
    index.reserve(recordText.size() / 64);
    bool imBlock = false;
    QDate datum;
    qsizetype anfang = 0;
    for (qsizetype zeilenNr = 0; anfang <= recordText.size(); ++zeilenNr) {
        qsizetype ende = recordText.indexOf(u'\n', anfang);
        if (ende < 0)
            ende = recordText.size();
        const QStringView zeile = recordText.sliced(anfang, ende - anfang);
        anfang = ende + 1;
        if (zeilenNr == 0)
            continue;
        if (pupilrecord::isHeader(zeile)) {
            imBlock = true;
            const pupilrecord::EntryTime zeit = pupilrecord::entryTime(zeile.sliced(1));
            // A day after today, from a clock that ran ahead, counts as today.
            datum = zeit.state == pupilrecord::EntryTime::Read ? std::min(zeit.date, heute) : heute;
            continue;
        }
        const QStringView wort = zeile.trimmed();
        if (!imBlock || wort.isEmpty() || nichtsZuSchreiben(wort))
            continue;
        qsizetype &stelle = index[wort];
        if (stelle == 0) {
            result.push_back({wort.toString(), 0, datum});
            stelle = qsizetype(result.size());
        }
        Erfassung &erfassung = result[std::size_t(stelle - 1)];
        ++erfassung.anzahl;
        erfassung.zuletzt = std::max(erfassung.zuletzt, datum);
    }
    return result;
}

const Wort *Stand::finde(const QString &text) const
{
    const auto stelle = m_index.constFind(text);
    return stelle == m_index.cend() ? nullptr : &m_woerter[std::size_t(*stelle)];
}

Wort *Stand::findeZumAendern(const QString &text)
{
    const auto stelle = m_index.constFind(text);
    return stelle == m_index.cend() ? nullptr : &m_woerter[std::size_t(*stelle)];
}

void Stand::hinzufuegen(Wort wort)
{
    m_index.insert(wort.text, qsizetype(m_woerter.size()));
    m_woerter.push_back(std::move(wort));
}

bool Stand::abgleichen(const std::vector<Erfassung> &record, bool auchWeniger)
{
    bool geaendert = false;
    const std::size_t vorher = m_woerter.size();
    std::vector<bool> imRecord(auchWeniger ? vorher : 0, false);
    if (record.size() > vorher)
        m_index.reserve(qsizetype(record.size()));
    std::size_t gefunden = 0;
    for (const Erfassung &erfassung : record) {
        const auto stelle = m_index.constFind(erfassung.text);
        if (stelle == m_index.cend()) {
            hinzufuegen(
                {erfassung.text, artVon(erfassung.text), 1, erfassung.zuletzt, erfassung.anzahl});
            geaendert = true;
            continue;
        }
        const std::size_t i = std::size_t(*stelle);
        Wort &wort = m_woerter[i];
        if (auchWeniger && !imRecord[i]) {
            imRecord[i] = true;
            ++gefunden;
        }
        if (erfassung.anzahl > wort.erfasst) {
            wort.box = 1;
            wort.letzte = std::max(wort.letzte, erfassung.zuletzt);
            wort.erfasst = erfassung.anzahl;
            geaendert = true;
        } else if (auchWeniger && erfassung.anzahl < wort.erfasst) {
            wort.erfasst = erfassung.anzahl;
            geaendert = true;
        }
    }
    if (!auchWeniger || gefunden == vorher)
        return geaendert;
    std::vector<Wort> bleiben;
    bleiben.reserve(m_woerter.size() - (vorher - gefunden));
    for (std::size_t i = 0; i < m_woerter.size(); ++i) {
        if (i >= vorher || imRecord[i])
            bleiben.push_back(std::move(m_woerter[i]));
    }
    m_woerter.clear();
    m_index.clear();
    for (Wort &wort : bleiben)
        hinzufuegen(std::move(wort));
    return true;
}

void Stand::ergebnis(const QString &text, bool richtig, QDate heute)
{
    Wort *wort = findeZumAendern(text);
    if (!wort || !wort->inWiederholung())
        return;
    wort->letzte = heute;
    if (!richtig)
        wort->box = 1;
    else if (wort->box == letzteBox)
        wort->box = 0;
    else
        ++wort->box;
}

void Stand::herausnehmen(const QString &text)
{
    if (Wort *wort = findeZumAendern(text))
        wort->box = 0;
}

std::vector<Wort> Stand::faellige(QDate heute, qsizetype hoechstens) const
{
    struct Faellig {
        qint64 tag;
        std::size_t stelle;
        bool operator<(const Faellig &other) const
        {
            return tag != other.tag ? tag < other.tag : stelle < other.stelle;
        }
    };
    std::vector<Faellig> faellig;
    const qint64 heuteTag = heute.toJulianDay();
    for (std::size_t i = 0; i < m_woerter.size(); ++i) {
        const Wort &wort = m_woerter[i];
        if (!wort.inWiederholung())
            continue;
        const qint64 tag = std::min(wort.letzte, heute).toJulianDay() + abstandTage(wort.box);
        if (tag <= heuteTag)
            faellig.push_back({tag, i});
    }
    const auto mitte = faellig.begin() + std::min<qsizetype>(hoechstens, qsizetype(faellig.size()));
    std::partial_sort(faellig.begin(), mitte, faellig.end());
    std::vector<Wort> result;
    for (auto it = faellig.begin(); it != mitte; ++it)
        result.push_back(m_woerter[it->stelle]);
    return result;
}

qsizetype Stand::anzahlFaellig(QDate heute) const
{
    return qsizetype(faellige(heute, qsizetype(m_woerter.size())).size());
}

std::vector<Wort> Stand::uebersicht() const
{
    std::vector<Wort> result;
    for (const Wort &wort : m_woerter) {
        if (wort.inWiederholung())
            result.push_back(wort);
    }
    std::stable_sort(result.begin(), result.end(), [](const Wort &a, const Wort &b) {
        const QDate da = a.faellig();
        const QDate db = b.faellig();
        return da != db ? da < db : a.box < b.box;
    });
    return result;
}

std::optional<QByteArray> Stand::speichern(QString *unencodable) const
{
    QString text = kopfzeile;
    qsizetype laenge = text.size();
    for (const Wort &wort : m_woerter)
        laenge += wort.text.size() + 24;
    text.reserve(laenge);
    for (const Wort &wort : m_woerter) {
        text += u'\n';
        text += QChar(u'0' + wort.box);
        text += u';';
        datumAnhaengen(text, wort.letzte);
        text += u';';
        text += QString::number(wort.erfasst);
        text += wort.art == Art::Wort ? u";W;" : u";G;";
        text += wort.text;
    }
    ansi::Encoded bytes = ansi::encodeJoinedLines(text, true);
    if (unencodable)
        *unencodable = bytes.unencodable;
    if (!bytes.ok())
        return std::nullopt;
    return std::move(bytes.bytes);
}

std::optional<Stand> Stand::lesen(QByteArrayView bytes)
{
    std::vector<qsizetype> anfaenge;
    const QString text = ansi::decodeJoinedLines(bytes, &anfaenge);
    const auto zeile = [&](std::size_t i) {
        const qsizetype ende = i + 1 < anfaenge.size() ? anfaenge[i + 1] - 1 : text.size();
        return QStringView(text).sliced(anfaenge[i], ende - anfaenge[i]);
    };
    if (anfaenge.empty() || zeile(0) != kopfzeile)
        return std::nullopt;
    Stand stand;
    stand.m_woerter.reserve(anfaenge.size());
    stand.m_index.reserve(qsizetype(anfaenge.size()));
    for (std::size_t i = 1; i < anfaenge.size(); ++i) {
        std::optional<Wort> wort = zeileLesen(zeile(i));
        if (wort && !stand.m_index.contains(wort->text))
            stand.hinzufuegen(std::move(*wort));
    }
    return stand;
}

WiederholungsDatei::WiederholungsDatei(const QString &recordPath)
    : m_datei(dateiZu(recordPath), recordPath, groessteDatei)
{
}

Stand standLesen(const QString &recordPath, QStringView recordText, QDate heute)
{
    Stand stand;
    IoError lesefehler;
    if (const std::optional<QByteArray> bytes =
            readWholeFile(dateiZu(recordPath), &lesefehler, groessteDatei)) {
        if (std::optional<Stand> gelesen = Stand::lesen(*bytes))
            stand = std::move(*gelesen);
    }
    stand.abgleichen(erfassungen(recordText, heute), true);
    return stand;
}

WiederholungsDatei WiederholungsDatei::laden(const QString &recordPath, QStringView recordText,
                                             QDate heute, WriteResult *geschrieben)
{
    WiederholungsDatei datei(recordPath);
    IoError lesefehler;
    if (std::optional<QByteArray> bytes = readWholeFile(datei.pfad(), &lesefehler, groessteDatei)) {
        if (std::optional<Stand> stand = Stand::lesen(*bytes))
            datei.m_stand = std::move(*stand);
        datei.m_datei.gelesen(*bytes);
        // A review dated after today, from a clock that ran ahead, counts as today's.
        for (Wort &wort : datei.m_stand.m_woerter)
            wort.letzte = std::min(wort.letzte, heute);
    }
    WriteResult result = datei.nachUebung(recordText, heute);
    if (geschrieben)
        *geschrieben = std::move(result);
    return datei;
}

WriteResult WiederholungsDatei::nachUebung(QStringView recordText, QDate heute)
{
    Abgleich abgleich{erfassungen(recordText, heute)};
    if (!m_stand.abgleichen(abgleich.record, true))
        return writeUnwritten();
    m_ungeschrieben.push_back(std::move(abgleich));
    return schreiben();
}

WriteResult WiederholungsDatei::ergebnis(const QString &text, bool richtig, QDate heute)
{
    return aendern(Ergebnis{text, richtig, heute});
}

WriteResult WiederholungsDatei::ergebnisse(const QList<Bewertung> &woerter, QDate heute)
{
    for (const Bewertung &wort : woerter) {
        Aenderung aenderung = Ergebnis{wort.text, wort.richtig, heute};
        anwenden(m_stand, aenderung, true);
        m_ungeschrieben.push_back(std::move(aenderung));
    }
    return writeUnwritten();
}

WriteResult WiederholungsDatei::herausnehmen(const QString &text)
{
    return aendern(Heraus{text});
}

void WiederholungsDatei::anwenden(Stand &stand, const Aenderung &aenderung, bool ersteMal)
{
    if (const auto *abgleich = std::get_if<Abgleich>(&aenderung))
        // Replayed on what another computer wrote, a record read here earlier must not
        // take away what that computer's newer record added.
        stand.abgleichen(abgleich->record, ersteMal);
    else if (const auto *ergebnis = std::get_if<Ergebnis>(&aenderung))
        stand.ergebnis(ergebnis->text, ergebnis->richtig, ergebnis->heute);
    else
        stand.herausnehmen(std::get<Heraus>(aenderung).text);
}

WriteResult WiederholungsDatei::aendern(Aenderung aenderung)
{
    anwenden(m_stand, aenderung, true);
    m_ungeschrieben.push_back(std::move(aenderung));
    return schreiben();
}

WriteResult WiederholungsDatei::writeUnwritten()
{
    return m_ungeschrieben.empty() ? WriteResult() : schreiben();
}

WriteResult WiederholungsDatei::schreiben()
{
    geteilt::Schritte schritte;
    schritte.nachtragen = [this](QByteArrayView aufPlatte) {
        // A damaged file on disk holds nothing to keep: what is here is written over it.
        if (std::optional<Stand> dort = Stand::lesen(aufPlatte)) {
            for (const Aenderung &aenderung : m_ungeschrieben)
                anwenden(*dort, aenderung, false);
            m_stand = std::move(*dort);
        }
    };
    schritte.inhalt = [this](WriteResult &result) { return m_stand.speichern(&result.unencodable); };
    WriteResult result;
    if (m_datei.schreiben(schritte, result) != geteilt::Geschrieben::Nicht)
        m_ungeschrieben.clear();
    return result;
}

} // namespace wiederholung
