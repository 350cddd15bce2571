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

namespace {

// Fails the running test and closes the dialog, so the command under test returns
// instead of waiting for an answer that never comes.
void refuse(QWidget *dialog, const QByteArray &why)
{
    QTest::qFail(why.constData(), __FILE__, __LINE__);
    if (auto *shown = qobject_cast<QDialog *>(dialog))
        shown->reject();
    else
        dialog->close();
}

QByteArray unexpected(QWidget *dialog, const char *expected)
{
    return QByteArray("expected ") + expected + ", got " + dialog->metaObject()->className();
}

} // namespace

void answerNextDialog(Answer answer, int timeoutMs)
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

void answerInTurn(std::vector<Answer> answers)
{
    if (answers.empty())
        return;
    Answer first = std::move(answers.front());
    answers.erase(answers.begin());
    answerNextDialog([first = std::move(first), rest = std::move(answers)](QWidget *dialog) {
        first(dialog);
        answerInTurn(rest);
    });
}

Answer fileAnswer(const QString &path, const QString &filter, std::function<void()> afterChoice)
{
    return [path, filter, afterChoice = std::move(afterChoice)](QWidget *dialog) {
        auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
        if (!fileDialog) {
            refuse(dialog, unexpected(dialog, "a file dialog"));
            return;
        }
        if (path.isEmpty()) {
            fileDialog->reject();
            return;
        }
        if (!filter.isEmpty())
            fileDialog->selectNameFilter(filter);
        // A dialog shown before keeps its old file name while its name field has the
        // focus (selectFile leaves a focused field alone).
        if (QWidget *focused = fileDialog->focusWidget())
            focused->clearFocus();
        fileDialog->selectFile(path);
        static_cast<QDialog *>(fileDialog)->accept();
        if (afterChoice)
            afterChoice();
    };
}

Answer boxAnswer(QMessageBox::StandardButton button, QString *text, QStringList *buttons)
{
    return [button, text, buttons](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box) {
            refuse(dialog, unexpected(dialog, "a message box"));
            return;
        }
        if (text)
            *text = box->text();
        if (buttons) {
            buttons->clear();
            for (QAbstractButton *offered : box->buttons())
                *buttons << offered->text();
            buttons->sort();
        }
        QAbstractButton *answer = box->button(button);
        if (!answer) {
            refuse(dialog,
                   "the message box lacks the button to answer with: " + box->text().toUtf8());
            return;
        }
        answer->click();
    };
}

void answerNextMessageBox(QMessageBox::StandardButton button, QString *text)
{
    answerNextDialog(boxAnswer(button, text));
}

void answerNextFileDialog(const QString &path)
{
    answerNextDialog(fileAnswer(path));
}

bool opensDialog(const std::function<void()> &command)
{
    bool opened = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&opened] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            opened = true;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    watch.start();
    command();
    QTest::qWait(50);
    return opened;
}

} // namespace testing
