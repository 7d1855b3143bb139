// The loaders of the quiz games: fill the item tables and start a deal.
#pragma once

#include <QString>

#include <array>
#include <memory>

namespace tw {

class Educate;
class SumsGame;
class LettersGame;
class FlagsGame;
class PairsGame;
class NumbersGame;
class HideGame;

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

class QuizGames
{
public:
    explicit QuizGames(Educate &window);
    ~QuizGames();

    // Loaders of the games below, called by the game switch after LoadLabels.
    void LoadSums();
    void LoadLetters();
    void LoadSpelling();
    void LoadWords();
    void LoadFlags();
    void LoadPairs();
    void LoadNumbers();
    void LoadHide();

    // The games with loaders and handlers of their own.
    SumsGame &sums() { return *m_sums; }
    LettersGame &letters() { return *m_letters; }
    FlagsGame &flags() { return *m_flags; }
    PairsGame &pairs() { return *m_pairs; }
    NumbersGame &numbers() { return *m_numbers; }
    HideGame &hide() { return *m_hide; }

    // Colours: names on the question tiles, swatches on the answer tiles.
    void LoadColour();

    // Hooks the engine and the layout call into games that bring their own
    // tiles. Each stays a no-op until its game is built here.
    // Spelling: puts the typing box over the current answer tile.
    void DoSpellBox();
    // Number Counting: lays the counted pictures out over the question tile.
    void DoNumbers();
    // Pairs: turns card `index`.
    void DoPair(int index);
    // Hide and Seek: lifts the cover of card `index`.
    void DoHide(int index);

private:
    Educate &m_window;
    std::unique_ptr<SumsGame> m_sums;
    std::unique_ptr<LettersGame> m_letters;
    std::unique_ptr<FlagsGame> m_flags;
    std::unique_ptr<PairsGame> m_pairs;
    std::unique_ptr<NumbersGame> m_numbers;
    std::unique_ptr<HideGame> m_hide;
};

} // namespace tw
