// Sound files through the program's one sound output, each decoded once and kept.
#pragma once

#include "platform/SoundDevice.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>

#include <memory>

namespace tw {

class QtAudioOutput;

// Only RIFF/WAVE files are opened. A sound plays for its real length whether
// or not an output device exists, so the games keep the same pace with or
// without a sound card: it ends when both its length has passed on a
// real-time clock started by run() and the output has played it out.
class QtSoundDevice : public SoundDevice
{
public:
    explicit QtSoundDevice(std::shared_ptr<QtAudioOutput> output);
    ~QtSoundDevice() override;
    bool open(const QString &path) override;
    void run() override;
    void stop() override;
    void rewind() override;
    double position() const override;
    double length() const override;
    bool isPlaying() const override;

    // Files larger than this are not played (a sound of the games lasts seconds).
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

private:
    struct Decoded
    {
        QByteArray samples;
        qint64 size = 0;
        QDateTime modified;
    };
    const Decoded *decoded(const QString &path);
    double elapsed() const;

    std::shared_ptr<QtAudioOutput> m_output;
    QHash<QString, Decoded> m_cache; // by absolute path
    qint64 m_cachedBytes = 0;
    QByteArray m_samples; // of the open file
    int m_ticket = 0; // of the clip on the output, 0 when none
    QElapsedTimer m_timer; // started by run()
    double m_length = 0.0; // seconds
    double m_offset = 0.0; // position when the timer was (re)started or stopped
    bool m_open = false;
    bool m_running = false;
};

} // namespace tw
