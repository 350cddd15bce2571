#pragma once
// The exercise text's markup: the gap pairs "$", "§", "&" inside a word, "_" joining
// a word group and "#" ending the text; its checks and the transformations that turn
// a chunk into what the display shows and what the pupil must write.

#include <QList>
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

// The first pair that breaks the rules, as the teacher is shown it.
struct PairFault {
    enum class Reason {
        None,
        NotClosed,   // the word or the text ends inside the pair
        BlankInPair, // the pair spans a blank: it is closed after it on the same line
        PairInPair,  // another mark inside the pair
    };
    Reason reason = Reason::None;
    // The broken pair: from its opening mark up to the other mark for PairInPair, the
    // closing mark for BlankInPair, the end of the word (before the blank or the line
    // break) or of the text for NotClosed. `line` (from 1) holds the opening mark.
    qsizetype opening = -1;
    qsizetype end = -1;
    int line = 0;

    bool broken() const { return reason != Reason::None; }
    friend bool operator==(const PairFault &, const PairFault &) = default;
};

// The pair rules on the editor's text as it will stand in the exercise buffer: the
// first 8000 characters with every line break and control character a blank, ended by
// " #". Broken exactly when text_pruefen refuses that buffer; positions are the
// editor's. One pass over the text.
PairFault findPairFault(QStringView editorText);

// "Zeile 3: Lücke nicht geschlossen", for the status bar.
QString pairFaultMessage(const PairFault &fault);

// The warning that refuses to start an exercise on `editorText`: the known sentence,
// then the line, the reason and the word. Empty when the markup is sound.
QString pairFaultWarning(QStringView editorText);

// The menu commands of the editor, on the selected text (a line break in it may be
// "\n" or U+2029). Blanks and line breaks at either end of the selection stay where
// they are: the teacher sees them as lying between words, not in the selected ones.
// The selection inside a pair of `mark` ("$", "§" or "&"); nothing but blanks stays.
QString wrapInPair(QStringView selection, QChar mark);
// Every blank between the selected words becomes "_"; line breaks stay.
QString joinWordGroup(QStringView selection);

// The file type of the editor's text (its first 8000 characters).
FileType dateityp_feststellen(QStringView editorText);

// Chunk -> display string: 16 blanks and "#" appended, "§" pairs shown as one
// `letterPlaceholder` per letter, "$" pairs as one `partPlaceholder`, "&" marks dropped.
QString displayString(QStringView chunk, QChar letterPlaceholder, QChar partPlaceholder);

// Where a character of the display string comes from in the chunk: a character shown
// as it is, a placeholder of a "§" pair, or the one placeholder of a "$" pair.
struct DisplaySource {
    enum Kind { Plain, LetterGap, PartGap };
    Kind kind = Plain;
    // Plain: the chunk's character; a placeholder: the opening mark of its pair.
    qsizetype position = 0;
};

// The display conversion of `chunk` without the run-out, each character with its source.
struct MappedDisplay {
    QString text;
    QList<DisplaySource> sources; // one per character of `text`
};
MappedDisplay mappedDisplay(QStringView chunk, QChar letterPlaceholder, QChar partPlaceholder);
// Where a display ends: at its end mark, the "#" appended as its last character, or
// at the end of a string without one. A "#" before it (the gap placeholder, say) is a
// character like any other and is shown. Counted from 0.
qsizetype displayStringEnd(QStringView display);
// The blank-separated words of a display string before its end mark.
QStringList displayStringWords(QStringView display);

// Chunk -> what the pupil must write: the marks dropped, "&" pairs with their letters.
// Not trimmed; the caller trims.
QString targetString(QStringView chunk);

// The target of a chunk's words one after the other. A word group's "_" becomes a
// blank, so an "&" pair may open in one word and close in a later one: the pair left
// open by a word goes on in the next, and the words' targets are the chunk's target.
class TargetWords {
public:
    QString next(QStringView word);

private:
    bool m_notRewritten = false;
};

// A sentence ends at ".", "!" or "?" outside a gap pair: one inside a pair is a hidden
// letter of a word, not the end of its sentence. The first sentence end in `text` at
// or after `from`, which must not lie inside a pair (a word's start does not); the
// size of `text` when none follows. A pair never spans a blank or a line break, so a
// pair left open does not reach past its word.
qsizetype nextSentenceEnd(QStringView text, qsizetype from);
bool isSentenceEndMark(QChar ch); // ".", "!", "?" wherever they stand
bool isPairMark(QChar ch);        // "$", "§" or "&": one end of a gap pair

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
