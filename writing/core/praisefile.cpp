#include "writing/core/praisefile.h"

#include "exercise/core/textfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace praise {

QString praiseFileName()
{
    return u"lob.inf"_s;
}

QString fallbackPraise()
{
    return u"Prima!"_s;
}

QStringList praiseLines(QStringView fileText, const QString &firstName)
{
    const QString name = firstName.trimmed().left(maxFirstNameLength).trimmed();
    const QString placeholder = u"Name"_s;
    QStringList lines;
    // A lone CR ends a line as well: it would show as a box in the praise.
    static const QRegularExpression lineEnd(u"\r\n|\r|\n"_s);
    for (const QString &line : fileText.toString().split(lineEnd)) {
        if (line.trimmed().isEmpty())
            continue;
        // Measured before the names go in: a long line full of "Name" would otherwise
        // grow by the name's length for each of them.
        const qsizetype names = line.count(placeholder);
        if (line.size() + names * (name.size() - placeholder.size()) > maxPraiseLength)
            continue;
        if (names == 0) {
            lines << line;
        } else if (!name.isEmpty()) {
            // replace() goes on behind each inserted name, so a name that holds
            // "Name" itself is inserted once.
            lines << QString(line).replace(placeholder, name);
        }
    }
    if (lines.isEmpty())
        lines << fallbackPraise();
    return lines;
}

std::optional<QStringList> readPraiseFile(const QString &path, const QString &firstName,
                                          IoError *error)
{
    const std::optional<QByteArray> bytes = readWholeFile(path, error, maxPraiseFileBytes);
    if (!bytes)
        return std::nullopt;
    // Windows' Notepad saves "Unicode" as UTF-16 with a byte order mark: read as
    // Windows-1252 it would show as "ÿþT" and a blank between all letters.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(*bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        const QString text = decoder.decode(*bytes);
        return praiseLines(text, firstName);
    }
    return praiseLines(textfile::decodeText(*bytes), firstName);
}

} // namespace praise
