#include "settings/core/loadrules.h"

#include <algorithm>

namespace settings {

int clampToRange(int value, Range range)
{
    return std::clamp(value, range.min, range.max);
}

int clampItemIndex(int value, int itemCount)
{
    return std::clamp(value, -1, itemCount - 1);
}

bool isReaction(int value)
{
    return value >= 1 && value <= reactionCount;
}

int stepGapCharacter(int code, bool up)
{
    const int next = up ? code + 1 : code - 1;
    if (next >= 255)
        return 1;
    if (next <= 0)
        return 254;
    return next;
}

} // namespace settings
