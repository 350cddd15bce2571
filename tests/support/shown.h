#pragma once
// A form shown on the screen for the length of a test, as a user meets it, and what
// its lists and texts show.

#include <QColor>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace testing {

template <class Form> struct Shown {
    Form form;
    Shown()
    {
        form.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&form);
    }
};

// The texts of a list's entries, top to bottom.
inline QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// The colour of the character at `offset` of a rich text.
inline QColor colourAt(QTextDocument *text, int offset)
{
    QTextCursor cursor(text);
    cursor.setPosition(offset + 1);
    return cursor.charFormat().foreground().color();
}

} // namespace testing
