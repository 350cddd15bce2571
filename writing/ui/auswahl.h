#pragma once
// "Textabschnitt auswählen": in running text the pupil marks how much of the current
// sentence to take next. Opened by the exercise run once per turn in text mode.

#include "writing/core/satzauswahl.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>

class QPushButton;
class QTextEdit;
class QToolButton;

// How the sentence is shown, from the settings dialog's tab "Text-Auswahl".
struct AuswahlAnsicht {
    QFont schrift; // "Schriftart", with its size in points
    QColor normalFarbe = Qt::black;
    QColor auswahlFarbe = Qt::blue; // "Farbe Auswahl"
    QColor formFarbe;               // invalid: the palette's
    QColor editorFarbe = Qt::white;
};

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);

    // One turn: shows sentence `eingabe.satz_nr` over the whole screen until the pupil
    // hands words over or leaves, and returns the choice: the words handed over (empty
    // when none) and where the next turn goes on. When the text holds no sentence at
    // all, nothing is shown and the choice is empty.
    [[nodiscard]] writing::AuswahlErgebnis auswaehlen(const writing::AuswahlEingabe &eingabe,
                                                      const AuswahlAnsicht &ansicht);
    // Shows sentence n, or the last one when the text ends before it.
    void init(int n);

    void BitBtn1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    QTextEdit *RichEdit1;
    QPushButton *BitBtn1;
    QToolButton *SpeedButton1; // previous sentence
    QToolButton *SpeedButton2; // next sentence

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool taste(int key);
    void faerben();
    int caret() const;
    void caretSetzen(int offset);
    void caretOhneAuswahl();

    writing::AuswahlEingabe m_eingabe;
    AuswahlAnsicht m_ansicht;
    writing::SatzAuswahl m_auswahl;
    bool m_keinSatz = true;
    int m_satzNr = 1;
    QString m_abschnitt;
};
