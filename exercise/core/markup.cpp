#include "exercise/core/markup.h"

#include "exercise/core/ansi.h"

#include <algorithm>

namespace markup {

bool isPairMark(QChar ch)
{
    return ch == omittedPartMark || ch == omittedLettersMark || ch == notRewrittenMark;
}

namespace {

// The editor separates lines by "\n"; the buffer and the files by CR LF. The 8000
// characters of an exercise are counted in the buffer's form.
QString bufferText(QStringView editorText)
{
    QString text;
    text.reserve(std::min<qsizetype>(editorText.size() * 2, maxTextLength));
    for (QChar ch : editorText) {
        if (text.size() >= maxTextLength)
            break;
        if (ch == u'\n')
            text += u'\r';
        if (text.size() < maxTextLength)
            text += ch;
    }
    return text;
}

void blankControlCharacters(QString &text)
{
    for (QChar &ch : text) {
        if (ch < u' ')
            ch = u' ';
    }
}

// How many characters of the editor's text reach the buffer, whose 8000 characters
// count a line break twice (CR LF).
qsizetype exercisedLength(QStringView editorText)
{
    qsizetype bufferSize = 0;
    qsizetype used = 0;
    while (used < editorText.size() && bufferSize < maxTextLength)
        bufferSize += editorText[used++] == u'\n' ? 2 : 1;
    return used;
}

// In the buffer every character below a blank is one.
bool separatesWords(QChar ch)
{
    return ch <= u' ';
}

bool isLineBreak(QChar ch)
{
    return ch == u'\n' || ch == u'\r' || ch == QChar::ParagraphSeparator ||
           ch == QChar::LineSeparator;
}

// A blank broke the pair opened by `mark`: when the pair is closed later on the same
// line it was meant to span the blank; otherwise it was never closed. Returns the
// position of that closing mark, or -1.
qsizetype closingMarkOnLine(QStringView text, qsizetype blank, QChar mark)
{
    for (qsizetype i = blank; i < text.size() && !isLineBreak(text[i]); ++i) {
        if (text[i] == endMark)
            break;
        if (isPairMark(text[i]))
            return text[i] == mark ? i : -1;
    }
    return -1;
}

qsizetype wordEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && !separatesWords(text[from]))
        ++from;
    return from;
}

// The rules of text_pruefen, walked up to the first "#"; a pair still open where the
// text ends is not closed.
PairFault walkPairs(QStringView text)
{
    using Reason = PairFault::Reason;
    QChar open;
    qsizetype opening = -1;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == endMark)
            return {};
        if (open.isNull()) {
            if (isPairMark(ch)) {
                open = ch;
                opening = i;
            } else if (ch == u'\n') {
                ++line;
            }
        } else if (ch == open) {
            open = QChar();
        } else if (isPairMark(ch)) {
            return {Reason::PairInPair, opening, i + 1, line};
        } else if (separatesWords(ch)) {
            // A pair may not span words: a blank inside an open pair is an error.
            const qsizetype closing = closingMarkOnLine(text, i, open);
            if (closing >= 0)
                return {Reason::BlankInPair, opening, closing + 1, line};
            return {Reason::NotClosed, opening, i, line};
        }
    }
    if (!open.isNull())
        return {Reason::NotClosed, opening, text.size(), line};
    return {};
}

} // namespace

bool text_pruefen(QStringView puffer)
{
    return walkPairs(puffer).broken();
}

PairFault findPairFault(QStringView editorText)
{
    return walkPairs(editorText.first(exercisedLength(editorText)));
}

QString pairFaultMessage(const PairFault &fault)
{
    QString reason;
    switch (fault.reason) {
    case PairFault::Reason::None:
        return {};
    case PairFault::Reason::NotClosed:
        reason = QStringLiteral("Lücke nicht geschlossen");
        break;
    case PairFault::Reason::BlankInPair:
        reason = QStringLiteral("Leerzeichen in einer Lücke");
        break;
    case PairFault::Reason::PairInPair:
        reason = QStringLiteral("Lücke in einer Lücke");
        break;
    }
    return QStringLiteral("Zeile %1: %2").arg(fault.line).arg(reason);
}

QString pairFaultWarning(QStringView editorText)
{
    const PairFault fault = findPairFault(editorText);
    if (!fault.broken())
        return {};
    // The word around the broken pair, as the teacher finds it in the line.
    qsizetype from = fault.opening;
    while (from > 0 && !separatesWords(editorText[from - 1]))
        --from;
    QString word = editorText.sliced(from, wordEnd(editorText, fault.end) - from).toString();
    constexpr qsizetype longestWord = 40;
    if (word.size() > longestWord)
        word = word.first(longestWord - 1) + u'…';
    return QStringLiteral("Der Text enthält Fehler in Bezug auf die Lückentexte. Die Laufbahn "
                          "kann nicht gestartet werden.\n\n%1 („%2“).")
        .arg(pairFaultMessage(fault), word);
}

QString wrapInPair(QStringView selection, QChar mark)
{
    const QStringView inner = selection.trimmed();
    if (inner.isEmpty())
        return selection.toString();
    const qsizetype before = inner.data() - selection.data();
    return selection.first(before) + mark + inner + mark + selection.sliced(before + inner.size());
}

QString joinWordGroup(QStringView selection)
{
    QString joined = selection.toString();
    const QStringView inner = selection.trimmed();
    const qsizetype first = inner.data() - selection.data();
    for (qsizetype i = first; i < first + inner.size(); ++i) {
        if (joined[i].isSpace() && !isLineBreak(joined[i]))
            joined[i] = groupJoin;
    }
    return joined;
}

FileType dateityp_feststellen(QStringView editorText)
{
    bool groupJoinSeen = false;
    for (QChar ch : bufferText(editorText)) {
        switch (ch.unicode()) {
        case u'!':
        case u',':
        case u'.':
        case u';':
        case u'?':
            return FileType::Text;
        case u'_':
            groupJoinSeen = true;
            break;
        default:
            break;
        }
    }
    return groupJoinSeen ? FileType::Wortgruppen : FileType::Woerter;
}

QString displayString(QStringView chunk, QChar letterPlaceholder, QChar partPlaceholder)
{
    QString s = mappedDisplay(chunk, letterPlaceholder, partPlaceholder).text;
    // The run-out after the chunk stays whole even when a pair was left open in it:
    // the display needs its blanks and its end mark.
    s += QString(16, u' ');
    s += endMark;
    return s;
}

MappedDisplay mappedDisplay(QStringView chunk, QChar letterPlaceholder, QChar partPlaceholder)
{
    MappedDisplay shown;
    shown.text.reserve(chunk.size());
    shown.sources.reserve(chunk.size());
    // The two pairs are followed apart, as the marks toggle them; a broken chunk that
    // nests them is shown all the same.
    qsizetype lettersOpenedAt = -1;
    qsizetype partOpenedAt = -1;
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        QChar ch = chunk[i];
        DisplaySource source{DisplaySource::Plain, i};
        if (ch == omittedLettersMark)
            lettersOpenedAt = lettersOpenedAt < 0 ? i : -1;
        if (ch == omittedPartMark) {
            if (partOpenedAt >= 0) {
                ch = partPlaceholder;
                source = {DisplaySource::PartGap, partOpenedAt};
                partOpenedAt = -1;
            } else {
                partOpenedAt = i;
            }
        }
        if (!isPairMark(ch)) {
            if (partOpenedAt >= 0)
                continue;
            if (lettersOpenedAt >= 0) {
                ch = letterPlaceholder;
                source = {DisplaySource::LetterGap, lettersOpenedAt};
            }
        }
        // A placeholder that is itself a mark goes the way of every mark.
        if (isPairMark(ch))
            continue;
        shown.text += ch;
        shown.sources.append(source);
    }
    return shown;
}

qsizetype displayStringEnd(QStringView display)
{
    return display.endsWith(endMark) ? display.size() - 1 : display.size();
}

QStringList displayStringWords(QStringView display)
{
    QStringList words;
    for (QStringView word :
         display.first(displayStringEnd(display)).split(u' ', Qt::SkipEmptyParts))
        words << word.toString();
    return words;
}

QString targetString(QStringView chunk)
{
    return TargetWords().next(chunk);
}

QString TargetWords::next(QStringView word)
{
    QString target;
    target.reserve(word.size());
    for (QChar ch : word) {
        if (ch == notRewrittenMark)
            m_notRewritten = !m_notRewritten;
        else if (!isPairMark(ch) && !m_notRewritten)
            target += ch;
    }
    return target;
}

bool isSentenceEndMark(QChar ch)
{
    return ch == u'.' || ch == u'!' || ch == u'?';
}

qsizetype nextSentenceEnd(QStringView text, qsizetype from)
{
    QChar openPair;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch <= u' ')
            openPair = QChar();
        else if (openPair.isNull() && isPairMark(ch))
            openPair = ch;
        else if (ch == openPair)
            openPair = QChar();
        else if (openPair.isNull() && isSentenceEndMark(ch))
            return i;
    }
    return text.size();
}

QString wordGroupForDisplay(QStringView group)
{
    QString shown = group.toString();
    for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
        if (shown[i] == groupJoin)
            shown[i] = u' ';
    }
    return shown;
}

QString convertOldFormat(QStringView text)
{
    QString converted = text.toString();
    for (QChar &ch : converted) {
        switch (ansi::toByte(ch)) {
        case 132:
            ch = u'ä';
            break;
        case 148:
            ch = u'ö';
            break;
        case 129:
            ch = u'ü';
            break;
        case 142:
            ch = u'Ä';
            break;
        case 153:
            ch = u'Ö';
            break;
        case 154:
            ch = u'Ü';
            break;
        case 225:
            ch = u'ß';
            break;
        case '+':
            ch = omittedLettersMark;
            break;
        case '*':
            ch = omittedPartMark;
            break;
        default:
            break;
        }
    }
    return converted;
}

QString fillBuffer(QStringView editorText, BufferLayout layout)
{
    QString buffer = bufferText(editorText);
    switch (layout) {
    case BufferLayout::Laufbahn:
    case BufferLayout::Printing:
        blankControlCharacters(buffer);
        buffer += u" #";
        break;
    case BufferLayout::ErrorRepetition:
        blankControlCharacters(buffer);
        buffer += u"  #";
        break;
    case BufferLayout::ReadingFinger: {
        qsizetype end = buffer.size();
        while (end > 0 && buffer[end - 1] < u'!')
            --end;
        buffer.truncate(end);
        buffer += endMark;
        break;
    }
    case BufferLayout::OldLaufbahn:
        buffer += QChar(0);
        buffer += u"    #";
        break;
    }
    return buffer;
}

} // namespace markup
