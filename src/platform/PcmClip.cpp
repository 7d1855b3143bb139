#include "platform/PcmClip.h"

#include "platform/WaveHeader.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tw {

namespace {

constexpr int kPcmTag = 1;
constexpr int kFloatTag = 3;
constexpr int kMaxChannels = 16;
constexpr double kFullScale = 32767.0;

// One sample of one channel as a value in [-1, 1].
double sampleAt(const uchar *p, int bits, bool isFloat)
{
    switch (bits) {
    case 8:
        return (int(p[0]) - 128) / 128.0;
    case 16:
        return qFromLittleEndian<qint16>(p) / 32768.0;
    case 24: {
        const qint32 v = qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24);
        return (v >> 8) / 8388608.0;
    }
    case 32:
        if (isFloat) {
            const quint32 raw = qFromLittleEndian<quint32>(p);
            float f;
            std::memcpy(&f, &raw, sizeof f);
            return std::isfinite(f) ? std::clamp(double(f), -1.0, 1.0) : 0.0;
        }
        return qFromLittleEndian<qint32>(p) / 2147483648.0;
    default:
        return 0.0;
    }
}

} // namespace

QByteArray decodeWave(const QByteArray &file)
{
    const WaveInfo info = parseWaveHeader(file, file.size());
    if (!info.valid || info.channels <= 0 || info.channels > kMaxChannels || info.sampleRate <= 0)
        return {};
    const bool isFloat = info.formatTag == kFloatTag;
    const int bits = info.bitsPerSample;
    const bool known
        = (info.formatTag == kPcmTag && (bits == 8 || bits == 16 || bits == 24 || bits == 32))
        || (isFloat && bits == 32);
    const int frameBytes = info.channels * bits / 8;
    if (!known || frameBytes <= 0)
        return {};
    const qint64 frames = info.dataBytes / frameBytes;
    if (frames <= 0)
        return {};

    std::vector<double> mono(size_t(frames), 0.0);
    const auto *data = reinterpret_cast<const uchar *>(file.constData() + info.dataOffset);
    for (qint64 f = 0; f < frames; ++f) {
        double sum = 0.0;
        for (int c = 0; c < info.channels; ++c)
            sum += sampleAt(data + f * frameBytes + c * bits / 8, bits, isFloat);
        mono[size_t(f)] = sum / info.channels;
    }

    // Linear interpolation onto the play rate (a no-op at the same rate).
    const double step = double(info.sampleRate) / kPlayRate;
    const auto outFrames = qint64(std::floor((frames - 1) / step)) + 1;
    QByteArray out(outFrames * kPlayBytesPerSample, Qt::Uninitialized);
    auto *dst = reinterpret_cast<uchar *>(out.data());
    for (qint64 i = 0; i < outFrames; ++i) {
        const double at = i * step;
        const auto k = qint64(at);
        const double frac = at - double(k);
        const double a = mono[size_t(k)];
        const double b = k + 1 < frames ? mono[size_t(k + 1)] : a;
        const double v = std::clamp(a + (b - a) * frac, -1.0, 1.0);
        qToLittleEndian<qint16>(qint16(std::lround(v * kFullScale)), dst + i * kPlayBytesPerSample);
    }
    return out;
}

} // namespace tw
