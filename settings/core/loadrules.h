#pragma once
// The limits the settings dialog applies when it takes values from a settings file,
// and the stepping of the gap characters.

namespace settings {

struct Range {
    int min;
    int max;
};

// The track bars of the dialog.
constexpr Range wordsPerPassRange{1, 10};       // TrackBar4
constexpr Range glideSpeedRange{1, 9};          // TrackBar2
constexpr Range glideSpacingRange{0, 30};       // TrackBar1
constexpr Range shortTimeDelayRange{1, 60};     // TrackBar5
constexpr Range readingFingerSpeedRange{0, 10}; // TrackBar3

constexpr int reactionCount = 7;
// RadioGroup2 and RadioGroup3 have three items each.
constexpr int radioGroupItems = 3;

// A loaded position below the range becomes its minimum, above it its maximum.
int clampToRange(int value, Range range);

// A loaded item index stays within -1 (nothing chosen) .. itemCount - 1.
int clampItemIndex(int value, int itemCount);

// Whether a stored reaction number names one of the seven reactions; any other
// value leaves the chosen reaction as it is.
bool isReaction(int value);

// One step of a gap-character spin button through the codes 1..254: up from 254 comes
// back to 1, down from 1 goes to 254, so 255 and 0 never come out.
int stepGapCharacter(int code, bool up);

} // namespace settings
