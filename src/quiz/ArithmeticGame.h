// The Arithmetic game: its operator and range menus and the dealing of sums.
#pragma once

#include "quiz/LoadOutcome.h"

#include "common/MenuId.h"

#include "quiz/SumDeal.h"

#include <QString>

namespace tw {

class QuizHost;
struct SettingsValues;

class ArithmeticGame
{
public:
    explicit ArithmeticGame(QuizHost &window);

    // Range groups; the index is the item's index in its menu. An index
    // without an item (a damaged settings file) keeps the range.
    void MNU_AddMax_Click(int index);
    void MNU_SubMax_Click(int index);
    void MNU_MulMax_Click(int index);
    void MNU_DivMax_Click(int index);

    // Deals the sums of a new game onto the tiles LoadLabels created.
    LoadOutcome LoadSums();

    // The operator switches as the stored options hold them.
    SumSwitches switches() const;
    SumRanges ranges() const;

    static const char *const kTooBigMessage;

private:
    // After the password check, stores item `index` as `option` and sets the
    // range `value` the sums use; false when refused or not an item.
    bool setNumbersRange(int SettingsValues::*option, int index, int &value);
    bool setTablesRange(int SettingsValues::*option, int index, int &value);
    void choose(int SettingsValues::*option, int index);
    LoadOutcome abortDeal();

    QuizHost &m_window;
};

} // namespace tw
