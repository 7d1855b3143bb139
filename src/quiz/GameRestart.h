// Helpers the quiz loaders share to restart a game on another grid.
#pragma once

#include <QString>

namespace tw {

class QuizHost;

// Selects the grid of side `side` through the Puzzle Size handler (items
// run from 3 x 3 = 0, so side - 3; smaller sides have no item). True when
// the grid now has that side; false when the handler refused the change.
bool selectGridSide(QuizHost &window, int side);

// The message shown when the subjects checked in `menu` (as the menu bar
// names it, e.g. "Words and Spelling") hold too few pictures for a game.
QString tooFewPicturesMessage(const QString &menu);

} // namespace tw
