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
    m_aktionen.reserve(alle.size());
    for (QAction *aktion : std::as_const(alle)) {
        m_aktionen.append({aktion, aktion->isEnabled(), {}});
        aktion->setEnabled(false);
    }
    // Only now, as the list holds still: each entry is watched through its index.
    for (qsizetype i = 0; i < m_aktionen.size(); ++i) {
        QAction *aktion = m_aktionen[i].aktion;
        m_aktionen[i].wache =
            QObject::connect(aktion, &QAction::enabledChanged, aktion, [this, i, aktion](bool an) {
                if (!an)
                    return;
                m_aktionen[i].danach = true;
                aktion->setEnabled(false);
            });
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
    for (const Eintrag &eintrag : std::as_const(m_aktionen))
        QObject::disconnect(eintrag.wache);
    for (const Eintrag &eintrag : std::as_const(m_aktionen)) {
        if (eintrag.aktion && eintrag.danach)
            eintrag.aktion->setEnabled(true);
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
