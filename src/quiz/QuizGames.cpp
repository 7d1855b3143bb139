#include "quiz/QuizGames.h"

#include "common/Constants.h"
#include "quiz/FlagsGame.h"
#include "quiz/HideGame.h"
#include "quiz/LettersGame.h"
#include "quiz/NumbersGame.h"
#include "quiz/PairsGame.h"
#include "quiz/QuizEngine.h"
#include "quiz/SumsGame.h"
#include "shell/Educate.h"
#include "shell/Settings.h"

namespace tw {

QuizGames::QuizGames(Educate &window)
    : m_window(window)
    , m_sums(std::make_unique<SumsGame>(window))
    , m_letters(std::make_unique<LettersGame>(window))
    , m_flags(std::make_unique<FlagsGame>(window))
    , m_pairs(std::make_unique<PairsGame>(window))
    , m_numbers(std::make_unique<NumbersGame>(window))
    , m_hide(std::make_unique<HideGame>(window))
{ }

QuizGames::~QuizGames() = default;

void QuizGames::LoadColour()
{
    Educate &w = m_window;
    if (w.shell.GridMax > kColourMaxGrid) {
        // Fifteen colours fill a 4 x 4 grid at most: switch to it and start again.
        w.settings().MNU_Size_Click(kColourSizeItem);
        // Whatever the size handler did, the restart must not land here again.
        if (w.shell.GridMax > kColourMaxGrid)
            w.shell.GridMax = kColourMaxGrid;
        w.MNU_Game_Click(GameColours);
        return;
    }
    w.quiz.CurrentSubject = QStringLiteral("Colour");
    for (size_t i = 0; i < kColourTable.size(); ++i) {
        w.quiz.ItemValue[i + 1] = kColourTable[i].value;
        // The line feed moves the name down one line inside its tile.
        w.quiz.ItemText[i + 1] = QLatin1Char('\n') + QLatin1String(kColourTable[i].name);
    }
    // The colours are filled per tile already: nothing is sampled.
    w.engine().DoQuizOrder(0);
}

void QuizGames::LoadSums() { m_sums->LoadSums(); }

void QuizGames::LoadLetters() { m_letters->LoadLetters(); }

void QuizGames::LoadSpelling() { m_letters->LoadSpelling(); }

void QuizGames::LoadWords() { m_letters->LoadWords(); }

void QuizGames::LoadFlags() { m_flags->LoadFlags(); }

void QuizGames::LoadPairs() { m_pairs->LoadPairs(); }

void QuizGames::LoadNumbers() { m_numbers->LoadNumbers(); }

void QuizGames::LoadHide() { m_hide->LoadHide(); }

void QuizGames::DoSpellBox() { m_letters->DoSpellBox(); }

void QuizGames::DoNumbers() { m_numbers->DoNumbers(); }

void QuizGames::DoPair(int index) { m_pairs->DoPair(index); }

void QuizGames::DoHide(int index) { m_hide->DoHide(index); }

} // namespace tw
