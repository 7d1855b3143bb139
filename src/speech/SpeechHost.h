// The window as the talking character sees it: its state and the sound it interrupts.
#pragma once

#include "common/Stage.h"
#include "speech/SpeechState.h"

namespace tw {

class SpeechHost : public virtual Stage
{
public:
    SpeechState speech;

    // A sound file being played gives way to the character: stops it.
    virtual void stopSound() = 0;
};

} // namespace tw
