// How Talk cuts a text into chunks and tags them, and how the tags are read back.
#include "speech/TalkChunks.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct ChunkCase
{
    const char *name;
    QString text;
    std::vector<TalkChunk> chunks;
};

// 70 characters, no word of three letters or fewer after the 60th.
const QString kSeventy
    = QStringLiteral("Twelve little elephants were walking slowly beside wonderful riverbed.");
// Over 60 characters, and the word after the 61st character is "old".
const QString kShortWord = QStringLiteral(
    "Twelve little elephants were walking slowly beside wonderful old rivers today.");

TEST(TalkChunks, CutsAsTalkSpeaksIt)
{
    const ChunkCase cases[] = {
        {"empty", QString(), {}},
        {"hi", QStringLiteral("Hi"), {{QStringLiteral("Hi"), 10, 10}}},
        {"one letter", QStringLiteral("a"), {{QStringLiteral("a"), 10, 10}}},
        {"letter and stop", QStringLiteral("b."), {{QStringLiteral("b."), 10, 10}}},
        {"two sentences",
         QStringLiteral("Hi there. Bye now."),
         {{QStringLiteral("Hi there. "), 10, 10}, {QStringLiteral("Bye now."), 10, 10}}},
        {"exclamation",
         QStringLiteral("Oh. Dear"),
         {{QStringLiteral("Oh. "), 10, 10}, {QStringLiteral("Dear"), 10, 10}}},
        {"times up",
         QStringLiteral("Times! Up"),
         {{QStringLiteral("Times! "), 10, 10}, {QStringLiteral("Up"), 10, 10}}},
        {"question", QStringLiteral("Whoops?"), {{QStringLiteral("Whoops?"), 10, 10}}},
        {"seventy characters", kSeventy, {{kSeventy, 10, 10}}},
        {"short word after sixty",
         kShortWord,
         {{kShortWord.left(61), 0, 0}, {QStringLiteral("old rivers today."), 10, 10}}},
        {"short word after a first sentence",
         QStringLiteral("Hello. ") + kShortWord,
         {{QStringLiteral("Hello. "), 10, 10},
          {kShortWord.left(61), 10, 10},
          {QStringLiteral("old rivers today."), 10, 10}}},
    };
    for (const ChunkCase &c : cases) {
        const std::vector<TalkChunk> got = TalkChunks(c.text);
        ASSERT_EQ(got.size(), c.chunks.size()) << c.name;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.chunks[i].text) << c.name << " chunk " << i;
            EXPECT_EQ(got[i].pitch, c.chunks[i].pitch) << c.name << " chunk " << i;
            EXPECT_EQ(got[i].speed, c.chunks[i].speed) << c.name << " chunk " << i;
        }
    }
}

TEST(TalkChunks, ChunksTogetherSayTheWholeTextOnce)
{
    const QStringList texts = {
        QStringLiteral("Where is the red apple? Click on it: then we can play again!"),
        QStringLiteral("A. B. C."),
        kShortWord + QStringLiteral(" ") + kShortWord,
        QStringLiteral("x y"),
        QStringLiteral("One, two, three, four, five, six, seven, eight, nine, ten, eleven, "
                       "twelve, thirteen, fourteen, fifteen, sixteen."),
    };
    for (const QString &text : texts) {
        QString joined;
        for (const TalkChunk &c : TalkChunks(text)) {
            EXPECT_FALSE(c.text.isEmpty()) << text.toStdString();
            joined += c.text;
        }
        EXPECT_EQ(joined, text);
    }
}

TEST(TalkChunks, TagsComeFirstBackToBack)
{
    EXPECT_EQ((TalkChunk {QStringLiteral("Hi"), 10, 10}.tagged()),
              QStringLiteral("\\Pit=10\\\\Spd=10\\Hi"));
    EXPECT_EQ((TalkChunk {QStringLiteral("Twelve "), 0, 0}.tagged()),
              QStringLiteral("\\Pit=0\\\\Spd=0\\Twelve "));
}

TEST(SpeechTags, ReadOffAndNeverLeftInTheWords)
{
    struct Case
    {
        QString request;
        QString text;
        std::optional<int> pitch;
        std::optional<int> speed;
    };
    const Case cases[] = {
        {QStringLiteral("\\Pit=10\\\\Spd=10\\Hi"), QStringLiteral("Hi"), 10, 10},
        {QStringLiteral("\\Spd=-5\\Slow"), QStringLiteral("Slow"), std::nullopt, -5},
        {QStringLiteral("\\Vol=3\\\\pit=20\\Loud"), QStringLiteral("Loud"), 20, std::nullopt},
        {QStringLiteral("Plain words"), QStringLiteral("Plain words"), std::nullopt, std::nullopt},
        // A tag in the middle of the words is not a leading tag: said as written.
        {QStringLiteral("Hi \\Pit=3\\"), QStringLiteral("Hi \\Pit=3\\"), std::nullopt,
         std::nullopt},
        // A broken tag is not a tag.
        {QStringLiteral("\\Pit=\\Hi"), QStringLiteral("\\Pit=\\Hi"), std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        const SpeechRequest r = parseSpeechTags(c.request);
        EXPECT_EQ(r.text, c.text) << c.request.toStdString();
        EXPECT_EQ(r.pitch, c.pitch) << c.request.toStdString();
        EXPECT_EQ(r.speed, c.speed) << c.request.toStdString();
    }
}

} // namespace
} // namespace tw

TEST(TalkChunks, OnlyTextWithALetterOrDigitHasWordsToSay)
{
    for (const char *silent : {"", ".", " . ", "?!", "\n"})
        EXPECT_FALSE(tw::hasWords(QString::fromLatin1(silent))) << silent;
    for (const char *said : {"a.", "7", " Hi ", "\nA a"})
        EXPECT_TRUE(tw::hasWords(QString::fromLatin1(said))) << said;
}
