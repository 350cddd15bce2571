#pragma once
// While an exercise runs, the main window takes no command: a menu entry, a shortcut or a
// button handled between two displays would change the text or the pupil mid-run.

#include <QList>
#include <QMetaObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QWidget;

// Held for the length of a run: takes away every menu entry and shortcut of `window` and
// the widgets in `teile`; gives back what was enabled before, and the keyboard to the
// window, however the run ends. An entry that other code enables during the run (a count
// taken again when the window comes to the front) stays disabled until the run ends and
// is enabled then.
class LaufSperre {
public:
    LaufSperre(QMainWindow &window, const QList<QWidget *> &teile);
    ~LaufSperre();
    LaufSperre(const LaufSperre &) = delete;
    LaufSperre &operator=(const LaufSperre &) = delete;

private:
    struct Eintrag {
        QPointer<QAction> aktion;
        bool danach = false; // enabled after the run
        QMetaObject::Connection wache;
    };

    QPointer<QMainWindow> m_window;
    QList<Eintrag> m_aktionen;
    QList<QPointer<QWidget>> m_teile;
};
