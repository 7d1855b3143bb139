// The sums of one Arithmetic deal: operators, ranges and distinct results.
#pragma once

#include <QString>

#include <vector>

namespace tw {

class Random;

// Operator numbers as the deal draws them (Int(Rnd x 4) + 1).
enum class SumOperator { Addition = 1, Multiplication = 2, Subtraction = 3, Division = 4 };

// The parent's ranges: largest addend, largest number in a subtraction, and
// the times tables 2 to MulMax + 1 and divisors 2 to DivMax + 1.
struct SumRanges
{
    int AddMax = 10;
    int SubMax = 10;
    int MulMax = 1;
    int DivMax = 1;
};

// Which operators are switched on.
struct SumSwitches
{
    bool addition = true;
    bool multiplication = false;
    bool subtraction = false;
    bool division = false;
    bool isOn(SumOperator op) const;
    void set(SumOperator op, bool on);
};

struct Sum
{
    SumOperator op = SumOperator::Addition;
    int a = 0; // first number as written (the product for a division)
    int b = 0; // second number as written (the divisor for a division)
    int result = 0;
    // "7 + 5", "2 x 12", "9 - 4", "24 / 2".
    QString text() const;
};

// Draws one sum for `op` whose result is not 0 and not in `used` (indexed by
// result). Tries the plain random draw a few times, then picks evenly among
// every remaining possibility, so it always ends; false when none is left.
bool drawSum(Random &random, SumOperator op, const SumRanges &ranges, const std::vector<bool> &used,
             Sum &out);

struct SumDeal
{
    // False when the switched-on operators cannot give n - 1 different results.
    bool complete = false;
    // Elements 2 to n: the sum of slot s, the question tile that asks it and
    // the answer tile that shows its result (also the next question tile).
    std::vector<Sum> sums;
    std::vector<int> question;
    std::vector<int> answer;
    // Subtraction or division ran out of different results and addition took
    // over for the rest of the deal.
    bool subtractionHandedOver = false;
    bool divisionHandedOver = false;
};

// Deals n - 1 sums with different results over n tiles. An operator that runs
// out of results is left for the others; subtraction and division hand over
// to addition. The deal is incomplete when no switched-on operator (nor
// addition after a hand-over) has a new result left.
SumDeal dealSums(Random &random, int n, SumSwitches switches, const SumRanges &ranges);

} // namespace tw
