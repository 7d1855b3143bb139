#include "quiz/ColoursGame.h"

#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"

namespace tw {

ColoursGame::ColoursGame(QuizHost &window)
    : m_window(window)
{ }

LoadOutcome ColoursGame::LoadColour()
{
    QuizHost &w = m_window;
    if (w.shell.GridMax > kColourMaxGrid) {
        // Fifteen colours fill a 4 x 4 grid at most: switch to it and start again.
        w.MNU_Size_Click(kColourSizeItem);
        // Whatever the size handler did, the restart must not land here again.
        if (w.shell.GridMax > kColourMaxGrid)
            w.shell.GridMax = kColourMaxGrid;
        return LoadOutcome::restart();
    }
    w.shell.CurrentSubject = QStringLiteral("Colour");
    for (size_t i = 0; i < kColourTable.size(); ++i) {
        w.quiz.ItemValue[i + 1] = kColourTable[i].value;
        // The line feed moves the name down one line inside its tile.
        w.quiz.ItemText[i + 1] = QLatin1Char('\n') + QLatin1String(kColourTable[i].name);
    }
    // The colours are filled per tile already: nothing is sampled.
    w.engine().DoQuizOrder(0);
    return LoadOutcome::dealt();
}

} // namespace tw
