#pragma once
// Rewriting a chunk from memory: how the rewrite forms react to each change of the
// pupil's text, how the finished text is judged and recorded, and the pace of the
// reading finger. Pure functions, no windows.

#include "writing/core/eintrag.h"
#include "writing/core/wortvergleich.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace writing {

// One word (TForm9) or a word group or text section (TForm12).
enum class Nachschreibform { Wort, Abschnitt };

// What happens when the pupil types a wrong letter.
enum class Reaktion {
    Lesefinger = 1,          // nothing now; the reading finger before the evaluation
    WortFaerben = 2,         // the word in the error colour
    HintergrundFaerben = 3,  // the editor's background in the error colour
    BuchstabenMarkieren = 4, // each wrong letter in the error colour
    NichtAnnehmen = 5,       // the change is undone
    Keine = 6,
    WortLoeschen = 7,
};

// The reaction behind radio button 1..7 of "Reaktion auf Fehler"; none for 0.
std::optional<Reaktion> reaktionFuerKnopf(int knopf);

// The editor's text and its caret (a character offset).
struct Stand {
    QString text;
    int caret = 0;

    bool operator==(const Stand &) const = default;
};

// Characters to recolour: in the error colour, or back in the normal colour.
struct Farbspanne {
    int start = 0;
    int laenge = 0;
    bool fehler = false;

    bool operator==(const Farbspanne &) const = default;
};

struct Pruefung {
    // What the editor holds after the check; written back when `zurueckschreiben`.
    Stand stand;
    bool zurueckschreiben = false;
    QList<Farbspanne> farben;
    // The editor's background: error colour (true), normal (false), or left alone.
    std::optional<bool> hintergrundFehler;
    // A wrong letter was seen in a mode that takes the praise away.
    bool ohneFehlerFaellt = false;
    // TForm9: the blank after the word asks to finish.
    bool fertig = false;
};

// The check after one change of the editor. `vorher` is the editor as the last check
// left it (always a right beginning of the target in mode 5), `jetzt` as the change
// left it. The whole text counts, however many lines the editor shows.
Pruefung aenderungPruefen(Nachschreibform form, Reaktion reaktion, const Stand &vorher,
                          const Stand &jetzt, QStringView ziel);

// "Lob": "kein Lob", "Text", "Bild".
enum class Lob { Keins, Text, Bild };

// The evaluation of a finished rewrite.
struct Auswertung {
    QString geschrieben; // without the blanks after the last word
    bool richtig = false;
    Lob lob = Lob::Keins; // the praise earned
    // Appended to the written text for printing and to the exercise and written texts;
    // empty outside a first run. A wrong text leaves the two texts to the comparison.
    QString druckText;
    QList<TextStueck> vorlageText;
    QList<TextStueck> geschriebenText;
};

// `lob` is the praise the setting "Lob" chooses for a chunk written right.
Auswertung auswerten(QStringView text, const QString &ziel, bool ohneFehler, Lob lob,
                     bool neueUebung);

// What a rewrite form is handed by the main window besides its target.
// The spoken dictation of the chunk being rewritten.
struct DiktatEingabe {
    bool vorlesen = false; // "show again" and F5 speak the chunk
    bool gezeigt = true;   // the run showed the chunk; "show again" shows it as well
    int tempo = 120;       // words per minute
    QString abschnitt;     // the chunk with its markup: its target words are spoken
    bool operator==(const DiktatEingabe &) const = default;
};

struct NachschreibEingabe {
    bool neueUebung = false;
    QString laufbahnText; // the chunk's display string, for showing it again
    // TForm9 shows the word again with the short-time display ("Kurzzeitdarstellung"
    // on and a word exercise).
    bool kurzzeit = false;
    bool alternativ = false; // "alternativer Laufmodus"
    // The chunk's raw forms and file type; the form fills in the written text and target.
    VergleichsEingabe vergleich;
    QStringList lobZeilen; // the praise lines of "lob.inf"
    DiktatEingabe diktat;
};

// "Show the chunk again": which display, with what.
struct Wiederholung {
    enum class Anzeige { Kurzzeit, Laufbahn, Alternativ };
    Anzeige anzeige = Anzeige::Laufbahn;
    QString laufbahnText;
    QStringList woerter;  // Kurzzeit: flashed one after the other
    int verzoegerung = 1; // Kurzzeit: how long each word stays, in steps of 50 ms

    bool operator==(const Wiederholung &) const = default;
};

// The reading finger's wait after each column, in milliseconds, for the setting
// "Geschwindigkeit Lesefinger:" 0..10.
int fingerPause(int tempo);
// "+" during the sweep: TForm12 goes back to the setting's pause; TForm9 has always
// taken its table the other way round, and pupils know it so.
int fingerPausePlus(Nachschreibform form, int tempo);
// "-" during the sweep: five milliseconds slower, up to 70.
int fingerPauseMinus(int pause);

// The sweep across the lines of the written text, one column after the other.
class FingerLauf {
public:
    // The widths in pixels of the lines the text is laid out in; the sweep covers
    // columns 0..width of each line and ends at the first empty one.
    explicit FingerLauf(const QList<int> &zeilenBreiten);

    // Time has passed: as many columns as it pays for at `pause` ms each.
    void weiter(double ms, int pause);

    bool fertig() const { return m_zeile >= m_breiten.size(); }
    // The line being swept and its last swept column (-1: none yet).
    int zeile() const { return m_zeile; }
    int spalte() const { return m_spalte; }

private:
    QList<int> m_breiten;
    int m_zeile = 0;
    int m_spalte = -1;
    double m_guthaben = 0;
};

} // namespace writing
