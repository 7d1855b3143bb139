// Processes pending window events during a wait; every wait loop goes through it.
#pragma once

#include <chrono>
#include <thread>

namespace tw {

class EventPump
{
public:
    virtual ~EventPump() = default;
    // Runs pending events once and yields briefly, so a wait loop neither
    // freezes the window nor spins a core. Tests advance a fake clock instead.
    virtual void processEvents() = 0;
    // Yields briefly WITHOUT processing events: for the few waits during which
    // the child must not be able to act (a sound playing in the Pairs game).
    virtual void pauseBriefly() { std::this_thread::sleep_for(std::chrono::milliseconds(5)); }
};

} // namespace tw
