// The talking character's state: whether one is loaded, and how many there are.
#pragma once

namespace tw {

struct SpeechState
{
    bool SpeakerLoaded = false;
    int SpeakerCount = 0;
};

} // namespace tw
