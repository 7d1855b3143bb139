// Seedable random numbers in [0, 1), injected so every deal can be replayed.
#pragma once

#include <cstdint>
#include <random>

namespace tw {

class Random
{
public:
    explicit Random(std::uint32_t seed = 1)
        : m_engine(seed)
    { }
    void seed(std::uint32_t s) { m_engine.seed(s); }
    // A value in [0, 1).
    double rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

} // namespace tw
