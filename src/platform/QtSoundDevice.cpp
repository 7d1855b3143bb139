#include "platform/QtSoundDevice.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

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
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                     [this](QMediaPlayer::Error, const QString &) { m_failed = true; });
}

bool QtSoundDevice::open(const QString &path)
{
    QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    ensurePlayer();
    m_failed = false;
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return !m_failed;
}

void QtSoundDevice::run()
{
    if (m_player && !m_failed)
        m_player->play();
}

void QtSoundDevice::stop()
{
    if (m_player)
        m_player->pause();
}

void QtSoundDevice::rewind()
{
    if (m_player)
        m_player->setPosition(0);
}

double QtSoundDevice::position() const
{
    return m_player ? m_player->position() / 1000.0 : 0.0;
}

double QtSoundDevice::length() const
{
    return m_player ? m_player->duration() / 1000.0 : 0.0;
}

bool QtSoundDevice::isPlaying() const
{
    if (!m_player || m_failed)
        return false;
    return m_player->playbackState() == QMediaPlayer::PlayingState
            && m_player->mediaStatus() != QMediaPlayer::EndOfMedia
            && m_player->mediaStatus() != QMediaPlayer::InvalidMedia;
}

} // namespace tw
