#include "puzzle/Board.h"

#include "platform/Numeric.h"
#include "platform/Random.h"

#include <cstdlib>
#include <vector>

namespace tw::board {

namespace {

// Draws beyond n x this per slot are taken as a generator that repeats itself.
constexpr int kDrawsPerPiece = 100;

} // namespace

int slotOf(const PieceTable &pieceAt, int n, int piece)
{
    for (int s = 1; s <= n; ++s) {
        if (pieceAt[size_t(s)] == piece)
            return s;
    }
    return 0;
}

int countHome(const PieceTable &pieceAt, int n)
{
    int home = 0;
    for (int s = 1; s <= n; ++s)
        home += pieceAt[size_t(s)] == s ? 1 : 0;
    return home;
}

bool isSolved(const PieceTable &pieceAt, int n, bool shuffling)
{
    return !shuffling && n > 0 && countHome(pieceAt, n) == n;
}

void setSolved(PieceTable &pieceAt, int n)
{
    for (int s = 1; s <= n; ++s)
        pieceAt[size_t(s)] = s;
}

bool isPermutation(const PieceTable &pieceAt, int n)
{
    std::vector<bool> seen(size_t(n) + 1, false);
    for (int s = 1; s <= n; ++s) {
        const int p = pieceAt[size_t(s)];
        if (p < 1 || p > n || seen[size_t(p)])
            return false;
        seen[size_t(p)] = true;
    }
    return true;
}

void dealJigsaw(PieceTable &pieceAt, int n, Random &random)
{
    std::vector<bool> used(size_t(n) + 1, false);
    for (int s = 1; s <= n; ++s) {
        int piece = Int(random.rnd() * n) + 1;
        for (int draws = 1; used[size_t(piece)]; ++draws) {
            if (draws < kDrawsPerPiece * n) {
                piece = Int(random.rnd() * n) + 1;
            } else {
                piece = piece % n + 1;
            }
        }
        used[size_t(piece)] = true;
        pieceAt[size_t(s)] = piece;
    }
    if (n >= 2 && countHome(pieceAt, n) == n)
        std::swap(pieceAt[1], pieceAt[2]);
}

bool swapPieces(PieceTable &pieceAt, int n, int dragged, int target)
{
    const int i = slotOf(pieceAt, n, dragged);
    const int j = slotOf(pieceAt, n, target);
    if (i == 0 || j == 0)
        return false;
    pieceAt[size_t(i)] = target;
    pieceAt[size_t(j)] = dragged;
    return true;
}

bool canSlide(int slot, int blank, int grid)
{
    const int n = grid * grid;
    if (grid < 1 || slot < 1 || slot > n || blank < 1 || blank > n)
        return false;
    const bool sameRow = (slot - 1) / grid == (blank - 1) / grid;
    if (sameRow)
        return std::abs(slot - blank) == 1;
    return slot == blank + grid || slot == blank - grid;
}

void slideIntoBlank(PieceTable &pieceAt, int &blankSlot, int slot)
{
    pieceAt[size_t(blankSlot)] = pieceAt[size_t(slot)];
    pieceAt[size_t(slot)] = kBlankPiece;
    blankSlot = slot;
}

bool slidePiece(PieceTable &pieceAt, int &blankSlot, int grid, int piece)
{
    const int slot = slotOf(pieceAt, grid * grid, piece);
    if (slot == 0 || piece == kBlankPiece || !canSlide(slot, blankSlot, grid))
        return false;
    slideIntoBlank(pieceAt, blankSlot, slot);
    return true;
}

int shuffleTarget(int blank, int direction, int grid)
{
    const int n = grid * grid;
    int target = 0;
    switch (direction) {
    case Right:
        target = blank + 1;
        return target > n || target % grid == 1 % grid ? 0 : target;
    case Left:
        target = blank - 1;
        return target < 1 || target % grid == 0 ? 0 : target;
    case Down:
        target = blank + grid;
        return target > n ? 0 : target;
    case Up:
        target = blank - grid;
        return target < 1 ? 0 : target;
    default:
        return 0;
    }
}

ShuffleResult shuffle(PieceTable &pieceAt, int &blankSlot, int grid, Random &random,
                      const std::function<bool(int slot)> &moveInto)
{
    ShuffleResult result;
    const int n = grid * grid;
    if (grid < 2)
        return result;
    for (;;) {
        ++result.attempts;
        const int direction = Int(4 * random.rnd()) + 1;
        const int target = shuffleTarget(blankSlot, direction, grid);
        if (target != 0) {
            if (moveInto) {
                if (!moveInto(target))
                    return result;
            } else {
                slideIntoBlank(pieceAt, blankSlot, target);
            }
        }
        const int home = countHome(pieceAt, n);
        if ((result.attempts >= kShuffleMinAttempts && home < kShuffleHomeShare * n)
            || result.attempts >= kShuffleMaxAttempts)
            break;
    }
    result.completed = true;
    return result;
}

bool isSolvableSliding(const PieceTable &pieceAt, int grid, int blankSlot)
{
    const int n = grid * grid;
    if (!isPermutation(pieceAt, n) || pieceAt[size_t(blankSlot)] != kBlankPiece)
        return false;
    // Every slide is a transposition with the blank and moves the blank one step, so
    // the permutation's parity equals the parity of the blank's distance from home.
    std::vector<bool> visited(size_t(n) + 1, false);
    int transpositions = 0;
    for (int s = 1; s <= n; ++s) {
        int length = 0;
        for (int k = s; !visited[size_t(k)]; k = pieceAt[size_t(k)]) {
            visited[size_t(k)] = true;
            ++length;
        }
        if (length > 0)
            transpositions += length - 1;
    }
    const int home = kBlankPiece; // the blank's own slot
    const int distance = std::abs((blankSlot - 1) / grid - (home - 1) / grid)
        + std::abs((blankSlot - 1) % grid - (home - 1) % grid);
    return transpositions % 2 == distance % 2;
}

} // namespace tw::board
