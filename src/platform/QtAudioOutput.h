// The program's one sound output: a Qt audio sink on a thread of its own,
// playing one clip at a time (a new clip replaces the one playing).
#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>

class QThread;
class QAudioSink;

namespace tw {

class AudioFeed;

// The sink is opened on first use, on its own thread, so neither start-up nor
// the window waits for the sound system; and it keeps playing while the
// window's thread is busy or waits without processing events.
class QtAudioOutput
{
public:
    enum class Device { Unknown, Ready, None };

    QtAudioOutput();
    ~QtAudioOutput();
    QtAudioOutput(const QtAudioOutput &) = delete;
    QtAudioOutput &operator=(const QtAudioOutput &) = delete;

    // Opens the sink in the background (once); play() does it too.
    void prepare();
    // Plays samples in the play format (see PcmClip.h); returns its ticket.
    int play(const QByteArray &samples);
    void stop(int ticket);
    // True while the clip with this ticket has samples not yet handed to the
    // sink (those handed over are heard in full, a clip after them follows).
    bool playing(int ticket) const;
    // Ready once the sink is open, None when there is no output device or it
    // could not be opened, Unknown before that is known.
    Device device() const { return m_device.load(); }
    // Waits (at most `ms`) until the device is known; the state then.
    Device waitForDevice(int ms);

private:
    void openSink(); // on the output thread

    std::unique_ptr<QThread> m_thread;
    AudioFeed *m_feed = nullptr; // lives on m_thread
    QAudioSink *m_sink = nullptr; // lives on m_thread
    std::atomic<Device> m_device {Device::Unknown};
};

} // namespace tw
