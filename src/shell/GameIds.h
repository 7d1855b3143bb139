// Game ids: the index of each game in the Play menu, also stored in the settings file.
#pragma once

namespace tw {

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

} // namespace tw
