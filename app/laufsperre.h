#pragma once
// While an exercise runs, the main window takes no command: a menu entry, a shortcut or a
// button handled between two displays would change the text or the pupil mid-run.

#include <QList>
#include <QPointer>

class QAction;
class QMainWindow;
class QWidget;

// Held for the length of a run: takes away every menu entry and shortcut of `window` and
// the widgets in `teile`; gives back what was enabled before, and the keyboard to the
// window, however the run ends.
class LaufSperre {
public:
    LaufSperre(QMainWindow &window, const QList<QWidget *> &teile);
    ~LaufSperre();
    LaufSperre(const LaufSperre &) = delete;
    LaufSperre &operator=(const LaufSperre &) = delete;

private:
    QPointer<QMainWindow> m_window;
    QList<QPointer<QAction>> m_aktionen;
    QList<QPointer<QWidget>> m_teile;
};
