// The puzzle board rules: which piece sits in which slot, the jigsaw deal and swap,
// the sliding step and the shuffle. Pure functions over the slot table.
#pragma once

#include <array>
#include <functional>

namespace tw {

class Random;

// Slot -> piece. Slots and pieces are numbered from 1, row by row from the top left;
// element 0 is unused. Sized like the window's table (0 to 500).
using PieceTable = std::array<int, 501>;

// The blank of the sliding puzzle is piece 1, the top-left piece.
constexpr int kBlankPiece = 1;

namespace board {

// The slot holding `piece` among slots 1..n, or 0 when none does.
int slotOf(const PieceTable &pieceAt, int n, int piece);

// Number of slots 1..n holding their own piece.
int countHome(const PieceTable &pieceAt, int n);

// Every piece home, and not while the sliding puzzle is still being shuffled.
bool isSolved(const PieceTable &pieceAt, int n, bool shuffling);

// Puts pieces 1..n in their own slots.
void setSolved(PieceTable &pieceAt, int n);

// Whether slots 1..n hold each of the pieces 1..n exactly once.
bool isPermutation(const PieceTable &pieceAt, int n);

// The jigsaw deal: a random permutation drawn slot by slot, each draw Int(Rnd x n) + 1
// repeated until the piece is not yet used. A generator that keeps repeating itself
// cannot stall the deal: after many draws the next unused piece is taken. A deal
// that came out already solved has its first two slots swapped.
void dealJigsaw(PieceTable &pieceAt, int n, Random &random);

// The jigsaw swap: the dragged piece and the piece it was dropped on change places.
// Dropping a piece on itself changes nothing. Returns false when either piece is not
// on the board.
bool swapPieces(PieceTable &pieceAt, int n, int dragged, int target);

// Whether the piece in slot `slot` may slide into the blank at `blank` on a
// grid x grid board: it must be its neighbour in the same row or the same column.
bool canSlide(int slot, int blank, int grid);

// The sliding step: the piece in `slot` moves into the blank, which takes its place.
// The caller has checked canSlide.
void slideIntoBlank(PieceTable &pieceAt, int &blankSlot, int slot);

// The sliding puzzle dropped on the window: slides `piece` into the blank when it is
// next to it. Returns whether it moved.
bool slidePiece(PieceTable &pieceAt, int &blankSlot, int grid, int piece);

// Directions of the shuffle's random walk of the blank, as drawn: Int(4 x Rnd) + 1.
enum Direction { Right = 1, Left = 2, Down = 3, Up = 4 };

// The slot the blank moves to in `direction`, or 0 when that leaves the board.
int shuffleTarget(int blank, int direction, int grid);

// The shuffle stops once it has made at least this many draws and fewer than
// kShuffleHomeShare of the slots hold their own piece, or at kShuffleMaxAttempts.
constexpr int kShuffleMinAttempts = 51;
constexpr double kShuffleHomeShare = 0.3;
constexpr int kShuffleMaxAttempts = 2001;

struct ShuffleResult
{
    int attempts = 0;
    bool completed = false; // false when `afterMove` asked to stop
};

// Shuffles the sliding puzzle by a random walk of the blank from its current slot,
// which keeps the board solvable. Every draw counts as an attempt, also the ones that
// would leave the board. `moveInto(slot)` performs each move of the blank into `slot`
// (by default the plain slideIntoBlank); it returns false to abandon the shuffle.
ShuffleResult shuffle(PieceTable &pieceAt, int &blankSlot, int grid, Random &random,
                      const std::function<bool(int slot)> &moveInto = {});

// Whether the sliding board can be brought home by slides: the permutation parity
// together with the blank's distance from its home slot.
bool isSolvableSliding(const PieceTable &pieceAt, int grid, int blankSlot);

} // namespace board
} // namespace tw
