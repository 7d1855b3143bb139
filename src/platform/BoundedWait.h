// The one bounded wait: processes events until a condition holds or a time runs out.
#pragma once

#include "platform/Clock.h"
#include "platform/EventPump.h"

namespace tw {

// Seconds from `start` to `now` on the platform clock, which restarts at
// midnight: a wait begun just before midnight still ends on time.
inline double secondsBetween(double start, double now)
{
    const double d = now - start;
    return d < 0 ? d + kSecondsPerDay : d;
}

// Seconds since `start` on `clock`.
inline double secondsSince(const Clock &clock, double start)
{
    return secondsBetween(start, clock.secondsSinceMidnight());
}

// Processes events until done() holds or `seconds` have passed. Returns true
// when done() held. Anything may change during the wait (the child may switch
// the game or close the window): callers fetch their controls again afterwards.
template<typename Done>
bool waitUntil(const Clock &clock, EventPump &pump, double seconds, Done done)
{
    const double start = clock.secondsSinceMidnight();
    while (!done()) {
        if (secondsSince(clock, start) >= seconds)
            return false;
        pump.processEvents();
    }
    return true;
}

} // namespace tw
