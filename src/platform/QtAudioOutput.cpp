#include "platform/QtAudioOutput.h"

#include "platform/AudioFeed.h"
#include "platform/PcmClip.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QThread>

namespace tw {

namespace {

// The sink's buffer: short, so a stopped sound ends promptly, yet long enough
// not to run dry on a busy machine.
constexpr int kBufferMs = 200;
constexpr int kMsPerSecond = 1000;
constexpr int kPollMs = 5;
constexpr int kStopWaitMs = 2000;

} // namespace

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput()
{
    if (!m_thread)
        return;
    // The sink and the feed belong to the output thread: delete them there.
    QMetaObject::invokeMethod(
        m_feed,
        [this] {
            if (m_sink) {
                m_sink->stop();
                delete m_sink;
                m_sink = nullptr;
            }
            delete m_feed;
            m_feed = nullptr;
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait(kStopWaitMs);
}

void QtAudioOutput::prepare()
{
    if (m_thread)
        return;
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("Sound output"));
    m_feed = new AudioFeed;
    m_feed->moveToThread(m_thread.get());
    m_thread->start();
    QMetaObject::invokeMethod(
        m_feed, [this] { openSink(); }, Qt::QueuedConnection);
}

void QtAudioOutput::openSink()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_device = Device::None;
        return;
    }
    QAudioFormat format;
    format.setSampleRate(kPlayRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = new QAudioSink(device, format);
    m_sink->setBufferSize(kPlayRate * kPlayBytesPerSample * kBufferMs / kMsPerSecond);
    m_sink->start(m_feed);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        delete m_sink;
        m_sink = nullptr;
        m_device = Device::None;
        return;
    }
    m_device = Device::Ready;
}

int QtAudioOutput::play(const QByteArray &samples)
{
    prepare();
    return m_feed->play(samples);
}

void QtAudioOutput::stop(int ticket)
{
    if (m_feed)
        m_feed->stop(ticket);
}

bool QtAudioOutput::playing(int ticket) const
{
    return m_feed && m_device.load() != Device::None && m_feed->playing(ticket);
}

QtAudioOutput::Device QtAudioOutput::waitForDevice(int ms)
{
    prepare();
    const QDeadlineTimer deadline(ms);
    while (m_device.load() == Device::Unknown && !deadline.hasExpired())
        QThread::msleep(kPollMs);
    return m_device.load();
}

} // namespace tw
