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
#include <new>
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
    bool noPixel = false; // a run-length compressed BMP whose runs set no pixel
};

// Whether the runs of a run-length compressed BMP (RLE8 and RLE4 alike) end before any
// pixel is set: Qt's reader would show a black picture.
bool runsSetNoPixel(const uchar *runs, qsizetype size)
{
    for (qsizetype at = 0; at + 1 < size; at += 2) {
        if (runs[at] > 0)
            return false; // a run of one value
        switch (runs[at + 1]) {
        case 0: // end of line
            break;
        case 1: // end of the picture
            return true;
        case 2: // a jump
            at += 2;
            break;
        default: // pixels as they are
            return false;
        }
    }
    return true;
}

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
            const bool runLength = compression == 1 || compression == 2;
            if (runLength && rowsStart <= bytes.size())
                bmp.noPixel = runsSetNoPixel(file + rowsStart, bytes.size() - rowsStart);
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

constexpr char pngSignature[] = "\x89PNG\r\n\x1A\n";

// How many bytes Qt gives each pixel of a PNG: 16-bit samples come as 64-bit pixels.
int pngPixelBytes(const QByteArray &png)
{
    // The header chunk follows the signature: length, "IHDR", width, height, bit depth.
    return png.size() > 24 && quint8(png[24]) == 16 ? 8 : 4;
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

// The file's bytes as Qt's reader reads them, a piece at a time: once `cancel` is set
// the next read fails, and the reader gives up.
class StoppableBuffer : public QBuffer {
public:
    explicit StoppableBuffer(const std::atomic_bool *cancel) : m_cancel(cancel) {}

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            return -1;
        return QBuffer::readData(data, maxSize);
    }

private:
    const std::atomic_bool *m_cancel;
};

// The readers whose cost their header bounds; the PNG one only with the ancillary chunks
// taken out.
bool readerAllowed(const QByteArray &format)
{
    return format == "bmp" || format == "png" || format == "gif";
}

} // namespace

QByteArray withoutAncillaryChunks(const QByteArray &png)
{
    constexpr qsizetype signature = sizeof(pngSignature) - 1;
    if (!png.startsWith(QByteArrayView(pngSignature, signature)))
        return png;
    QByteArray kept = png.left(signature);
    qsizetype at = signature;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArrayView type(png.constData() + at + 4, 4);
        if (length > quint32(png.size() - at - 12))
            break; // cut short: what is left goes to the reader, which says so
        const qsizetype whole = 12 + qsizetype(length);
        // A lower-case first letter marks an ancillary chunk; the transparency chunk is
        // the one Qt needs to show the picture right, and it holds at most 256 bytes.
        const bool ancillary = (type[0] & 0x20) != 0;
        if (!ancillary || (type == "tRNS" && length <= 256))
            kept += png.mid(at, whole);
        at += whole;
        if (type == "IEND")
            return kept;
    }
    kept += png.mid(at);
    return kept;
}

std::optional<QImage> decodeOtherPicture(const QByteArray &bytes, const PictureLimits &limits,
                                         QString *error, const std::atomic_bool *cancel,
                                         bool *cancelled)
{
    if (bytes.isEmpty()) {
        *error = u"Die Datei ist leer."_s;
        return std::nullopt;
    }
    StoppableBuffer buffer(cancel);
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (!readerAllowed(format)) {
        *error = picture::reason(picture::Failure::Unsupported);
        return std::nullopt;
    }
    int pixelBytes = 4;
    if (format == "png") {
        buffer.close();
        buffer.setData(withoutAncillaryChunks(bytes));
        buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        pixelBytes = pngPixelBytes(bytes);
    }
    // Qt's own limit, for any picture its reader allocates: the largest one allowed.
    static const bool limited = [] {
        QImageReader::setAllocationLimit(int((PictureLimits().maxPixels * 4 >> 20) + 1));
        return true;
    }();
    Q_UNUSED(limited);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const BmpHeader bmp = bmpHeader(bytes);
    const QSize size = reader.size().isValid() ? reader.size() : bmp.size;
    if (size.isValid() &&
        qint64(size.width()) * size.height() > limits.maxPixels * 4 / pixelBytes) {
        *error = picture::reason(picture::Failure::TooLarge, size);
        return std::nullopt;
    }
    // Qt's reader leaves the missing rows of a cut-off BMP grey, and shows a compressed
    // one without runs black.
    if (bmp.rowsEnd > bytes.size()) {
        *error = picture::reason(picture::Failure::CutShort);
        return std::nullopt;
    }
    if (bmp.noPixel) {
        *error = picture::reason(picture::Failure::Empty);
        return std::nullopt;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (cancel && cancel->load()) {
            if (cancelled)
                *cancelled = true;
            return std::nullopt;
        }
        *error = picture::reason(failureFor(reader.error()));
        return std::nullopt;
    }
    // None of these readers decodes at a smaller size: the picture is brought down to
    // the size it is shown at here, where it holds up no window.
    const QSize shown = limits.shownAt;
    if (!shown.isEmpty() && (image.width() > shown.width() || image.height() > shown.height())) {
        image = image.scaled(image.size().boundedTo(shown), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        if (image.isNull()) {
            *error = picture::reason(picture::Failure::OutOfMemory);
            return std::nullopt;
        }
    }
    return image;
}

DecodedPicture decodePicture(const QByteArray &bytes, QStringView name, const PictureLimits &limits,
                             const jpeg::Options &jpegOptions, const std::atomic_bool *cancel)
{
    DecodedPicture decoded;
    if (!isJpeg(bytes)) {
        decoded.image =
            decodeOtherPicture(bytes, limits, &decoded.reason, cancel, &decoded.cancelled);
        return decoded;
    }
    jpeg::Limits jpegLimits;
    jpegLimits.maxPixels = limits.maxPixels;
    jpegLimits.maxScans = limits.maxScans;
    jpegLimits.shownAt = limits.shownAt;
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

namespace {

// One picture of the order; memory that runs out on the way is this picture's failure,
// and the next may still be shown.
DecodedPicture loadOne(const PictureJob &job, const QString &name, const std::atomic_bool *cancel,
                       QByteArray *jpegBytes)
{
    DecodedPicture decoded;
    try {
        const std::optional<QByteArray> bytes =
            readPictureFile(job.folder + name, job.limits, &decoded.reason);
        if (!bytes)
            return decoded;
        decoded = decodePicture(*bytes, name, job.limits, job.jpegOptions, cancel);
        if (decoded.image && isJpeg(*bytes) && inJpegControl(name))
            *jpegBytes = *bytes;
    } catch (const std::bad_alloc &) {
        decoded = {};
        decoded.reason = picture::reason(picture::Failure::OutOfMemory);
    } catch (...) {
        decoded = {};
        decoded.reason = picture::reason(picture::Failure::Damaged);
    }
    return decoded;
}

} // namespace

LoadedPicture loadFirstPicture(const PictureJob &job, const std::atomic_bool *cancel)
{
    LoadedPicture loaded;
    for (const QString &name : job.order) {
        if (cancel && cancel->load()) {
            loaded.cancelled = true;
            break;
        }
        DecodedPicture decoded = loadOne(job, name, cancel, &loaded.jpegBytes);
        if (decoded.cancelled) {
            loaded.cancelled = true;
            break;
        }
        if (decoded.image) {
            loaded.name = name;
            loaded.image = std::move(*decoded.image);
            break;
        }
        loaded.failures.append({name, decoded.reason});
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
