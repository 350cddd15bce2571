#pragma once
// The class at a glance: every pupil record of a folder counted side by side, the wrong
// words several pupils share, and the class's wrong words by spelling phenomenon, with
// their tables as CSV and their printed pages. Records are only read, never locked or
// written: a record another program is writing is taken as it stands.

#include "exercise/core/printlayout.h"
#include "settings/core/auswertung.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace klassenuebersicht {

// "the last 4 weeks": today and the 27 days before; "the 4 before" the 28 days before those.
inline constexpr int wochenTage = 28;

// The days `von` to `bis`, both whole. Without dates every exercise counts, also one
// whose date cannot be read; with them only exercises of a readable date in between.
struct Zeitraum {
    QDate von;
    QDate bis;
    bool alle() const { return !von.isValid() || !bis.isValid(); }
    bool umfasst(QDate tag) const;
    static Zeitraum letzteVierWochen(QDate heute);
    static Zeitraum vierWochenDavor(QDate heute);
};

struct Schueler {
    QString name; // line 1 of the record, or the file's name when that is empty
    QString datei;
    int uebungen = 0;
    int uebungenNeu = 0;    // in the last 4 weeks
    int uebungenVorher = 0; // in the 4 weeks before
    int fehler = 0;         // every wrong word and word group of every exercise
    int fehlerNeu = 0;
    int fehlerVorher = 0;
    qsizetype faellig = 0; // words due for review today
    QDate letzte;          // the last exercise with a readable date, or none

    // Wrong words per exercise; nothing where there was no exercise.
    std::optional<double> jeUebungNeu() const;
    std::optional<double> jeUebungVorher() const;

    // The exercises for counting by span: the day (invalid when unreadable) and where its
    // wrong words stand in `wortNummern`, numbers into `Klasse::woerter`.
    struct Uebung {
        QDate tag;
        qsizetype erstes = 0;
        qsizetype anzahl = 0;
    };
    std::vector<Uebung> uebungsliste;
    std::vector<int> wortNummern;
};

struct Unlesbar {
    QString datei;
    QString grund;
};

struct Klasse {
    QString ordner;
    QDate heute;
    // Why the folder itself could not be read, or empty.
    QString ordnerFehler;
    // In German order of their names.
    QList<Schueler> schueler;
    // In German order of their file names.
    QList<Unlesbar> unlesbar;
    // Every wrong word of the class once, as recorded (blanks around it taken off), and
    // the spelling phenomena it shows (none for a word group).
    QStringList woerter;
    std::vector<quint32> phaenomenBits;
};

// Every "*.lbs" of the folder (not its subfolders, nor hidden files such as the copies
// other systems leave on a share), and the review file beside each. A date after `heute`
// counts as `heute`.
Klasse lesen(const QString &ordner, QDate heute);

// German alphabetical order, without regard to case: "Ärger" before "Bär".
bool namensfolge(const QString &a, const QString &b);

struct GemeinsamesWort {
    QString wort;
    QStringList schueler; // in German order
};
// The words two or more pupils got wrong in the span, the most shared first, equally
// shared ones in German order.
QList<GemeinsamesWort> gemeinsameFehlerwoerter(const Klasse &klasse, const Zeitraum &zeitraum);

// The class's wrong words in the span by phenomenon, counted as the progress chart counts
// them: each wrong word as often as it was recorded, word groups left out.
std::array<int, auswertung::phaenomenAnzahl> phaenomene(const Klasse &klasse,
                                                        const Zeitraum &zeitraum);

// The pupils' table's columns: a short heading of up to three lines, so that every column
// fits beside the names on a small screen and on paper, and the heading in full.
struct Spalte {
    QString kurz;
    QString lang;
};
QList<Spalte> schuelerSpalten();

// The tables, their heading row first, as the window shows them and the CSV holds them.
using Tabelle = QList<QStringList>;
enum class Koepfe { Kurz, Lang };
Tabelle schuelerTabelle(const Klasse &klasse, Koepfe koepfe = Koepfe::Lang);
Tabelle woerterTabelle(const QList<GemeinsamesWort> &woerter);
Tabelle phaenomenTabelle(const std::array<int, auswertung::phaenomenAnzahl> &anzahlen);
// "1,5": one decimal, a German comma; an empty text for nothing.
QString jeUebungText(std::optional<double> wert);
QString datumText(QDate tag);

// CSV as spreadsheet programs in German locales open it without asking: UTF-8 with a
// byte-order mark, ";" between fields, CR LF after each row. A field holding ";", a quote
// or a line break is quoted; a text that a spreadsheet would take for a formula (it
// begins with "=", "+", "-" or "@") gets a leading "'", so a pupil's name never runs.
QByteArray csv(const Tabelle &tabelle);

// The printed pages: a heading band, the pupils' table in columns (numbers right-aligned,
// its heading row again on each new page), the shared words in a framed block, and the
// phenomena's chart (picture 0 of the job, fitted into the page keeping its proportions).
QList<printlayout::Page> druckseiten(QSize pageSize, const printlayout::TextMetrics &metrics,
                                     const QString &ueberschrift, const Tabelle &schueler,
                                     const QStringList &gemeinsam, const QString &zeitraumText,
                                     QSize bild);

} // namespace klassenuebersicht
