#include "paint/PaletteMix.h"

#include <algorithm>

namespace tw {

int mixByteToward(int current, int target)
{
    const int next = current >= target ? current - 1 : current + 1;
    return std::clamp(next, 0, 255);
}

MixColour mixFromValue(long value)
{
    return {int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
}

long valueFromMix(const MixColour &mix)
{
    return long(mix.red) | (long(mix.green) << 8) | (long(mix.blue) << 16);
}

MixColour mixToward(const MixColour &mix, long target)
{
    const MixColour t = mixFromValue(target);
    return {mixByteToward(mix.red, t.red), mixByteToward(mix.green, t.green),
            mixByteToward(mix.blue, t.blue)};
}

} // namespace tw
