// A main window on fake platform parts with characters in its content folder
// and a scripted voice, for the talking character's tests.
#pragma once

#include "speech/Speaker.h"
#include "speech/SpeechFixtures.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace tw::test {

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
        if (withVoice) {
            auto engine = std::make_unique<FakeSpeechEngine>(*win.fakes.clock);
            voice = engine.get();
            win.w().platform().speech = std::move(engine);
        } else {
            voice = nullptr;
            win.w().platform().speech.reset();
        }
    }
    // The start-up steps of the talking character.
    void startUp()
    {
        speaker().AgentIni();
        speaker().LoadSpeaker();
        speaker().LoadMerlin();
    }
    Speaker &speaker() { return win.w().speaker(); }
    MenuBar &menus() { return win.w().menus(); }
    double now() const { return win.fakes.clock->now; }

    TestWindow win;
    FakeSpeechEngine *voice = nullptr;
};

} // namespace tw::test
