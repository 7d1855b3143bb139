#include "quiz/QuestionChain.h"

#include "platform/Numeric.h"
#include "platform/Random.h"

#include <numeric>

namespace tw {

int tileCount(int gridMax) { return gridMax < 0 ? 0 : (gridMax + 1) * (gridMax + 1); }

std::vector<int> questionChain(int tileCount, Random &random)
{
    if (tileCount < 1)
        return {};
    std::vector<int> chain;
    chain.reserve(tileCount);
    chain.push_back(1);
    if (tileCount == 1)
        return chain;

    // The tiles still free to be a right answer before the last one.
    std::vector<int> free(tileCount - 2);
    std::iota(free.begin(), free.end(), 2);
    while (!free.empty()) {
        const int pick = Int(double(free.size()) * random.rnd());
        const size_t at = std::min(size_t(pick < 0 ? 0 : pick), free.size() - 1);
        chain.push_back(free[at]);
        // Order among the remaining tiles does not matter: each draw is uniform.
        free[at] = free.back();
        free.pop_back();
    }
    chain.push_back(tileCount);
    return chain;
}

} // namespace tw
