// The loaders of the quiz games: fill the item tables and start a deal.
#pragma once

#include "quiz/LoadOutcome.h"

#include <QString>

#include <memory>

namespace tw {

class QuizHost;
class ArithmeticGame;
class LettersGame;
class FlagsGame;
class PairsGame;
class NumbersGame;
class HideGame;
class ColoursGame;
class SoundsGame;

class QuizGames
{
public:
    explicit QuizGames(QuizHost &window);
    ~QuizGames();

    // Loaders of the games below, called by the game switch after LoadLabels.
    LoadOutcome LoadSounds();
    LoadOutcome LoadSums();
    LoadOutcome LoadLetters();
    LoadOutcome LoadSpelling();
    LoadOutcome LoadWords();
    LoadOutcome LoadFlags();
    LoadOutcome LoadPairs();
    LoadOutcome LoadNumbers();
    LoadOutcome LoadHide();

    // The games with loaders and handlers of their own.
    SoundsGame &sounds() { return *m_sounds; }
    ArithmeticGame &arithmetic() { return *m_arithmetic; }
    LettersGame &letters() { return *m_letters; }
    FlagsGame &flags() { return *m_flags; }
    PairsGame &pairs() { return *m_pairs; }
    NumbersGame &numbers() { return *m_numbers; }
    HideGame &hide() { return *m_hide; }

    // Colours: names on the question tiles, swatches on the answer tiles.
    LoadOutcome LoadColour();

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
    QuizHost &m_window;
    std::unique_ptr<SoundsGame> m_sounds;
    std::unique_ptr<ColoursGame> m_colours;
    std::unique_ptr<ArithmeticGame> m_arithmetic;
    std::unique_ptr<LettersGame> m_letters;
    std::unique_ptr<FlagsGame> m_flags;
    std::unique_ptr<PairsGame> m_pairs;
    std::unique_ptr<NumbersGame> m_numbers;
    std::unique_ptr<HideGame> m_hide;
};

} // namespace tw
