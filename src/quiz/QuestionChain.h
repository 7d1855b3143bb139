// The order in which a quiz deal asks its questions: a chain through every tile.
#pragma once

#include <vector>

namespace tw {

class Random;

// The tiles of one deal in the order they are visited, for `tileCount` grid
// positions. Element 0 is tile 1 (the first question) and the last element is
// tile `tileCount` (the answer that ends the deal); between them come tiles 2 to
// tileCount - 1 in random order, each exactly once. Question tile chain[i] is
// answered by tile chain[i + 1], so a deal asks tileCount - 1 questions.
//
// Each step draws uniformly among the tiles not used yet with one random
// number, so the draw always ends after tileCount - 2 numbers. A tileCount
// below 2 gives the single tile {1} (no question) or nothing.
std::vector<int> questionChain(int tileCount, Random &random);

// Number of grid positions of a (gridMax + 1) x (gridMax + 1) grid; 0 when gridMax < 0.
int tileCount(int gridMax);

} // namespace tw
