#pragma once
// Pictures a test or a benchmark makes with libjpeg itself, for what no hand-written
// file shows well.

#include <QByteArray>

namespace testing {

// A valid 64 x 64 grey progressive JPEG of a few kilobytes in 127 scans: each AC
// coefficient in a pass of its own, then refined by one bit. Decoding it costs as many
// passes over the picture.
QByteArray jpegInManyScans();

// A photo-like JPEG: smooth colour gradients with grain of `grain` levels.
struct JpegSpec {
    int width = 64;
    int height = 64;
    enum class Colour { Grey, YCbCr420, YCbCr444, Cmyk };
    Colour colour = Colour::YCbCr420;
    bool progressive = false;
    bool arithmetic = false;
    int quality = 85;
    int grain = 6;
};
QByteArray jpegPicture(const JpegSpec &bild);

// The file with its last scan written `times` more: a scan script no encoder writes
// but libjpeg reads, each copy another pass over every block of the scan.
QByteArray withLastScanRepeated(const QByteArray &jpeg, int times);

} // namespace testing
