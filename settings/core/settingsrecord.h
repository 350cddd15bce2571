#pragma once
// The settings file: one record of 236 bytes with every stored setting of the settings
// dialog, integers little-endian, no header, version or checksum.

#include "exercise/core/fileio.h"
#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

struct IoError;

namespace settings {

constexpr int recordSize = 236;
constexpr int fontRecordSize = 44;
// The name field is a length byte and 31 characters.
constexpr int longestFontName = 31;

// The record's fields as stored, each named after what it sets; the comment names
// the dialog control that holds the setting.
struct SettingsRecord {
    quint8 reaction = 0;                    // RadioButton1 .. RadioButton7 (1..7)
    quint8 praise = 0;                      // RadioGroup2.ItemIndex
    quint8 pictureGrid = 0;                 // RadioGroup3.ItemIndex
    quint8 wordsPerPass = 0;                // TrackBar4
    FontSpec selectionFont;                 // Label14.Font
    ColorValue selectedTextColor = 0;       // Label15.Font.Color
    ColorValue selectionBackground = 0;     // Panel8.Color
    quint8 glideSpeed = 0;                  // TrackBar2
    quint8 glideSpacing = 0;                // TrackBar1
    FontSpec displayFont;                   // Label1.Font
    bool shortTimeForWords = false;         // CheckBox1
    quint16 shortTimeDelay = 0;             // TrackBar5
    ColorValue displayBackground = 0;       // Panel1.Color
    FontSpec writingFont;                   // Label4.Font
    ColorValue wrongLetterColor = 0;        // Label11.Font.Color
    ColorValue readingFingerColor = 0;      // Label10.Font.Color
    quint8 readingFingerSpeed = 0;          // TrackBar3
    ColorValue writingBackground = 0;       // Panel2.Color
    ColorValue writingWindowBackground = 0; // Panel5.Color
    FontSpec comparisonFont;                // Label7.Font
    ColorValue comparisonColor = 0;         // Label12.Font.Color
    ColorValue comparisonErrorColor = 0;    // Label13.Font.Color
    bool noComparison = false;              // CheckBox2
    bool wholeGroupAsError = false;         // CheckBox3
    quint8 hiddenLetterChar = 0;            // Panel3.Caption (Windows-1252 code)
    quint8 hiddenPartChar = 0;              // Panel4.Caption (Windows-1252 code)
    ColorValue comparisonBackground = 0;    // Panel6.Color

    bool operator==(const SettingsRecord &) const = default;
};

// Whether a face name comes back from a settings file as it was: Windows-1252
// characters only, at most 31 of them.
bool canStoreFontName(const QString &name);

// The settings a freshly created settings dialog holds, before any file is read.
SettingsRecord dialogDefaults();

// The 236 bytes of a record. Padding and the unused tail of each name field are zero;
// a name longer than 31 characters keeps its first 31, and a character Windows-1252
// cannot hold is written as "?". Heights and sizes outside 16 bits are cut to the
// nearest 16-bit value.
QByteArray writeSettingsRecord(const SettingsRecord &record);

// Reads the record from the first 236 bytes; further bytes are ignored. Fewer bytes
// fail with IoError::ReadPastEnd. A name length above 31 is taken as 31; every other
// value is returned as stored (the dialog applies its own limits when it loads).
std::optional<SettingsRecord> readSettingsRecord(QByteArrayView bytes, IoError *error);

// Reads a settings file: its first 236 bytes, however long the file is.
std::optional<SettingsRecord> readSettingsFile(const QString &path, IoError *error);

// Writes a settings file through a temporary file, so a failed write leaves the old
// file whole. A font name with characters Windows-1252 cannot store writes nothing:
// the file would name another font.
[[nodiscard]] WriteResult writeSettingsFile(const QString &path, const SettingsRecord &record);

} // namespace settings
