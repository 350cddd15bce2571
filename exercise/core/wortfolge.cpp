#include "exercise/core/wortfolge.h"

#include <QRandomGenerator>

namespace wortfolge {

QStringList wortstuecke(QStringView text)
{
    QStringList pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u' ' && text[end] != u'\n')
            ++end;
        if (end < text.size())
            ++end; // the blank or line feed belongs to the piece
        QString piece = text.sliced(start, end - start).toString();
        start = end;

        if (piece.endsWith(u'\n')) {
            piece.chop(1);
            if (piece.endsWith(u'\r'))
                piece.chop(1);
        }
        if (piece.isEmpty() || piece == u"#")
            continue;
        if (!piece.endsWith(u' '))
            piece += u' ';
        pieces.append(piece);
    }
    return pieces;
}

QString zufaellige_wortfolge(QStringView text, QRandomGenerator &random)
{
    QStringList pieces = wortstuecke(text);
    QString line;
    line.reserve(text.size() + pieces.size());
    while (!pieces.isEmpty()) {
        const auto index = qsizetype(random.bounded(quint32(pieces.size())));
        line += pieces[index];
        // The last piece fills the gap instead of all later pieces moving up: the
        // order of those left does not matter, each stays equally likely to come next.
        pieces.swapItemsAt(index, pieces.size() - 1);
        pieces.removeLast();
    }
    return line;
}

} // namespace wortfolge
