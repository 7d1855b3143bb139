// Wave files of every common PCM layout become the one playing format.
#include "platform/PcmClip.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace tw;

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b.left(bytes);
}

// A wave file with the given format chunk fields and raw sample bytes.
QByteArray wave(int tag, int channels, int rate, int bits, const QByteArray &data)
{
    const int block = channels * bits / 8;
    QByteArray f = "fmt " + le(16, 4) + le(tag, 2) + le(channels, 2) + le(rate, 4)
        + le(rate * block, 4) + le(block, 2) + le(bits, 2);
    return "RIFF" + le(4 + f.size() + 8 + data.size(), 4) + "WAVE" + f + "data" + le(data.size(), 4)
        + data;
}

std::vector<qint16> samples(const QByteArray &pcm)
{
    std::vector<qint16> s(pcm.size() / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = qFromLittleEndian<qint16>(pcm.constData() + 2 * i);
    return s;
}

} // namespace

TEST(PcmClip, EveryLayoutBecomesSixteenBitMonoAtThePlayRate)
{
    // Each file holds the values 0.5 then -0.5 (left) with 0 on the right.
    struct Case
    {
        const char *what;
        QByteArray file;
        size_t frames; // expected at the play rate
    };
    QByteArray s16, u8, f32, s24, s32;
    for (double v : {0.5, -0.5}) {
        s16 += le(quint16(qint16(v * 32768)), 2);
        u8 += char(128 + int(v * 128));
        float f = float(v);
        quint32 raw;
        std::memcpy(&raw, &f, 4);
        f32 += le(raw, 4);
        s24 += le(quint32(qint32(v * 8388608)), 3);
        s32 += le(quint32(qint32(v * 2147483648.0)), 4);
    }
    QByteArray s16Stereo;
    for (int i = 0; i < 2; ++i)
        s16Stereo += s16.mid(2 * i, 2) + le(0, 2);
    const Case cases[] = {
        {"16-bit mono at the play rate", wave(1, 1, kPlayRate, 16, s16), 2},
        {"8-bit at half the rate", wave(1, 1, kPlayRate / 2, 8, u8), 3},
        {"float", wave(3, 1, kPlayRate, 32, f32), 2},
        {"24-bit", wave(1, 1, kPlayRate, 24, s24), 2},
        {"32-bit", wave(1, 1, kPlayRate, 32, s32), 2},
        {"16-bit stereo, channels mixed", wave(1, 2, kPlayRate, 16, s16Stereo), 2},
    };
    for (const Case &c : cases) {
        const std::vector<qint16> out = samples(decodeWave(c.file));
        ASSERT_EQ(out.size(), c.frames) << c.what;
        const double scale = QByteArray(c.what).contains("stereo") ? 0.25 : 0.5;
        EXPECT_NEAR(out.front(), scale * 32767, 300) << c.what;
        EXPECT_NEAR(out.back(), -scale * 32767, 300) << c.what;
        if (c.frames == 3) { // halfway between the two samples
            EXPECT_NEAR(out[1], 0, 300) << c.what;
        }
    }
}

TEST(PcmClip, WhatCannotBePlayedDecodesToNothing)
{
    const QByteArray data(8, '\x10');
    for (const QByteArray &file :
         {wave(2, 1, kPlayRate, 4, data) /* ADPCM */, wave(1, 1, kPlayRate, 12, data),
          wave(1, 1, kPlayRate, 16, {}) /* no samples */, wave(1, 0, kPlayRate, 16, data),
          QByteArray("RIFF1234WAVEjunk"), QByteArray()})
        EXPECT_TRUE(decodeWave(file).isEmpty());
}
