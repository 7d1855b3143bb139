// PlaySound waits for the end of a sound, at most 10 seconds, and GetSample draws
// each value once per deal.
#include "quiz/SoundPlayer.h"
#include "platform/BoundedWait.h"

#include "SoundFiles.h"
#include "support/TestWindow.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace tw;

namespace {

struct SoundFixture : ::testing::Test
{
    test::TestWindow tw;
    Educate &w = tw.w();
    FakeSoundDevice &device = *tw.fakes.sound;
    FakeClock &clock = *tw.fakes.clock;
    FakePump &pump = *tw.fakes.pump;

    QString wave(const char *name)
    {
        const QString path = tw.appDir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(test::writeWave(path, 0.2));
        return path;
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
        w.sounds().PlaySound(wave("Long.wav"));
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
    test::writeFile(tw.appDir.filePath("Cut.wav"), QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16));
    const QString paths[] = {tw.appDir.filePath("Fake.wav"), tw.appDir.filePath("Cut.wav"),
                             tw.appDir.filePath("Nothing here.wav"), QString(), tw.appDir.path()};
    for (const QString &path : paths) {
        const double start = clock.now;
        w.sounds().PlaySound(path);
        EXPECT_EQ(clock.now, start) << path.toStdString();
        EXPECT_FALSE(w.sounds().SoundPlaying);
    }
    EXPECT_TRUE(device.opened.isEmpty());

    // A wave file the player cannot open: at most the first sound's paint turn.
    device.failOpen = true;
    const double start = clock.now;
    w.sounds().PlaySound(wave("Broken.wav"));
    EXPECT_LE(clock.now - start, pump.step + 1e-9);
    EXPECT_FALSE(w.sounds().SoundPlaying);
}

TEST_F(SoundFixture, WindowEventsRunWhileASoundPlaysExceptInPairs)
{
    device.lengthSeconds = 1.0;
    int events = 0;
    pump.onPump = [&] { ++events; };

    w.shell.CurrentSubject = "Sounds";
    w.setHourglass(true);
    w.sounds().PlaySound(wave("Cow.wav"));
    EXPECT_GT(events, 10);
    EXPECT_FALSE(w.hourglass()); // the pointer returns to the default while waiting

    events = 0;
    const long pauses = pump.pauses;
    w.shell.CurrentSubject = "Pairs";
    const double start = clock.now;
    w.sounds().PlaySound(wave("Cow.wav"));
    EXPECT_EQ(events, 0);
    EXPECT_GT(pump.pauses, pauses);
    EXPECT_NEAR(clock.now - start, 1.0, 0.11); // and still waits for the end
}

TEST_F(SoundFixture, AStopOrAnotherSoundDuringTheWaitEndsIt)
{
    device.lengthSeconds = 8;
    pump.onPump = [&] {
        if (pump.pumps == 5) // an answer click or the character starting to speak
            w.sounds().stop();
    };
    double start = clock.now;
    w.sounds().PlaySound(wave("Cow.wav"));
    EXPECT_LT(clock.now - start, 0.5);
    EXPECT_FALSE(w.sounds().SoundPlaying);

    // A sound started meanwhile replaces the first: the outer wait ends with it.
    device.lengthSeconds = 2;
    const QString second = wave("Chimes.wav");
    pump.pumps = 0;
    pump.onPump = [&] {
        if (pump.pumps == 3)
            w.sounds().PlaySound(second);
    };
    start = clock.now;
    w.sounds().PlaySound(wave("Cow.wav"));
    EXPECT_EQ(device.opened.size(), 3);
    EXPECT_LT(clock.now - start, 2.5);
    EXPECT_FALSE(w.sounds().SoundPlaying);
}

TEST(GetSample, EachDealDrawsDistinctValuesInRangeAndZeroWhenNoneIsLeft)
{
    test::TestWindow tw(3);
    SoundPlayer &sounds = tw.w().sounds();
    for (int range : {2, 5, 5, 9, 101, 301}) { // 5 twice: a reset starts afresh
        sounds.GetSample(0, 0, true);
        std::set<int> drawn;
        const int slots = std::min(range - 1, 299);
        for (int slot = 2; slot < 2 + slots; ++slot) {
            const int value = sounds.GetSample(range, slot);
            EXPECT_GE(value, 1);
            EXPECT_LT(value, range);
            drawn.insert(value);
        }
        EXPECT_EQ(static_cast<int>(drawn.size()), slots) << "range " << range;
    }
    // Impossible draws return 0 instead of hanging.
    sounds.GetSample(0, 0, true);
    EXPECT_EQ(sounds.GetSample(3, 2) + sounds.GetSample(3, 3), 3); // 1 and 2
    EXPECT_EQ(sounds.GetSample(3, 4), 0); // nothing is left
    EXPECT_EQ(sounds.GetSample(10, 301), 0); // beyond the table
    EXPECT_EQ(sounds.GetSample(10, -1), 0);
    EXPECT_EQ(sounds.GetSample(0, 2), 0);
}
