// Plays sound files (feedback sounds, spoken names) and draws item samples.
#pragma once

#include <QString>

namespace tw {

class Educate;

class SoundPlayer
{
public:
    explicit SoundPlayer(Educate &window);

    // Plays a wave file and waits until it ends or 10 seconds have passed.
    void PlaySound(const QString &path);
    // Stops and rewinds the sound being played.
    void stop();
    bool SoundPlaying = false;

    // Draws an item value in 1..count not yet drawn in this deal.
    int GetSample(int count);

    // Loader of the Sounds game.
    void LoadSounds();

private:
    Educate &m_window;
};

} // namespace tw
