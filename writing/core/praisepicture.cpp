#include "writing/core/praisepicture.h"

#include "exercise/core/fileio.h"
#include "writing/core/picturefailure.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>
#include <climits>
#include <limits>

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

bool inJpegControl(QStringView name)
{
    return name.endsWith(u".jpg");
}

bool isJpeg(QByteArrayView bytes)
{
    // The start-of-image marker alone, not the usual FF D8 FF: libjpeg skips stray
    // bytes before the next marker, and so does Qt's JPEG reader, which has no scan
    // limit and takes any file that starts with FF D8.
    return bytes.startsWith("\xFF\xD8");
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

struct BmpHeader {
    QSize size;
    qint64 rowsEnd = -1; // where the rows end, for a BMP whose rows are not compressed
};

// What a BMP header claims, which Qt's reader does not tell before reading.
BmpHeader bmpHeader(const QByteArray &bytes)
{
    BmpHeader bmp;
    if (!bytes.startsWith("BM") || bytes.size() < 26)
        return bmp;
    const auto *file = reinterpret_cast<const uchar *>(bytes.constData());
    const auto *header = file + 14;
    const qint64 rowsStart = qFromLittleEndian<quint32>(file + 10);
    int bitsPerPixel = 0;
    bool plain = false;
    if (qFromLittleEndian<quint32>(header) == 12) { // the old OS/2 header: 16-bit sizes
        bmp.size =
            QSize(qFromLittleEndian<quint16>(header + 4), qFromLittleEndian<quint16>(header + 6));
        bitsPerPixel = qFromLittleEndian<quint16>(header + 10);
        plain = true;
    } else {
        // A negative height means the rows run top down.
        auto extent = [](const uchar *at) {
            return int(qMin<qint64>(qAbs(qint64(qFromLittleEndian<qint32>(at))), INT_MAX));
        };
        bmp.size = QSize(extent(header + 4), extent(header + 8));
        if (bytes.size() >= 14 + 20) {
            bitsPerPixel = qFromLittleEndian<quint16>(header + 14);
            const quint32 compression = qFromLittleEndian<quint32>(header + 16);
            plain = compression == 0 || compression == 3 || compression == 6; // RGB, bit fields
        }
    }
    if (plain && bitsPerPixel > 0 && bitsPerPixel <= 32) {
        // Each row is padded to four bytes.
        const qint64 rowBytes = (qint64(bmp.size.width()) * bitsPerPixel + 31) / 32 * 4;
        // A crafted header can promise more bytes than a qint64 holds: no file is that long.
        const qint64 most = std::numeric_limits<qint64>::max();
        bmp.rowsEnd = rowBytes > 0 && bmp.size.height() > (most - rowsStart) / rowBytes
                          ? most
                          : rowsStart + rowBytes * bmp.size.height();
    }
    return bmp;
}

picture::Failure failureFor(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::UnsupportedFormatError:
        return picture::Failure::Unsupported;
    default:
        return picture::Failure::Damaged;
    }
}

} // namespace

std::optional<QImage> decodeOtherPicture(const QByteArray &bytes, const PictureLimits &limits,
                                         QString *error)
{
    if (bytes.isEmpty()) {
        *error = u"Die Datei ist leer."_s;
        return std::nullopt;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(qMin<qint64>((limits.maxPixels * 4 >> 20) + 1, INT_MAX)));
    const BmpHeader bmp = bmpHeader(bytes);
    const QSize size = reader.size().isValid() ? reader.size() : bmp.size;
    if (size.isValid() && qint64(size.width()) * size.height() > limits.maxPixels) {
        *error = picture::reason(picture::Failure::TooLarge, size);
        return std::nullopt;
    }
    // Qt's reader leaves the missing rows of a cut-off BMP grey.
    if (bmp.rowsEnd > bytes.size()) {
        *error = picture::reason(picture::Failure::CutShort);
        return std::nullopt;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        *error = picture::reason(failureFor(reader.error()));
        return std::nullopt;
    }
    return image;
}

DecodedPicture decodePicture(const QByteArray &bytes, QStringView name, const PictureLimits &limits,
                             const jpeg::Options &jpegOptions, const std::atomic_bool *cancel)
{
    DecodedPicture decoded;
    if (!isJpeg(bytes)) {
        decoded.image = decodeOtherPicture(bytes, limits, &decoded.reason);
        return decoded;
    }
    jpeg::Limits jpegLimits;
    jpegLimits.maxPixels = limits.maxPixels;
    jpegLimits.maxScans = limits.maxScans;
    jpegLimits.cancel = cancel;
    jpeg::Result result =
        jpeg::decode(bytes, inJpegControl(name) ? jpegOptions : jpeg::Options(), jpegLimits);
    decoded.image = std::move(result.image);
    decoded.reason = result.reason();
    decoded.cancelled = result.failure == picture::Failure::Cancelled;
    return decoded;
}

QStringList pickingOrder(QStringList candidates, QRandomGenerator &random)
{
    QStringList order;
    while (!candidates.isEmpty())
        order << candidates.takeAt(int(random.bounded(quint32(candidates.size()))));
    return order;
}

LoadedPicture loadFirstPicture(const PictureJob &job, const std::atomic_bool *cancel)
{
    LoadedPicture loaded;
    for (const QString &name : job.order) {
        if (cancel && cancel->load()) {
            loaded.cancelled = true;
            break;
        }
        QString reason;
        const std::optional<QByteArray> bytes =
            readPictureFile(job.folder + name, job.limits, &reason);
        if (bytes) {
            DecodedPicture decoded =
                decodePicture(*bytes, name, job.limits, job.jpegOptions, cancel);
            if (decoded.cancelled) {
                loaded.cancelled = true;
                break;
            }
            if (decoded.image) {
                loaded.name = name;
                loaded.image = std::move(*decoded.image);
                if (isJpeg(*bytes) && inJpegControl(name))
                    loaded.jpegBytes = *bytes;
                break;
            }
            reason = decoded.reason;
        }
        loaded.failures.append({name, reason});
    }
    return loaded;
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
