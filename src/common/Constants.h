// Constants every room shares: game ids, password requirements, grid sizes, time, colours.
#pragma once

#include "platform/Clock.h" // kSecondsPerDay

namespace tw {

// The index of each game in the Play menu, also stored in the settings file.
enum GameId : int {
    GameSounds = 0,
    GameColours = 1,
    GameInitialLetters = 2,
    GameJigsaw = 3,
    GameSliding = 4,
    GamePairs = 5,
    GameArithmetic = 6,
    GameSpelling = 7,
    GameFlags = 8,
    GameWords = 9,
    GameNumberCounting = 10,
    GameHideAndSeek = 11,
    GameColouringBook = 12,
    GamePaintBox = 13,
    GameCount = 14
};

// What a password guards; the value is the item's index in the password menu.
enum class PasswordRequirement : int {
    Exit = 1, // "Required to E&xit"
    Settings = 2, // "Required to Change &Settings"
    Game = 3, // "Required to Change &Game"
    Tools = 4, // "Required to open &Tools"
};
constexpr int kPasswordRequirementCount = 4;

// Item tables are indexed 0 to 300; the largest grid is 20 x 20.
constexpr int kTableSize = 301;
constexpr int kMaxTiles = 400;

// Puzzle Size items are numbered from the 3 x 3 grid (item 0) up to 20 x 20
// (item 17); only some sides have an item (see kSizeItems).
constexpr int kSideOfFirstSizeItem = 3;
constexpr int kSizeItems[] = {0, 1, 2, 3, 4, 5, 6, 7, 12, 17};
constexpr int sizeItemOfSide(int side) { return side - kSideOfFirstSizeItem; }
constexpr int sideOfSizeItem(int item) { return item + kSideOfFirstSizeItem; }

// Colour values are 0x00BBGGRR (red in the low byte).
constexpr long kWhite = 0xFFFFFF;
constexpr long kBlack = 0;

} // namespace tw
