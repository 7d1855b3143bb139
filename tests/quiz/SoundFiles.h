// Writes small wave files for the sound tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include "support/Files.h"

#include <cmath>

namespace tw::test {

// A mono 8 kHz 8-bit wave file of `seconds` (a quiet tone), true when written.
inline bool writeWave(const QString &path, double seconds)
{
    constexpr quint32 rate = 8000;
    const quint32 samples = static_cast<quint32>(seconds * rate);
    QByteArray data(samples, '\x80');
    for (quint32 i = 0; i < samples; ++i)
        data[i] = static_cast<char>(128 + 20 * std::sin(i * 2 * M_PI * 440 / rate));
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray file = "RIFF" + le32(36 + samples) + "WAVE";
    file += "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) + le32(rate) + le16(1) + le16(8);
    file += "data" + le32(samples) + data;
    return writeFile(path, file);
}

} // namespace tw::test
