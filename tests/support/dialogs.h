#pragma once
// Answers the modal dialogs that a tested command opens, so a test never blocks.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>
#include <vector>

namespace testing {

// What a test does with a dialog once it shows: fill it in, then close it.
using Answer = std::function<void(QWidget *dialog)>;

// Calls `answer` with the next modal dialog as soon as it is shown (polled from the
// event loop), then stops. Warns when none shows within `timeoutMs`.
void answerNextDialog(Answer answer, int timeoutMs = 5000);

// Answers the dialogs that a command opens one after the other, in this order.
void answerInTurn(std::vector<Answer> answers);

// Chooses `path` in a file dialog and accepts it, or rejects the dialog when `path` is
// empty. A non-empty `filter` is selected first (the old DOS texts have their own);
// `afterChoice` runs once the dialog is accepted, before the command reads the file.
Answer fileAnswer(const QString &path, const QString &filter = {},
                  std::function<void()> afterChoice = {});

// Clicks `button` in a message box, recording its text and its buttons' captions (sorted,
// so a check does not depend on the platform's button order) where asked.
Answer boxAnswer(QMessageBox::StandardButton button, QString *text = nullptr,
                 QStringList *buttons = nullptr);

// Answers the next message box with `button` and records its text in `text` (if given).
void answerNextMessageBox(QMessageBox::StandardButton button, QString *text = nullptr);

// Answers the next file dialog with `path` (accepting it), or rejects it when `path` is empty.
void answerNextFileDialog(const QString &path);

// Runs `command` and reports whether it opened a modal dialog (which is rejected).
bool opensDialog(const std::function<void()> &command);

// Hands the dialog to `act` as a `Dialog`; any other dialog is closed and fails the test.
template <class Dialog> Answer as(std::function<void(Dialog &)> act)
{
    return [act](QWidget *shown) {
        if (auto *dialog = qobject_cast<Dialog *>(shown))
            return act(*dialog);
        shown->close();
        QFAIL(shown->metaObject()->className());
    };
}

} // namespace testing
