#include "exercise/ui/lazyfiledialog.h"

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
        m_dialog = new QFileDialog(m_owner);
        m_dialog->setObjectName(m_name);
        m_dialog->setOption(QFileDialog::DontUseNativeDialog);
        for (const auto &step : m_steps)
            step(m_dialog);
        m_steps.clear();
    }
    return m_dialog;
}
