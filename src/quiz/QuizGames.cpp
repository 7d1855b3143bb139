#include "quiz/QuizGames.h"

#include "common/Constants.h"
#include "quiz/ArithmeticGame.h"
#include "quiz/ColoursGame.h"
#include "quiz/FlagsGame.h"
#include "quiz/HideGame.h"
#include "quiz/LettersGame.h"
#include "quiz/NumbersGame.h"
#include "quiz/PairsGame.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundsGame.h"

namespace tw {

QuizGames::QuizGames(QuizHost &window)
    : m_window(window)
    , m_sounds(std::make_unique<SoundsGame>(window))
    , m_colours(std::make_unique<ColoursGame>(window))
    , m_arithmetic(std::make_unique<ArithmeticGame>(window))
    , m_letters(std::make_unique<LettersGame>(window))
    , m_flags(std::make_unique<FlagsGame>(window))
    , m_pairs(std::make_unique<PairsGame>(window))
    , m_numbers(std::make_unique<NumbersGame>(window))
    , m_hide(std::make_unique<HideGame>(window))
{ }

QuizGames::~QuizGames() = default;

LoadOutcome QuizGames::LoadColour() { return m_colours->LoadColour(); }

LoadOutcome QuizGames::LoadSounds() { return m_sounds->LoadSounds(); }

LoadOutcome QuizGames::LoadSums() { return m_arithmetic->LoadSums(); }

LoadOutcome QuizGames::LoadLetters() { return m_letters->LoadLetters(); }

LoadOutcome QuizGames::LoadSpelling() { return m_letters->LoadSpelling(); }

LoadOutcome QuizGames::LoadWords() { return m_letters->LoadWords(); }

LoadOutcome QuizGames::LoadFlags() { return m_flags->LoadFlags(); }

LoadOutcome QuizGames::LoadPairs() { return m_pairs->LoadPairs(); }

LoadOutcome QuizGames::LoadNumbers() { return m_numbers->LoadNumbers(); }

LoadOutcome QuizGames::LoadHide() { return m_hide->LoadHide(); }

void QuizGames::DoSpellBox() { m_letters->DoSpellBox(); }

void QuizGames::DoNumbers() { m_numbers->DoNumbers(); }

void QuizGames::DoPair(int index) { m_pairs->DoPair(index); }

void QuizGames::DoHide(int index) { m_hide->DoHide(index); }

} // namespace tw
