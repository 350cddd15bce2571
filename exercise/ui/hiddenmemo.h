#pragma once
// A memo that is never shown: it keeps text for the program, as the main window's hidden
// memos do, without a text document behind it. Laying out a pupil record of many
// megabytes in a QPlainTextEdit would take tens of seconds and a gigabyte of memory.

#include <QString>
#include <QWidget>

class HiddenMemo : public QWidget {
public:
    explicit HiddenMemo(QWidget *parent = nullptr) : QWidget(parent) { hide(); }

    void setPlainText(const QString &text) { m_text = text; }
    QString toPlainText() const { return m_text; }
    void clear() { m_text.clear(); }

private:
    QString m_text;
};
