#include "platform/AudioFeed.h"

#include "platform/PcmClip.h"

#include <QMutexLocker>

#include <cstring>

namespace tw {

namespace {

constexpr qint64 kPrerollBytes = kPlayRate * kPlayBytesPerSample / 5; // 0.2 s

} // namespace

AudioFeed::AudioFeed(QObject *parent)
    : QIODevice(parent)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

int AudioFeed::play(const QByteArray &samples)
{
    int ticket;
    {
        QMutexLocker lock(&m_mutex);
        m_clip = samples;
        m_at = 0;
        m_preroll = m_idle ? kPrerollBytes : 0;
        m_finished = samples.isEmpty();
        m_silenceServed = 0;
        ticket = ++m_ticket;
    }
    // Wakes a sink that went idle (delivered on the sink's own thread).
    Q_EMIT readyRead();
    return ticket;
}

void AudioFeed::stop(int ticket)
{
    QMutexLocker lock(&m_mutex);
    if (ticket != m_ticket || m_finished)
        return;
    m_at = m_clip.size();
    m_preroll = 0;
    m_finished = true;
}

bool AudioFeed::playing(int ticket) const
{
    QMutexLocker lock(&m_mutex);
    return ticket == m_ticket && !m_finished;
}

qint64 AudioFeed::bytesAvailable() const
{
    QMutexLocker lock(&m_mutex);
    const qint64 left = m_clip.size() - m_at;
    return m_preroll + left + (kTrailingSilenceBytes - m_silenceServed)
        + QIODevice::bytesAvailable();
}

qint64 AudioFeed::readData(char *data, qint64 maxSize)
{
    QMutexLocker lock(&m_mutex);
    maxSize -= maxSize % kPlayBytesPerSample; // whole samples only
    const qint64 pre = qMin(maxSize, m_preroll);
    std::memset(data, 0, size_t(pre));
    m_preroll -= pre;
    qint64 served = pre;
    if (m_preroll == 0) {
        const qint64 fromClip = qMin(maxSize - served, m_clip.size() - m_at);
        if (fromClip > 0) {
            std::memcpy(data + served, m_clip.constData() + m_at, size_t(fromClip));
            m_at += fromClip;
            served += fromClip;
            m_finished = m_at == m_clip.size();
        }
        if (m_at == m_clip.size()) {
            const qint64 post = qMin(maxSize - served, kTrailingSilenceBytes - m_silenceServed);
            std::memset(data + served, 0, size_t(post));
            m_silenceServed += post;
            served += post;
        }
    }
    // 0 once the silence after a clip is over: the sink stops asking until play().
    m_idle = served == 0;
    return served;
}

} // namespace tw
