#include "settings/core/klassenuebersicht.h"

#include "exercise/core/fileio.h"
#include "exercise/core/pupilrecord.h"
#include "exercise/core/wiederholung.h"
#include "settings/core/lernverlauf.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace klassenuebersicht {

namespace {

// Far more than a school life of exercises: a larger file is no pupil record, and is not
// read into memory.
constexpr qint64 groessteDatei = 256 * 1024 * 1024;

const QCollator &deutsch()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

std::optional<double> jeUebung(int fehler, int uebungen)
{
    if (uebungen <= 0)
        return std::nullopt;
    return double(fehler) / double(uebungen);
}

// Numbers the class's words as they are first met, with their phenomena found once.
class Woerter {
public:
    explicit Woerter(Klasse &klasse) : m_klasse(klasse) {}
    int nummer(QStringView wort)
    {
        const auto stelle = m_index.constFind(wort);
        if (stelle != m_index.cend())
            return *stelle;
        const int neu = int(m_klasse.woerter.size());
        m_klasse.woerter.append(wort.toString());
        const QString bewertet = auswertung::fehlerWort(wort);
        m_klasse.phaenomenBits.push_back(bewertet.isEmpty() ? 0u
                                                            : auswertung::phaenomene(bewertet));
        // The key views the list's own copy, which lives as long as the class.
        m_index.insert(QStringView(m_klasse.woerter.constLast()), neu);
        return neu;
    }

private:
    Klasse &m_klasse;
    QHash<QStringView, int> m_index;
};

std::optional<QString> schuelerLesen(const QString &pfad, QDate heute, Woerter &woerter,
                                     Schueler &schueler)
{
    IoError fehler;
    std::optional<QByteArray> bytes = readWholeFile(pfad, &fehler, groessteDatei);
    if (!bytes)
        return fehler.message();
    if (bytes->isEmpty())
        return u"Die Datei ist leer."_s;
    // Windows-1252 takes any byte; a zero byte is never part of a text.
    if (bytes->contains('\0'))
        return u"Die Datei ist keine Schülerdatei."_s;
    const pupilrecord::RecordLines zeilen = pupilrecord::RecordLines::fromBytes(*bytes);
    bytes.reset();

    schueler.datei = pfad;
    schueler.name = zeilen[0].trimmed().toString();
    if (schueler.name.isEmpty())
        schueler.name = QFileInfo(pfad).completeBaseName();
    const Zeitraum neu = Zeitraum::letzteVierWochen(heute);
    const Zeitraum vorher = Zeitraum::vierWochenDavor(heute);
    Schueler::Uebung *uebung = nullptr;
    const auto abschliessen = [&] {
        if (!uebung)
            return;
        const int anzahl = int(uebung->anzahl);
        if (neu.umfasst(uebung->tag)) {
            ++schueler.uebungenNeu;
            schueler.fehlerNeu += anzahl;
        } else if (vorher.umfasst(uebung->tag)) {
            ++schueler.uebungenVorher;
            schueler.fehlerVorher += anzahl;
        }
        schueler.fehler += anzahl;
    };
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QStringView zeile = zeilen[i];
        if (pupilrecord::isHeader(zeile)) {
            abschliessen();
            // A day after today counts as today.
            const lernverlauf::Zeitpunkt zeit = lernverlauf::zeitpunkt(zeile.sliced(1), heute);
            QDate tag;
            if (zeit.datum == lernverlauf::Datum::Gelesen)
                tag = zeit.wann.date();
            if (tag.isValid() && (!schueler.letzte.isValid() || tag > schueler.letzte))
                schueler.letzte = tag;
            schueler.uebungsliste.push_back({tag, qsizetype(schueler.wortNummern.size()), 0});
            uebung = &schueler.uebungsliste.back();
            ++schueler.uebungen;
            continue;
        }
        const QStringView wort = zeile.trimmed();
        // Lines before the first header belong to no exercise.
        if (!uebung || wort.isEmpty())
            continue;
        schueler.wortNummern.push_back(woerter.nummer(wort));
        ++uebung->anzahl;
    }
    abschliessen();
    schueler.faellig = wiederholung::standLesen(pfad, zeilen.text(), heute).anzahlFaellig(heute);
    return std::nullopt;
}

template <typename F> void woerterIm(const Schueler &schueler, const Zeitraum &zeitraum, F f)
{
    for (const Schueler::Uebung &uebung : schueler.uebungsliste) {
        if (!zeitraum.umfasst(uebung.tag))
            continue;
        for (qsizetype i = 0; i < uebung.anzahl; ++i)
            f(schueler.wortNummern[size_t(uebung.erstes + i)]);
    }
}

QString zahl(qsizetype n)
{
    return QString::number(n);
}

} // namespace

bool Zeitraum::umfasst(QDate tag) const
{
    if (alle())
        return true;
    return tag.isValid() && tag >= von && tag <= bis;
}

Zeitraum Zeitraum::letzteVierWochen(QDate heute)
{
    return {heute.addDays(1 - wochenTage), heute};
}

Zeitraum Zeitraum::vierWochenDavor(QDate heute)
{
    return {heute.addDays(1 - 2 * wochenTage), heute.addDays(-wochenTage)};
}

std::optional<double> Schueler::jeUebungNeu() const
{
    return jeUebung(fehlerNeu, uebungenNeu);
}

std::optional<double> Schueler::jeUebungVorher() const
{
    return jeUebung(fehlerVorher, uebungenVorher);
}

bool namensfolge(const QString &a, const QString &b)
{
    return deutsch().compare(a, b) < 0;
}

Klasse lesen(const QString &ordner, QDate heute)
{
    Klasse klasse;
    klasse.ordner = ordner;
    klasse.heute = heute;
    Woerter woerter(klasse);
    const QFileInfo ort(ordner);
    if (!ort.isDir() || !ort.isReadable()) {
        klasse.ordnerFehler = ort.exists() ? u"Der Ordner kann nicht gelesen werden."_s
                                           : u"Den Ordner gibt es nicht."_s;
        return klasse;
    }
    const QFileInfoList dateien = QDir(ordner).entryInfoList(
        QStringList{QString(u"*"_s + pupilrecord::fileSuffix)}, QDir::Files, QDir::Name);
    for (const QFileInfo &datei : dateien) {
        Schueler schueler;
        if (const auto grund = schuelerLesen(datei.filePath(), heute, woerter, schueler))
            klasse.unlesbar.append({datei.filePath(), *grund});
        else
            klasse.schueler.append(std::move(schueler));
    }
    std::stable_sort(
        klasse.schueler.begin(), klasse.schueler.end(),
        [](const Schueler &a, const Schueler &b) { return namensfolge(a.name, b.name); });
    std::stable_sort(
        klasse.unlesbar.begin(), klasse.unlesbar.end(), [](const Unlesbar &a, const Unlesbar &b) {
            return namensfolge(QFileInfo(a.datei).fileName(), QFileInfo(b.datei).fileName());
        });
    return klasse;
}

QList<GemeinsamesWort> gemeinsameFehlerwoerter(const Klasse &klasse, const Zeitraum &zeitraum)
{
    // Which pupils got each word wrong, each pupil once, in the class's order.
    std::vector<QList<int>> wer(size_t(klasse.woerter.size()));
    for (int s = 0; s < klasse.schueler.size(); ++s) {
        woerterIm(klasse.schueler[s], zeitraum, [&wer, s](int nummer) {
            QList<int> &liste = wer[size_t(nummer)];
            if (liste.isEmpty() || liste.constLast() != s)
                liste.append(s);
        });
    }
    QList<GemeinsamesWort> result;
    for (size_t nummer = 0; nummer < wer.size(); ++nummer) {
        if (wer[nummer].size() < 2)
            continue;
        GemeinsamesWort wort{klasse.woerter[qsizetype(nummer)], {}};
        for (int s : std::as_const(wer[nummer]))
            wort.schueler.append(klasse.schueler[s].name);
        result.append(std::move(wort));
    }
    std::sort(result.begin(), result.end(), [](const GemeinsamesWort &a, const GemeinsamesWort &b) {
        if (a.schueler.size() != b.schueler.size())
            return a.schueler.size() > b.schueler.size();
        return namensfolge(a.wort, b.wort);
    });
    return result;
}

std::array<int, auswertung::phaenomenAnzahl> phaenomene(const Klasse &klasse,
                                                        const Zeitraum &zeitraum)
{
    std::array<int, auswertung::phaenomenAnzahl> anzahlen{};
    for (const Schueler &schueler : klasse.schueler) {
        woerterIm(schueler, zeitraum, [&](int nummer) {
            const quint32 bits = klasse.phaenomenBits[size_t(nummer)];
            for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
                anzahlen[size_t(row)] += auswertung::zeigt(bits, row);
        });
    }
    return anzahlen;
}

QString jeUebungText(std::optional<double> wert)
{
    if (!wert)
        return {};
    return QLocale(QLocale::German).toString(*wert, 'f', 1);
}

QString datumText(QDate tag)
{
    return tag.isValid() ? QLocale(QLocale::German).toString(tag, u"dd.MM.yyyy"_s) : QString();
}

QList<Spalte> schuelerSpalten()
{
    return {
        {u"Name"_s, u"Name"_s},
        {u"Übungen"_s, u"Übungen"_s},
        {u"Übungen\nletzte\n4 Wochen"_s, u"Übungen der letzten 4 Wochen"_s},
        {u"falsche\nWörter"_s, u"falsche Wörter"_s},
        {u"Fehler\nje Übung\n4 Wochen"_s, u"falsche Wörter je Übung in den letzten 4 Wochen"_s},
        {u"Fehler\nje Übung\ndavor"_s, u"falsche Wörter je Übung in den 4 Wochen davor"_s},
        {u"fällige\nWörter"_s, u"Wörter heute zur Wiederholung fällig"_s},
        {u"letzte\nÜbung"_s, u"letzte Übung"_s},
    };
}

Tabelle schuelerTabelle(const Klasse &klasse, Koepfe koepfe)
{
    QStringList kopf;
    for (const Spalte &spalte : schuelerSpalten())
        kopf.append(koepfe == Koepfe::Kurz ? spalte.kurz : spalte.lang);
    Tabelle tabelle{kopf};
    for (const Schueler &s : klasse.schueler) {
        tabelle.append({s.name, zahl(s.uebungen), zahl(s.uebungenNeu), zahl(s.fehler),
                        jeUebungText(s.jeUebungNeu()), jeUebungText(s.jeUebungVorher()),
                        zahl(s.faellig), datumText(s.letzte)});
    }
    return tabelle;
}

Tabelle woerterTabelle(const QList<GemeinsamesWort> &woerter)
{
    Tabelle tabelle{{u"Wort"_s, u"Schüler"_s, u"Namen"_s}};
    for (const GemeinsamesWort &wort : woerter)
        tabelle.append({wort.wort, zahl(wort.schueler.size()), wort.schueler.join(u", ")});
    return tabelle;
}

Tabelle phaenomenTabelle(const std::array<int, auswertung::phaenomenAnzahl> &anzahlen)
{
    Tabelle tabelle{{u"Rechtschreibphänomen"_s, u"falsche Wörter"_s}};
    for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
        tabelle.append({auswertung::beschriftung(row), zahl(anzahlen[size_t(row)])});
    return tabelle;
}

QByteArray csv(const Tabelle &tabelle)
{
    QByteArray bytes = "\xEF\xBB\xBF";
    for (const QStringList &zeile : tabelle) {
        QStringList felder;
        for (const QString &feld : zeile) {
            // A heading broken into two lines for the window is one line in a cell.
            QString text = feld;
            text.replace(u'\n', u' ');
            if (!text.isEmpty() && (text[0] == u'=' || text[0] == u'+' || text[0] == u'-' ||
                                    text[0] == u'@' || text[0] == u'\t' || text[0] == u'\r'))
                text.prepend(u'\'');
            if (text.contains(u';') || text.contains(u'"') || text.contains(u'\r'))
                text = u'"' + text.replace(u"\""_s, u"\"\""_s) + u'"';
            felder.append(text);
        }
        bytes += felder.join(u';').toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QList<printlayout::Page> druckseiten(QSize pageSize, const printlayout::TextMetrics &metrics,
                                     const QString &ueberschrift, const Tabelle &schueler,
                                     const QStringList &gemeinsam, const QString &zeitraumText,
                                     QSize bild)
{
    printlayout::PageWriter writer(pageSize, metrics);
    const int links = writer.toX(printlayout::frameLeft);
    const int rechts = writer.toX(printlayout::frameRight);
    const int textLinks = writer.toX(printlayout::textLeft);
    const int unten = writer.toY(printlayout::pageBottom);
    writer.addLine({links, writer.toY(50)}, {rechts, writer.toY(50)});
    writer.addLine({links, writer.toY(100)}, {rechts, writer.toY(100)});
    writer.addText({textLinks, writer.toY(60)}, ueberschrift);

    // The columns as wide as their widest text; the names take what is left, at least a
    // fifth of the line.
    const QStringList kopf = schueler.value(0);
    const qsizetype spalten = kopf.size();
    const int abstand = writer.toX(12);
    std::vector<int> breite(size_t(spalten), 0);
    int kopfZeilen = 1;
    for (const QStringList &zeile : schueler) {
        for (qsizetype c = 0; c < std::min(spalten, zeile.size()); ++c) {
            const QStringList teile = zeile[c].split(u'\n');
            kopfZeilen = std::max(kopfZeilen, int(teile.size()));
            for (const QString &teil : teile)
                breite[size_t(c)] = std::max(breite[size_t(c)], metrics.width(teil));
        }
    }
    std::vector<int> rechtsKante(size_t(spalten), 0);
    if (spalten > 0) {
        int zahlen = 0;
        for (size_t c = 1; c < breite.size(); ++c)
            zahlen += breite[c] + abstand;
        breite[0] =
            std::max(writer.lineWidth() / 5, std::min(breite[0], writer.lineWidth() - zahlen));
        int x = textLinks;
        for (size_t c = 0; c < breite.size(); ++c) {
            x += breite[c] + (c > 0 ? abstand : 0);
            rechtsKante[c] = x;
        }
    }

    int y = writer.toY(110);
    // One printed line of a row: names from the left, numbers to their column's right edge.
    const auto zeileDrucken = [&](const QStringList &zeile, int teil) {
        for (qsizetype c = 0; c < std::min(spalten, zeile.size()); ++c) {
            QString text = zeile[c].split(u'\n').value(teil);
            if (c == 0) {
                // A name wider than its column is cut and marked.
                while (text.size() > 1 && metrics.width(text) > breite[0])
                    text = text.chopped(2) + u'…';
                writer.addText({textLinks, y}, text);
            } else {
                if (!text.isEmpty())
                    writer.addText({rechtsKante[size_t(c)] - metrics.width(text), y}, text);
            }
        }
        y += writer.lineStep();
    };
    const auto kopfDrucken = [&] {
        for (int teil = 0; teil < kopfZeilen; ++teil)
            zeileDrucken(kopf, teil);
        writer.addLine({links, y}, {rechts, y});
        y += writer.lineStep() / 4;
    };
    if (schueler.size() > 1) {
        kopfDrucken();
        for (qsizetype r = 1; r < schueler.size(); ++r) {
            if (y + writer.lineStep() > unten) {
                writer.newPage();
                y = writer.toY(printlayout::pageTop);
                kopfDrucken();
            }
            zeileDrucken(schueler[r], 0);
        }
    }

    // The shared words below the table, in units again.
    writer.moveTo(int(qint64(y) * printlayout::sheetHeight / std::max(1, pageSize.height())) + 20);
    writer.newPageBelow(printlayout::pageBottom - 100);
    QStringList woerter;
    for (const QString &eintrag : gemeinsam)
        woerter.append(
            printlayout::fillLines(QString(eintrag + u'#'), metrics, writer.lineWidth()));
    if (woerter.isEmpty())
        woerter.append(u"Kein Wort haben zwei oder mehr Schüler falsch geschrieben."_s);
    writer.framedBlock(
        30, {{printlayout::textLeft, u"Gemeinsame Fehlerwörter ("_s + zeitraumText + u")"}},
        woerter);

    // The phenomena's chart on a page of its own.
    writer.newPage();
    writer.addText({textLinks, writer.toY(printlayout::pageTop)},
                   u"Rechtschreibphänomene der Klasse ("_s + zeitraumText + u")");
    const int oben = writer.toY(printlayout::pageTop + 30);
    const int breiteBild = rechts - links;
    const int hoeheBild = unten - oben;
    const QSize groesse = bild.isEmpty() ? QSize(breiteBild, hoeheBild)
                                         : bild.scaled(breiteBild, hoeheBild, Qt::KeepAspectRatio);
    writer.addPicture(QRect(QPoint(links + (breiteBild - groesse.width()) / 2, oben), groesse), 0);
    return writer.pages();
}

} // namespace klassenuebersicht
