// The Colours game: colour names on the question tiles, swatches on the answer tiles.
#pragma once

#include "quiz/LoadOutcome.h"

#include <array>

namespace tw {

class QuizHost;

// One colour of the Colours game: its name and its 0x00BBGGRR value.
struct ColourItem
{
    const char *name;
    long value;
};

// The fifteen colours, in the order of the item slots 1 to 15. The first
// eight are also the plain colours of the paint palette.
constexpr std::array<ColourItem, 15> kColourTable {{
    {"Black", 0},
    {"White", 16777215},
    {"Blue", 16711680},
    {"Red", 255},
    {"Yellow", 65535},
    {"Green", 65280},
    {"Orange", 33023},
    {"Brown", 16512},
    {"Turquoise", 16776960},
    {"Pink", 12632319},
    {"Purple", 12583104},
    {"Grey", 8421504},
    {"Gold", 6347263},
    {"Plum", 9267705},
    {"Cream", 12640511},
}};

// The largest grid the Colours game plays on (4 x 4): GridMax 3, size item 1.
constexpr int kColourMaxGrid = 3;
constexpr int kColourSizeItem = 1;

class ColoursGame
{
public:
    explicit ColoursGame(QuizHost &window);

    // Fills the item tables with the colours and deals; on a grid larger
    // than 4 x 4 it picks 4 x 4 and asks for a restart.
    LoadOutcome LoadColour();

private:
    QuizHost &m_window;
};

} // namespace tw
