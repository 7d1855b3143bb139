#include "platform/QtSoundDevice.h"

#include "platform/WaveHeader.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>

namespace tw {

QtSoundDevice::QtSoundDevice() = default;

QtSoundDevice::~QtSoundDevice()
{
    if (m_player)
        m_player->stop();
}

// The player is made on first use so start-up does not pay for the media backend.
void QtSoundDevice::ensurePlayer()
{
    if (m_player)
        return;
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    m_player->setAudioOutput(m_output.get());
    QObject::connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, m_player.get(),
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia && m_running)
                             m_endReported = true;
                     });
    // Errors (no sound card, no decoder) are not fatal: the sound stays silent
    // and still lasts its length, so nothing else has to change.
}

bool QtSoundDevice::open(const QString &path)
{
    m_open = false;
    m_running = false;
    m_endReported = false;
    m_offset = 0.0;
    m_length = 0.0;
    const WaveInfo info = readWaveInfo(path);
    if (!info.valid)
        return false;
    ensurePlayer();
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_length = info.seconds;
    m_open = true;
    return true;
}

double QtSoundDevice::elapsed() const { return m_running ? m_timer.elapsed() / 1000.0 : 0.0; }

void QtSoundDevice::run()
{
    if (!m_open || m_running)
        return;
    m_endReported = false;
    m_player->play();
    m_timer.start();
    m_running = true;
}

void QtSoundDevice::stop()
{
    if (!m_player)
        return;
    m_offset = position();
    m_running = false;
    m_player->stop();
}

void QtSoundDevice::rewind()
{
    m_offset = 0.0;
    m_endReported = false;
    if (!m_player)
        return;
    m_player->setPosition(0);
    if (m_running)
        m_timer.start();
}

double QtSoundDevice::position() const { return std::min(m_offset + elapsed(), m_length); }

double QtSoundDevice::length() const { return m_length; }

bool QtSoundDevice::isPlaying() const
{
    return m_running && !m_endReported && m_offset + elapsed() < m_length;
}

} // namespace tw
