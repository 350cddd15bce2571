#pragma once
// The word comparison: the written words set against the target words, what the pupil
// is shown of it, and what the exercise records of it. Pure functions, no windows.

#include "exercise/core/markup.h"
#include "writing/core/eintrag.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace writing {

// What is compared, as the rewrite forms and the main window know it.
struct VergleichsEingabe {
    QString geschrieben; // trailing blanks already removed
    QString vorlage;     // the target, without markup
    markup::FileType dateityp = markup::FileType::Woerter;
    QString wortRoh;       // word mode: the current word with its markup
    QString abschnittRoh;  // the other modes: the current chunk with its markup
    QString wortgruppeRoh; // word-group mode: the group with its "_"
    // "ganze Wortgruppe als Fehler speichern": in word-group mode a wrong group is listed
    // once, as a whole, instead of its wrong words.
    bool ganzeWortgruppe = false;
};

enum class WortArt {
    Richtig,   // written as the target word
    Falsch,    // written differently
    Vergessen, // nothing written for the target word
    Zuviel,    // written, with no target word for it
};

// One place of the comparison: the written word above, the target word below.
struct VergleichsPaar {
    QString geschrieben; // empty for a forgotten word
    QString vorlage;     // empty for an extra word
    WortArt art;

    bool operator==(const VergleichsPaar &) const = default;
};

struct Vergleich {
    // "Du hast ein Wort vergessen", "Du hast ein Wort zuviel geschrieben" or empty.
    QString meldung;
    QList<VergleichsPaar> paare;
    // The lines for the error list: the wrong words in their raw form.
    QStringList fehler;
    // Appended to the exercise text and to the written text.
    QList<TextStueck> vorlageText;
    QList<TextStueck> geschriebenText;
};

// The words of a text: the pieces between blanks, empty pieces left out. Nothing but
// the blank separates words, so punctuation stays part of the word.
QStringList woerter(QStringView text);

// A raw word as the error list keeps it: its markup kept, the punctuation
// ". ? ! ; , :" and every double quote character removed.
QString fehlerwort(QStringView rohWort);

Vergleich vergleichen(const VergleichsEingabe &eingabe);

} // namespace writing
