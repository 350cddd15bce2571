#include "tests/support/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <memory>

namespace testing {

void answerNextDialog(std::function<void(QWidget *dialog)> answer, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer = std::move(answer), clock, poll, timeoutMs]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            answer(modal);
            *poll = nullptr;
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            qWarning("no dialog showed up");
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void answerNextMessageBox(QMessageBox::StandardButton button, QString *text)
{
    answerNextDialog([button, text](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box) {
            qWarning("expected a message box, got %s", dialog->metaObject()->className());
            if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
            return;
        }
        if (text)
            *text = box->text();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->done(button);
    });
}

void answerNextFileDialog(const QString &path)
{
    answerNextDialog([path](QWidget *dialog) {
        auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
        if (!fileDialog) {
            qWarning("expected a file dialog, got %s", dialog->metaObject()->className());
            if (auto *d = qobject_cast<QDialog *>(dialog))
                d->reject();
            return;
        }
        if (path.isEmpty()) {
            fileDialog->reject();
            return;
        }
        // A dialog shown before keeps its old file name while its name field has the
        // focus (selectFile leaves a focused field alone).
        if (QWidget *focused = fileDialog->focusWidget())
            focused->clearFocus();
        fileDialog->selectFile(path);
        static_cast<QDialog *>(fileDialog)->accept();
    });
}

} // namespace testing
