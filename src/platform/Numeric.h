// The numeric helpers the games' arithmetic depends on.
#pragma once

#include <cmath>
#include <cstdint>

namespace tw {

// Largest whole number not above x (rounds towards minus infinity).
inline int Int(double x) { return static_cast<int>(std::floor(x)); }

// Rounds to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
inline long CLng(double x)
{
    return static_cast<long>(std::nearbyint(x)); // default FE_TONEAREST is ties-to-even
}

inline int CInt(double x) { return static_cast<int>(CLng(x)); }

} // namespace tw
