#pragma once
// The main window's side of the spaced review: the loaded pupil's review file kept up to
// date with the record, the due words counted in step 3 ("Wiederholung fällig: N
// Wörter"), "Wiederholen" running them with the Laufbahn, and "Wiederholung..." in the
// pupil menu showing the teacher the boxes. The review's results go into the review
// file only; the pupil record stays as it is.

#include "exercise/core/uebungslauf.h"
#include "exercise/core/wiederholung.h"

#include <QDate>
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class SchuelerAkte;

class Wiederholungsstart : public QObject {
    Q_OBJECT
public:
    // A review runs through `laufen` (none: it could not start), and none starts while
    // `laufGehtVor` says a run is going on.
    struct Lauf {
        std::function<std::optional<QList<lauf::Geuebt>>(const QList<lauf::Uebungswort> &)> laufen;
        std::function<bool()> laufGehtVor;
    };
    // Lives as long as `fenster` and follows the loaded pupil of `schueler`; "Wiederholung..."
    // goes into `schuelerMenue` before `davor`. The window lays `Zeile` into step 3.
    Wiederholungsstart(QWidget &fenster, SchuelerAkte &schueler, QMenu &schuelerMenue,
                       QAction *davor, Lauf lauf);

    // The day the review counts in, today unless a test says otherwise.
    void setHeute(std::function<QDate()> heute) { m_heute = std::move(heute); }

    // "Wiederholen": the due words, at most twenty and the longest due first, as one run.
    void wiederholen();
    // "Wiederholung...": the list of the loaded pupil's review.
    void listeZeigen();

    // Step 3's last row, shown while a pupil is loaded.
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

    QWidget &m_fenster;
    SchuelerAkte &m_schueler;
    Lauf m_lauf;
    std::function<QDate()> m_heute;
    std::optional<wiederholung::WiederholungsDatei> m_datei;
};
