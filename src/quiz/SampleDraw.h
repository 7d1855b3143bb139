// The draw behind GetSample: a whole number not drawn before in the current deal.
#pragma once

#include <span>

namespace tw {

class Random;

// Draws r = Int(Rnd x range), 0 <= r < range, until r differs from every entry
// used[1] to used[slot] as they stand (the entry at `slot` included, so after a
// reset 0 is never accepted for it), stores it in used[slot] and returns it.
// Callers number their items from 1 and pass the item count plus one as range.
//
// Every wait has a bound: when no value can be drawn (more slots than items,
// a slot outside the table) it returns 0, the "no item" value whose table
// entries are empty, instead of drawing for ever. After a long run of misses
// the draw takes a uniformly chosen free value directly, which is the same
// distribution the repeated draw would give.
int drawSample(std::span<int> used, int range, int slot, Random &random);

// Clears the table of drawn values (GetSample's reset).
void resetSamples(std::span<int> used);

} // namespace tw
