#include "platform/WaveHeader.h"

#include "platform/SafeFile.h"

#include <QtEndian>

#include <climits>

namespace tw {

namespace {

constexpr qint64 kHeadBytes = 64 * 1024; // chunks before the sound data fit in this
constexpr int kChunkHeader = 8;
constexpr int kRiffHeader = 12;
constexpr int kFormatMinSize = 16;
constexpr int kExtensibleTag = 0xFFFE;
constexpr int kExtensibleSize = 26; // up to the first bytes of the sub-format GUID
constexpr int kSubFormatAt = 24;

quint32 le32(const QByteArray &b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

WaveInfo parseWaveHeader(const QByteArray &head, qint64 fileSize)
{
    WaveInfo info;
    if (head.size() < kRiffHeader || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return info;
    quint32 byteRate = 0;
    bool haveFormat = false;
    qint64 at = kRiffHeader;
    while (at + kChunkHeader <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = le32(head, at + 4);
        const qint64 body = at + kChunkHeader;
        if (id == "fmt ") {
            if (size < kFormatMinSize || body + kFormatMinSize > head.size())
                return info;
            info.formatTag = le16(head, body);
            info.channels = le16(head, body + 2);
            info.sampleRate = int(qMin<quint32>(le32(head, body + 4), INT_MAX));
            byteRate = le32(head, body + 8);
            info.blockAlign = le16(head, body + 12);
            info.bitsPerSample = le16(head, body + 14);
            if (info.formatTag == kExtensibleTag && size >= kExtensibleSize
                && body + kExtensibleSize <= head.size())
                info.formatTag = le16(head, body + kSubFormatAt);
            haveFormat = info.channels > 0 && byteRate > 0;
        } else if (id == "data") {
            if (!haveFormat)
                return info;
            const qint64 present = qMax<qint64>(0, qMin(size, fileSize - body));
            info.valid = true;
            info.seconds = double(present) / byteRate;
            info.dataOffset = body;
            info.dataBytes = present;
            return info;
        }
        at = body + size + (size & 1); // chunks are padded to an even size
    }
    return info;
}

WaveInfo readWaveInfo(const QString &path)
{
    // A FIFO or a device where a sound should be is refused, never waited on.
    const FileBytes head = readFileHead(path, kHeadBytes);
    if (!head.ok())
        return {};
    return parseWaveHeader(head.bytes, head.size);
}

} // namespace tw
