#pragma once
// Answers the modal dialogs that a tested command opens, so a test never blocks.

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace testing {

// Calls `answer` with the next modal dialog as soon as it is shown (polled from the
// event loop), then stops. Fails the running test when none shows within `timeoutMs`.
void answerNextDialog(std::function<void(QWidget *dialog)> answer, int timeoutMs = 5000);

// Answers the next message box with `button` and records its text in `text` (if given).
void answerNextMessageBox(QMessageBox::StandardButton button, QString *text = nullptr);

// Answers the next file dialog with `path` (accepting it), or rejects it when `path` is empty.
void answerNextFileDialog(const QString &path);

} // namespace testing
