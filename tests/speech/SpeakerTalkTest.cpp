// Talk: chunks spoken in order with their voice, captions without a voice,
// the child's click, every wait ending on the fake clock, and the shipped
// characters and their balloon as the child sees them over the window.
#include "speech/SpeechFixtures.h"

#include "quiz/SoundPlayer.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterFile.h"
#include "speech/CharacterWidget.h"
#include "speech/SpeechBalloon.h"

#include <QFile>
#include <QImage>
#include <QPalette>
#include <QTest>

namespace tw::test {
namespace {

const QString kLong = QStringLiteral("One little owl. Two little cats. Three big dogs. Four fish.");

class TalkTest : public SpeakerTest
{
protected:
    void SetUp() override
    {
        addCharacter(QStringLiteral("Owl"));
        useVoice();
        startCharacter(speaker());
        ASSERT_TRUE(win.w().speech.SpeakerLoaded);
    }
    // Runs Talk and returns the fake seconds it took.
    double talk(const QString &text)
    {
        const double start = now();
        speaker().Talk(text);
        return now() - start;
    }
};

// Speaking also stops a sound that is playing.
TEST_F(TalkTest, HiIsOneChunkWithTheTagsAppliedToTheVoiceNotSpoken)
{
    win.w().sounds().SoundPlaying = true;
    speaker().Talk(QStringLiteral("Hi"));
    EXPECT_FALSE(win.w().sounds().SoundPlaying);
    ASSERT_EQ(voice->said.size(), 1u);
    EXPECT_EQ(voice->said[0].text, QStringLiteral("Hi"));
    // The character's own voice (pitch 0.2, rate -0.1) raised by the tags of 10.
    EXPECT_NEAR(voice->said[0].pitch, 0.3, 1e-9);
    EXPECT_NEAR(voice->said[0].rate, 0.0, 1e-9);
    EXPECT_EQ(speaker().audioStatus(), kAudioIdle);
    voice->busy = true; // the desktop can tell the device is busy
    EXPECT_EQ(speaker().audioStatus(), kAudioBusy);
}

// Talk waits for each chunk in turn, with the balloon showing it; a voice that
// never starts still lets Talk go on, after a bounded wait per chunk.
TEST_F(TalkTest, SentencesAreSpokenOneAfterAnotherAndTalkWaitsForEach)
{
    for (const bool neverStarts : {false, true}) {
        SCOPED_TRACE(neverStarts);
        voice->said.clear();
        voice->secondsPerChunk = 1.0;
        voice->neverStarts = neverStarts;
        QStringList shown;
        win.fakes.pump->onPump = [&] {
            const QString t = speaker().balloonText();
            if (!t.isEmpty() && (shown.isEmpty() || shown.last() != t))
                shown << t;
        };
        const double took = talk(kLong);
        QStringList said;
        for (const auto &s : voice->said)
            said << s.text;
        EXPECT_EQ(said.join(QString()), kLong);
        EXPECT_EQ(said.size(), 4);
        EXPECT_EQ(shown.size(), 4);
        EXPECT_EQ(shown.first(), QStringLiteral("One little owl."));
        EXPECT_GE(took, 4.0);
        EXPECT_LT(took, neverStarts ? 4 * 8.0 + 1 : 5.0);
        EXPECT_EQ(speaker().audioStatus(), kAudioIdle);
    }
}

TEST_F(TalkTest, AClickStopsAfterTheCurrentChunkAndTheNextTalkIsWhole)
{
    win.fakes.pump->onPump = [&] {
        if (voice->said.size() == 2 && speaker().characterVisible())
            QTest::mouseClick(speaker().agent()->widget(), Qt::LeftButton);
    };
    speaker().Talk(kLong);
    EXPECT_EQ(voice->said.size(), 2u);
    EXPECT_FALSE(speaker().characterVisible());

    win.fakes.pump->onPump = nullptr;
    voice->said.clear();
    speaker().Talk(kLong);
    EXPECT_EQ(voice->said.size(), 4u);
    EXPECT_TRUE(speaker().characterVisible());
}

// No engine, or one that fails at once (no sound card): the balloon alone.
TEST_F(TalkTest, WithoutAnyVoiceTheBalloonSaysItForATimeThatFitsTheText)
{
    for (const bool engine : {false, true}) {
        useVoice(engine);
        if (voice)
            voice->failAfter = 0;
        QString shown;
        win.fakes.pump->onPump = [&] { shown = speaker().balloonText(); };
        const double shortTime = talk(QStringLiteral("Hi"));
        EXPECT_EQ(shown, QStringLiteral("Hi")) << engine;
        const double longTime = talk(kSeventy);
        EXPECT_GE(shortTime, 1.0) << engine;
        EXPECT_GT(longTime, shortTime + 2.0) << engine;
        EXPECT_LT(longTime, 10.0) << engine;
    }
}

TEST_F(TalkTest, AVoiceThatBreaksDownOrGetsStuckEndsTalk)
{
    voice->failAfter = 0.2; // mid-sentence
    EXPECT_LT(talk(kLong), 1.0);
    EXPECT_EQ(voice->said.size(), 1u);
    voice->failAfter = -1; // the next Talk tries again
    speaker().Talk(kLong);
    EXPECT_EQ(voice->said.size(), 5u);

    voice->secondsPerChunk = 1e6; // never done: cut off, so every wait ends
    EXPECT_LT(talk(QStringLiteral("Hi")), 61.0);
    EXPECT_GE(voice->stops, 1);
    EXPECT_EQ(speaker().audioStatus(), kAudioIdle);
    const double start = now();
    speaker().waitWhileSpeaking();
    EXPECT_EQ(now(), start);
}

// Speech switched off, or the character released as the program ends, while it talks.
TEST_F(TalkTest, LosingTheCharacterDuringTalkEndsIt)
{
    voice->secondsPerChunk = 100;
    for (const bool release : {true, false}) {
        if (!win.w().speech.SpeakerLoaded)
            startCharacter(speaker());
        voice->said.clear();
        win.fakes.pump->onPump = [&] {
            if (!voice->said.empty() && speaker().agent())
                release ? speaker().AgentTer() : speaker().MNU_SpkOn_Click();
        };
        speaker().Talk(kLong);
        EXPECT_EQ(voice->said.size(), 1u) << release;
        EXPECT_FALSE(win.w().speech.SpeakerLoaded) << release;
        EXPECT_FALSE(speaker().characterVisible()) << release;
        EXPECT_GE(voice->stops, 1) << "silenced";
    }
}

const QColor kSky(170, 210, 240);

// Share of pixels in `r` that differ from the sky behind the character.
double drawnShare(const QImage &image, const QRect &r)
{
    int drawn = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            drawn += image.pixelColor(x, y) != kSky;
    return double(drawn) / (r.width() * r.height());
}

// Every shipped character has three distinct looks and is drawn, alone, with
// its balloon beside it in a 800 x 600 window.
TEST_F(SpeakerTest, EachShippedCharacterIsDrawnWithItsBalloon)
{
    const QDir shipped(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/content/characters"));
    const QStringList files = shipped.entryList({QStringLiteral("*.twc")}, QDir::Files);
    ASSERT_GE(files.size(), 2);
    useVoice();
    voice->secondsPerChunk = 100;
    QWidget *area = win.w().playArea();
    area->setAutoFillBackground(true);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, kSky);
    area->setPalette(pal);
    win.w().show();
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        QString error;
        const auto c = CharacterFile::read(shipped.filePath(file), &error);
        ASSERT_TRUE(c) << error.toStdString();
        EXPECT_TRUE(c->art[0] != c->art[1] && c->art[0] != c->art[2] && c->art[1] != c->art[2]);

        QDir(characters()).removeRecursively();
        QDir().mkpath(characters());
        for (const QString &name : shipped.entryList(QDir::Files))
            if (name == file || !name.endsWith(QLatin1String(".twc")))
                QFile::copy(shipped.filePath(name), QDir(characters()).filePath(name));
        startCharacter(speaker());
        speaker().agent()->show();
        speaker().agent()->speak(QStringLiteral("\\Pit=10\\\\Spd=10\\Where is the red apple?"));
        const QImage shot = area->grab().toImage();
        const QRect character = speaker().agent()->widget()->geometry();
        const QRect balloon = speaker().agent()->balloon()->geometry();
        EXPECT_GT(drawnShare(shot, character), 0.3);
        EXPECT_GT(drawnShare(shot, balloon), 0.5);
        EXPECT_FALSE(character.contains(balloon.center()));
        EXPECT_EQ(speaker().balloonText(), QStringLiteral("Where is the red apple?"));
        speaker().AgentTer();
    }
}

} // namespace
} // namespace tw::test
