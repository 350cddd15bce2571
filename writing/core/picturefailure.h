#pragma once
// Why a praise picture cannot be shown, in the few kinds a teacher can act on, each with
// its German reason. The decoders' own (English) messages never reach the teacher.

#include <QSize>
#include <QString>

namespace picture {

enum class Failure {
    None,
    Damaged,      // the data does not make a whole picture
    CutShort,     // the file ends before the picture does
    Unsupported,  // no picture, or one stored in a way no reader here knows
    TooLarge,     // more pixels than the limit (or than memory allows)
    TooManyScans, // a progressive file in more passes than the limit
    TooCostly,    // stored so that showing it takes more work or memory than allowed
    OutOfMemory,  // the memory ran out while it was decoded
    Empty,        // a picture file that holds no pixel
    Cancelled,    // the decoding was stopped from outside; never shown
};

// The German reason; `size` is the size the header claims (for TooLarge), `maxScans`
// the pass limit (for TooManyScans).
QString reason(Failure failure, QSize size = {}, int maxScans = 0);

} // namespace picture
