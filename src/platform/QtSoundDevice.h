// Sound files through Qt Multimedia's media player.
#pragma once

#include "platform/SoundDevice.h"

#include <memory>

class QMediaPlayer;
class QAudioOutput;

namespace tw {

class QtSoundDevice : public SoundDevice
{
public:
    QtSoundDevice();
    ~QtSoundDevice() override;
    bool open(const QString &path) override;
    void run() override;
    void stop() override;
    void rewind() override;
    double position() const override;
    double length() const override;
    bool isPlaying() const override;

private:
    void ensurePlayer();
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
    bool m_failed = false;
};

} // namespace tw
