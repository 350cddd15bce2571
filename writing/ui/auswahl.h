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

namespace writing {

// What the form reads when a turn starts: the exercise buffer, where the last turn
// stopped, and the settings of the tab "Text-Auswahl" and the gap characters.
struct AuswahlEingabe {
    QString puffer;         // the exercise text, ended by "#"
    int abschnitt_ende = 0; // caret offset in the sentence at which this turn starts
    QFont font;             // "Schriftart", with its size in points
    QColor textColor = Qt::black;
    QColor selectionColor = Qt::blue; // "Farbe Auswahl"
    QColor formBackground;            // invalid: the palette's
    QColor editorBackground = Qt::white;
    QChar letterPlaceholder = u'_';
    QChar partPlaceholder = u'#';
};

// What the form hands back after a turn.
struct AuswahlErgebnis {
    // The chosen words in raw form behind one blank; empty when the pupil stopped
    // (Escape, closing the window) or the text holds no sentence.
    QString abschnitt;
    int abschnitt_ende = 0; // where the next turn continues in the sentence
    int satz_nr = 1;        // the sentence the next turn shows
};

} // namespace writing

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);

    // Takes what the turns of an exercise read; the next init() uses it.
    void vorbereiten(const writing::AuswahlEingabe &eingabe);
    // Shows sentence n, or the last one when the text ends before it.
    void init(int n);
    // Runs the form modally, over the whole screen. Returns at once when the text
    // holds no sentence at all.
    int exec() override;
    writing::AuswahlErgebnis ergebnis() const;

    const writing::SatzAuswahl &auswahl() const { return m_auswahl; }

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
    writing::SatzAuswahl m_auswahl;
    bool m_keinSatz = true;
    int m_satzNr = 1;
    QString m_abschnitt;
};
