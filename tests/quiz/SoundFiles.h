// Builds wave files for the sound tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include "support/Files.h"

#include <cmath>

namespace tw::test {

// `value` as `bytes` little-endian bytes.
inline QByteArray le(quint32 value, int bytes)
{
    QByteArray b(4, 0);
    qToLittleEndian(value, b.data());
    return b.left(bytes);
}

// A wave file of format `tag` (1 PCM, 3 float) around the sample bytes `data`.
inline QByteArray waveBytes(int tag, int channels, int rate, int bits, const QByteArray &data)
{
    const int block = channels * bits / 8;
    const QByteArray f = "fmt " + le(16, 4) + le(tag, 2) + le(channels, 2) + le(rate, 4)
        + le(rate * block, 4) + le(block, 2) + le(bits, 2);
    return "RIFF" + le(4 + f.size() + 8 + data.size(), 4) + "WAVE" + f + "data" + le(data.size(), 4)
        + data;
}

// A mono 8 kHz 8-bit wave file of `seconds` (a quiet tone), true when written.
inline bool writeWave(const QString &path, double seconds)
{
    constexpr quint32 rate = 8000;
    const quint32 samples = static_cast<quint32>(seconds * rate);
    QByteArray data(samples, '\x80');
    for (quint32 i = 0; i < samples; ++i)
        data[i] = static_cast<char>(128 + 20 * std::sin(i * 2 * M_PI * 440 / rate));
    return writeFile(path, waveBytes(1, 1, rate, 8, data));
}

} // namespace tw::test
