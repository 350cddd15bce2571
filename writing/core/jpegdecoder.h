#pragma once
// The JPEG decoder of the praise picture: libjpeg called directly, with the decoding
// options of the picture control mapped onto libjpeg's decompression fields. Errors
// come back to the caller with libjpeg's own message; nothing ends the process.

#include <QByteArrayView>
#include <QImage>
#include <QString>
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
    int maxScans = 1000;           // progressive files: each scan is a pass over the picture
};

struct Result {
    std::optional<QImage> image;
    QString error; // libjpeg's message, or ours for a limit
};

// Decodes a whole JPEG file. The picture comes as Format_RGB32 (colour), Grayscale8
// (grey scale) or Indexed8 (8 bits). A truncated file is an error, not a picture
// whose lower part is grey.
Result decode(QByteArrayView bytes, const Options &options, const Limits &limits = {});

} // namespace jpeg
