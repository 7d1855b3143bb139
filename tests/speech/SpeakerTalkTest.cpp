// Talk: chunks spoken in order with their voice, captions without a voice,
// the child's click, and every wait ending on the fake clock.
#include "speech/SpeakerTestBase.h"

#include "quiz/SoundPlayer.h"
#include "quiz/TileLayout.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterWidget.h"

#include <QTest>

namespace tw::test {
namespace {

const QString kLong = QStringLiteral("One little owl. Two little cats. Three big dogs. Four fish.");
const QString kSeventy
    = QStringLiteral("Twelve little elephants were walking slowly beside wonderful riverbed.");

class TalkTest : public SpeakerTest
{
protected:
    void SetUp() override
    {
        addCharacter(QStringLiteral("Owl"));
        useVoice();
        startUp();
        ASSERT_TRUE(win.w().speech.SpeakerLoaded);
    }
    // Runs Talk and returns the fake seconds it took.
    double talk(const QString &text)
    {
        const double start = now();
        speaker().Talk(text);
        return now() - start;
    }
    QStringList saidTexts() const
    {
        QStringList out;
        for (const auto &s : voice->said)
            out << s.text;
        return out;
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
    EXPECT_TRUE(speaker().characterVisible());
    EXPECT_EQ(speaker().audioStatus(), kAudioIdle);
    voice->busy = true; // the desktop can tell the device is busy
    EXPECT_EQ(speaker().audioStatus(), kAudioBusy);
}

TEST_F(TalkTest, SentencesAreSpokenOneAfterAnotherAndTalkWaitsForEach)
{
    voice->secondsPerChunk = 1.0;
    QStringList statusWhileSaying;
    win.fakes.pump->onPump = [&] {
        if (speaker().audioStatus() == kAudioSpeaking)
            statusWhileSaying << speaker().balloonText();
    };
    const double took = talk(QStringLiteral("Hi there. Bye now."));
    EXPECT_EQ(saidTexts(),
              (QStringList {QStringLiteral("Hi there. "), QStringLiteral("Bye now.")}));
    EXPECT_GE(took, 2.0);
    EXPECT_LT(took, 3.0);
    // The balloon shows each chunk while it is said.
    EXPECT_TRUE(statusWhileSaying.contains(QStringLiteral("Hi there.")));
    EXPECT_TRUE(statusWhileSaying.contains(QStringLiteral("Bye now.")));
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

TEST_F(TalkTest, AVoiceThatNeverStartsStillLetsTalkReturnShowingEachChunk)
{
    voice->neverStarts = true;
    QStringList shown;
    win.fakes.pump->onPump = [&] {
        const QString t = speaker().balloonText();
        if (!t.isEmpty() && (shown.isEmpty() || shown.last() != t))
            shown << t;
    };
    const double took = talk(kLong);
    EXPECT_EQ(voice->said.size(), 4u);
    EXPECT_EQ(shown.size(), 4);
    EXPECT_LT(took, 4 * 8.0 + 1);
    EXPECT_GT(took, 4 * 1.0);
    EXPECT_EQ(speaker().audioStatus(), kAudioIdle);
}

TEST_F(TalkTest, WithoutAnyVoiceTheBalloonSaysItForATimeThatFitsTheText)
{
    for (const bool engine : {false, true}) {
        useVoice(engine);
        if (voice)
            voice->failAtOnce = true; // no sound card: the engine fails at once
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
            startUp();
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

// Above a tile created later, and above every tile the grid's layout raises.
TEST_F(TalkTest, TheCharacterStaysOnTopOfTheTiles)
{
    speaker().Talk(QStringLiteral("Hi"));
    Educate &w = win.w();
    QWidget *character = speaker().agent()->widget();
    auto *tile = new QWidget(w.playArea());
    tile->setGeometry(w.playArea()->rect());
    tile->show();
    const QObjectList &children = w.playArea()->children();
    EXPECT_GT(children.indexOf(character), children.indexOf(tile));
    // In its corner, inside the play area.
    EXPECT_TRUE(w.playArea()->rect().contains(character->geometry()));

    w.shell.GridMax = 2;
    w.layout().LoadLabels();
    w.layout().ReDraw();
    for (int t = 1; t <= 9; ++t) {
        EXPECT_GT(children.indexOf(character), children.indexOf(w.Answer(t))) << t;
        EXPECT_GT(children.indexOf(character), children.indexOf(w.Img(t))) << t;
    }
}

// Empty text shows the character silently; GetAttention plays only while it is shown.
TEST_F(TalkTest, EmptyTextShowsTheCharacterAndGetAttentionPlaysOnlyThen)
{
    speaker().GetAttention();
    EXPECT_FALSE(speaker().agent()->widget()->attentionPlaying());
    EXPECT_LT(talk(QString()), 0.5);
    EXPECT_TRUE(voice->said.empty());
    speaker().GetAttention();
    EXPECT_EQ(speaker().agent()->widget()->look(), CharacterLook::Attention);
    speaker().AgentTer();
    speaker().GetAttention(); // no character: nothing happens
}

} // namespace
} // namespace tw::test
