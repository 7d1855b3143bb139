// PlaySound waits for the end of a sound, at most 10 seconds, and GetSample draws
// each value once per deal.
#include "quiz/SoundPlayer.h"
#include "platform/BoundedWait.h"

#include "SoundFiles.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace tw;

namespace {

struct SoundFixture : ::testing::Test
{
    test::TestWindow tw;
    SoundPlayer &sounds = tw.w().sounds();
    FakeSoundDevice &device = *tw.fakes.sound;
    FakeClock &clock = *tw.fakes.clock;
    FakePump &pump = *tw.fakes.pump;

    // Plays a fresh wave file `name`; the seconds the call took.
    double play(const char *name)
    {
        const QString path = tw.appDir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(test::writeWave(path, 0.2));
        const double start = clock.now;
        sounds.PlaySound(path);
        return clock.now - start;
    }
};

} // namespace

TEST_F(SoundFixture, ALongSoundIsStoppedAfterTenSecondsEvenAcrossMidnight)
{
    device.lengthSeconds = 30;
    pump.onPump = [this] { clock.now = std::fmod(clock.now, 86400.0); };
    for (const double start : {36000.0, 86397.0}) {
        clock.now = start;
        const int stopsBefore = device.stops;
        play("Long.wav");
        const double waited = secondsBetween(start, clock.now);
        EXPECT_GT(waited, SoundPlayer::kMaxPlaySeconds) << start;
        EXPECT_LT(waited, SoundPlayer::kMaxPlaySeconds + 0.2) << start;
        EXPECT_GT(device.stops, stopsBefore);
        EXPECT_FALSE(device.isPlaying());
    }
}

TEST_F(SoundFixture, FilesThatCannotPlayReturnAtOnceAndSilently)
{
    test::writeFile(tw.appDir.filePath("Fake.wav"), "not a wave file, just text that claims to be");
    for (const QString &path :
         {tw.appDir.filePath("Fake.wav"), tw.appDir.filePath("Nothing here.wav"), QString(),
          tw.appDir.path()}) {
        const double start = clock.now;
        sounds.PlaySound(path);
        EXPECT_EQ(clock.now, start) << path.toStdString();
        EXPECT_FALSE(sounds.SoundPlaying);
    }
    EXPECT_TRUE(device.opened.isEmpty());

    // A wave file the player cannot open: at most the first sound's paint turn.
    device.failOpen = true;
    EXPECT_LE(play("Broken.wav"), pump.step + 1e-9);
    EXPECT_FALSE(sounds.SoundPlaying);
}

TEST_F(SoundFixture, WindowEventsRunWhileASoundPlaysExceptInPairs)
{
    device.lengthSeconds = 1.0;
    int events = 0;
    pump.onPump = [&] { ++events; };
    tw.w().shell.CurrentSubject = "Sounds";
    tw.w().setHourglass(true);
    play("Cow.wav");
    EXPECT_GT(events, 10);
    EXPECT_FALSE(tw.w().hourglass()); // the pointer returns to the default while waiting

    events = 0;
    const long pauses = pump.pauses;
    tw.w().shell.CurrentSubject = "Pairs";
    EXPECT_NEAR(play("Cow.wav"), 1.0, 0.11); // still waits for the end
    EXPECT_EQ(events, 0);
    EXPECT_GT(pump.pauses, pauses);
}

TEST_F(SoundFixture, AStopOrAnotherSoundDuringTheWaitEndsIt)
{
    device.lengthSeconds = 8;
    pump.onPump = [&] {
        if (pump.pumps == 5) // an answer click or the character starting to speak
            sounds.stop();
    };
    EXPECT_LT(play("Cow.wav"), 0.5);
    EXPECT_FALSE(sounds.SoundPlaying);

    // A sound started meanwhile replaces the first: the outer wait ends with it.
    device.lengthSeconds = 2;
    pump.pumps = 0;
    pump.onPump = [&] {
        if (pump.pumps == 3)
            play("Chimes.wav");
    };
    EXPECT_LT(play("Cow.wav"), 2.5);
    EXPECT_EQ(device.opened.size(), 3);
    EXPECT_FALSE(sounds.SoundPlaying);
}

TEST(GetSample, EachDealDrawsDistinctValuesInRangeAndZeroWhenNoneIsLeft)
{
    test::TestWindow tw(3);
    SoundPlayer &sounds = tw.w().sounds();
    for (int range : {2, 5, 5, 9, 101, 301}) { // 5 twice: a reset starts afresh
        sounds.GetSample(0, 0, true);
        std::set<int> drawn;
        const int slots = std::min(range - 1, 299);
        for (int slot = 2; slot < 2 + slots; ++slot)
            drawn.insert(sounds.GetSample(range, slot));
        EXPECT_EQ(static_cast<int>(drawn.size()), slots) << "range " << range;
        EXPECT_TRUE(*drawn.begin() >= 1 && *drawn.rbegin() < range) << "range " << range;
    }
    // Impossible draws return 0 instead of hanging.
    sounds.GetSample(0, 0, true);
    EXPECT_EQ(sounds.GetSample(3, 2) + sounds.GetSample(3, 3), 3); // 1 and 2
    EXPECT_EQ(sounds.GetSample(3, 4), 0); // nothing is left
    EXPECT_EQ(sounds.GetSample(10, 301), 0); // beyond the table
    EXPECT_EQ(sounds.GetSample(10, -1), 0);
    EXPECT_EQ(sounds.GetSample(0, 2), 0);
}
