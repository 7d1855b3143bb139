#include "platform/SpeechEngine.h"

namespace tw {

std::unique_ptr<SpeechEngine> makeSystemSpeechEngine()
{
    return nullptr;
}

} // namespace tw
