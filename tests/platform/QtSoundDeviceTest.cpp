// The real sound device plays a wave file for its length, with or without a sound
// card and with or without window events being processed.
#include "platform/QtSoundDevice.h"
#include "platform/QtAudioOutput.h"
#include "platform/WaveHeader.h"

#include "quiz/SoundFiles.h"
#include "support/Files.h"
#include "support/Wait.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace tw;

TEST(QtSoundDevice, AWaveFilePlaysToItsEndInRealTimeOrUntilStopped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tone 1s.wav");
    ASSERT_TRUE(test::writeWave(path, 1.0));
    QtSoundDevice device(std::make_shared<QtAudioOutput>());
    for (bool events : {true, false}) { // the Pairs game waits without events
        ASSERT_TRUE(device.open(path));
        device.run();
        EXPECT_TRUE(device.isPlaying());
        QElapsedTimer timer;
        timer.start();
        test::waitUntil([&] { return !device.isPlaying(); }, 5000, events);
        const double took = timer.elapsed() / 1000.0;
        EXPECT_FALSE(device.isPlaying());
        EXPECT_GT(took, 0.85) << "events " << events;
        EXPECT_LT(took, 1.6) << "events " << events;
        EXPECT_NEAR(device.position(), device.length(), 0.2);
    }
    // Stopped part-way, it keeps its place until rewound.
    ASSERT_TRUE(device.open(path));
    device.run();
    QThread::msleep(300);
    device.stop();
    EXPECT_FALSE(device.isPlaying());
    EXPECT_GT(device.position(), 0.2);
    device.rewind();
    EXPECT_EQ(device.position(), 0.0);
}

TEST(WaveHeader, MeasuresThePlayingTimeOfTheDataPresent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Half.wav");
    ASSERT_TRUE(test::writeWave(path, 2.0));
    EXPECT_NEAR(readWaveInfo(path).seconds, 2.0, 0.001);
    const QByteArray bytes = test::readFile(path);
    ASSERT_GT(bytes.size(), 44 + 8000); // the cut below falls inside the data
    // Cut in half: the header still claims 2 seconds, the file holds 1.
    const WaveInfo cut = parseWaveHeader(bytes.left(44 + 8000), 44 + 8000);
    EXPECT_TRUE(cut.valid);
    EXPECT_NEAR(cut.seconds, 1.0, 0.001);
    EXPECT_FALSE(parseWaveHeader(bytes.left(30), 30).valid);
    QByteArray noRate = bytes;
    noRate[28] = noRate[29] = noRate[30] = noRate[31] = 0; // byte rate 0
    EXPECT_FALSE(parseWaveHeader(noRate, noRate.size()).valid);
    QByteArray huge = bytes.left(44);
    huge[40] = huge[41] = huge[42] = huge[43] = char(0xFF); // claims 4 GB of data
    EXPECT_NEAR(parseWaveHeader(huge, 44).seconds, 0.0, 0.001);
}
