#include "quiz/PairsGame.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"
#include "quiz/PictureLibrary.h"

#include "common/Constants.h"
#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/GridPlan.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"

#include <QAction>

#include <algorithm>

namespace tw {

namespace {

// The back of a card: a line feed, then a question mark.
const QString kCardBack = QStringLiteral("\n?");

} // namespace

std::vector<int> dealPairs(Random &random, int n, int pictures)
{
    if (n < 2 || n % 2 != 0 || pictures < n / 2)
        return {};
    const std::vector<int> items = drawDistinct(random, pictures, n / 2);
    const std::vector<int> places = drawDistinct(random, n, n);
    std::vector<int> card(n + 1, 0);
    for (int j = 0; j < n / 2; ++j) {
        card[places[2 * j]] = items[j];
        card[places[2 * j + 1]] = items[j];
    }
    return card;
}

PairsGame::PairsGame(QuizHost &window)
    : m_window(window)
{ }

LoadOutcome PairsGame::LoadPairs()
{
    QuizHost &w = m_window;
    w.shell.CurrentSubject = QStringLiteral("Pairs");
    w.sounds().GetSample(0, 0, true);

    std::vector<QString> names(1);
    int m = 0;
    bool allChecked = true;
    for (int k = 1; k <= kPairSubjects; ++k) {
        if (w.options().PairSubject[k - 1] != 1) {
            allChecked = false;
            continue;
        }
        const QString folder = w.pictures().subjectPath(k);
        for (const QString &file : folder.isEmpty() ? QStringList() : listFiles(folder)) {
            if (!isPictureFile(file) || m + 1 >= kTableSize)
                continue;
            ++m;
            w.quiz.PictureList[m] = folder + file;
            names.push_back(file);
        }
    }

    const int side = w.shell.GridMax + 1;
    const GridPlan plan = planPairsGrid(side, m, allChecked);
    switch (plan.kind) {
    case GridPlan::Deal:
        dealCards(side * side, m, names);
        break;
    case GridPlan::Resize:
        if (selectGridSide(w, plan.side))
            return LoadOutcome::restart();
        break;
    case GridPlan::Widen:
        if (checkNextSubject())
            return LoadOutcome::restart();
        [[fallthrough]];
    case GridPlan::GiveUp:
        return LoadOutcome::giveUp(tooFewPicturesMessage(QStringLiteral("Pairs")));
    }
    return LoadOutcome::dealt();
}

bool PairsGame::checkNextSubject()
{
    const auto &subjects = m_window.options().PairSubject;
    const auto off = std::find_if(subjects.begin(), subjects.end(), [](int on) { return on != 1; });
    if (off == subjects.end())
        return false;
    const auto k = off - subjects.begin();
    m_window.changeOptions([k](SettingsValues &o) { o.PairSubject[k] = 1; });
    return true;
}

void PairsGame::dealCards(int n, int m, const std::vector<QString> &names)
{
    QuizHost &w = m_window;
    const std::vector<int> card = dealPairs(*w.platform().random, n, m);
    for (int p = 1; p < static_cast<int>(card.size()); ++p) {
        const int i = card[p];
        if (PictureTile *img = w.Img(p))
            img->setPictureFile(w.quiz.PictureList[i]);
        if (TileLabel *question = w.Question(p))
            question->setText(itemName(names[i]));
        if (TileLabel *answer = w.Answer(p)) {
            answer->setText(kCardBack);
            answer->setDisplayMode(1);
            answer->setBackColour(kWhite);
        }
    }
    w.quiz.QuestionTile = 1;
    if (PictureTile *backdrop = w.Img(0))
        backdrop->show();
    w.quiz.PairsFound = 0;
    // A card left face up in an abandoned game is not part of this deal.
    w.quiz.PairOpen = false;
    w.quiz.PairOpenName.clear();
    w.quiz.PairOpenIndex = 0;
}

void PairsGame::playPairSound(const QString &name)
{
    QuizHost &w = m_window;
    const QString own = w.pictures().soundFor(name);
    w.sounds().PlaySound(own.isEmpty() ? w.shell.AppFolder + QStringLiteral("Chimes.wav") : own);
}

void PairsGame::DoPair(int index)
{
    QuizHost &w = m_window;
    QuizState &quiz = w.quiz;
    // While a pair is on show the hourglass is up and clicks do nothing.
    if (w.hourglass() || w.shell.Loading)
        return;
    TileLabel *question = w.Question(index);
    PictureTile *img = w.Img(index);
    TileLabel *answer = w.Answer(index);
    if (!question || !img || !answer || answer->isHidden())
        return;
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
    // The sound and the show wait: the child may choose another game meanwhile,
    // and then these cards are gone.
    const long deal = w.shell.Deal;

    if (!quiz.PairOpen) {
        img->raise();
        quiz.PairOpenName = question->text();
        quiz.PairOpenIndex = index;
    } else if (question->text() == quiz.PairOpenName && index != quiz.PairOpenIndex) {
        img->raise();
        w.setHourglass(true);
        quiz.PairsFound += 2;
        playPairSound(quiz.PairOpenName);
        if (w.shell.Deal != deal)
            return;
        if (quiz.PairsFound == n) {
            quiz.AwaitingAnswer = 0;
            if (PictureTile *backdrop = w.Img(0))
                backdrop->show();
        }
        w.Delay(kShowSeconds);
        if (w.shell.Deal != deal)
            return;
        for (int p : {quiz.PairOpenIndex, index}) {
            if (TileLabel *t = w.Question(p))
                t->hide();
            if (PictureTile *t = w.Img(p))
                t->hide();
            if (TileLabel *t = w.Answer(p))
                t->hide();
        }
        w.shell.CardsCleared += 2;
        w.setHourglass(false);
    } else {
        // No match, also a second click on the open card: both turn back.
        img->raise();
        w.setHourglass(true);
        w.Delay(kShowSeconds);
        if (w.shell.Deal != deal)
            return;
        for (int p : {index, quiz.PairOpenIndex})
            if (TileLabel *cover = w.Answer(p))
                cover->raise();
        w.setHourglass(false);
    }
    quiz.PairOpen = !quiz.PairOpen;
    if (w.shell.CardsCleared >= n)
        if (QAction *again = w.menus().item(MenuId::MNU_Again))
            again->setEnabled(true);
}

} // namespace tw
