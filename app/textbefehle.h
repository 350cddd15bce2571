#pragma once
// The main window's text commands: "Neu", "Öffnen...", "Speichern" and "Speichern
// unter..." on the exercise text (Memo1), the wrong words saved as a text (SpeedButton6),
// and the question asked before unsaved changes to the text would be lost.

#include <QObject>
#include <QString>
#include <QStringList>

class Ergebnisprotokoll;
class TForm3;

class Textbefehle : public QObject {
    Q_OBJECT
public:
    // Connects the text commands of `fenster` and sets up its text dialogs; a new or
    // another text empties the results `ergebnis` keeps.
    Textbefehle(TForm3 &fenster, Ergebnisprotokoll &ergebnis);

    void neu1Click();
    // "Neu" with `woerter` as the new text, a word list: each word followed by a blank.
    // False when the teacher keeps the unsaved text.
    bool alsWortliste(const QStringList &woerter);
    void ffnen1Click();
    // Loads the text file `path` (an old DOS text when `oldFormat`) as "Öffnen..." does;
    // a file that cannot be read is reported and the text before stays.
    void textOeffnen(const QString &path, bool oldFormat);
    bool speichern1Click();
    bool speichernunter1Click();
    void SpeedButton6Click();
    // Asks "Änderungen am Text speichern?" when Memo1 holds unsaved changes; false when
    // the teacher cancels (or saving fails), so the text must not be replaced.
    bool confirmDiscardText();

private:
    // "Neu": the editor emptied after the question about unsaved changes; false when the
    // teacher keeps the text.
    bool neu();
    // Writes `text` under `path`; reports unwritable characters and file errors.
    bool writeTextFile(const QString &path, const QString &text);

    TForm3 &m_fenster;
    Ergebnisprotokoll &m_ergebnis;
};
