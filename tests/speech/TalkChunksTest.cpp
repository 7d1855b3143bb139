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

// A chunk said with the greeting's tags (pitch and speed 10).
TalkChunk said(const QString &text) { return {text, 10, 10}; }

TEST(TalkChunks, CutsAsTalkSpeaksIt)
{
    const ChunkCase cases[] = {
        {"empty", QString(), {}},
        {"hi", QStringLiteral("Hi"), {said(QStringLiteral("Hi"))}},
        {"question",
         QStringLiteral("Whoops? Oh"),
         {said(QStringLiteral("Whoops? ")), said(QStringLiteral("Oh"))}},
        {"one letter", QStringLiteral("a"), {said(QStringLiteral("a"))}},
        {"letter and stop", QStringLiteral("b."), {said(QStringLiteral("b."))}},
        {"two sentences",
         QStringLiteral("Hi there. Bye now."),
         {said(QStringLiteral("Hi there. ")), said(QStringLiteral("Bye now."))}},
        {"times up",
         QStringLiteral("Times! Up"),
         {said(QStringLiteral("Times! ")), said(QStringLiteral("Up"))}},
        {"seventy characters", kSeventy, {said(kSeventy)}},
        {"short word after sixty",
         kShortWord,
         {{kShortWord.left(61), 0, 0}, said(QStringLiteral("old rivers today."))}},
        {"short word after a first sentence",
         QStringLiteral("Hello. ") + kShortWord,
         {said(QStringLiteral("Hello. ")), said(kShortWord.left(61)),
          said(QStringLiteral("old rivers today."))}},
    };
    for (const ChunkCase &c : cases) {
        const std::vector<TalkChunk> got = TalkChunks(c.text);
        ASSERT_EQ(got.size(), c.chunks.size()) << c.name;
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i].tagged(), c.chunks[i].tagged()) << c.name << " chunk " << i;
    }
}

TEST(TalkChunks, ChunksTogetherSayTheWholeTextOnce)
{
    const QStringList texts = {
        QStringLiteral("Where is the red apple? Click on it: then we can play again!"),
        kShortWord + QStringLiteral(" ") + kShortWord,
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
