// The one-second clock: the time limit, the periodic question and Delay, on
// the fake clock.
#include "shell/GameClock.h"
#include "common/Constants.h"
#include "platform/BoundedWait.h"
#include "quiz/SoundFiles.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterWidget.h"
#include "speech/SpeechFixtures.h"

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
    const FakeSpeechEngine *voice = installVoice(t);
    Speaker &speaker = w.speaker();
    startCharacter(speaker);
    speaker.Talk(QString()); // shows the character
    const CharacterWidget *look = speaker.agent()->widget();
    w.shell.Exclaim[4] = QStringLiteral("Times! Up");
    w.settings().MNU_Limit_Click(1);
    t.tickAt(kTen + 9);
    EXPECT_FALSE(look->attentionPlaying());
    t.tickAt(kTen + 11);
    EXPECT_TRUE(look->attentionPlaying());
    t.tickAt(kTen + 15); // the limit itself is not yet over it
    EXPECT_TRUE(voice->said.empty());
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

// Every eleventh tick presents the question again: its sound, or for Letters
// and Spelling the answer's own word.
TEST(GameClock, TheQuestionIsPresentedEveryElevenTicks)
{
    ClockWindow t;
    Educate &w = t.w();
    const QString moo = t.wave(QStringLiteral("Moo.wav"));
    const QString apple = t.wave(QStringLiteral("Sounds/Apple.wav"));
    ASSERT_TRUE(w.Question.load(1) && w.Answer.load(2));
    w.Question(1)->setText(QStringLiteral("\nA a"));
    w.Question(1)->tag = QStringLiteral("2");
    w.Answer(2)->setText(QStringLiteral("Apple"));
    w.quiz.QuestionTile = 1;
    w.quiz.ItemValue[1] = 3;
    w.quiz.SoundList[3] = moo;
    const std::pair<const char *, QString> cases[]
        = {{"Sounds", moo}, {"Letters", apple}, {"Spelling", apple}, {"Words", {}}};
    for (const auto &[subject, sound] : cases) {
        w.shell.CurrentSubject = QLatin1String(subject);
        w.shell.TickCount = 0;
        QStringList &opened = t.fakes.sound->opened;
        opened.clear();
        for (int tick = 1; tick <= 33; ++tick) {
            t.tickAt(kTen + tick);
            if (tick % 11 == 10) { // just before each presentation
                EXPECT_EQ(opened.size(), sound.isEmpty() ? 0 : tick / 11) << subject << tick;
            }
        }
        EXPECT_EQ(opened.size(), sound.isEmpty() ? 0 : 3) << subject;
        EXPECT_EQ(opened.filter(sound).size(), opened.size()) << subject;
    }
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

} // namespace
} // namespace tw::test
