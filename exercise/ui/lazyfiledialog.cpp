#include "exercise/ui/lazyfiledialog.h"

#include "exercise/ui/filedialog.h"

#include <QFileDialog>

LazyFileDialog::LazyFileDialog(QWidget *owner, QString name)
    : m_owner(owner), m_name(std::move(name))
{
}

void LazyFileDialog::configure(std::function<void(QFileDialog *)> step)
{
    if (m_dialog)
        step(m_dialog);
    else
        m_steps.push_back(std::move(step));
}

QFileDialog *LazyFileDialog::get()
{
    if (!m_dialog) {
        m_dialog = makeFileDialog(m_owner, m_name, QString());
        for (const auto &step : m_steps)
            step(m_dialog);
        m_steps.clear();
    }
    return m_dialog;
}
