#pragma once
// The exercise text's markup: the gap pairs "$", "§", "&" inside a word, "_" joining
// a word group and "#" ending the text; its checks and the transformations that turn
// a chunk into what the display shows and what the pupil must write.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace markup {

inline constexpr QChar omittedPartMark = u'$';   // word part shown as ONE placeholder
inline constexpr QChar omittedLettersMark = u'§'; // one placeholder per letter
inline constexpr QChar notRewrittenMark = u'&';   // shown, but need not be written
inline constexpr QChar groupJoin = u'_';
inline constexpr QChar endMark = u'#';

// At most this many characters of a text take part in an exercise, a print, the
// file-type detection.
inline constexpr qsizetype maxTextLength = 8000;

enum class FileType { Woerter, Wortgruppen, Text };

// True when the text breaks the pair rules (a pair holding a blank or another mark).
// Reads from the start up to the first "#".
bool text_pruefen(QStringView puffer);

// The file type of the editor's text (its first 8000 characters).
FileType dateityp_feststellen(QStringView editorText);

// Chunk -> display string: 16 blanks and "#" appended, "§" pairs shown as one
// `letterPlaceholder` per letter, "$" pairs as one `partPlaceholder`, "&" marks dropped.
QString displayString(QStringView chunk, QChar letterPlaceholder, QChar partPlaceholder);

// Where a display ends: at its end mark, the "#" appended as its last character, or
// at the end of a string without one. A "#" before it (the gap placeholder, say) is a
// character like any other and is shown. Counted from 0.
qsizetype displayStringEnd(QStringView display);
// The blank-separated words of a display string before its end mark.
QStringList displayStringWords(QStringView display);

// Chunk -> what the pupil must write: the marks dropped, "&" pairs with their letters.
// Not trimmed; the caller trims.
QString targetString(QStringView chunk);

// A word group as displayed and written: every "_" but a last character becomes a blank.
QString wordGroupForDisplay(QStringView group);

// Old DOS texts: the code page 437/850 umlauts and "ß" become Windows-1252, and the
// old gap marks "+" and "*" become "§" and "$". Converts the whole text.
QString convertOldFormat(QStringView text);

// How the exercise buffer is filled for each command that runs or prints a text.
enum class BufferLayout {
    Laufbahn,          // control characters -> blanks, then " #"
    ErrorRepetition,   // control characters -> blanks, then "  #"
    ReadingFinger,     // trailing characters below "!" cut, "#" right after the text
    OldLaufbahn,       // unchanged, then the terminating zero, four blanks, "#"
    Printing,          // as Laufbahn
};

// The buffer for `layout`: at most the first 8000 characters of `editorText`, followed
// by the layout's end marks. The editor holds lines separated by "\n"; in the buffer a
// line break stands as CR LF, as it does in the files.
QString fillBuffer(QStringView editorText, BufferLayout layout);

} // namespace markup
