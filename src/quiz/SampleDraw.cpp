#include "quiz/SampleDraw.h"

#include "platform/Numeric.h"
#include "platform/Random.h"

#include <algorithm>
#include <vector>

namespace tw {

namespace {
// Misses allowed before the draw picks among the free values directly.
constexpr int kMaxRejections = 1000;
} // namespace

int drawSample(std::span<int> used, int range, int slot, Random &random)
{
    if (slot < 0 || static_cast<size_t>(slot) >= used.size() || range <= 0)
        return 0;
    const auto taken = [&](int value) {
        for (int i = 1; i <= slot; ++i) {
            if (used[i] == value)
                return true;
        }
        return false;
    };
    for (int attempt = 0; attempt < kMaxRejections; ++attempt) {
        const int r = Int(random.rnd() * range);
        if (!taken(r)) {
            used[slot] = r;
            return r;
        }
    }
    std::vector<int> free;
    for (int value = 0; value < range; ++value) {
        if (!taken(value))
            free.push_back(value);
    }
    if (free.empty())
        return 0;
    const int r = free[std::min<size_t>(Int(random.rnd() * free.size()), free.size() - 1)];
    used[slot] = r;
    return r;
}

void resetSamples(std::span<int> used) { std::fill(used.begin(), used.end(), 0); }

} // namespace tw
