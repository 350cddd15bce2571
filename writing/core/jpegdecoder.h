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
// program allocate gigabytes, and a crafted scan script must not keep it busy for
// seconds.
struct Limits {
    qint64 maxPixels = 50'000'000; // a 50-megapixel photo
    // Progressive files: each scan is a pass over the whole picture, so a small file of
    // hundreds of scans costs seconds. Real photos use about ten.
    int maxScans = 100;
    // The work of all scans together (see Cost): a 50-megapixel photo, progressive
    // 4:4:4 included, stays well below it; a scan script that makes libjpeg go over the
    // picture again and again, or a file dense with arithmetic-coded data, does not.
    // About 0.75 s of a current desktop processor.
    qint64 maxWork = 1'400'000'000;
    // What libjpeg may allocate: a progressive file keeps every coefficient (two bytes
    // each) until its last scan, whatever size it is shown at.
    qint64 maxMemoryBytes = 320LL << 20;
    // The size the picture is shown at: it is decoded at the smallest of libjpeg's
    // scales (eighths) that still covers it in both directions, never larger than the
    // scale option asks. Empty: the option's scale.
    QSize shownAt;
    // Set from another thread to stop a decoding that is no longer wanted.
    const std::atomic_bool *cancel = nullptr;
};

// What the markers of a JPEG file say it costs, counted without decoding anything: its
// scans and their work. A scan's work is its blocks times the coefficients of its band
// (a pass over every block of the picture, however little data it holds) plus the bytes
// of its data, each weighted by what libjpeg spends on it: a byte of arithmetic-coded
// data costs twenty times one of baseline Huffman data. A unit is about half a
// nanosecond. A file whose markers cannot be followed counts what was found up to there.
struct Cost {
    QSize size; // as the frame header claims it
    int scans = 0;
    qint64 work = 0;
};
Cost countCost(QByteArrayView bytes);

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
