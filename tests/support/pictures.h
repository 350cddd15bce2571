#pragma once
// Pictures a test makes with libjpeg itself, for what no hand-written file shows well.

#include <QByteArray>

namespace testing {

// A valid 64 x 64 grey progressive JPEG of a few kilobytes in 127 scans: each AC
// coefficient in a pass of its own, then refined by one bit. Decoding it costs as many
// passes over the picture.
QByteArray jpegInManyScans();

} // namespace testing
