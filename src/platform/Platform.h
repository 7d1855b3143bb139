// Everything the system asks of the operating system, gathered for injection.
#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Printer.h"
#include "platform/Random.h"
#include "platform/SoundDevice.h"
#include "platform/SystemKeys.h"

#include <memory>

namespace tw {

class Desktop;
class SpeechEngine;

struct Platform
{
    std::unique_ptr<Clock> clock;
    std::unique_ptr<EventPump> pump;
    std::unique_ptr<Random> random;
    std::unique_ptr<SoundDevice> sound;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<SystemKeys> systemKeys;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<Printer> printer;
    // May be null: the character then shows its words without a voice.
    std::unique_ptr<SpeechEngine> speech;

    Platform();
    Platform(Platform &&) noexcept;
    Platform &operator=(Platform &&) noexcept;
    ~Platform();

    // The real desktop: Qt's clock, event loop, media player, dialogs, speech and
    // desktop services.
    static Platform makeReal();
};

} // namespace tw
