#pragma once
// What the two rewrite forms "Nachschreiben" share: the editor the pupil writes a chunk
// into from memory, the reactions to wrong letters, the reading finger, the evaluation.
// TForm9 (schreib1) takes one word, TForm12 (schreib2) a word group or a section.

#include "writing/core/nachschreiben.h"
#include "writing/ui/vergleich.h"

#include <QColor>
#include <QDialog>
#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QTimer>
#include <optional>

class QLabel;
class QRandomGenerator;
class QTextEdit;
class QToolButton;
class Lesefinger;
class NachschreibEditor;
class TForm11;
class TForm16;
class Vorleser;

// What a rewrite form reads from the settings dialog, taken anew at every init.
struct NachschreibAnsicht {
    QColor formFarbe = QColor(240, 240, 240); // the form's background
    QFont schrift;                            // the editor's font ("Schriftart")
    QColor normalFarbe = Qt::black;           // that font's colour
    QColor hintergrund = Qt::white;           // the editor's background
    QColor fehlerFarbe = Qt::red;             // "Farbe Fehler"
    QColor fingerFarbe = Qt::red;             // "Farbe Lesefinger"
    int fingerTempo = 4;                      // "Geschwindigkeit Lesefinger:" 0..10
    // The checked button 1..7 of "Reaktion auf Fehler" (0: none, the last mode stays).
    int reaktionsKnopf = 1;
    int verzoegerung = 1;                  // "Verzögerung:" of the short-time display, 1..60
    writing::Lob lob = writing::Lob::Text; // "Lob"
    VergleichsAnsicht vergleich;
};

// What one rewrite hands back to the exercise run.
struct Nachgeschrieben {
    bool abbruch = true; // left without finishing, which ends the exercise
    // Once finished: the judged text, and the comparison of a wrong one.
    std::optional<writing::Auswertung> auswertung;
    std::optional<writing::Vergleich> vergleich;
};

class Nachschreiben : public QDialog {
    Q_OBJECT
public:
    ~Nachschreiben() override;

    // The comparison a wrong text is shown in, and the praise a right one earns with the
    // program's random generator; the application hands them over once.
    void setVergleichsform(TForm14 *vergleich);
    void setLobformen(TForm11 *text, TForm16 *bild, QRandomGenerator *zufall);
    // What speaks the chunk again in a dictation ("show again", F5).
    void setVorleser(Vorleser *vorleser);

    // Prepares the form for one target (without exercise markup).
    void init(const QString &ziel, const writing::NachschreibEingabe &eingabe,
              const NachschreibAnsicht &ansicht);
    // init, then the form until the pupil has finished or left, and what came of it.
    [[nodiscard]] Nachgeschrieben nachschreiben(const QString &ziel,
                                                const writing::NachschreibEingabe &eingabe,
                                                const NachschreibAnsicht &ansicht);

    // A finish request: Return, "fertig", TForm9's blank after the word. In mode 1 the
    // first one runs the reading finger and lets the pupil correct.
    void pruefen();
    // Judges the text, records it, praises or compares, and closes the form.
    void fertig();

    bool fingerLaeuft() const { return m_fingerTakt.isActive(); }

    QString ziel;
    writing::Reaktion reaktion = writing::Reaktion::Keine;
    bool pruefung_aktiv = true; // changes are checked (until the first finish request)
    bool ohne_fehler = true;    // no wrong letter has taken the praise away
    bool abbruch = true;        // left without finishing
    bool geprueft = false;      // the reading finger has run
    bool finger_stop = false;
    int finger_pause = 0; // milliseconds after each column of the sweep

    QTextEdit *RichEdit1;
    QToolButton *SpeedButton1; // "fertig"
    QToolButton *SpeedButton2; // show the chunk again
    QToolButton *SpeedButton3; // "Übung beenden"
    QWidget *Label1;           // the reading finger's picture of the written text
    QLabel *Label2;            // the correction hint after the reading finger

signals:
    // Once per fertig, before the comparison or the praise: the judged text.
    void ausgewertet(const writing::Auswertung &auswertung);
    // "Show again": the main window shows the chunk and returns when it is done.
    void nochmalZeigen(const writing::Wiederholung &wiederholung);

protected:
    Nachschreiben(writing::Nachschreibform form, QWidget *parent);

    // The display that shows the chunk again; TForm9 may choose the short-time display.
    virtual writing::Wiederholung wiederholung() const;
    // Runs at the end of init, for a form's own controls.
    virtual void initErgaenzen() {}
    // Places the controls from the form's size and the editor font's text height.
    virtual void anordnen();

    const writing::NachschreibEingabe &eingabe() const { return m_eingabe; }
    const NachschreibAnsicht &ansicht() const { return m_ansicht; }
    int textHoehe() const;
    // The buttons are out of reach while the reading finger sweeps.
    virtual void knoepfeFreigeben(bool frei);

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;

private:
    void RichEdit1Change();
    void SpeedButton2Click();
    // Speaking the chunk failed while the pupil writes it: shown instead.
    void nichtVorgelesen();
    void anwenden(const writing::Pruefung &pruefung);
    void fingerStarten();
    void fingerTakt();
    void fingerEnde();

    const writing::Nachschreibform m_form;
    writing::NachschreibEingabe m_eingabe;
    NachschreibAnsicht m_ansicht;
    NachschreibEditor *m_editor;
    Lesefinger *m_finger;
    // The editor as the last check left it.
    writing::Stand m_stand;
    bool m_fertigLaeuft = false;

    std::optional<writing::FingerLauf> m_lauf;
    QTimer m_fingerTakt;
    QElapsedTimer m_fingerUhr;

    void loben(writing::Lob lob);

    TForm14 *m_vergleich = nullptr;
    TForm11 *m_lobText = nullptr;
    TForm16 *m_lobBild = nullptr;
    QRandomGenerator *m_zufall = nullptr;
    Vorleser *m_vorleser = nullptr;
    // What the rewrite going on hands back.
    Nachgeschrieben m_ergebnis;
};
