// Sound files through Qt Multimedia's media player, timed by the file's own length.
#pragma once

#include "platform/SoundDevice.h"

#include <QElapsedTimer>

#include <memory>

class QMediaPlayer;
class QAudioOutput;

namespace tw {

// Only RIFF/WAVE files are opened. Position, length and the end of playing come
// from the wave header and a real-time clock started by run(), not from the
// player's notifications: those arrive only while events are processed (the
// Pairs game waits without processing them), and without a sound card the
// player fails at once. Either way a sound "plays" for its real length, so the
// games keep the same pace with or without a sound card.
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
    double elapsed() const;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
    QElapsedTimer m_timer; // started by run()
    double m_length = 0.0; // seconds, from the wave header
    double m_offset = 0.0; // position when the timer was (re)started or stopped
    bool m_open = false;
    bool m_running = false;
    bool m_endReported = false; // the player reached the end before the clock did
};

} // namespace tw
