#include "quiz/SoundsGame.h"

#include "common/FilePattern.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPairs.h"
#include "quiz/SoundPlayer.h"
#include "quiz/TileLayout.h"

namespace tw {

namespace {
// Sounds pair with pictures of the first ten subjects at most.
constexpr int kMaxSubjects = 10;
} // namespace

SoundsGame::SoundsGame(QuizHost &window)
    : m_window(window)
{ }

int SoundsGame::BuildSoundTables()
{
    const ShellState &shell = m_window.shell;
    QuizState &quiz = m_window.quiz;
    QStringList folders;
    const int subjects = qMin(shell.SubjectCount, kMaxSubjects);
    for (int k = 1; k <= subjects; ++k) {
        if (!shell.SubjectFolder[k].isEmpty())
            folders << resolveFolder(shell.AppFolder, shell.SubjectFolder[k]);
    }
    const QList<SoundPair> pairs = pairSoundsWithPictures(
        resolveFolder(shell.AppFolder, QStringLiteral("Sounds/")), folders, kTableSize - 1);
    const int m = static_cast<int>(pairs.size());
    for (int i = 1; i < kTableSize; ++i) {
        quiz.SoundList[i] = i <= m ? pairs[i - 1].sound : QString();
        quiz.PictureList[i] = i <= m ? pairs[i - 1].picture : QString();
    }
    return m;
}

LoadOutcome SoundsGame::LoadSounds()
{
    ShellState &shell = m_window.shell;
    QuizState &quiz = m_window.quiz;
    shell.CurrentSubject = QStringLiteral("Sounds");
    const int m = BuildSoundTables();
    if (m < kMinSounds)
        return LoadOutcome::dealt(); // nothing to play with: the game shows nothing
    m_window.sounds().GetSample(0, 0, true);
    const int total = m + 1;
    const int tiles = (shell.GridMax + 1) * (shell.GridMax + 1);
    if (tiles <= total) {
        m_window.engine().DoQuizOrder(total);
        m_window.layout().ReDraw();
        shell.Loading = false;
        m_window.engine().Question_Click(quiz.QuestionTile);
        return LoadOutcome::dealt();
    }
    // Too few sounds for the grid: the largest square that fits, possibly a
    // side without a Puzzle Size item (2 x 2, 12 x 12), then start again.
    // The password may keep the size: the game then shows nothing.
    if (selectGridSide(m_window, fittingSide(total)))
        return LoadOutcome::restart();
    return LoadOutcome::dealt();
}

} // namespace tw
