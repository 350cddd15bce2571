#pragma once
// The syllables in the main window: "Silben trennen" and "Silbentrennung entfernen" in
// the exercise editor's menu, the German syllables read in the background before a run
// needs them, and the one message when they cannot be found.

#include <QObject>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

class SilbenBefehle : public QObject {
    Q_OBJECT
public:
    // Adds the two commands on `editor` to its menu `menue` after the word-group command;
    // `fenster` is the window they belong to.
    SilbenBefehle(QWidget &fenster, QPlainTextEdit &editor, QMenu &menue);

    // Before a run: when the settings want syllables and the dictionary is missing, the
    // teacher is told once, and the run goes on without them.
    void laufBeginnt();

    // "Silben trennen": a "-" at the syllable boundaries of the words of Memo1 the
    // selection touches (every word without a selection), one undo step.
    void trennen();
    // "Silbentrennung entfernen": those hyphens taken out again.
    void trennungEntfernen();

    QAction *Silbentrennen1;
    QAction *Silbentrennungentfernen1;

private:
    bool silbenGewuenscht() const;

    QWidget &m_fenster;
    QPlainTextEdit &m_editor;
    bool m_gemeldet = false;
};
