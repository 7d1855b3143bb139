// Blocking the desktop's task-switching keys while a child plays.
#pragma once

namespace tw {

class SystemKeys
{
public:
    virtual ~SystemKeys() = default;
    // On: ask the desktop to keep task-switching keys from the child; off: release them.
    // Debian desktops offer no such switch to an ordinary program, so the real
    // implementation only records the request.
    virtual void blockTaskSwitching(bool on) = 0;
    virtual bool taskSwitchingBlocked() const = 0;
};

} // namespace tw
