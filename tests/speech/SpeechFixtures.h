// Test helpers for the talking character: a scripted speech engine on the fake
// clock, small character files written into a test's own folder, and a main
// window with characters in its content folder.
#pragma once

#include "platform/SpeechEngine.h"
#include "platform/fakes/FakePlatform.h"
#include "speech/Speaker.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QDir>
#include <QString>

#include <vector>

#include <gtest/gtest.h>

namespace tw::test {

// A voice that "speaks" each chunk for `secondsPerChunk` of fake time. It can be
// made to never start or to fail part-way (at 0: at once, as without a sound device).
class FakeSpeechEngine : public SpeechEngine
{
public:
    struct Said
    {
        QString text;
        double pitch;
        double rate;
    };
    explicit FakeSpeechEngine(FakeClock &clock)
        : m_clock(clock)
    { }

    bool available() const override { return true; }
    void say(const QString &text, double pitch, double rate) override
    {
        said.push_back({text, pitch, rate});
        m_started = m_clock.now;
        m_stopped = false;
    }
    State state() const override
    {
        if (said.empty() || m_stopped || neverStarts)
            return State::Idle;
        const double t = m_clock.now - m_started;
        if (failAfter >= 0 && t >= failAfter)
            return State::Failed;
        return t < secondsPerChunk ? State::Speaking : State::Idle;
    }
    void stop() override
    {
        m_stopped = true;
        ++stops;
    }
    bool deviceBusy() const override { return busy; }

    std::vector<Said> said;
    bool neverStarts = false;
    double failAfter = -1; // seconds into each chunk; -1: never
    double secondsPerChunk = 0.5;
    bool busy = false;
    int stops = 0;

private:
    FakeClock &m_clock;
    double m_started = 0;
    bool m_stopped = false;
};

// 70 characters, no word of three letters or fewer after the 60th: one chunk.
inline const QString kSeventy
    = QStringLiteral("Twelve little elephants were walking slowly beside wonderful riverbed.");

inline QByteArray tinySvg(const char *colour)
{
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"50\">"
                      "<circle cx=\"20\" cy=\"25\" r=\"18\" fill=\"")
        + colour + "\"/></svg>";
}

// Writes "<name>.twc" and its three looks into `folder` (created if needed).
inline void writeCharacter(const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    for (const auto &[look, colour] :
         {std::pair("idle", "green"), std::pair("speaking", "red"), std::pair("attention", "blue")})
        writeFile(dir.filePath(name + QLatin1Char('-') + QLatin1String(look) + ".svg"),
                  tinySvg(colour));
    writeFile(dir.filePath(name + QStringLiteral(".twc")),
              QStringLiteral("[Character]\nFormat=1\nName=%1\nIdle=%1-idle.svg\n"
                             "Speaking=%1-speaking.svg\nAttention=%1-attention.svg\n"
                             "Pitch=0.2\nRate=-0.1\n")
                  .arg(name)
                  .toUtf8());
}

// Gives the window the scripted voice and returns it.
inline FakeSpeechEngine *installVoice(TestWindow &win)
{
    auto engine = std::make_unique<FakeSpeechEngine>(*win.fakes.clock);
    FakeSpeechEngine *voice = engine.get();
    win.w().platform().speech = std::move(engine);
    return voice;
}

// The start-up steps of the talking character.
inline void startCharacter(Speaker &speaker)
{
    speaker.AgentIni();
    speaker.LoadSpeaker();
    speaker.LoadMerlin();
}

class SpeakerTest : public ::testing::Test
{
protected:
    QString characters() const
    {
        return QDir(win.appDir.path()).filePath(QStringLiteral("Characters"));
    }
    void addCharacter(const QString &name) { writeCharacter(characters(), name); }
    // Installs the scripted voice (null: no speech engine at all).
    void useVoice(bool withVoice = true)
    {
        voice = withVoice ? installVoice(win) : nullptr;
        if (!withVoice)
            win.w().platform().speech.reset();
    }
    Speaker &speaker() { return win.w().speaker(); }
    MenuBar &menus() { return win.w().menus(); }
    double now() const { return win.fakes.clock->now; }

    TestWindow win;
    FakeSpeechEngine *voice = nullptr;
};

} // namespace tw::test
