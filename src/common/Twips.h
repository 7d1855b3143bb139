// Positions follow twips (1440 per inch); one logical pixel is 15 twips (96 dpi).
#pragma once

#include <cmath>

namespace tw {

constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

} // namespace tw
