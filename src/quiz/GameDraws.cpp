#include "quiz/GameDraws.h"

#include "common/FilePattern.h"
#include "platform/Numeric.h"
#include "platform/Random.h"
#include "quiz/QuestionChain.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace tw {

int drawIndex(Random &random, int count)
{
    if (count < 1)
        return 0;
    return std::clamp(Int(random.rnd() * count), 0, count - 1);
}

std::vector<int> drawDistinct(Random &random, int pool, int count)
{
    std::vector<int> remaining;
    for (int v = 1; v <= pool; ++v)
        remaining.push_back(v);
    std::vector<int> drawn;
    while (static_cast<int>(drawn.size()) < count && !remaining.empty()) {
        const int i = drawIndex(random, static_cast<int>(remaining.size()));
        drawn.push_back(remaining[i]);
        remaining.erase(remaining.begin() + i);
    }
    return drawn;
}

std::vector<int> drawCycling(Random &random, int pool, int count)
{
    std::vector<int> drawn;
    if (pool < 1)
        return drawn;
    while (static_cast<int>(drawn.size()) < count) {
        const int want = std::min(pool, count - static_cast<int>(drawn.size()));
        for (int v : drawDistinct(random, pool, want))
            drawn.push_back(v);
    }
    return drawn;
}

std::vector<int> drawChain(Random &random, int n)
{
    std::vector<int> answer(std::max(n + 1, 2), 0);
    if (n < 2)
        return answer;
    // The same chain the quiz engine deals, seen slot by slot: the tile visited
    // at step s - 1 answers the question asked in slot s.
    const std::vector<int> visit = questionChain(n, random);
    for (int s = 2; s <= n; ++s)
        answer[s] = visit[s - 1];
    return answer;
}

int fittingSide(int items)
{
    if (items < 1)
        return 0;
    int side = static_cast<int>(std::sqrt(static_cast<double>(items)));
    while (side * side > items)
        --side;
    while ((side + 1) * (side + 1) <= items)
        ++side;
    return side;
}

} // namespace tw
