// Any "*.jpg" in the start directory, decoded with the praise picture's options and
// with another set chosen by the file's last byte, at full size and at the size of a
// small screen: a picture or a reason, never a crash, a hang or a picture beyond the
// limits; what the markers promise to cost is refused before it is decoded.
#include "writing/core/jpegdecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void decodeChecked(QByteArrayView bytes, const jpeg::Options &options, QSize shownAt = {})
{
    jpeg::Limits limits;
    limits.maxPixels = 4'000'000;
    limits.shownAt = shownAt;
    const jpeg::Result result = jpeg::decode(bytes, options, limits);
    const jpeg::Cost cost = jpeg::countCost(bytes);
    if (cost.scans > limits.maxScans || cost.work > limits.maxWork)
        require(!result.image);
    require(result.image.has_value() == (result.failure == picture::Failure::None));
    require(result.image.has_value() == result.reason().isEmpty());
    if (result.image) {
        require(!result.image->isNull());
        require(qint64(result.image->width()) * result.image->height() <= limits.maxPixels);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    decodeChecked(bytes, jpeg::Options());
    if (size == 0)
        return 0;
    const uint8_t choice = data[size - 1];
    jpeg::Options other;
    other.grayScale = choice & 1;
    other.pixelFormat =
        choice & 2 ? jpeg::Options::PixelFormat::Bits8 : jpeg::Options::PixelFormat::Bits24;
    other.progressiveDisplay = choice & 4;
    other.performance = choice & 8 ? jpeg::Options::Performance::BestSpeed
                                   : jpeg::Options::Performance::BestQuality;
    other.scale = jpeg::Options::Scale((choice >> 4) & 3);
    other.smoothing = choice & 64;
    decodeChecked(bytes, other);
    decodeChecked(bytes, jpeg::Options(), QSize(160, 120));
    return 0;
}
