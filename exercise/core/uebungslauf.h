#pragma once
// One exercise run as a step machine: it cuts the exercise buffer into chunks and says
// what comes next (choose a section, show a chunk, have a word or a group rewritten,
// done); the main window opens the window each step names and hands back what the
// pupil did. Nothing here opens a window, so a run can be stepped through in a test.

#include "exercise/core/laufabschnitt.h"
#include "exercise/core/markup.h"

#include <QList>
#include <QString>
#include <optional>
#include <variant>

namespace lauf {

// Running text: the pupil chooses the next section of sentence `satzNr` from
// `abschnittEnde` on; the answer goes to `Uebungslauf::gewaehlt`.
struct AbschnittWaehlen {
    int satzNr = 1;
    int abschnittEnde = 0;
    friend bool operator==(const AbschnittWaehlen &, const AbschnittWaehlen &) = default;
};

// Which display shows a chunk. A further kind of run adds its display here and its
// chunking to `Uebungslauf`, and the main window's driver opens it like the others.
enum class Anzeige {
    Laufbahn,    // the gliding line
    Alternativ,  // "alternativer Laufmodus"
    Kurzzeit,    // the words of the chunk flashed one after the other
    GleitAlt,    // the second gliding line ("Laufbahn alt")
    Lesefinger,  // the whole text page by page, a pointer along each line
    Silbenlesen, // the whole text page by page, syllable by syllable
};

// Show the chunk's display string on a display, full screen, until it closes. The
// reading displays take the buffer itself (`anzeigeText` is `puffer`) and name the words
// marked on them in the editor's counting. `abdecken`: a black cover lies under the
// display.
struct Zeigen {
    Anzeige anzeige = Anzeige::Laufbahn;
    QString anzeigeText;
    bool abdecken = false;
    friend bool operator==(const Zeigen &, const Zeigen &) = default;
};

// Have the pupil write `ziel`: one word (`gruppe` false) or the whole chunk. The raw
// forms are what the comparison records a wrong word as; only a first run
// (`neueUebung`) records anything.
struct Nachschreiben {
    QString ziel;
    bool gruppe = false;
    bool neueUebung = true;
    QString wortRoh;
    QString abschnittRoh;
    QString wortgruppeRoh;
    friend bool operator==(const Nachschreiben &, const Nachschreiben &) = default;
};

// The words the pupil marked on the display of the chunk just finished, now that its
// rewrites have been appended to the exercise text: the chunk's words and the places of
// the marked ones.
struct MarkierteFaerben {
    QList<Wort> woerter;
    QList<int> markiert;
    friend bool operator==(const MarkierteFaerben &, const MarkierteFaerben &) = default;
};

// The run is over. `nachgeschrieben`: the pupil finished at least one rewrite.
struct Fertig {
    bool nachgeschrieben = false;
    friend bool operator==(const Fertig &, const Fertig &) = default;
};

using Schritt = std::variant<AbschnittWaehlen, Zeigen, Nachschreiben, MarkierteFaerben, Fertig>;

// The kinds of run: the Laufbahn in chunks; the whole text read with the reading finger
// or syllable by syllable, nothing rewritten; "Laufbahn alt": the whole text glided
// once, then every word rewritten in turn; the review of a pupil's due words, each word
// its own chunk.
enum class Art { Laufbahn, Lesefinger, Silbenlesen, LaufbahnAlt, Wiederholung };

// A word of a review as recorded, with its gap marks; a word group is shown and written
// as a whole, a word (or several) word by word.
struct Uebungswort {
    QString text;
    bool gruppe = false;
};

// How a word of a review went: right when every rewrite of it was right and the pupil
// marked none of it on the display.
struct Geuebt {
    QString text;
    bool richtig = false;
    friend bool operator==(const Geuebt &, const Geuebt &) = default;
};

struct LaufEinstellungen {
    Art art = Art::Laufbahn;
    markup::FileType modus = markup::FileType::Woerter;
    int woerterProAbschnitt = 1; // "Anzahl der Wörter:"
    bool kurzzeit = false;       // "Kurzzeitdarstellung": flash the words of a word list
    bool alternativ = false;     // "alternativer Laufmodus"
    QChar letterPlaceholder = u'_';
    QChar partPlaceholder = u'#';
};

class Uebungslauf {
public:
    // `puffer` is the exercise buffer ended by "#"; `neueUebung` false for a repetition,
    // which records nothing.
    Uebungslauf(QString puffer, bool neueUebung, const LaufEinstellungen &einstellungen);
    // A review of `woerter`, one after the other; it records nothing in the exercise's
    // results. The settings' display choices hold; their kind and file type do not.
    Uebungslauf(QList<Uebungswort> woerter, const LaufEinstellungen &einstellungen);

    // What to do now. After `AbschnittWaehlen` call `gewaehlt`, after `Nachschreiben`
    // call `nachgeschrieben`; after `Fertig` the run stays done.
    Schritt next();

    // The section the pupil chose (empty ends the run) and where the next turn goes on.
    void gewaehlt(const QString &abschnitt, int satzNr, int abschnittEnde);
    // `abbruch`: the pupil left the rewrite form without finishing, which ends the run.
    void nachgeschrieben(bool abbruch);
    // A word marked on the display of the current chunk at `selectionStart` of its
    // display string: its raw word, to be listed as wrong; empty past the chunk's words.
    std::optional<QString> markiert(int selectionStart);
    // The rewrite going on was judged (before `nachgeschrieben`). Only a review keeps it.
    void bewertet(bool richtig);
    // A review: its words written so far, in their order. A word the pupil left before
    // finishing it is not among them.
    const QList<Geuebt> &geuebt() const { return m_geuebt; }

    const QString &puffer() const { return m_puffer; }
    bool neueUebung() const { return m_neueUebung; }
    int satzNr() const { return m_satzNr; }
    int abschnittEnde() const { return m_abschnittEnde; }
    const Abschnitt &abschnitt() const { return m_abschnitt; }
    // The display string of the current chunk.
    const QString &anzeigeText() const { return m_anzeigeText; }
    bool etwasNachgeschrieben() const { return m_nachgeschrieben; }

private:
    enum class Phase { Schneiden, Waehlen, Schreiben, Faerben, Fertig };
    Schritt schneiden();
    Schritt abschnittBeginnen(const QString &abschnitt, const QString &wortgruppeRoh);
    bool wortweise() const;
    Schritt naechsterTeil();
    Schritt abschnittBeenden();

    QString m_puffer;
    bool m_neueUebung;
    LaufEinstellungen m_einstellungen;
    Phase m_phase = Phase::Schneiden;
    qsizetype m_pos = 0;
    int m_satzNr = 1;
    int m_abschnittEnde = 0;
    Abschnitt m_abschnitt;
    QString m_wortgruppeRoh;
    QString m_anzeigeText;
    std::optional<QString> m_gewaehlt; // text mode: the section chosen this turn
    qsizetype m_naechstesWort = 0;     // word mode: the next word of the chunk to rewrite
    QList<int> m_markiert;
    bool m_abbruch = false;
    bool m_nachgeschrieben = false;
    // A review: its words, the next one, and how the current one goes so far.
    QList<Uebungswort> m_woerter;
    qsizetype m_naechstesUebungswort = 0;
    std::optional<bool> m_richtig;
    QList<Geuebt> m_geuebt;
};

} // namespace lauf
