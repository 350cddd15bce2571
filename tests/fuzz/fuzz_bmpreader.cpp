// Any "*.bmp" (or "FOTO.JPG") in the start directory, read by the general image
// readers with the praise picture's limits: a picture within them, no larger than the
// size it is shown at, or a reason.
#include "writing/core/praisepicture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    praise::PictureLimits limits;
    limits.maxPixels = 4'000'000;
    limits.shownAt = QSize(640, 480);
    QString error;
    const std::optional<QImage> image = praise::decodeOtherPicture(bytes, limits, &error);
    require(image.has_value() == error.isEmpty());
    if (image) {
        require(qint64(image->width()) * image->height() <= limits.maxPixels);
        require(image->width() <= 640 && image->height() <= 480);
    }
    return 0;
}
