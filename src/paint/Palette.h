// Palette: the eight plain colours of the paint palette and its mixing tile.
#pragma once

#include "paint/PaletteMix.h"

#include <array>

namespace tw {

constexpr int kPlainColours = 8; // palette tiles 0 to 7
constexpr int kMixTile = 8; // palette tile 8 mixes
constexpr long kWhiteColour = 0xFFFFFF;

// Black, white, blue, red, yellow, green, orange and brown, as 0x00BBGGRR.
constexpr std::array<long, kPlainColours> kPaletteColours
    = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0x00FFFF, 0x00FF00, 0x0080FF, 0x004080};

constexpr const char *kMixTip = "Color Mixing Palette. Select a color and mix it in.";

} // namespace tw
