#pragma once
// A form's file dialog, made the first time it is used. Qt's own file dialog builds its
// whole window when it is created (icons, the listing of its folder), which the program's
// start should not wait for; the form keeps what the dialog is to be until then.

#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QFileDialog;
class QWidget;

class LazyFileDialog {
public:
    // The dialog will be Qt's own (never the desktop's), a child of `owner` named `name`.
    LazyFileDialog(QWidget *owner, QString name);
    LazyFileDialog(const LazyFileDialog &) = delete;
    LazyFileDialog &operator=(const LazyFileDialog &) = delete;

    // Applies `step` to the dialog: now when it is made, else when it is made, after the
    // steps given before.
    void configure(std::function<void(QFileDialog *)> step);

    // The dialog, made now if it is not yet; it stands where a QFileDialog is expected.
    QFileDialog *get();
    QFileDialog *operator->() { return get(); }
    operator QFileDialog *() { return get(); }

    bool isMade() const { return !m_dialog.isNull(); }

private:
    QWidget *m_owner;
    QString m_name;
    std::vector<std::function<void(QFileDialog *)>> m_steps;
    QPointer<QFileDialog> m_dialog;
};
