#include "exercise/ui/editortext.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// From this many lines on, short lines share a block ...
constexpr qsizetype kVieleZeilen = 5000;
// ... as long as the block stays within the length of a paragraph of running text.
constexpr qsizetype kBlocklaenge = 1000;

} // namespace

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

QString inEditorBloecken(QString text)
{
    if (text.count(u'\n') < kVieleZeilen)
        return text;
    QChar *zeichen = text.data();
    const qsizetype laenge = text.size();
    qsizetype blockAnfang = 0;
    qsizetype zeilenende = text.indexOf(u'\n');
    while (zeilenende >= 0) {
        qsizetype naechstes = zeilenende + 1;
        while (naechstes < laenge && zeichen[naechstes] != u'\n')
            ++naechstes;
        if (naechstes - blockAnfang <= kBlocklaenge)
            zeichen[zeilenende] = QChar::LineSeparator;
        else
            blockAnfang = zeilenende + 1;
        zeilenende = naechstes < laenge ? naechstes : -1;
    }
    return text;
}
