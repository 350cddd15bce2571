#pragma once
// The praise picture: which pictures of the start directory may be shown, how a picture
// file is read safely, and the grid of cover pieces that each praise opens one further.

#include "writing/core/jpegdecoder.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <optional>

class QRandomGenerator;

namespace praise {

// ---------------------------------------------------------------- the cover grid

inline constexpr int maxGridSize = 5;
inline constexpr int maxPieces = maxGridSize * maxGridSize;
// How long the picture stays after a piece is opened, and after the last one before
// "weiter" shows.
inline constexpr int pauseAfterPieceMs = 3000;
inline constexpr int pauseAfterLastMs = 10000;

// The settings' "Bildelemente" item: 0 -> 3 x 3, 1 -> 4 x 4, anything else 5 x 5.
int gridSizeForItem(int itemIndex);

// Where piece `piece` (1-based, numbered down the columns) of a grid lies in a client
// area: neighbours overlap by one pixel so no gap shows, trimmed at the right and
// bottom edges.
QRect pieceRect(int gridSize, int piece, QSize client);

class CoverGrid {
public:
    explicit CoverGrid(int gridSize = 4);

    int gridSize() const { return m_gridSize; }
    int pieceCount() const { return m_gridSize * m_gridSize; }
    // `piece` is 1-based.
    bool isCovered(int piece) const;
    int coveredCount() const;

    struct Step {
        int opened = 0;        // the piece taken away
        bool finished = false; // it was the last one
    };
    // One praise: a picture opened completely last time is covered again, then one of
    // the covered pieces, each equally likely, is taken away.
    Step uncoverOne(QRandomGenerator &random);

private:
    int m_gridSize;
    std::array<bool, maxPieces> m_covered{};
};

// ---------------------------------------------------------------- the pictures

// The pictures of `folder` that may be shown: "*.bmp", then "*.jpg", the extensions in
// any case, regular files only (a folder or a pipe so named is never opened), each
// group in name order.
QStringList pictureCandidates(const QString &folder);

// Only a name ending exactly in ".jpg" is shown by the JPEG picture control with its
// options; every other name, "FOTO.JPG" too, by the general picture control.
bool inJpegControl(QStringView name);

// A JPEG is known by its content (its start-of-image marker), whatever the file is
// called.
bool isJpeg(QByteArrayView bytes);

struct PictureLimits {
    qint64 maxFileBytes = 64LL << 20;
    qint64 maxPixels = 50'000'000;
    int maxScans = 100;
    // The size the picture is shown at (the praise stretches it over the screen): no
    // picture is kept at more pixels than that. Empty: as large as it is.
    QSize shownAt;
};

// Reads a picture file whole. What is not a regular file, what cannot be read and what
// is larger than the limit give a German reason in `error`.
std::optional<QByteArray> readPictureFile(const QString &path, const PictureLimits &limits,
                                          QString *error);

// Decodes a picture that is no JPEG through Qt's image readers, the format taken from
// the content: BMP, PNG and GIF, whose cost the header bounds; nothing else reaches Qt.
// A picture larger than the limit fails before its pixels are allocated; a PNG's
// ancillary chunks (texts, colour profiles, ...), which Qt would read whole into
// memory, are dropped before Qt sees the file; a BMP that holds fewer rows than its
// header promises is cut short, a compressed one without a single pixel empty. A
// picture larger than the size it is shown at comes scaled down to it. Stops early,
// with `cancelled` set, once `cancel` is set.
std::optional<QImage> decodeOtherPicture(const QByteArray &bytes, const PictureLimits &limits,
                                         QString *error, const std::atomic_bool *cancel = nullptr,
                                         bool *cancelled = nullptr);

// A PNG file as Qt may see it: the signature and the critical chunks (header, palette,
// image data, end) with the transparency chunk, every other ancillary chunk left out.
QByteArray withoutAncillaryChunks(const QByteArray &png);

// A picture file of the start directory as the praise shows it: a JPEG through the
// project's decoder with the limits (with `jpegOptions` when the JPEG picture control
// shows it, else with the decoder's defaults), anything else through Qt's readers.
struct DecodedPicture {
    std::optional<QImage> image;
    QString reason; // German, when there is no image
    bool cancelled = false;
};
DecodedPicture decodePicture(const QByteArray &bytes, QStringView name, const PictureLimits &limits,
                             const jpeg::Options &jpegOptions,
                             const std::atomic_bool *cancel = nullptr);

struct PictureFailure {
    QString name;
    QString reason;
    friend bool operator==(const PictureFailure &, const PictureFailure &) = default;
};

// The order the candidates are tried in: each next one drawn at random from those
// left, all drawn now, so the loading may run where the generator must not be used.
QStringList pickingOrder(QStringList candidates, QRandomGenerator &random);

// What one loading needs, as values: it may run in another thread.
struct PictureJob {
    QString folder; // ends with "/"
    QStringList order;
    PictureLimits limits;
    jpeg::Options jpegOptions;
};

struct LoadedPicture {
    QString name; // empty when none could be loaded
    QImage image;
    QByteArray jpegBytes; // the file, when the JPEG picture control shows it
    QList<PictureFailure> failures;
    bool cancelled = false;
};

// Loads the first picture of the order that can be shown; those that fail are listed
// with their reason (memory that runs out included). Stops early, with `cancelled`,
// once `cancel` is set.
LoadedPicture loadFirstPicture(const PictureJob &job, const std::atomic_bool *cancel = nullptr);

// The message that tells the teacher which pictures are skipped and why.
QString failureMessage(const QList<PictureFailure> &failures);

} // namespace praise
