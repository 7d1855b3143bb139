// Bounded random draws shared by the quiz game loaders.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tw {

class Random;

// A whole number from 0 to count - 1 (0 when count < 1): Int(Rnd x count).
int drawIndex(Random &random, int count);

// `count` different numbers from 1 to `pool`, in draw order. Each draw picks
// among the numbers not drawn yet, so the draw always ends; when `count`
// exceeds `pool` only `pool` numbers come back.
std::vector<int> drawDistinct(Random &random, int pool, int count);

// `count` numbers from 1 to `pool`: all different while the pool lasts, then
// the pool is drawn afresh (used when there are fewer items than questions).
// Empty when the pool is empty.
std::vector<int> drawCycling(Random &random, int pool, int count);

// The answer tiles of a question chain over n positions: element s (2 to n)
// is the tile that answers the question asked in slot s. Slots 2 to n - 1 get
// the tiles 2 to n - 1 in random order; slot n always gets tile n. Elements 0
// and 1 are unused (0). The chain then runs 1 -> answer[2] -> answer[3] ...
std::vector<int> drawChain(Random &random, int n);

// The largest grid side whose square does not exceed `items` (Int(Sqr(items))).
int fittingSide(int items);

} // namespace tw
