// A text-to-speech voice: speak one chunk, report how it is going, stop.
#pragma once

#include <QString>

#include <memory>

namespace tw {

class SpeechEngine
{
public:
    // Idle: nothing to say (or finished). Speaking: the voice is audible now.
    // Failed: the last say() ended in an error (no sound device, engine fault).
    enum class State { Idle, Speaking, Failed };

    virtual ~SpeechEngine() = default;
    // False when no voice can be heard at all (no engine, no voice installed).
    virtual bool available() const = 0;
    // Speaks one chunk, asynchronously. Pitch and rate range from -1 (low/slow)
    // to 1 (high/fast), 0 being the voice's own.
    virtual void say(const QString &text, double pitch, double rate) = 0;
    virtual State state() const = 0;
    bool isSpeaking() const { return state() == State::Speaking; }
    virtual void stop() = 0;
    // True while another program holds the audio device, where the desktop can
    // tell; Qt's audio layer cannot, so the desktop engine always says false.
    virtual bool deviceBusy() const { return false; }
};

class QtAudioOutput;

// The voice the program speaks with: eSpeak NG played through `output` when
// the espeak-ng program is installed, otherwise the desktop's speech engine
// (Qt's text-to-speech, preferring flite); null when there is none. Setting
// TUMBLEWICK_SPEECH=qt chooses the desktop's engine first.
std::unique_ptr<SpeechEngine> makeSystemSpeechEngine(std::shared_ptr<QtAudioOutput> output);

} // namespace tw
