#include "writing/core/praisefile.h"

#include "exercise/core/textfile.h"

#include <QRegularExpression>

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
    const QString name = firstName.trimmed();
    const QString placeholder = u"Name"_s;
    QStringList lines;
    // A lone CR ends a line as well: it would show as a box in the praise.
    static const QRegularExpression lineEnd(u"\r\n|\r|\n"_s);
    for (const QString &line : fileText.toString().split(lineEnd)) {
        if (line.trimmed().isEmpty())
            continue;
        if (!line.contains(placeholder)) {
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
    const std::optional<QString> text = textfile::readText(path, error);
    if (!text)
        return std::nullopt;
    return praiseLines(*text, firstName);
}

} // namespace praise
