#pragma once
// The main window's text commands on the files: "Öffnen..." choosing a text,
// "Speichern" and "Speichern unter..." writing the exercise text (Memo1), the wrong words
// saved as a text (SpeedButton6), and the question asked before unsaved changes to the
// text would be lost. What a text is called and how it is loaded stay the window's.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class LazyFileDialog;
class QPlainTextEdit;
class QWidget;

class Textbefehle : public QObject {
    Q_OBJECT
public:
    // The commands on `text` (Memo1) and `fehler` (Memo3), with the window's dialogs
    // `oeffnen` and `speichern`, set up here. `speicherPfad` names the file "Speichern"
    // writes, or is empty when it must ask ("Speichern unter...").
    Textbefehle(QWidget &fenster, QPlainTextEdit &text, QPlainTextEdit &fehler,
                LazyFileDialog &oeffnen, LazyFileDialog &speichern,
                std::function<QString()> speicherPfad);

    // A text file chosen in "Öffnen...", and whether it is an old DOS text.
    struct Gewaehlt {
        QString pfad;
        bool altesFormat = false;
    };
    // "Öffnen...": the question about unsaved changes, then the file chosen; none when
    // the teacher cancels either.
    std::optional<Gewaehlt> textWaehlen();
    bool speichern1Click();
    bool speichernunter1Click();
    void SpeedButton6Click();
    // Asks "Änderungen am Text speichern?" when Memo1 holds unsaved changes; false when
    // the teacher cancels (or saving fails), so the text must not be replaced.
    bool confirmDiscardText();

signals:
    // The text was written under a name the teacher chose.
    void gespeichertUnter(const QString &pfad);

private:
    // Writes `text` under `path`; reports unwritable characters and file errors.
    bool writeTextFile(const QString &path, const QString &text);

    QWidget &m_fenster;
    QPlainTextEdit &m_text;
    QPlainTextEdit &m_fehler;
    LazyFileDialog &m_oeffnen;
    LazyFileDialog &m_speichern;
    std::function<QString()> m_speicherPfad;
};
