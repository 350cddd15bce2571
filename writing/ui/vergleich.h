#pragma once
// The comparison "vergleichen": a wrong rewrite's words, each written word above its
// target word, and a line telling of a forgotten or an extra word. Opened by the rewrite
// forms when the written text is not the target.

#include "writing/core/wortvergleich.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QList>
#include <QRect>

class QLabel;
class QScrollArea;
class QToolButton;

// How the comparison is drawn, from the settings dialog.
struct VergleichsAnsicht {
    QFont schrift;                     // every drawn word
    QColor normalFarbe = Qt::black;    // a right written word
    QColor fehlerFarbe = Qt::red;      // a wrong or extra word, the message line
    QColor vergleichsFarbe = Qt::blue; // the target words
    bool diktatmodus = false;          // "kein Vergleich (Diktatmodus)": nothing shown
};

class VergleichsFlaeche;

class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
    ~TForm14() override;

    // Compares the written text with the target, announces the result through
    // `verglichen` before anything is shown, then shows the comparison until the pupil
    // closes the window (in dictation mode not at all) and returns the result.
    writing::Vergleich vergleichen(const writing::VergleichsEingabe &eingabe,
                                   const VergleichsAnsicht &ansicht);

    // Where each place of the comparison shown last is drawn: the written word's row
    // and the target word's row below it, in the scrolled drawing area.
    QList<QRect> felder() const;
    QWidget *zeichenflaeche() const;

    QLabel *Label1;            // the message line
    QToolButton *SpeedButton1; // "fertig"

signals:
    void verglichen(const writing::Vergleich &vergleich);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void flaecheAnpassen();

    VergleichsFlaeche *m_flaeche;
    QScrollArea *m_scroll;
};
