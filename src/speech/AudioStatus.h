// The character's audio output status values that callers test.
#pragma once

namespace tw {

constexpr int kAudioIdle = 0;
// Another program holds the audio device (where the desktop can tell).
constexpr int kAudioBusy = 2;
// The character is speaking.
constexpr int kAudioSpeaking = 4;

} // namespace tw
