#include "quiz/FlagsGame.h"
#include "common/FilePattern.h"

#include "common/Constants.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/GridPlan.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"

namespace tw {

FlagsGame::FlagsGame(QuizHost &window)
    : m_window(window)
{ }

LoadOutcome FlagsGame::LoadFlags()
{
    QuizHost &w = m_window;
    w.shell.CurrentSubject = QStringLiteral("Flags");
    w.sounds().GetSample(0, 0, true);
    const QString folder = w.shell.SubjectFolder[kFlagsSubject];
    const QString path = w.pictures().subjectPath(kFlagsSubject);
    int m = 0;
    for (const QString &file : path.isEmpty() ? QStringList() : listFiles(path)) {
        if (!isPictureFile(file))
            continue;
        if (m + 1 >= kTableSize)
            break;
        ++m;
        w.quiz.PictureList[m] = path + file;
        w.quiz.FileList[m] = folder + file;
    }
    // No flags (or too few for the smallest grid): nothing is dealt.
    const GridPlan plan = planItemGrid(w.shell.GridMax + 1, m);
    if (plan.kind == GridPlan::Deal)
        w.engine().DoQuizOrder(m + 1);
    else if (plan.kind == GridPlan::Resize && selectGridSide(w, plan.side))
        return LoadOutcome::restart();
    return LoadOutcome::dealt();
}

} // namespace tw
