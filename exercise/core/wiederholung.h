#pragma once
// The spaced review of a pupil's wrong words (Leitner boxes). Every wrong word the pupil
// record holds enters box 1; a word written right in a review moves up one box, a wrong
// one goes back to box 1; boxes 1 to 5 come due 1, 2, 4, 8 and 16 days after the word's
// last review, and a word right in box 5 leaves the review. A word recorded wrong again
// in an exercise goes back to box 1. The day is always handed in.
//
// The review file lies beside the record ("Name.lbs" -> "Name.wdh"); the record itself is
// never written here. Windows-1252, every line followed by CR LF:
//
//   Laufbahn-Wiederholung 1
//   <box>;<last review dd.MM.yyyy>;<times recorded>;<W or G>;<word>
//   ...
//
// one line per word in the order the words were first recorded. <box> is 1 to 5, or 0
// for a word that left the review (learnt or taken out by the teacher); such a word is
// kept so that it does not enter again until it is recorded wrong once more. <times
// recorded> is how often the record held the word when the review last looked, so that
// a new recording, also one made by another computer, is noticed. W is a word, G a word
// group (a word holding "_"). The word comes last and may hold ";". A file whose first
// line is not the one above is rebuilt from the record; a line that cannot be read is
// left out, and its word enters again from the record.

#include "exercise/core/fileio.h"
#include "exercise/core/geteiltedatei.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <chrono>
#include <optional>
#include <variant>
#include <vector>

namespace wiederholung {

inline constexpr QStringView fileSuffix = u".wdh";
inline constexpr int letzteBox = 5;
// The longest due list a review runs.
inline constexpr qsizetype faelligHoechstens = 20;

// "Name.lbs" -> "Name.wdh" in the same folder (any other suffix gets ".wdh" appended).
QString dateiZu(const QString &recordPath);

enum class Art { Wort, Wortgruppe };
// A line of the record holding "_" was a word group.
Art artVon(QStringView wort);

// Days after the last review at which a word in `box` (1 to 5) comes due.
int abstandTage(int box);

struct Wort {
    QString text; // as recorded, with its gap marks
    Art art = Art::Wort;
    int box = 1; // 1 to 5; 0 when out of the review
    QDate letzte;
    qsizetype erfasst = 0;

    bool inWiederholung() const { return box > 0; }
    QDate faellig() const { return letzte.addDays(abstandTage(box)); }
    bool operator==(const Wort &) const = default;
};

// What the record holds of one wrong word: how often, and the day of the exercise that
// recorded it last (an entry without a readable date, or dated after `heute`, counts as
// recorded `heute`).
struct Erfassung {
    QString text;
    qsizetype anzahl = 0;
    QDate zuletzt;
};
// Every wrong word of a record, given as its lines joined by "\n" (`PupilFile::text()`),
// in the order the words first occur. Blanks around a word are not part of it; empty
// lines are no words, nor are words with nothing to write (all inside "&" pairs).
std::vector<Erfassung> erfassungen(QStringView recordText, QDate heute);

class Stand {
public:
    const std::vector<Wort> &woerter() const { return m_woerter; }
    const Wort *finde(const QString &text) const;

    // Takes in what the record holds: a new word enters box 1, last reviewed on the day it
    // was recorded; a word recorded more often than last seen goes back to box 1 (also
    // one that had left the review); a word the teacher deleted from every exercise
    // leaves the review file. Without `auchWeniger` (a record read earlier, applied to
    // what a computer with a newer record wrote) words are only added or sent back.
    // True when anything changed.
    bool abgleichen(const std::vector<Erfassung> &record, bool auchWeniger = true);
    // One word of a review written right or wrong; a word out of the review is left alone.
    void ergebnis(const QString &text, bool richtig, QDate heute);
    void herausnehmen(const QString &text);

    // The words due `heute`: at most `hoechstens`, the one due longest first; equal days in
    // the order the words were first recorded. A review dated after `heute` counts as one
    // made `heute`.
    std::vector<Wort> faellige(QDate heute, qsizetype hoechstens = faelligHoechstens) const;
    qsizetype anzahlFaellig(QDate heute) const;
    // The words in the review, sorted by the day they come due, then by box.
    std::vector<Wort> uebersicht() const;

    // Fails, naming the characters, only for words Windows-1252 cannot hold, which no
    // record can hold either.
    std::optional<QByteArray> speichern(QString *unencodable = nullptr) const;
    // Nothing for a file that is not a review file.
    static std::optional<Stand> lesen(QByteArrayView bytes);

    bool operator==(const Stand &) const = default;

private:
    friend class WiederholungsDatei;
    Wort *findeZumAendern(const QString &text);
    void hinzufuegen(Wort wort);

    std::vector<Wort> m_woerter;
    QHash<QString, qsizetype> m_index;
};

// The review of a pupil as it stands, for a look from outside (the class overview): the
// review file as it is, a missing or damaged one as empty, with what the record holds
// taken in. Nothing is written and no lock is taken, so a pupil's own copy of the program
// is never kept waiting.
Stand standLesen(const QString &recordPath, QStringView recordText, QDate heute);

// The review file of one pupil. Every change is written at once, atomically, under the
// locks of the record's own writes (`geteilt::GeteilteDatei`); before writing, the file is read again, and when another
// program changed it since, the changes not yet written here are applied to what is on
// disk, so that two computers reviewing one pupil keep each other's results. A change
// whose write fails stays in memory and goes with the next write.
class WiederholungsDatei {
public:
    // Never refuses a pupil: a missing or damaged review file is rebuilt from the record.
    // What the record holds is taken in at once and written when it changed anything;
    // `geschrieben` then says whether that write failed.
    static WiederholungsDatei laden(const QString &recordPath, QStringView recordText, QDate heute,
                                    WriteResult *geschrieben = nullptr);

    const QString &pfad() const { return m_datei.pfad(); }
    const Stand &stand() const { return m_stand; }
    bool hasUnwrittenChanges() const { return !m_ungeschrieben.empty(); }
    void setLockWait(std::chrono::milliseconds wait) { m_datei.setLockWait(wait); }

    // After an exercise was recorded or corrected: the record's words taken in again.
    [[nodiscard]] WriteResult nachUebung(QStringView recordText, QDate heute);
    [[nodiscard]] WriteResult ergebnis(const QString &text, bool richtig, QDate heute);
    // The words of one review, written once.
    struct Bewertung {
        QString text;
        bool richtig = false;
    };
    [[nodiscard]] WriteResult ergebnisse(const QList<Bewertung> &woerter, QDate heute);
    [[nodiscard]] WriteResult herausnehmen(const QString &text);
    [[nodiscard]] WriteResult writeUnwritten();

private:
    struct Abgleich {
        std::vector<Erfassung> record;
    };
    struct Ergebnis {
        QString text;
        bool richtig;
        QDate heute;
    };
    struct Heraus {
        QString text;
    };
    using Aenderung = std::variant<Abgleich, Ergebnis, Heraus>;

    explicit WiederholungsDatei(const QString &recordPath);
    static void anwenden(Stand &stand, const Aenderung &aenderung, bool ersteMal);
    [[nodiscard]] WriteResult aendern(Aenderung aenderung);
    [[nodiscard]] WriteResult schreiben();

    geteilt::GeteilteDatei m_datei;
    Stand m_stand;
    std::vector<Aenderung> m_ungeschrieben;
};

} // namespace wiederholung
