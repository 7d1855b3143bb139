// Test doubles for the platform: a clock that moves only when told, a pump that
// advances it, a silent sound device and scripted dialogs.
#pragma once

#include "platform/Desktop.h"
#include "platform/Platform.h"

#include <QMap>
#include <QPagedPaintDevice>
#include <QStringList>

#include <deque>
#include <functional>

namespace tw {

class FakeClock : public Clock
{
public:
    double secondsSinceMidnight() const override { return now; }
    void advance(double seconds) { now += seconds; }
    double now = 36000.0; // 10 o'clock
};

// Each pump advances the fake clock by `step` seconds and runs `onPump`
// (a test hooks the timer or a dialog answer there).
class FakePump : public EventPump
{
public:
    explicit FakePump(FakeClock &clock)
        : m_clock(clock)
    { }
    void processEvents() override
    {
        ++pumps;
        m_clock.advance(step);
        if (onPump)
            onPump();
    }
    // A pause lets fake time pass like a pump but runs no events (no onPump).
    void pauseBriefly() override
    {
        ++pauses;
        m_clock.advance(step);
    }
    double step = 0.05;
    long pumps = 0;
    long pauses = 0;
    std::function<void()> onPump;

private:
    FakeClock &m_clock;
};

// Plays nothing; a file "lasts" `lengthSeconds` of fake time.
class FakeSoundDevice : public SoundDevice
{
public:
    explicit FakeSoundDevice(FakeClock &clock)
        : m_clock(clock)
    { }
    bool open(const QString &path) override
    {
        opened << path;
        m_open = !failOpen;
        m_started = -1;
        return m_open;
    }
    void run() override
    {
        if (m_open)
            m_started = m_clock.now;
    }
    void stop() override
    {
        ++stops;
        m_started = -1;
    }
    void rewind() override { }
    double position() const override { return m_started < 0 ? 0.0 : m_clock.now - m_started; }
    double length() const override { return m_open ? lengthSeconds : 0.0; }
    bool isPlaying() const override
    {
        return m_started >= 0 && m_clock.now - m_started < lengthSeconds;
    }
    QStringList opened;
    double lengthSeconds = 0.5;
    bool failOpen = false;
    int stops = 0;

private:
    FakeClock &m_clock;
    bool m_open = false;
    double m_started = -1;
};

class FakeDialogs : public Dialogs
{
public:
    void message(QWidget *, const QString &text, Icon) override { messages << text; }
    bool ask(QWidget *, const QString &text) override
    {
        messages << text;
        return askAnswer;
    }
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return nextFile;
    }
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return nextFile;
    }
    std::optional<QColor> chooseColour(QWidget *, const QColor &colour) override
    {
        offeredColour = colour;
        return nextColour;
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &font) override
    {
        offeredFont = font;
        return nextFont;
    }
    QStringList messages;
    bool askAnswer = true;
    QString nextFile;
    // What the colour and font dialogs return (nothing: cancelled) and were offered.
    std::optional<QColor> nextColour;
    std::optional<QFont> nextFont;
    QColor offeredColour;
    QFont offeredFont;
};

class FakeSystemKeys : public SystemKeys
{
public:
    void blockTaskSwitching(bool on) override { blocked = on; }
    bool taskSwitchingBlocked() const override { return blocked; }
    bool blocked = false;
};

// Opens and starts nothing; records what was asked. Programs listed in
// `installed` (name -> full path) are "on the PATH".
class FakeDesktop : public Desktop
{
public:
    void openDocument(const QString &path, QObject *, std::function<void()> couldNotOpen) override
    {
        opened << path;
        if (!canOpen && couldNotOpen)
            couldNotOpen();
    }
    QString findProgram(const QString &name) const override { return installed.value(name); }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started << (QStringList {program} + arguments).join(QLatin1Char(' '));
        return canStart;
    }
    QStringList opened;
    QStringList started;
    QMap<QString, QString> installed;
    bool canOpen = true;
    bool canStart = true;
};

// No printer unless a test gives it one: `open` then returns what `device` makes.
class FakePrinter : public Printer
{
public:
    std::unique_ptr<QPagedPaintDevice> open(const PageSetup &page) override
    {
        opened << page;
        return device ? device(page) : nullptr;
    }
    std::function<std::unique_ptr<QPagedPaintDevice>(const PageSetup &)> device;
    QList<PageSetup> opened;
};

// A platform built of fakes; the raw pointers stay valid while the Platform lives.
struct FakePlatform
{
    FakeClock *clock = nullptr;
    FakePump *pump = nullptr;
    FakeSoundDevice *sound = nullptr;
    FakeDialogs *dialogs = nullptr;
    FakeSystemKeys *keys = nullptr;
    FakeDesktop *desktop = nullptr;
    FakePrinter *printer = nullptr;
    Random *random = nullptr;

    // Builds the fakes into `p` (seeded random) and returns handles to them.
    static FakePlatform make(Platform &p, std::uint32_t seed = 1)
    {
        FakePlatform f;
        auto clock = std::make_unique<FakeClock>();
        f.clock = clock.get();
        auto pump = std::make_unique<FakePump>(*clock);
        f.pump = pump.get();
        auto sound = std::make_unique<FakeSoundDevice>(*clock);
        f.sound = sound.get();
        auto dialogs = std::make_unique<FakeDialogs>();
        f.dialogs = dialogs.get();
        auto keys = std::make_unique<FakeSystemKeys>();
        f.keys = keys.get();
        p.clock = std::move(clock);
        p.pump = std::move(pump);
        p.sound = std::move(sound);
        p.dialogs = std::move(dialogs);
        p.systemKeys = std::move(keys);
        auto desktop = std::make_unique<FakeDesktop>();
        f.desktop = desktop.get();
        p.desktop = std::move(desktop);
        auto printer = std::make_unique<FakePrinter>();
        f.printer = printer.get();
        p.printer = std::move(printer);
        p.random = std::make_unique<Random>(seed);
        f.random = p.random.get();
        return f;
    }
};

} // namespace tw
