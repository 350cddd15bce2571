#include "app/laufsperre.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// The entries of a menu bar with those of their menus, and the window's own actions.
void sammeln(const QList<QAction *> &aktionen, QList<QAction *> &alle)
{
    for (QAction *aktion : aktionen) {
        alle << aktion;
        if (aktion->menu())
            sammeln(aktion->menu()->actions(), alle);
    }
}

} // namespace

LaufSperre::LaufSperre(QMainWindow &window, const QList<QWidget *> &teile) : m_window(&window)
{
    QList<QAction *> alle;
    sammeln(window.menuBar()->actions(), alle);
    sammeln(window.actions(), alle);
    // A disabled action takes its shortcut with it.
    for (QAction *aktion : std::as_const(alle)) {
        if (aktion->isEnabled()) {
            aktion->setEnabled(false);
            m_aktionen << aktion;
        }
    }
    for (QWidget *teil : teile) {
        if (teil->isEnabled()) {
            teil->setEnabled(false);
            m_teile << teil;
        }
    }
}

LaufSperre::~LaufSperre()
{
    for (const QPointer<QAction> &aktion : std::as_const(m_aktionen)) {
        if (aktion)
            aktion->setEnabled(true);
    }
    for (const QPointer<QWidget> &teil : std::as_const(m_teile)) {
        if (teil)
            teil->setEnabled(true);
    }
    // Whatever window closed last (a praise, a comparison), the keyboard comes back here.
    if (m_window && m_window->isVisible()) {
        m_window->raise();
        m_window->activateWindow();
    }
}
