// The mixing tile of the paint palette: blends its colour toward the last plain colour.
#pragma once

namespace tw {

// One red, green and blue byte triple (0 to 255 each).
struct MixColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One step of a byte toward `target`: down by 1 when it is at or above the
// target, else up by 1; never below 0. At the target the byte therefore
// alternates between the target and one below it while mixing goes on.
int mixByteToward(int current, int target);

// One step of every byte of `mix` toward the bytes of `target` (0x00BBGGRR).
MixColour mixToward(const MixColour &mix, long target);

// The bytes of a 0x00BBGGRR colour value, and back.
MixColour mixFromValue(long value);
long valueFromMix(const MixColour &mix);

} // namespace tw
