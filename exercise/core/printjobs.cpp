#include "exercise/core/printjobs.h"

#include "exercise/core/markup.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace printjobs {

namespace {

// Texts are what a folder print looks for unless told otherwise.
constexpr QStringView textPattern = u"*.txt";

} // namespace

QString printBuffer(QStringView text, bool withoutMarks)
{
    QString buffer = markup::fillBuffer(text, markup::BufferLayout::Printing);
    if (withoutMarks) {
        buffer.remove(markup::omittedPartMark);
        buffer.remove(markup::notRewrittenMark);
        buffer.remove(markup::omittedLettersMark);
    }
    return buffer;
}

QList<printlayout::Heading> exerciseTextHeadings(const QString &textName)
{
    if (textName.isEmpty())
        return {};
    return {{printlayout::textLeft, textName}};
}

QList<printlayout::Heading> wrongWordsHeadings(const QString &date, const QString &pupil,
                                               const QString &textName)
{
    QList<printlayout::Heading> headings{{printlayout::textLeft, u"["_s + date + u"] "_s + pupil}};
    if (!textName.isEmpty())
        headings.append({400, u"Fehler beim Text: "_s + textName});
    return headings;
}

QList<printlayout::Heading> writtenTextHeadings(const QString &textName, const QString &pupil,
                                                const QString &selectedEntry)
{
    QString heading = u"Ergebnis"_s;
    if (!textName.isEmpty()) {
        // "Ergbnis" is what the teacher has always seen on these sheets.
        if (!pupil.isEmpty() && !selectedEntry.isEmpty())
            heading = u"Ergbnis: "_s + pupil + u' ' + selectedEntry;
        else
            heading = u"Ergebnis: "_s + textName;
    }
    return {{printlayout::textLeft, heading}};
}

FolderPattern folderPattern(const QString &typed)
{
    const QString path = typed.trimmed();
    const QFileInfo info(path);
    if (path.isEmpty() || path.endsWith(u'/') || path.endsWith(u'\\') || info.isDir())
        return {QDir::cleanPath(path.isEmpty() ? u"."_s : path), textPattern.toString()};
    return {QDir::cleanPath(info.path()), info.fileName()};
}

QString withFolder(const QString &typed, const QString &folder)
{
    return QDir(folder).filePath(folderPattern(typed).pattern);
}

QStringList filesMatching(const FolderPattern &pattern)
{
    const QDir folder(pattern.folder);
    QStringList files;
    // QDir::Files without QDir::System: pipes, sockets and devices stay out; without
    // QDir::CaseSensitive the pattern matches as on Windows.
    const QFileInfoList entries = folder.entryInfoList(
        {pattern.pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (entry.isFile())
            files.append(folder.filePath(entry.fileName()));
    }
    return files;
}

} // namespace printjobs
