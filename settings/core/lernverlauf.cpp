#include "settings/core/lernverlauf.h"

#include "exercise/core/pupilrecord.h"

#include <QTime>
#include <QTimeZone>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace lernverlauf {

namespace {

// The record's times count as UTC: Qt 6.5 names that zone, Qt 6.4 knows only Qt::UTC.
QDateTime utc(QDate date, QTime time)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QDateTime(date, time, QTimeZone::utc());
#else
    return QDateTime(date, time, Qt::UTC);
#endif
}

} // namespace

Zeitpunkt zeitpunkt(QStringView eintrag, QDate heute)
{
    const pupilrecord::EntryTime gelesen = pupilrecord::entryTime(eintrag);
    switch (gelesen.state) {
    case pupilrecord::EntryTime::Missing:
        return {Datum::Fehlt, {}};
    case pupilrecord::EntryTime::Unreadable:
        return {Datum::Unlesbar, {}};
    case pupilrecord::EntryTime::Read:
        break;
    }
    // A computer whose clock ran ahead did it today at the latest.
    return {Datum::Gelesen, utc(std::min(gelesen.date, heute), gelesen.time)};
}

Verlauf verlauf(const QStringList &recordLines, QDate heute)
{
    Verlauf result;
    QList<Uebung> alle;
    for (qsizetype i = 1; i < recordLines.size(); ++i) {
        const QString &line = recordLines[i];
        if (pupilrecord::isHeader(line)) {
            Uebung uebung;
            uebung.eintrag = line.sliced(1);
            uebung.zeile = i;
            uebung.zeit = zeitpunkt(uebung.eintrag, heute);
            alle.append(std::move(uebung));
            continue;
        }
        // Lines before the first header belong to no exercise.
        if (alle.isEmpty() || line.isEmpty())
            continue;
        Uebung &uebung = alle.last();
        ++uebung.fehler;
        const QString wort = auswertung::fehlerWort(line);
        if (wort.isEmpty())
            continue;
        const quint32 bits = auswertung::phaenomene(wort);
        for (int row = 0; row < auswertung::phaenomenAnzahl; ++row)
            uebung.phaenomene[size_t(row)] += auswertung::zeigt(bits, row);
    }
    for (Uebung &uebung : alle) {
        if (uebung.zeit.datum == Datum::Gelesen)
            result.datiert.append(std::move(uebung));
        else
            result.ohneDatum.append(std::move(uebung));
    }
    std::stable_sort(result.datiert.begin(), result.datiert.end(),
                     [](const Uebung &a, const Uebung &b) { return a.zeit.wann < b.zeit.wann; });

    result.punkte.reserve(result.datiert.size());
    int fenster = 0;
    for (qsizetype i = 0; i < result.datiert.size(); ++i) {
        fenster += result.datiert[i].fehler;
        if (i >= mittelUeber)
            fenster -= result.datiert[i - mittelUeber].fehler;
        const qsizetype n = std::min<qsizetype>(i + 1, mittelUeber);
        result.punkte.append(
            {result.datiert[i].zeit.wann, result.datiert[i].fehler, double(fenster) / double(n)});
    }
    return result;
}

Vergleich vergleich(const QList<Uebung> &datiert, QDate von, QDate bis)
{
    Vergleich result;
    if (bis < von)
        std::swap(von, bis);
    const QDateTime anfang = utc(von, QTime(0, 0));
    const QDateTime ende = utc(bis.addDays(1), QTime(0, 0));
    const QDateTime mitte = anfang.addMSecs(anfang.msecsTo(ende) / 2);
    result.erste.von = anfang;
    result.erste.bis = mitte;
    result.zweite.von = mitte;
    result.zweite.bis = ende;
    for (const Uebung &uebung : datiert) {
        const QDateTime &wann = uebung.zeit.wann;
        if (wann < anfang || wann >= ende)
            continue;
        Haelfte &haelfte = wann < mitte ? result.erste : result.zweite;
        ++haelfte.uebungen;
        for (size_t row = 0; row < haelfte.phaenomene.size(); ++row)
            haelfte.phaenomene[row] += uebung.phaenomene[row];
    }
    return result;
}

QString ohneDatumZeile(const Uebung &uebung)
{
    const QString grund =
        uebung.zeit.datum == Datum::Fehlt ? u"ohne Datum"_s : u"Datum nicht lesbar"_s;
    return uebung.eintrag + u" (" + grund + u", " + QString::number(uebung.fehler) + u" Fehler)";
}

QList<printlayout::Page> druckseiten(QSize pageSize, const printlayout::TextMetrics &metrics,
                                     const QString &ueberschrift, QSize bild0, QSize bild1,
                                     const QStringList &ohneDatum)
{
    printlayout::PageWriter writer(pageSize, metrics);
    const int links = writer.toX(printlayout::frameLeft);
    const int breite = writer.toX(printlayout::frameRight) - links;
    // The heading band of the single prints, from 50 to 100 units.
    writer.addLine({links, writer.toY(50)}, {links + breite, writer.toY(50)});
    writer.addLine({links, writer.toY(100)}, {links + breite, writer.toY(100)});
    writer.addText({writer.toX(printlayout::textLeft), writer.toY(60)}, ueberschrift);
    // The two charts share the page below it, 10 units apart.
    const int oben = writer.toY(110);
    const int hoehe = (writer.toY(printlayout::pageBottom) - oben - writer.toY(10)) / 2;
    int y = oben;
    const QSize bilder[] = {bild0, bild1};
    for (int i = 0; i < 2; ++i) {
        QSize groesse = bilder[i].scaled(breite, hoehe, Qt::KeepAspectRatio);
        if (bilder[i].isEmpty())
            groesse = QSize(breite, hoehe);
        writer.addPicture(QRect(QPoint(links + (breite - groesse.width()) / 2, y), groesse), i);
        y += hoehe + writer.toY(10);
    }
    if (!ohneDatum.isEmpty()) {
        writer.newPage();
        writer.framedBlock(
            30,
            {{printlayout::textLeft, u"Übungen ohne lesbares Datum (nicht in den Diagrammen):"_s}},
            ohneDatum);
    }
    return writer.pages();
}

} // namespace lernverlauf
