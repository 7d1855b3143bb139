// Cutting a text into speakable chunks, and reading the voice tags in front of one.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tw {

// A chunk longer than this many characters is broken at a short word.
constexpr int kChunkThreshold = 60;
// A following word counts as short when the next space is less than this far.
constexpr int kShortWordLimit = 5;
// The pitch and speed tag values of a chunk that ends at a sentence mark.
constexpr int kSentencePitch = 10;
constexpr int kSentenceSpeed = 10;

struct TalkChunk
{
    QString text;
    int pitch = 0;
    int speed = 0;
    // The request handed to the character: "\Pit=<pitch>\\Spd=<speed>\<text>".
    QString tagged() const;
    bool operator==(const TalkChunk &) const = default;
};

// True when `text` has a letter or digit to say: an empty or punctuation-only caption has none.
bool hasWords(const QString &text);

// Splits `text` the way Talk speaks it: sentence by sentence, the character
// after a sentence mark staying with its sentence, and a sentence of more than
// kChunkThreshold characters broken at the first space after that point which
// is followed by a word of at most three letters. A chunk cut at such a break
// keeps the tags of the chunk before it (0 for the first). Empty text: no chunks.
std::vector<TalkChunk> TalkChunks(const QString &text);

// A speech request with its leading tags read off: the words to say and the
// values of the "\Pit=n\" and "\Spd=n\" tags when present. Other leading tags
// of the same shape are dropped, so no tag is ever spoken aloud.
struct SpeechRequest
{
    QString text;
    std::optional<int> pitch;
    std::optional<int> speed;
};
SpeechRequest parseSpeechTags(const QString &request);

} // namespace tw
