#pragma once
// The text of an editor as it stands, for saving and for the exercise: unlike
// QTextDocument::toPlainText(), a no-break space stays one and is not made a blank.

#include <QString>

class QTextDocument;

// Lines joined by "\n"; with a `maxLength`, only the start of the text, which for a
// long text is much cheaper than all of it.
QString editorText(const QTextDocument &document, qsizetype maxLength = -1);

// `text` (lines parted by "\n") as an editor's setPlainText takes it. The editor makes
// every line a block of its document, which costs microseconds a line: a word list of a
// few megabytes would take seconds to open and make each key slow. A text of very many
// lines therefore gathers its short lines into blocks of about a paragraph, parted inside
// by line separators: the editor shows each as a line of its own, and `editorText` and
// toPlainText() read them as "\n" again. A text of fewer lines stays as it is.
QString inEditorBloecken(QString text);
