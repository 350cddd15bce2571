#pragma once
// The JPEG decoder of the praise picture: libjpeg called directly, with the decoding
// options of the picture control mapped onto libjpeg's decompression fields. A failure
// comes back as its kind; nothing ends the process.

#include "writing/core/picturefailure.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <atomic>
#include <optional>

namespace jpeg {

// The options of the JPEG picture control, with its defaults.
struct Options {
    enum class PixelFormat { Bits8, Bits24 };
    enum class Performance { BestQuality, BestSpeed };
    enum class Scale { FullSize, Half, Quarter, Eighth };

    bool grayScale = false;
    PixelFormat pixelFormat = PixelFormat::Bits24;
    bool progressiveDisplay = false;
    Performance performance = Performance::BestQuality;
    Scale scale = Scale::FullSize;
    bool smoothing = true;

    friend bool operator==(const Options &, const Options &) = default;
};

// What a picture may cost before it is decoded: a crafted header must not make the
// program allocate gigabytes.
struct Limits {
    qint64 maxPixels = 50'000'000; // a 50-megapixel photo; 200 MB as a 32-bit image
    // Progressive files: each scan is a pass over the whole picture, so a small file of
    // hundreds of scans costs seconds. Real photos use about ten.
    int maxScans = 100;
    // Set from another thread to stop a decoding that is no longer wanted.
    const std::atomic_bool *cancel = nullptr;
};

struct Result {
    std::optional<QImage> image;
    picture::Failure failure = picture::Failure::None;
    QSize size;       // as the header claims it, once read
    int maxScans = 0; // the limit it was decoded with
    // The German reason, for a failure.
    QString reason() const;
};

// Decodes a whole JPEG file. The picture comes as Format_RGB32 (colour), Grayscale8
// (grey scale) or Indexed8 (8 bits). A file that libjpeg can only show in part (cut
// short, or data lost in the middle) is a failure, not a picture with a grey part.
Result decode(QByteArrayView bytes, const Options &options, const Limits &limits = {});

} // namespace jpeg
