#include "quiz/SumDeal.h"

#include "platform/Random.h"
#include "quiz/GameDraws.h"

#include <algorithm>
#include <set>

namespace tw {

namespace {

// Plain random draws tried before the remaining possibilities are listed.
constexpr int kQuickDraws = 32;
// Multiplications and divisions use the times tables up to 12.
constexpr int kTimesTableLength = 12;

bool isFree(const std::vector<bool> &used, int result)
{
    if (result == 0)
        return false;
    return result < 0 || result >= static_cast<int>(used.size()) || !used[result];
}

Sum makeSum(SumOperator op, int x, int y)
{
    Sum s;
    s.op = op;
    switch (op) {
    case SumOperator::Addition:
        s.a = x;
        s.b = y;
        s.result = x + y;
        break;
    case SumOperator::Multiplication:
        s.a = x;
        s.b = y;
        s.result = x * y;
        break;
    case SumOperator::Subtraction:
        s.a = std::max(x, y);
        s.b = std::min(x, y);
        s.result = s.a - s.b;
        break;
    case SumOperator::Division:
        // x is the divisor, y the result: the division is always exact.
        s.a = x * y;
        s.b = x;
        s.result = y;
        break;
    }
    return s;
}

// The two random numbers of a sum as the deal draws them.
Sum randomSum(Random &random, SumOperator op, const SumRanges &r)
{
    switch (op) {
    case SumOperator::Addition:
        return makeSum(op, drawIndex(random, r.AddMax) + 1, drawIndex(random, r.AddMax) + 1);
    case SumOperator::Multiplication:
        return makeSum(op, drawIndex(random, r.MulMax) + 2,
                       drawIndex(random, kTimesTableLength) + 1);
    case SumOperator::Subtraction:
        return makeSum(op, drawIndex(random, r.SubMax) + 1, drawIndex(random, r.SubMax) + 1);
    case SumOperator::Division:
        return makeSum(op, drawIndex(random, r.DivMax) + 2,
                       drawIndex(random, kTimesTableLength) + 1);
    }
    return {};
}

// Every (x, y) the random draw can produce for `op`, each once.
std::vector<Sum> everySum(SumOperator op, const SumRanges &r)
{
    int xFrom = 1, xTo = 1, yTo = 1;
    switch (op) {
    case SumOperator::Addition:
        xTo = yTo = r.AddMax;
        break;
    case SumOperator::Subtraction:
        xTo = yTo = r.SubMax;
        break;
    case SumOperator::Multiplication:
        xFrom = 2;
        xTo = r.MulMax + 1;
        yTo = kTimesTableLength;
        break;
    case SumOperator::Division:
        xFrom = 2;
        xTo = r.DivMax + 1;
        yTo = kTimesTableLength;
        break;
    }
    std::vector<Sum> all;
    for (int x = xFrom; x <= xTo; ++x)
        for (int y = 1; y <= yTo; ++y)
            all.push_back(makeSum(op, x, y));
    return all;
}

SumRanges sane(SumRanges r)
{
    r.AddMax = std::max(1, r.AddMax);
    r.SubMax = std::max(1, r.SubMax);
    r.MulMax = std::max(1, r.MulMax);
    r.DivMax = std::max(1, r.DivMax);
    return r;
}

} // namespace

bool SumSwitches::isOn(SumOperator op) const
{
    switch (op) {
    case SumOperator::Addition:
        return addition;
    case SumOperator::Multiplication:
        return multiplication;
    case SumOperator::Subtraction:
        return subtraction;
    case SumOperator::Division:
        return division;
    }
    return false;
}

void SumSwitches::set(SumOperator op, bool on)
{
    switch (op) {
    case SumOperator::Addition:
        addition = on;
        break;
    case SumOperator::Multiplication:
        multiplication = on;
        break;
    case SumOperator::Subtraction:
        subtraction = on;
        break;
    case SumOperator::Division:
        division = on;
        break;
    }
}

QString Sum::text() const
{
    static const char *const kSigns[] = {"", " + ", " x ", " - ", " / "};
    return QString::number(a) + QLatin1String(kSigns[static_cast<int>(op)]) + QString::number(b);
}

bool drawSum(Random &random, SumOperator op, const SumRanges &ranges, const std::vector<bool> &used,
             Sum &out)
{
    const SumRanges r = sane(ranges);
    for (int i = 0; i < kQuickDraws; ++i) {
        const Sum s = randomSum(random, op, r);
        if (isFree(used, s.result)) {
            out = s;
            return true;
        }
    }
    std::vector<Sum> left;
    for (const Sum &s : everySum(op, r))
        if (isFree(used, s.result))
            left.push_back(s);
    if (left.empty())
        return false;
    out = left[drawIndex(random, static_cast<int>(left.size()))];
    return true;
}

SumDeal dealSums(Random &random, int n, SumSwitches switches, const SumRanges &ranges)
{
    SumDeal deal;
    if (n < 2)
        return deal;
    deal.sums.assign(n + 1, Sum {});
    deal.question.assign(n + 1, 0);
    deal.answer = drawChain(random, n);
    std::vector<bool> used;
    std::set<SumOperator> exhausted; // no new result left: stays so for the deal
    static const SumOperator kOperators[] = {SumOperator::Addition, SumOperator::Multiplication,
                                             SumOperator::Subtraction, SumOperator::Division};
    int q = 1;
    for (int s = 2; s <= n; ++s) {
        Sum sum;
        for (;;) {
            std::vector<SumOperator> candidates;
            for (SumOperator op : kOperators)
                if (switches.isOn(op) && !exhausted.count(op))
                    candidates.push_back(op);
            if (candidates.empty())
                return deal; // incomplete
            const SumOperator op
                = candidates[drawIndex(random, static_cast<int>(candidates.size()))];
            if (drawSum(random, op, ranges, used, sum))
                break;
            exhausted.insert(op);
            if (op == SumOperator::Subtraction || op == SumOperator::Division) {
                switches.set(op, false);
                switches.addition = true;
                (op == SumOperator::Subtraction ? deal.subtractionHandedOver
                                                : deal.divisionHandedOver)
                    = true;
            }
        }
        if (sum.result >= static_cast<int>(used.size()))
            used.resize(sum.result + 1, false);
        used[sum.result] = true;
        deal.sums[s] = sum;
        deal.question[s] = q;
        q = deal.answer[s];
    }
    deal.complete = true;
    return deal;
}

} // namespace tw
