#pragma once
// The text of an editor as it stands, for saving and for the exercise: unlike
// QTextDocument::toPlainText(), a no-break space stays one and is not made a blank.

#include <QString>

class QTextDocument;

// Lines joined by "\n"; with a `maxLength`, only the start of the text, which for a
// long text is much cheaper than all of it.
QString editorText(const QTextDocument &document, qsizetype maxLength = -1);
