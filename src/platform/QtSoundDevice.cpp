#include "platform/QtSoundDevice.h"

#include "platform/PcmClip.h"
#include "platform/QtAudioOutput.h"
#include "platform/SafeFile.h"

#include <QFileInfo>

#include <algorithm>

namespace tw {

namespace {
// Decoded sounds kept at most (the shipped ones take a few megabytes).
constexpr qint64 kMaxCachedBytes = 16 * 1024 * 1024;
// However the output behaves, a sound ends this long after its length.
constexpr double kMaxOutputLag = 1.0;
} // namespace

QtSoundDevice::QtSoundDevice(std::shared_ptr<QtAudioOutput> output)
    : m_output(std::move(output))
{ }

QtSoundDevice::~QtSoundDevice()
{
    if (m_output && m_ticket)
        m_output->stop(m_ticket);
}

const QtSoundDevice::Decoded *QtSoundDevice::decoded(const QString &path)
{
    const QFileInfo info(path);
    const QString key = info.absoluteFilePath();
    const auto hit = m_cache.constFind(key);
    if (hit != m_cache.constEnd() && info.isFile() && hit->size == info.size()
        && hit->modified == info.lastModified())
        return &*hit;
    // A FIFO, a device or a huge file where a sound should be is refused.
    const FileBytes file = readRegularFile(key, kMaxFileBytes);
    if (!file.ok())
        return nullptr;
    Decoded d {decodeWave(file.bytes), file.size, info.lastModified()};
    if (d.samples.isEmpty())
        return nullptr;
    if (hit != m_cache.constEnd())
        m_cachedBytes -= hit->samples.size();
    if (m_cachedBytes + d.samples.size() > kMaxCachedBytes) {
        m_cache.clear();
        m_cachedBytes = 0;
    }
    m_cachedBytes += d.samples.size();
    return &*m_cache.insert(key, std::move(d));
}

bool QtSoundDevice::open(const QString &path)
{
    stop();
    m_open = false;
    m_offset = 0.0;
    m_length = 0.0;
    m_samples.clear();
    const Decoded *d = decoded(path);
    if (!d)
        return false;
    m_samples = d->samples;
    m_length = pcmSeconds(m_samples);
    m_open = true;
    return true;
}

double QtSoundDevice::elapsed() const { return m_running ? m_timer.elapsed() / 1000.0 : 0.0; }

void QtSoundDevice::run()
{
    if (!m_open || m_running)
        return;
    const auto from = qint64(m_offset * kPlayRate) * kPlayBytesPerSample;
    if (m_output && from < m_samples.size())
        m_ticket = m_output->play(from == 0 ? m_samples : m_samples.mid(from));
    m_timer.start();
    m_running = true;
}

void QtSoundDevice::stop()
{
    if (m_output && m_ticket)
        m_output->stop(m_ticket);
    m_ticket = 0;
    m_offset = position();
    m_running = false;
}

void QtSoundDevice::rewind()
{
    m_offset = 0.0;
    if (m_running) {
        stop();
        m_offset = 0.0;
        run();
    }
}

double QtSoundDevice::position() const { return std::min(m_offset + elapsed(), m_length); }

double QtSoundDevice::length() const { return m_length; }

bool QtSoundDevice::isPlaying() const
{
    if (!m_running)
        return false;
    const double t = m_offset + elapsed();
    if (t < m_length)
        return true;
    // The length has passed; the output may still be playing the end of it.
    return t < m_length + kMaxOutputLag && m_output && m_ticket && m_output->playing(m_ticket);
}

} // namespace tw
