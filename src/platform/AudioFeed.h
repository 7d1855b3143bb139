// The endless stream the sound output reads: the clip being played, then silence.
#pragma once

#include "platform/PcmClip.h"

#include <QByteArray>
#include <QIODevice>
#include <QMutex>

namespace tw {

// Read by the audio sink on the output's own thread; clips are handed over and
// taken back from the window's thread, so every field is guarded by the mutex.
// After a clip it serves silence for a while (so a clip's end is pushed out of
// the sink's buffer), then reports no data so an idle output goes to sleep.
// A clip that wakes an idle output is preceded by a moment of silence, which
// the output's start-up (filling its buffers) may cut or stretch instead of
// the clip's first notes.
class AudioFeed : public QIODevice
{
    Q_OBJECT
public:
    // Silence served after a clip before the stream goes idle: long enough to
    // push the clip's end through the sink's buffer and to keep the stream
    // warm between sounds that follow each other closely.
    static constexpr qint64 kTrailingSilenceBytes = 3 * kPlayRate * kPlayBytesPerSample;

    explicit AudioFeed(QObject *parent = nullptr);

    // Replaces whatever is playing by `samples` (play format); returns its ticket.
    int play(const QByteArray &samples);
    // Ends the clip with this ticket now, if it is still the one playing.
    void stop(int ticket);
    // True while the clip with this ticket has samples the sink has not read.
    // What the sink has read is heard in full, also when a new clip follows.
    bool playing(int ticket) const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    mutable QMutex m_mutex;
    QByteArray m_clip;
    qint64 m_at = 0; // next byte of m_clip to serve
    int m_ticket = 0;
    bool m_finished = true; // the clip has been served in full, or stopped
    // Bytes of silence since the clip ended (none is due before the first clip).
    qint64 m_silenceServed = kTrailingSilenceBytes;
    qint64 m_preroll = 0; // bytes of silence still to serve before the clip
    bool m_idle = true; // nothing served lately: the sink is starting afresh
};

} // namespace tw
