#include "exercise/core/markup.h"

#include "exercise/core/ansi.h"

#include <algorithm>

namespace markup {
namespace {

bool isPairMark(QChar ch)
{
    return ch == omittedPartMark || ch == omittedLettersMark || ch == notRewrittenMark;
}

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

} // namespace

bool text_pruefen(QStringView puffer)
{
    QChar open;
    for (QChar ch : puffer) {
        if (ch == endMark)
            return false;
        if (open.isNull()) {
            if (isPairMark(ch))
                open = ch;
        } else if (ch == open) {
            open = QChar();
        } else if (isPairMark(ch)) {
            return true;
        }
        // A pair may not span words: a blank inside an open pair is an error.
        if (!open.isNull() && ch == u' ')
            return true;
    }
    // The buffer always ends in "#"; a text handed over without it still may not end
    // inside a pair.
    return !open.isNull();
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
    QString s = chunk.toString();
    bool inLetters = false;
    bool inPart = false;
    qsizetype i = 0;
    while (i < s.size()) {
        if (s[i] == omittedLettersMark)
            inLetters = !inLetters;
        if (s[i] == omittedPartMark) {
            if (inPart)
                s[i] = partPlaceholder;
            inPart = !inPart;
        }
        if (!isPairMark(s[i])) {
            if (inPart) {
                s.remove(i, 1);
                continue;
            }
            if (inLetters)
                s[i] = letterPlaceholder;
        }
        // A placeholder that is itself a mark goes the way of every mark.
        if (isPairMark(s[i])) {
            s.remove(i, 1);
            continue;
        }
        ++i;
    }
    // The run-out after the chunk stays whole even when a pair was left open in it:
    // the display needs its blanks and its end mark.
    s += QString(16, u' ');
    s += endMark;
    return s;
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
    QString target;
    target.reserve(chunk.size());
    bool notRewritten = false;
    for (QChar ch : chunk) {
        if (ch == notRewrittenMark)
            notRewritten = !notRewritten;
        else if (!isPairMark(ch) && !notRewritten)
            target += ch;
    }
    return target;
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
