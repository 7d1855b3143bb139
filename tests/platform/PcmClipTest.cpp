// Wave files of the common PCM layouts become the one playing format.
#include "platform/PcmClip.h"
#include "quiz/SoundFiles.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <bit>
#include <vector>

using namespace tw;

using test::le;
using test::waveBytes;

TEST(PcmClip, EveryLayoutBecomesSixteenBitMonoAtThePlayRate)
{
    // Each file holds +0.5 then -0.5 (stereo: left only, so the mix is +-0.25).
    const auto floatBits = std::bit_cast<quint32>(0.5f);
    struct Case
    {
        QByteArray file;
        std::vector<int> expected;
    } const cases[] = {
        {waveBytes(1, 1, kPlayRate, 16, le(0x4000, 2) + le(0xC000, 2)), {16384, -16384}},
        {waveBytes(1, 1, kPlayRate / 2, 8, QByteArray("\xC0\x40")), {16384, 0, -16384}},
        {waveBytes(3, 1, kPlayRate, 32, le(floatBits, 4) + le(floatBits | 0x80000000u, 4)),
         {16384, -16384}},
        {waveBytes(1, 1, kPlayRate, 24, le(0x400000, 3) + le(0xC00000, 3)), {16384, -16384}},
        {waveBytes(1, 2, kPlayRate, 16, le(0x4000, 2) + le(0, 2) + le(0xC000, 2) + le(0, 2)),
         {8192, -8192}},
        // What cannot be played decodes to nothing: ADPCM, 12 bits, no samples, not a wave.
        {waveBytes(2, 1, kPlayRate, 4, QByteArray(8, 1)), {}},
        {waveBytes(1, 1, kPlayRate, 16, {}), {}},
        {QByteArray("RIFF1234WAVEjunk"), {}},
    };
    for (const Case &c : cases) {
        const QByteArray out = decodeWave(c.file);
        ASSERT_EQ(out.size(), qsizetype(c.expected.size() * 2)) << c.file.toHex().toStdString();
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_NEAR(qFromLittleEndian<qint16>(out.constData() + 2 * i), c.expected[i], 2);
    }
}
