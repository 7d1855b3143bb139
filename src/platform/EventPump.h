// Processes pending window events during a wait; every wait loop goes through it.
#pragma once

namespace tw {

class EventPump
{
public:
    virtual ~EventPump() = default;
    // Runs pending events once and yields briefly, so a wait loop neither
    // freezes the window nor spins a core. Tests advance a fake clock instead.
    virtual void processEvents() = 0;
};

} // namespace tw
