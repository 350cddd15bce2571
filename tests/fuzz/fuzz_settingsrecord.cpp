// Any file handed to "laden..." or found as "default.opt": reading the record, writing
// it back and reading that again gives the same settings, and short files fail cleanly.
#include "exercise/core/fileio.h"
#include "settings/core/fontspec.h"
#include "settings/core/loadrules.h"
#include "settings/core/settingsrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace settings;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Loading a font keeps its face, style, pitch and colour; the size decides the height.
void requireAssignedFont(const FontSpec &stored)
{
    const FontSpec font = assignedFont(stored);
    require(font.name == stored.name && font.style == stored.style);
    require(font.pitch == stored.pitch && font.color == stored.color);
    require(font.size == stored.size && font.height == heightForSize(stored.size));
    require(font.name.size() <= longestFontName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IoError error;
    const std::optional<SettingsRecord> record = readSettingsRecord(bytes, &error);
    if (size < size_t(recordSize)) {
        require(!record && error.code == IoError::ReadPastEnd);
        return 0;
    }
    require(record.has_value() && !error.failed());

    const QByteArray written = writeSettingsRecord(*record);
    require(written.size() == recordSize);
    const std::optional<SettingsRecord> again = readSettingsRecord(written, &error);
    require(again.has_value() && *again == *record);
    require(writeSettingsRecord(*again) == written);

    for (const FontSpec *font : {&record->selectionFont, &record->displayFont, &record->writingFont,
                                 &record->comparisonFont})
        requireAssignedFont(*font);
    const int speed = clampToRange(record->glideSpeed, glideSpeedRange);
    require(speed >= glideSpeedRange.min && speed <= glideSpeedRange.max);
    const int next = stepGapCharacter(record->hiddenPartChar, record->hiddenLetterChar & 1);
    require(next >= 1 && next <= 254);
    return 0;
}
