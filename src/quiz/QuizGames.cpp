#include "quiz/QuizGames.h"

#include "quiz/QuizEngine.h"
#include "shell/Educate.h"
#include "shell/GameIds.h"
#include "shell/Settings.h"

namespace tw {

QuizGames::QuizGames(Educate &window)
    : m_window(window)
{ }

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

void QuizGames::DoSpellBox() { }

void QuizGames::DoNumbers() { }

void QuizGames::DoPair(int) { }

void QuizGames::DoHide(int) { }

} // namespace tw
