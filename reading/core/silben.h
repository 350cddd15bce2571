#pragma once
// Reading syllables of German words, found with the hyphenation patterns of Debian's
// "hyphen-de" (read by `Trennmuster`, breaking words as libhyphen does) and the rules of a
// first reading book: "O-fen", "A-bend", "Zu-cker", "Flüs-se".
// What syllable reading, coloured syllables and the editor's "Silben trennen" share.

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace silben {

// The German patterns as Debian's "hyphen-de" installs them.
QString standardMuster();

class Silbentrenner {
public:
    explicit Silbentrenner(QString musterDatei);
    ~Silbentrenner();
    Silbentrenner(const Silbentrenner &) = delete;
    Silbentrenner &operator=(const Silbentrenner &) = delete;

    // Reads the patterns at the first call and keeps them; false when they are missing
    // or cannot be used, and `fehlermeldung()` says so to the teacher.
    bool bereit();
    QString fehlermeldung() const;
    // Reading the German patterns takes a few hundredths of a second: this starts it on a
    // thread of its own, so that not even those hold up the first syllables asked for.
    void vorladen();

    // Where the syllables of `wort`, a run of letters, begin: offsets from 1, ascending.
    // Empty for a word that stays whole, and when the patterns are missing.
    QList<qsizetype> grenzen(QStringView wort);

    // Where syllables begin inside the words of a text (offsets into `text`). Markup is
    // never touched: a word inside a gap pair or holding a pair mark stays whole, and
    // so do letters next to a digit; a hyphen or "_" already parts words. Nothing when
    // the patterns are missing.
    std::optional<QList<qsizetype>> textGrenzen(QStringView text);
    // The text with "-" at those places ("Silben trennen").
    std::optional<QString> trennen(QStringView text);
    // "Silben trennen" in an editor: where a "-" goes into `text` (before each offset) in
    // the words the selection [von, bis) touches, in every word when it is empty. The
    // whole text is read, so a selection inside a gap pair changes nothing.
    std::optional<QList<qsizetype>> trennstellen(QStringView text, qsizetype von, qsizetype bis);

private:
    void wortGrenzen(QStringView wort, qsizetype versatz, QList<qsizetype> &result);

    struct Muster;
    QString m_datei;
    std::once_flag m_laden;
    std::unique_ptr<Muster> m_muster;
    std::once_flag m_vorladen;
    std::thread m_vorlader;
};

// The program's syllables: the German patterns, read at the first use, kept until the
// program ends.
Silbentrenner &deutsch();

// "Silbentrennung entfernen": a hyphen between two letters goes, unless it joins two
// words of a compound ("Hasen-Schule", "E-Mail": a capital after it in a word not
// written in capitals). Hyphens inside a gap pair stay: there they are hidden letters.
QString trennungEntfernen(QStringView text);
// The hyphens `trennungEntfernen` takes away, in the words the selection [von, bis) of
// `text` touches (every word when it is empty), for an editor to delete.
QList<qsizetype> trennstriche(QStringView text, qsizetype von = 0, qsizetype bis = 0);

} // namespace silben
