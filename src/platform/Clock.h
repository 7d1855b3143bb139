// The program's one source of time: seconds since midnight, with fractions.
#pragma once

namespace tw {

// The clock restarts at midnight: a day in seconds.
constexpr double kSecondsPerDay = 86400.0;

class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, fractional (0 <= t < 86400).
    virtual double secondsSinceMidnight() const = 0;
};

} // namespace tw
