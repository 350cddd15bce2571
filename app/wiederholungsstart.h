#pragma once
// The main window's side of the spaced review: the loaded pupil's review file kept up to
// date with the record, the due words counted in step 3 ("Wiederholung fällig: N
// Wörter"), "Wiederholen" running them with the Laufbahn, and "Wiederholung..." in the
// pupil menu showing the teacher the boxes. The review's results go into the review
// file only; the pupil record stays as it is.

#include "exercise/core/wiederholung.h"

#include <QDate>
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QWidget;
class SchuelerAkte;
class TForm3;
class TForm9;
class TForm12;
namespace lauf {
class Uebungslauf;
}

class Wiederholungsstart : public QObject {
    Q_OBJECT
public:
    // Made once every form exists; lives as long as `form`. It follows the form's
    // loaded pupil and lays its row into step 3 below the error repetition.
    Wiederholungsstart(TForm3 &form, TForm9 &wortform, TForm12 &gruppenform);

    // The day the review counts in, today unless a test says otherwise.
    void setHeute(std::function<QDate()> heute) { m_heute = std::move(heute); }

    // "Wiederholen": the due words, at most twenty and the longest due first, as one run.
    void wiederholen();
    // "Wiederholung...": the list of the loaded pupil's review.
    void listeZeigen();

    QWidget *Zeile;
    QLabel *Faellig;
    QPushButton *Wiederholen;
    // Behind the button: an action of the window, so a running exercise takes it away as
    // it takes every command.
    QAction *WiederholenAktion;
    QAction *Wiederholung1;

private:
    void schuelerGewechselt();
    void eingetragen();
    // The label and the button for the words due today.
    void zaehlen();

    TForm3 &m_form;
    TForm9 &m_wortform;
    TForm12 &m_gruppenform;
    SchuelerAkte *m_schueler;
    std::function<QDate()> m_heute;
    std::optional<wiederholung::WiederholungsDatei> m_datei;
    // The review going on, or none.
    lauf::Uebungslauf *m_lauf = nullptr;
};

// Sets the review up on the main window.
void wiederholungEinrichten(TForm3 &form, TForm9 &wortform, TForm12 &gruppenform);
