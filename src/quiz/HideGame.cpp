#include "quiz/HideGame.h"
#include "common/MenuId.h"

#include "common/Constants.h"
#include "common/Menus.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/GridPlan.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizGames.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"
#include "quiz/SoundsGame.h"
#include "quiz/TileLayout.h"

#include <QAction>

#include <algorithm>

namespace tw {

namespace {

const QString kCardCover = QStringLiteral("?");
const QString kQuestionCaption = QStringLiteral("\n?");

} // namespace

std::vector<int> drawHidingPlaces(Random &random, int n)
{
    std::vector<int> place(std::max(n + 1, 1), 0);
    if (n < 1)
        return place;
    const std::vector<int> order = drawDistinct(random, n - 1, n - 1);
    for (int j = 1; j < n; ++j)
        place[j] = order[j - 1] + 1;
    place[n] = 1;
    return place;
}

HideGame::HideGame(QuizHost &window)
    : m_window(window)
{ }

LoadOutcome HideGame::LoadHide()
{
    QuizHost &w = m_window;
    w.quiz.HideFound.fill(0);
    w.quiz.HideFoundCount = 0;
    w.shell.CurrentSubject = QStringLiteral("Hide");

    // The sounds that have a picture, as the Sounds game pairs them.
    const int m = w.games().sounds().BuildSoundTables();
    if (m == 0)
        return LoadOutcome::dealt();
    w.sounds().GetSample(0, 0, true);
    const int side = w.shell.GridMax + 1;
    // One sound per card: the grid is the largest square the sounds fill.
    const GridPlan plan = planItemGrid(side, m);
    switch (plan.kind) {
    case GridPlan::Deal:
        deal(side * side, m);
        break;
    case GridPlan::Resize:
        if (selectGridSide(w, plan.side))
            return LoadOutcome::restart();
        break;
    default:
        return LoadOutcome::giveUp(
            QStringLiteral("Hide and Seek needs at least 4 sounds that have "
                           "pictures. Please add sounds to the Sounds folder."));
    }
    return LoadOutcome::dealt();
}

void HideGame::deal(int n, int sounds)
{
    QuizHost &w = m_window;
    Random &random = *w.platform().random;
    const std::vector<int> item = drawDistinct(random, sounds, n);
    const std::vector<int> place = drawHidingPlaces(random, n);
    int q = 1;
    for (int j = 1; j <= n; ++j) {
        const int p = place[j];
        w.quiz.ItemValue[q] = item[j - 1];
        if (PictureTile *img = w.Img(p))
            img->setPictureFile(w.quiz.PictureList[item[j - 1]]);
        if (TileLabel *question = w.Question(q)) {
            question->setText(kQuestionCaption);
            question->setBackColour(kWhite);
            question->tag = QString::number(p);
        }
        if (TileLabel *answer = w.Answer(p)) {
            answer->setText(kCardCover);
            answer->setDisplayMode(1);
            answer->setBackColour(kWhite);
        }
        q = p;
    }
    w.quiz.QuestionTile = 1;
    w.layout().ReDraw();
    w.shell.Loading = false;
    w.engine().Question_Click(w.quiz.QuestionTile);
}

void HideGame::DoHide(int index)
{
    QuizHost &w = m_window;
    QuizState &quiz = w.quiz;
    if (w.hourglass() || w.shell.Loading || w.shell.CurrentSubject != QLatin1String("Hide"))
        return;
    PictureTile *img = w.Img(index);
    TileLabel *answer = w.Answer(index);
    if (!img || !answer || answer->isHidden())
        return;
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);

    w.setHourglass(true);
    if (PictureTile *backdrop = w.Img(0))
        backdrop->show();
    img->raise();
    // The show and the sound wait: the child may choose another game
    // meanwhile, and then these cards are gone.
    const long deal = w.shell.Deal;
    w.Delay(kShowSeconds);
    if (w.shell.Deal != deal)
        return;

    const TileLabel *asked = w.Question(quiz.QuestionTile);
    const bool found = asked && asked->tag.toInt() == index;
    if (found) {
        quiz.HideFound[quiz.QuestionTile] = 1;
        ++quiz.HideFoundCount;
        QWidget *const tiles[] = {w.Img(index), w.Answer(index), w.Question(index)};
        for (QWidget *tile : tiles)
            if (tile)
                tile->hide();
        w.sounds().PlaySound(w.shell.AppFolder + QStringLiteral("Chimes.wav"));
        if (w.shell.Deal != deal)
            return;
    } else if (TileLabel *cover = w.Answer(index)) {
        cover->raise(); // covered again; the same sound is asked again below
    }

    if (quiz.HideFoundCount >= n) {
        w.setHourglass(false);
        if (QAction *again = w.menus().item(MenuId::MNU_Again))
            again->setEnabled(true);
        quiz.AwaitingAnswer = 0;
        quiz.HideFoundCount = 0;
        // Nothing is left to seek: the clock stops presenting the last sound.
        w.shell.CurrentSubject.clear();
        return;
    }
    if (found) {
        // The next sound is drawn among the pictures still hidden.
        std::vector<int> open;
        for (int q = 1; q <= n && q < kTableSize; ++q)
            if (!quiz.HideFound[q])
                open.push_back(q);
        if (!open.empty())
            quiz.QuestionTile = open[drawIndex(*w.platform().random, int(open.size()))];
    }
    w.setHourglass(false);
    w.engine().Question_Click(quiz.QuestionTile);
}

} // namespace tw
