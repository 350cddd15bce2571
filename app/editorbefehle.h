#pragma once
// The exercise editor's commands (Memo1): its context menu PopupMenu1 with the clipboard
// commands and the commands that put the gap markup around the selected text, and the
// markup checked as the teacher types and before an exercise starts.

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QStatusBar;
class QWidget;

class EditorBefehle : public QObject {
    Q_OBJECT
public:
    // Fills `menue`, and puts the label naming a broken pair into `status`.
    // `einstellungsdatei` names the settings file, beside which "Lücken setzen..."
    // remembers its choice.
    EditorBefehle(QWidget &fenster, QPlainTextEdit &editor, QMenu &menue, QStatusBar &status,
                  std::function<QString()> einstellungsdatei);

    // Before an exercise starts on the text of `editor` (Memo1, or Memo3 for a
    // repetition): true when its markup is sound; else the warning naming the line is
    // shown, the caret put on the broken pair, and false returned. With a `laenge`,
    // only the start of the text that long is checked (what a long text's run takes).
    bool lueckentextPruefen(QPlainTextEdit *editor, qsizetype laenge = -1);

    QAction *ausscheiden1;
    QAction *kopieren1;
    QAction *einfgen1;
    QAction *lschen1;
    QAction *N6;
    QAction *Abschnittnichtnachschreiben1;
    QAction *Abschnittals1;
    QAction *Abschnittalszeigen1;
    QAction *N7;
    QAction *AbschnittzurWortgrppeverbinden1;
    QAction *N8;
    QAction *Lueckensetzen1;

private:
    // The items that need a selection follow the editor's selection as the menu opens.
    void PopupMenu1Popup();
    void showMenu(const QPoint &pos);
    // Puts the selection of the editor inside a pair of `mark`, as one undo step.
    void abschnittEinrahmen(QChar mark);
    // "Lücken setzen...": the letters of the chosen phenomena wrapped in pairs, as one
    // undo step.
    void lueckenSetzen();
    // Underlines the first broken pair of the editor and names it in the status bar.
    void showPairFault();

    QWidget &m_fenster;
    QPlainTextEdit &m_editor;
    QMenu &m_menue;
    std::function<QString()> m_einstellungsdatei;
    QLabel *m_pairFaultLabel = nullptr;
};
