// What the child hears: the real window plays into a private PulseAudio server
// whose output is recorded and searched for every chime, sound and word.
#include "common/Constants.h"
#include "platform/EspeakSpeechEngine.h"
#include "platform/PcmClip.h"
#include "platform/fakes/FakePlatform.h"
#include "quiz/QuizEngine.h"
#include "quiz/SoundPlayer.h"
#include "shell/Educate.h"
#include "shell/GameClock.h"
#include "speech/CharacterAgent.h"
#include "speech/Speaker.h"
#include "support/PulseServer.h"

#include <gtest/gtest.h>

#include <map>

using namespace tw;
using namespace tw::test;

namespace {

const QString kContent = QStringLiteral(TUMBLEWICK_CONTENT_DIR "/");

std::vector<qint16> contentSound(const QString &path)
{
    return PulseServer::samplesOf(
        decodeWave(readFile(path.startsWith(QLatin1Char('/')) ? path : kContent + path)));
}

// The process's server, started before the first test when a recorded test is to run.
struct PulseEnvironment : ::testing::Environment
{
    void SetUp() override
    {
        const ::testing::UnitTest &all = *::testing::UnitTest::GetInstance();
        for (int i = 0; i < all.total_test_suite_count(); ++i) {
            const ::testing::TestSuite &suite = *all.GetTestSuite(i);
            if (suite.should_run() && std::string(suite.name()) == "RecordedSound")
                server = std::make_unique<PulseServer>();
        }
    }
    void TearDown() override { server.reset(); }
    std::unique_ptr<PulseServer> server;
};

auto *const g_pulse
    = static_cast<PulseEnvironment *>(::testing::AddGlobalTestEnvironment(new PulseEnvironment));

class RecordedSound : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_pulse->server);
        if (!server().error().empty())
            GTEST_SKIP() << "no private PulseAudio server, nothing can be recorded: "
                         << server().error();
        Platform p = Platform::makeReal();
        p.dialogs = std::make_unique<FakeDialogs>(); // no message box waits for a click
        window = std::make_unique<Educate>(std::move(p), kContent, writeDir.path());
        window->Form_Load(); // the character and the options, no game yet
        window->show();
        server().startRecording();
    }

    static PulseServer &server() { return *g_pulse->server; }
    Educate &w() { return *window; }
    int tiles() const { return (window->shell.GridMax + 1) * (window->shell.GridMax + 1); }
    int rightAnswer() { return w().Question(w().quiz.QuestionTile)->tag.toInt(); }
    QString questionSound()
    {
        return w().quiz.SoundList[w().quiz.ItemValue[w().quiz.QuestionTile]];
    }

    QTemporaryDir writeDir;
    std::unique_ptr<Educate> window;
};

} // namespace

TEST_F(RecordedSound, TheSoundsGameIsHeardFromEveryTile)
{
    // A whole 2 x 2 deal: each question's sound and each chime; then the last
    // sound again for the loudspeaker click and for the periodic repeat.
    w().shell.GridMax = 1;
    w().MNU_Game_Click(GameSounds);
    std::map<QString, int> expected {{questionSound(), 1}};
    for (int k = 2; k < tiles(); ++k) {
        w().engine().Answer_Click(rightAnswer());
        ++expected[questionSound()];
    }
    expected[questionSound()] += 2;
    w().engine().Question_Click(w().quiz.QuestionTile);
    w().shell.TickCount = 10; // the next tick is the eleventh
    w().clock().Timer1_Timer();
    const auto rec = server().stopRecording();
    EXPECT_EQ(int(findSound(rec, contentSound("Chimes.wav")).size()), tiles() - 2);
    for (const auto &[path, times] : expected)
        EXPECT_EQ(int(findSound(rec, contentSound(path)).size()), times) << path.toStdString();
}

TEST_F(RecordedSound, HiIsSpokenWhenSpellingStarts)
{
    w().MNU_Game_Click(GameSpelling);
    const CharacterAgent *agent = w().speaker().agent();
    ASSERT_TRUE(agent && w().speech.SpeakerLoaded);
    const auto rec = server().stopRecording();
    // The word as the voice says it, with the greeting's speed and pitch.
    const auto hi = PulseServer::samplesOf(decodeWave(EspeakSpeechEngine::synthesise(
        findEspeakProgram(), QStringLiteral("Hi"),
        EspeakSpeechEngine::wordsPerMinute(agent->lastRate()),
        EspeakSpeechEngine::pitchValue(agent->lastPitch()), PulseServer::kWaitMs)));
    EXPECT_GT(hi.size(), size_t(kPlayRate / 5)) << "a word lasts a moment";
    EXPECT_LT(hi.size(), size_t(kPlayRate * 3 / 2));
    EXPECT_EQ(findSound(rec, hi).size(), 1u);
}
