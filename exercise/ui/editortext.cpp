#include "exercise/ui/editortext.h"

#include <QTextBlock>
#include <QTextDocument>

QString editorText(const QTextDocument &document, qsizetype maxLength)
{
    QString text;
    if (maxLength < 0) {
        text = document.toRawText();
    } else {
        for (QTextBlock block = document.begin(); block.isValid() && text.size() < maxLength;
             block = block.next()) {
            if (block != document.begin())
                text += QChar::ParagraphSeparator;
            text += block.text();
        }
        text.truncate(maxLength);
    }
    for (QChar &ch : text) {
        switch (ch.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xfdd0: // the start and end marks of a frame
        case 0xfdd1:
            ch = u'\n';
            break;
        default:
            break;
        }
    }
    return text;
}
