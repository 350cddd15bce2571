#include "writing/core/praisepicture.h"

#include "exercise/core/fileio.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>
#include <climits>

using namespace Qt::StringLiterals;

namespace praise {

int gridSizeForItem(int itemIndex)
{
    switch (itemIndex) {
    case 0:
        return 3;
    case 1:
        return 4;
    default:
        return 5;
    }
}

QRect pieceRect(int gridSize, int piece, QSize client)
{
    const int a = qBound(1, gridSize, maxGridSize);
    const int column = (piece - 1) / a;
    const int row = (piece - 1) % a;
    const int cw = client.width();
    const int ch = client.height();
    const int left = column * cw / a;
    const int top = row * ch / a;
    int width = cw / a + 1;
    int height = ch / a + 1;
    if (left + width > cw)
        --width;
    if (top + height > ch)
        --height;
    return QRect(left, top, width, height);
}

CoverGrid::CoverGrid(int gridSize) : m_gridSize(qBound(1, gridSize, maxGridSize))
{
    m_covered.fill(true);
}

bool CoverGrid::isCovered(int piece) const
{
    return piece >= 1 && piece <= pieceCount() && m_covered[std::size_t(piece - 1)];
}

int CoverGrid::coveredCount() const
{
    int count = 0;
    for (int piece = 1; piece <= pieceCount(); ++piece)
        count += isCovered(piece) ? 1 : 0;
    return count;
}

CoverGrid::Step CoverGrid::uncoverOne(QRandomGenerator &random)
{
    if (coveredCount() == 0)
        m_covered.fill(true);
    // The n-th covered piece for a uniform n: one draw, whatever is left.
    int nth = int(random.bounded(quint32(coveredCount())));
    Step step;
    for (int piece = 1; piece <= pieceCount(); ++piece) {
        if (isCovered(piece) && nth-- == 0) {
            m_covered[std::size_t(piece - 1)] = false;
            step.opened = piece;
            break;
        }
    }
    step.finished = coveredCount() == 0;
    return step;
}

QStringList pictureCandidates(const QString &folder)
{
    const QDir dir(folder);
    QStringList names;
    for (const QString &pattern : {u"*.bmp"_s, u"*.jpg"_s}) {
        const QFileInfoList entries =
            dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &entry : entries) {
            // Hidden files count as the folder search counts them; pipes and devices
            // are left out, also behind a link.
            if (entry.isFile())
                names << entry.fileName();
        }
    }
    return names;
}

bool usesJpegDecoder(QStringView name)
{
    return name.endsWith(u".jpg");
}

std::optional<QByteArray> readPictureFile(const QString &path, const PictureLimits &limits,
                                          QString *error)
{
    IoError ioError;
    // One byte more than allowed tells a file at the limit from a larger one without
    // reading the rest.
    std::optional<QByteArray> bytes = readFileStart(path, limits.maxFileBytes + 1, &ioError);
    if (!bytes) {
        *error = ioError.message();
        return std::nullopt;
    }
    if (bytes->size() > limits.maxFileBytes) {
        *error = u"Die Datei ist größer als %1 MB."_s.arg(limits.maxFileBytes >> 20);
        return std::nullopt;
    }
    return bytes;
}

namespace {

// The size a BMP header claims, which Qt's reader does not tell before reading.
QSize bmpHeaderSize(const QByteArray &bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 26)
        return {};
    const auto *header = reinterpret_cast<const uchar *>(bytes.constData()) + 14;
    if (qFromLittleEndian<quint32>(header) == 12) // the old OS/2 header: 16-bit sizes
        return QSize(qFromLittleEndian<quint16>(header + 4),
                     qFromLittleEndian<quint16>(header + 6));
    // A negative height means the rows run top down.
    auto extent = [](const uchar *at) {
        return int(qMin<qint64>(qAbs(qint64(qFromLittleEndian<qint32>(at))), INT_MAX));
    };
    return QSize(extent(header + 4), extent(header + 8));
}

} // namespace

std::optional<QImage> decodeOtherPicture(const QByteArray &bytes, const PictureLimits &limits,
                                         QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(qMin<qint64>((limits.maxPixels * 4 >> 20) + 1, INT_MAX)));
    const QSize size = reader.size().isValid() ? reader.size() : bmpHeaderSize(bytes);
    if (size.isValid() && qint64(size.width()) * size.height() > limits.maxPixels) {
        *error =
            u"Das Bild ist zu groß (%1 × %2 Bildpunkte)."_s.arg(size.width()).arg(size.height());
        return std::nullopt;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        *error = bytes.isEmpty()
                     ? u"Die Datei ist leer."_s
                     : u"Die Datei ist kein lesbares Bild (%1)."_s.arg(reader.errorString());
        return std::nullopt;
    }
    return image;
}

PictureChoice choosePicture(QStringList candidates, QRandomGenerator &random,
                            const std::function<QString(const QString &name)> &load)
{
    PictureChoice choice;
    while (!candidates.isEmpty()) {
        const QString name = candidates.takeAt(int(random.bounded(quint32(candidates.size()))));
        const QString reason = load(name);
        if (reason.isEmpty()) {
            choice.name = name;
            break;
        }
        choice.failures.append({name, reason});
    }
    return choice;
}

QString failureMessage(const QList<PictureFailure> &failures)
{
    if (failures.size() == 1) {
        return u"Das Lobbild „%1“ kann nicht gezeigt werden und wird übersprungen.\n\n%2"_s.arg(
            failures.constFirst().name, failures.constFirst().reason);
    }
    QString text = u"Diese Lobbilder können nicht gezeigt werden und werden übersprungen:\n"_s;
    for (const PictureFailure &failure : failures)
        text += u"\n„%1“: %2"_s.arg(failure.name, failure.reason);
    return text;
}

} // namespace praise
