#include "speech/TalkChunks.h"

#include <QRegularExpression>

#include <algorithm>

namespace tw {

bool hasWords(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

namespace {

constexpr QChar kCarriageReturn = QChar(13);

bool endsSentence(QChar c)
{
    return c == u'?' || c == u':' || c == u'!' || c == u'.' || c == kCarriageReturn;
}

bool endsChunkExtension(QChar c)
{
    return c == u':' || c == u'!' || c == u'?' || c == u',' || c == u'.' || c == u' '
        || c == kCarriageReturn;
}

} // namespace

QString TalkChunk::tagged() const
{
    return QStringLiteral("\\Pit=%1\\\\Spd=%2\\%3").arg(pitch).arg(speed).arg(text);
}

std::vector<TalkChunk> TalkChunks(const QString &text)
{
    std::vector<TalkChunk> chunks;
    const int length = int(text.size());
    if (length == 0)
        return chunks;
    // Positions are 1-based: at(p) is the p-th character.
    auto at = [&text](int p) { return text.at(p - 1); };

    int p = 0;
    int pitch = 0;
    int speed = 0;
    while (true) {
        QString chunk;
        int count = 0;
        bool shortBreak = false;
        // Gather up to a sentence mark, the last two characters, or a short-word break.
        do {
            ++count;
            if (p < length) {
                ++p;
                chunk += at(p);
            }
            if (at(p) == u' ' && count > kChunkThreshold) {
                int next = int(text.indexOf(u' ', p)) + 1; // 1-based, 0 when none
                if (next == 0)
                    next = length + 1; // the end counts as the space after the last word
                if (next - p < kShortWordLimit)
                    shortBreak = true;
            }
        } while (!endsSentence(at(p)) && p < length - 2 && !shortBreak);

        if (!shortBreak) {
            // Take in the rest of the sentence and the character after its mark.
            if (at(p) == kCarriageReturn)
                --p;
            do {
                // At the very end there is nothing more to take (a one-letter
                // text must not have its letter said twice).
                if (p >= length)
                    break;
                ++p;
                chunk += at(p);
            } while (!endsChunkExtension(at(p)) && p < length);
            pitch = kSentencePitch;
            speed = kSentenceSpeed;
        }
        chunks.push_back({chunk, pitch, speed});
        if (p >= length)
            break;
    }
    return chunks;
}

SpeechRequest parseSpeechTags(const QString &request)
{
    static const QRegularExpression tag(QStringLiteral("^\\\\([A-Za-z]+)=(-?\\d{1,6})\\\\"));
    SpeechRequest result;
    QString rest = request;
    while (true) {
        const QRegularExpressionMatch m = tag.match(rest);
        if (!m.hasMatch())
            break;
        const QString name = m.captured(1).toLower();
        const int value = m.captured(2).toInt();
        if (name == u"pit")
            result.pitch = value;
        else if (name == u"spd")
            result.speed = value;
        rest = rest.mid(m.capturedLength());
    }
    result.text = rest;
    return result;
}

} // namespace tw
