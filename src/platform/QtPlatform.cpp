#include "platform/Platform.h"
#include "platform/QtAudioOutput.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "platform/QtSoundDevice.h"
#include "platform/SpeechEngine.h"

#include <QCoreApplication>
#include <QThread>
#include <QTime>

namespace tw {

namespace {

class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() const override
    {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
};

class QtEventPump : public EventPump
{
public:
    void processEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // A short sleep keeps a waiting loop from spinning a whole core.
        QThread::msleep(5);
    }
};

class DesktopKeys : public SystemKeys
{
public:
    void blockTaskSwitching(bool on) override { m_on = on; }
    bool taskSwitchingBlocked() const override { return m_on; }

private:
    bool m_on = false;
};

} // namespace

Platform::Platform() = default;
Platform::Platform(Platform &&) noexcept = default;
Platform &Platform::operator=(Platform &&) noexcept = default;
Platform::~Platform() = default;

Platform Platform::makeReal()
{
    Platform p;
    p.clock = std::make_unique<SystemClock>();
    p.pump = std::make_unique<QtEventPump>();
    p.random = std::make_unique<Random>(
        static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    // Sounds and the voice share one output, opened on first use.
    auto output = std::make_shared<QtAudioOutput>();
    p.sound = std::make_unique<QtSoundDevice>(output);
    p.dialogs = std::make_unique<QtDialogs>();
    p.systemKeys = std::make_unique<DesktopKeys>();
    p.desktop = std::make_unique<QtDesktop>(QtDesktop::sessionOpener());
    p.printer = std::make_unique<QtPrinter>();
    p.speech = makeSystemSpeechEngine(output);
    return p;
}

} // namespace tw
