#include "quiz/ArithmeticGame.h"
#include "common/MenuId.h"

#include "common/Constants.h"
#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "common/Tiles.h"
#include "quiz/QuizHost.h"

#include <algorithm>
#include <array>

namespace tw {

namespace {

// Password requirement 2: "Required to Change &Settings".
// The smallest grid, 3 x 3, is puzzle size item 0 (GridMax 2).
constexpr int kSmallestSizeItem = 0;
constexpr int kSmallestGridMax = 2;
// "Numbers up to &5" ... "Numbers up to 1&00", by item index.
constexpr std::array<int, 5> kNumberRanges = {5, 10, 20, 40, 100};
// Times-table items carry their table as index; the value kept is index - 1.
constexpr std::array<int, 7> kTableItems = {2, 3, 4, 5, 7, 10, 12};

} // namespace

const char *const ArithmeticGame::kTooBigMessage
    = "Puzzle size too big for the number of solutions";

ArithmeticGame::ArithmeticGame(QuizHost &window)
    : m_window(window)
{ }

bool ArithmeticGame::setNumbersRange(int SettingsValues::*option, int index, int &value)
{
    if (!m_window.CheckPass(PasswordRequirement::Settings))
        return false;
    if (index < 0 || index >= static_cast<int>(kNumberRanges.size()))
        return false;
    choose(option, index);
    value = kNumberRanges[index];
    return true;
}

bool ArithmeticGame::setTablesRange(int SettingsValues::*option, int index, int &value)
{
    if (!m_window.CheckPass(PasswordRequirement::Settings))
        return false;
    if (std::find(kTableItems.begin(), kTableItems.end(), index) == kTableItems.end())
        return false;
    choose(option, index);
    value = index - 1;
    return true;
}

void ArithmeticGame::choose(int SettingsValues::*option, int index)
{
    m_window.changeOptions([option, index](SettingsValues &o) { o.*option = index; });
}

void ArithmeticGame::MNU_AddMax_Click(int index)
{
    setNumbersRange(&SettingsValues::AddMax, index, m_window.quiz.AddMax);
}
void ArithmeticGame::MNU_SubMax_Click(int index)
{
    setNumbersRange(&SettingsValues::SubMax, index, m_window.quiz.SubMax);
}
void ArithmeticGame::MNU_MulMax_Click(int index)
{
    setTablesRange(&SettingsValues::MulMax, index, m_window.quiz.MulMax);
}
void ArithmeticGame::MNU_DivMax_Click(int index)
{
    setTablesRange(&SettingsValues::DivMax, index, m_window.quiz.DivMax);
}

SumSwitches ArithmeticGame::switches() const
{
    const SettingsValues &options = m_window.options();
    SumSwitches s;
    s.addition = options.AddOn == 1;
    s.multiplication = options.MulOn == 1;
    s.subtraction = options.SubOn == 1;
    s.division = options.DivOn == 1;
    if (!s.addition && !s.multiplication && !s.subtraction && !s.division)
        s.addition = true;
    return s;
}

SumRanges ArithmeticGame::ranges() const
{
    const QuizState &q = m_window.quiz;
    return SumRanges {q.AddMax, q.SubMax, q.MulMax, q.DivMax};
}

LoadOutcome ArithmeticGame::LoadSums()
{
    QuizHost &w = m_window;
    w.shell.CurrentSubject = QStringLiteral("Sums");
    w.setHourglass(true);
    const int side = w.shell.GridMax + 1;
    const int n = side * side;
    SumDeal deal;
    // The item tables hold 300 tiles; a larger grid cannot be dealt.
    if (side >= 1 && n < kTableSize)
        deal = dealSums(*w.platform().random, n, switches(), ranges());
    if (!deal.complete)
        return abortDeal();
    // Operators that ran out of results handed over to addition only for
    // this deal: the menus were never changed, so the parent's choice stands.
    for (int s = 2; s <= n; ++s) {
        const int q = deal.question[s];
        const int k = deal.answer[s];
        if (TileLabel *question = w.Question(q)) {
            question->setText(deal.sums[s].text());
            question->tag = QString::number(k);
        }
        if (TileLabel *answer = w.Answer(k)) {
            answer->setText(QString::number(deal.sums[s].result));
            answer->setDisplayMode(1);
        }
    }
    w.quiz.QuestionTile = 1;
    w.setHourglass(false);
    return LoadOutcome::dealt();
}

LoadOutcome ArithmeticGame::abortDeal()
{
    QuizHost &w = m_window;
    w.shell.Loading = false;
    w.setHourglass(false);
    const QString message = QString::fromLatin1(kTooBigMessage);
    if (w.shell.GridMax <= kSmallestGridMax) {
        // Nothing smaller to fall back to: leave the play area empty.
        w.UnloadGame();
        return LoadOutcome::giveUp(message);
    }
    w.MNU_Size_Click(kSmallestSizeItem);
    if (w.shell.GridMax != kSmallestGridMax) {
        // The password kept the size: dealing again would fail the same way.
        w.UnloadGame();
        return LoadOutcome::giveUp(message);
    }
    return LoadOutcome::restart(message);
}

} // namespace tw
