#pragma once
// "Wiederholung": which of a pupil's wrong words are in which box of the spaced review and
// when each comes due; the teacher can take a word out. Opened from the pupil menu.

#include "exercise/core/wiederholung.h"

#include <QDate>
#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

class Wiederholungsliste : public QDialog {
    Q_OBJECT
public:
    explicit Wiederholungsliste(QWidget *parent = nullptr);

    // Reads the review of the record at `recordPath` (rebuilt from `recordText`, the
    // record's lines joined by "\n", when it is missing or damaged) and fills the list.
    // A failed write is shown in the standard error box; the list still shows.
    void laden(const QString &recordPath, const QString &recordText, QDate heute);

    QLabel *Label1;
    QTableWidget *Liste;
    // "Aus der Wiederholung nehmen": the selected word, written at once.
    QPushButton *Herausnehmen;
    QPushButton *Schliessen;

signals:
    // A word left the review: the main window counts the due words again.
    void geaendert();

private:
    void fuellen();
    void herausnehmenClick();

    std::optional<wiederholung::WiederholungsDatei> m_datei;
    QDate m_heute;
};
