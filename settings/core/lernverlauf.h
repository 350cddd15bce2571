#pragma once
// A pupil's progress: the wrong words of every exercise of the record over time, their
// moving mean, and the wrong words by spelling phenomenon in the first and the second
// half of a time span. Exercises whose heading has no date, or one that cannot be read,
// are kept apart so that a teacher sees what the charts leave out.

#include "exercise/core/printlayout.h"
#include "settings/core/auswertung.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace lernverlauf {

// How many exercises the moving mean goes back.
inline constexpr int mittelUeber = 5;

enum class Datum { Gelesen, Fehlt, Unlesbar };

// When an exercise ended, as `pupilrecord::entryTime` reads it from its entry; a day
// after `heute` counts as `heute`.
struct Zeitpunkt {
    Datum datum = Datum::Fehlt;
    // The time the clock showed, held as UTC: compared without asking for time zones.
    QDateTime wann;
};
Zeitpunkt zeitpunkt(QStringView eintrag, QDate heute);

struct Uebung {
    QString eintrag;
    // Where its header stands in the record (0 is the name line).
    qsizetype zeile = 0;
    Zeitpunkt zeit;
    // The non-empty lines under the header: every wrong word and word group.
    int fehler = 0;
    // The wrong words by phenomenon, counted as the evaluation counts them (word groups
    // left out, markup taken out).
    std::array<int, auswertung::phaenomenAnzahl> phaenomene{};
};

struct Punkt {
    QDateTime wann;
    int fehler = 0;
    // The mean of this exercise's wrong words and those of up to four before it.
    double mittel = 0;
    bool operator==(const Punkt &) const = default;
};

struct Verlauf {
    // The dated exercises in the order they were done; two done at the same time keep
    // the order of the record.
    QList<Uebung> datiert;
    QList<Punkt> punkte;
    // The others, in the order of the record.
    QList<Uebung> ohneDatum;
};

// Every header of the record is one exercise, also where an equal header came before.
// `heute` is the latest day an exercise can have been done on.
Verlauf verlauf(const QStringList &recordLines, QDate heute);

// The wrong words by phenomenon in the two halves of the days `von` to `bis` (both
// whole); the first half ends at the middle of that time.
struct Haelfte {
    QDateTime von;
    QDateTime bis;
    int uebungen = 0;
    std::array<int, auswertung::phaenomenAnzahl> phaenomene{};
};
struct Vergleich {
    Haelfte erste;
    Haelfte zweite;
};
Vergleich vergleich(const QList<Uebung> &datiert, QDate von, QDate bis);

// How an exercise without a readable date is listed: its entry and why it is apart.
QString ohneDatumZeile(const Uebung &uebung);

// The printed page: a heading band, the two charts one below the other, each fitted
// into its half of the page keeping its proportions (picture 0 and 1 of the job), then
// the exercises without a readable date in a framed block.
QList<printlayout::Page> druckseiten(QSize pageSize, const printlayout::TextMetrics &metrics,
                                     const QString &ueberschrift, QSize bild0, QSize bild1,
                                     const QStringList &ohneDatum);

} // namespace lernverlauf
