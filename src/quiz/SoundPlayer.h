// Plays sound files and waits for them, and draws item samples.
#pragma once

#include <QString>

namespace tw {

class QuizHost;

class SoundPlayer
{
public:
    explicit SoundPlayer(QuizHost &window);

    // Longest time PlaySound lets one sound play, in seconds.
    static constexpr double kMaxPlaySeconds = 10.0;

    // Plays a wave file and waits until it has ended, was stopped or replaced,
    // or kMaxPlaySeconds have passed. While waiting it processes window events,
    // except in the Pairs game, where the window waits for the sound. A file
    // that is missing or not a wave file returns at once, silently.
    void PlaySound(const QString &path);
    // Stops and rewinds the sound being played; the waiting PlaySound returns.
    void stop();
    bool SoundPlaying = false;
    QString SoundFile; // the path last given to PlaySound

    // With reset true clears the table of drawn samples and returns 0.
    // Otherwise draws a value from 1 to range - 1 (0 is never accepted after a
    // reset) that differs from the values drawn for slots 1 to `slot`, stores
    // it for `slot` and returns it; 0 when no such value is left.
    int GetSample(int range, int slot, bool reset = false);

private:
    QuizHost &m_window;
    bool m_deviceUsed = false; // the device has been opened once: stop() may touch it
    bool m_backendStarted = false; // the first sound has let the window paint first
    int m_generation = 0; // counts PlaySound calls, so a replaced sound's wait ends
};

} // namespace tw
