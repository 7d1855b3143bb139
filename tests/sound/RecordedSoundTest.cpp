// What the child hears: the real program plays into a private PulseAudio server
// whose output is recorded and searched for every chime, sound and word.
#include "platform/EspeakSpeechEngine.h"
#include "platform/PcmClip.h"
#include "platform/fakes/FakePlatform.h"
#include "quiz/QuizEngine.h"
#include "quiz/SoundPlayer.h"
#include "shell/Educate.h"
#include "shell/GameClock.h"
#include "shell/GameIds.h"
#include "speech/CharacterAgent.h"
#include "speech/Speaker.h"
#include "support/AudioMatch.h"
#include "support/PulseServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace tw;
using namespace tw::test;

namespace {

const QString kContent = QStringLiteral(TUMBLEWICK_CONTENT_DIR) + QLatin1Char('/');

std::vector<qint16> contentSound(const QString &path)
{
    QFile file(path);
    return samplesOf(file.open(QIODevice::ReadOnly) ? decodeWave(file.readAll()) : QByteArray());
}

class RecordedSound : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(kContent + QStringLiteral("Chimes.wav")))
            GTEST_SKIP() << "the shipped content folder has not been built";
        server = std::make_unique<PulseServer>();
        if (!server->error().empty())
            GTEST_SKIP() << "no private PulseAudio server, so nothing can be recorded: "
                         << server->error();
        Platform p = Platform::makeReal();
        p.dialogs = std::make_unique<FakeDialogs>(); // no message box waits for a click
        window = std::make_unique<Educate>(std::move(p), kContent, writeDir.path());
        window->Form_Load(); // the character and the options, no game yet
        window->resize(800, 600);
        window->show();
        server->startRecording();
    }

    void TearDown() override
    {
        window.reset();
        server.reset();
    }

    Educate &w() { return *window; }
    int rightAnswer() { return w().Question(w().quiz.QuestionTile)->tag.toInt(); }
    // Lets the window run for `ms` (sounds started by a tick play meanwhile).
    void runFor(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    QTemporaryDir writeDir;
    std::unique_ptr<PulseServer> server;
    std::unique_ptr<Educate> window;
};

} // namespace

TEST_F(RecordedSound, EveryChimeOfAColoursDealIsHeard)
{
    w().MNU_Game_Click(GameColours);
    const int questions = (w().shell.GridMax + 1) * (w().shell.GridMax + 1) - 1;
    for (int k = 0; k < questions; ++k)
        w().engine().Answer_Click(rightAnswer()); // returns when the chime has played
    const auto heard = findSound(server->stopRecording(), contentSound(kContent + "Chimes.wav"));
    EXPECT_EQ(int(heard.size()), questions);
}

TEST_F(RecordedSound, TheSoundsGameIsHeardFromEveryTile)
{
    // A whole deal on a 2 x 2 grid: the first sound, each chime, each next
    // sound; then the loudspeaker click and the periodic repeat of the last.
    w().shell.GridMax = 1;
    w().MNU_Game_Click(GameSounds);
    const QuizState &quiz = w().quiz;
    std::vector<QString> played {quiz.SoundList[quiz.ItemValue[quiz.QuestionTile]]};
    const int questions = (w().shell.GridMax + 1) * (w().shell.GridMax + 1) - 1;
    for (int k = 0; k < questions - 1; ++k) {
        w().engine().Answer_Click(rightAnswer());
        played.push_back(quiz.SoundList[quiz.ItemValue[quiz.QuestionTile]]);
    }
    w().engine().Question_Click(quiz.QuestionTile); // the loudspeaker tile
    w().shell.TickCount = 10; // the next tick is the eleventh
    w().clock().Timer1_Timer();
    const std::vector<qint16> rec = server->stopRecording();

    EXPECT_EQ(int(findSound(rec, contentSound(kContent + "Chimes.wav")).size()), questions - 1);
    std::map<QString, int> expected;
    for (const QString &s : played)
        ++expected[s];
    expected[played.back()] += 2;
    for (const auto &[path, times] : expected)
        EXPECT_EQ(int(findSound(rec, contentSound(path)).size()), times) << path.toStdString();
}

TEST_F(RecordedSound, HiIsSpokenWhenSpellingStarts)
{
    w().MNU_Game_Click(GameSpelling);
    CharacterAgent *agent = w().speaker().agent();
    ASSERT_TRUE(agent && w().speech.SpeakerLoaded);
    const std::vector<qint16> rec = server->stopRecording();
    const QString program = findEspeakProgram();
    ASSERT_FALSE(program.isEmpty());
    const std::vector<qint16> hi = samplesOf(decodeWave(EspeakSpeechEngine::synthesise(
        program, QStringLiteral("Hi"), EspeakSpeechEngine::wordsPerMinute(agent->lastRate()),
        EspeakSpeechEngine::pitchValue(agent->lastPitch()), 4000)));
    const double seconds = double(hi.size()) / kPlayRate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.5);
    EXPECT_EQ(findSound(rec, hi).size(), 1u) << "the word as the voice says it";
}

TEST_F(RecordedSound, NothingPlaysAfterTheWindowCloses)
{
    // The window closes while the first sound of the Sounds game plays.
    QElapsedTimer sinceStart;
    sinceStart.start();
    qint64 playingAt = -1, closedAt = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (playingAt < 0 && w().sounds().SoundPlaying)
            playingAt = sinceStart.elapsed();
        if (playingAt >= 0 && closedAt < 0 && sinceStart.elapsed() - playingAt > 300) {
            closedAt = sinceStart.elapsed();
            window->close();
        }
    });
    closer.start(10);
    w().MNU_Game_Click(GameSounds);
    closer.stop();
    ASSERT_GE(closedAt, 0) << "the sound was playing when the window closed";
    window.reset();
    runFor(1500);
    const std::vector<qint16> rec = server->stopRecording();
    // Allow for what was already on its way to the speaker when it closed.
    const auto quietFrom = size_t((closedAt + 400) * PulseServer::kRate / 1000);
    ASSERT_GT(rec.size(), quietFrom);
    int loudest = 0;
    for (size_t i = quietFrom; i < rec.size(); ++i)
        loudest = std::max(loudest, std::abs(int(rec[i])));
    EXPECT_LT(loudest, 100);
    const bool heardBefore = std::any_of(rec.begin(), rec.begin() + long(quietFrom),
                                         [](qint16 s) { return std::abs(s) > 300; });
    EXPECT_TRUE(heardBefore) << "the sound was heard until the window closed";
}
