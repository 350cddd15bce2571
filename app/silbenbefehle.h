#pragma once
// The syllables in the main window: "Silben trennen" and "Silbentrennung entfernen" in
// the exercise editor's menu, the German syllables read in the background before a run
// needs them, and the one message when they cannot be found.

#include "display/core/silbenfarben.h"

#include <QObject>

#include <atomic>
#include <thread>

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
    ~SilbenBefehle() override;

    // Before a run: when the settings want syllables and the dictionary is missing, the
    // teacher is told once, and the run goes on without them. Never waits for them.
    void laufBeginnt();

    // When the settings want syllables, has them read on a thread of its own, once;
    // returns at once.
    void vorbereiten();
    // True once the syllables are read; they are then found without waiting.
    bool bereit() const { return m_stand == Stand::Bereit; }
    // A display's syllables as they can be had now: while they are still being read,
    // none are found or coloured (a later chunk has them).
    display::SilbenAnsicht ansicht(display::SilbenAnsicht gewuenscht);

    // "Silben trennen": a "-" at the syllable boundaries of the words of Memo1 the
    // selection touches (every word without a selection), one undo step.
    void trennen();
    // "Silbentrennung entfernen": those hyphens taken out again.
    void trennungEntfernen();

    QAction *Silbentrennen1;
    QAction *Silbentrennungentfernen1;

private:
    bool silbenGewuenscht() const;

    enum class Stand { Offen, Lesen, Bereit, Fehlt };

    QWidget &m_fenster;
    QPlainTextEdit &m_editor;
    bool m_gemeldet = false;
    std::atomic<Stand> m_stand = Stand::Offen;
    std::thread m_leser;
};
