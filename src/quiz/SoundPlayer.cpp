#include "quiz/SoundPlayer.h"

#include "shell/Educate.h"

namespace tw {

SoundPlayer::SoundPlayer(Educate &window) : m_window(window) { }

void SoundPlayer::PlaySound(const QString &) { }

void SoundPlayer::stop()
{
    SoundPlaying = false;
}

int SoundPlayer::GetSample(int count)
{
    return count > 0 ? 1 : 0;
}

void SoundPlayer::LoadSounds() { }

} // namespace tw
