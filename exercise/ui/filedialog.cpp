#include "exercise/ui/filedialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Watches one dialog and the popups of its completers.
class NameFieldKeeper : public QObject {
public:
    explicit NameFieldKeeper(QFileDialog *dialog) : QObject(dialog), m_dialog(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show) {
            watchPopups();
            selectName();
        } else if (watched == m_dialog && event->type() == QEvent::Hide) {
            hidePopups();
        } else if (event->type() == QEvent::Show && !m_dialog->isVisible()) {
            // A completion that finishes after the dialog closed would show its list
            // over the main window, where it swallows the next click.
            QTimer::singleShot(0, this, &NameFieldKeeper::hidePopups);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<QWidget *> popups() const
    {
        QList<QWidget *> found;
        for (QCompleter *completer : m_dialog->findChildren<QCompleter *>()) {
            if (QAbstractItemView *popup = completer->popup())
                found << popup;
        }
        return found;
    }

    void watchPopups()
    {
        for (QWidget *popup : popups()) {
            popup->removeEventFilter(this);
            popup->installEventFilter(this);
        }
    }

    void hidePopups()
    {
        for (QWidget *popup : popups())
            popup->hide();
    }

    void selectName()
    {
        auto *edit = m_dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
        if (!edit)
            return;
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }

    QFileDialog *const m_dialog;
};

} // namespace

QFileDialog *makeFileDialog(QWidget *parent, const QString &objectName, const QString &title)
{
    auto *dialog = new QFileDialog(parent, title);
    dialog->setObjectName(objectName);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    new NameFieldKeeper(dialog);
    return dialog;
}
