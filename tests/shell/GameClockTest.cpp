// The one-second clock: the time limit, the periodic question, the set-up
// watchdog and Delay, on the fake clock.
#include "shell/GameClock.h"
#include "common/Constants.h"
#include "platform/BoundedWait.h"
#include "quiz/SoundFiles.h"
#include "shell/Settings.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterWidget.h"
#include "speech/Speaker.h"
#include "speech/SpeechFixtures.h"
#include "support/TestWindow.h"

#include <QDir>

#include <cmath>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

constexpr double kTen = 36000.0; // 10 o'clock

// A window playing Paint Box (it needs no content), with a question open at
// 10 o'clock and the clock then ticking by hand.
struct ClockWindow : TestWindow
{
    ClockWindow()
    {
        w().settings().LoadData();
        w().shell.LastGame = GamePaintBox;
        w().MNU_Game_Click(GamePaintBox);
        w().ResetAnswer(); // the tests lay out tiles of their own
        fakes.clock->now = kTen;
        w().shell.QuestionStart = long(kTen);
        w().quiz.AwaitingAnswer = 1;
        w().shell.TickCount = 0;
    }
    QString wave(const QString &name)
    {
        QDir(appDir.path()).mkpath(QStringLiteral("Sounds"));
        const QString path = appDir.filePath(name);
        EXPECT_TRUE(writeWave(path, 0.2));
        return path;
    }
    // Moves the clock to `at` (seconds since midnight, wrapping) and ticks.
    void tickAt(double at)
    {
        fakes.clock->now = std::fmod(at, 86400.0);
        w().clock().Timer1_Timer();
    }
    int played(const QString &path) const { return int(fakes.sound->opened.count(path)); }
};

TEST(GameClock, WarnsThenTimesOutWithAFifteenSecondLimit)
{
    using P = GameClock::LimitPhase;
    const struct
    {
        double seconds;
        P phase;
    } cases[] = {{0, P::Running},  {10, P::Running}, {10.5, P::Warning},   {13.9, P::Warning},
                 {14, P::Running}, {15, P::Running}, {15.01, P::TimedOut}, {16, P::TimedOut}};
    for (const auto &c : cases) {
        EXPECT_EQ(GameClock::limitPhase(c.seconds, 15), c.phase) << c.seconds;
        EXPECT_EQ(GameClock::limitPhase(c.seconds, 0), P::Running) << c.seconds;
    }
}

// Also for a question begun at 23:59:55: the clock restarts at midnight. With
// no limit the question stays open.
TEST(GameClock, TheGameRestartsOnTheFirstTickAfterTheLimit)
{
    const std::pair<double, bool> cases[] = {{kTen, true}, {86395.0, true}, {kTen, false}};
    for (const auto &[start, limited] : cases) {
        ClockWindow t;
        const QString error = t.wave(QStringLiteral("Error.wav"));
        if (limited)
            t.w().settings().MNU_Limit_Click(1);
        ASSERT_EQ(t.w().shell.TimeLimit, limited ? 15 : 0);
        t.w().shell.QuestionStart = long(start);

        std::vector<int> restarts, expected;
        for (int s = 1; s <= 200; ++s) {
            const long before = t.w().shell.QuestionStart;
            t.tickAt(start + s);
            if (t.w().shell.QuestionStart != before)
                restarts.push_back(s);
            if (limited && s % 16 == 0)
                expected.push_back(s);
        }
        EXPECT_EQ(restarts, expected) << start;
        EXPECT_EQ(t.w().quiz.AwaitingAnswer, 1);
        EXPECT_EQ(t.w().shell.CurrentGame, GamePaintBox);
        EXPECT_EQ(t.played(error), 0); // no character: no sound
    }
}

// With the character on screen, it asks for attention as the limit nears, then
// says the time is up and the game deals again.
TEST(GameClock, TheCharacterWarnsBeforeTheLimitThenSaysTimeIsUp)
{
    ClockWindow t;
    Educate &w = t.w();
    writeCharacter(t.appDir.filePath(QStringLiteral("Characters")), QStringLiteral("Owl"));
    auto *voice = new FakeSpeechEngine(*t.fakes.clock);
    w.platform().speech.reset(voice);
    Speaker &speaker = w.speaker();
    speaker.AgentIni();
    speaker.LoadSpeaker();
    speaker.LoadMerlin();
    speaker.Talk(QString()); // shows the character
    ASSERT_TRUE(speaker.characterVisible());
    const CharacterWidget *look = speaker.agent()->widget();
    w.shell.Exclaim[4] = QStringLiteral("Times! Up");
    w.settings().MNU_Limit_Click(1);
    t.tickAt(kTen + 9);
    EXPECT_FALSE(look->attentionPlaying());
    t.tickAt(kTen + 11);
    EXPECT_TRUE(look->attentionPlaying());
    t.tickAt(kTen + 16);
    ASSERT_EQ(voice->said.size(), 2u);
    EXPECT_EQ(voice->said[0].text + voice->said[1].text, QStringLiteral("Times! Up"));
    EXPECT_GT(w.shell.QuestionStart, long(kTen) + 15) << "dealt again";
    EXPECT_EQ(w.quiz.AwaitingAnswer, 1);
}

TEST(GameClock, ATickInsideATimeOutsWaitDoesNotRestartAgain)
{
    ClockWindow t;
    const QString error = t.wave(QStringLiteral("Error.wav"));
    t.w().settings().MNU_Limit_Click(1);
    t.w().shell.QuestionStart = long(kTen);
    t.w().speech.SpeakerLoaded = true; // a character, but hidden: the error sound plays
    int nested = 0;
    t.fakes.pump->onPump = [&] {
        ++nested;
        t.w().clock().Timer1_Timer();
    };
    t.tickAt(kTen + 16);
    EXPECT_GT(nested, 0);
    EXPECT_EQ(t.played(error), 1);
    EXPECT_FALSE(t.w().shell.Loading);
    EXPECT_EQ(t.w().quiz.AwaitingAnswer, 1);
}

TEST(GameClock, TheQuestionIsPresentedEveryElevenTicks)
{
    ClockWindow t;
    const QString moo = t.wave(QStringLiteral("Moo.wav"));
    QuizState &q = t.w().quiz;
    t.w().shell.CurrentSubject = QStringLiteral("Sounds");
    q.QuestionTile = 1;
    q.ItemValue[1] = 3;
    q.SoundList[3] = moo;
    std::vector<int> presented;
    for (int tick = 1; tick <= 33; ++tick) {
        const int before = t.played(moo);
        t.tickAt(kTen + tick);
        if (t.played(moo) != before)
            presented.push_back(tick);
    }
    EXPECT_EQ(presented, (std::vector<int> {11, 22, 33}));
}

TEST(GameClock, LettersPlayTheAnswersOwnSound)
{
    ClockWindow t;
    const QString apple = t.wave(QStringLiteral("Sounds/Apple.wav"));
    Educate &w = t.w();
    ASSERT_TRUE(w.Question.load(1));
    ASSERT_TRUE(w.Answer.load(2));
    w.Question(1)->setText(QStringLiteral("\nA a"));
    w.Question(1)->tag = QStringLiteral("2");
    w.Answer(2)->setText(QStringLiteral("Apple"));
    w.quiz.QuestionTile = 1;
    const std::pair<const char *, int> cases[] = {{"Letters", 1}, {"Spelling", 1}, {"Words", 0}};
    for (const auto &[subject, spoken] : cases) {
        w.shell.CurrentSubject = QLatin1String(subject);
        const int before = t.played(apple);
        w.shell.TickCount = 12;
        t.tickAt(kTen + 1);
        EXPECT_EQ(t.played(apple) - before, spoken) << subject;
    }
}

TEST(GameClock, TheWatchdogFlagsALongSetUp)
{
    ClockWindow t;
    ShellState &s = t.w().shell;
    s.Loading = true;
    t.tickAt(kTen + 1);
    EXPECT_FALSE(s.LoadTimeout);
    t.tickAt(kTen + 2);
    EXPECT_TRUE(s.LoadTimeout);

    s.LoadTimeout = false;
    t.tickAt(kTen + 3);
    s.Loading = false;
    t.tickAt(kTen + 4); // the count starts again after the set-up
    s.Loading = true;
    t.tickAt(kTen + 5);
    EXPECT_FALSE(s.LoadTimeout);
}

TEST(GameClock, DelayWaitsOnTheClockAndClearsLoading)
{
    const struct
    {
        double start;
        double seconds;
        bool loadingBefore;
    } cases[] = {{kTen, 2, false}, {kTen, 1, true}, {86399.5, 1, false}, {kTen, 0, false}};
    for (const auto &c : cases) {
        ClockWindow t;
        t.fakes.clock->now = c.start;
        t.fakes.pump->onPump = [&] {
            t.fakes.clock->now = std::fmod(t.fakes.clock->now, 86400.0);
            EXPECT_TRUE(t.w().shell.Loading);
        };
        t.w().shell.Loading = c.loadingBefore;
        const long pumpsBefore = t.fakes.pump->pumps;
        t.w().clock().Delay(c.seconds);
        const double waited = secondsBetween(c.start, t.fakes.clock->now);
        EXPECT_GE(waited, c.seconds);
        EXPECT_LT(waited, c.seconds + 0.2);
        EXPECT_LE(t.fakes.pump->pumps - pumpsBefore, long(c.seconds / t.fakes.pump->step) + 2);
        EXPECT_FALSE(t.w().shell.Loading);
    }
}

TEST(GameClock, TheRealTimerTicksOncePerSecond)
{
    ClockWindow t;
    t.w().clock().startTimer();
    EXPECT_TRUE(t.w().clock().timerRunning());
    const int before = t.w().shell.TickCount;
    QTest::qWait(GameClock::kTickMilliseconds + 300);
    EXPECT_EQ(t.w().shell.TickCount, before + 1);
    t.w().clock().stopTimer();
    EXPECT_FALSE(t.w().clock().timerRunning());
}

} // namespace
} // namespace tw::test
