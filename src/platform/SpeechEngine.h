// A text-to-speech voice: speak one chunk, ask whether it still speaks, stop.
#pragma once

#include <QString>

#include <memory>

namespace tw {

class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;
    // False when no voice can be heard (no engine, no sound device).
    virtual bool available() const = 0;
    // Speaks one chunk. Pitch and rate range from -1 (low/slow) to 1 (high/fast).
    virtual void say(const QString &text, double pitch, double rate) = 0;
    virtual bool isSpeaking() const = 0;
    virtual void stop() = 0;
};

// The desktop's speech engine, or null when none can be created.
std::unique_ptr<SpeechEngine> makeSystemSpeechEngine();

} // namespace tw
