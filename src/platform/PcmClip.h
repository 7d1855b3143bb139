// Decodes a wave file into the one sample format the program plays: 16-bit mono.
#pragma once

#include <QByteArray>

namespace tw {

// Every sound and every word is played at this rate, mono, signed 16-bit.
constexpr int kPlayRate = 22050;
constexpr int kPlayBytesPerSample = 2;

// The samples of a RIFF/WAVE file (the whole file's bytes) converted to the
// play format: channels mixed to one, resampled to kPlayRate. Empty when the
// bytes are not a wave file in a format it knows (PCM of 8, 16, 24 or 32 bits,
// or 32-bit float), or hold no sound.
QByteArray decodeWave(const QByteArray &file);

// Playing time of samples in the play format, in seconds.
inline double pcmSeconds(const QByteArray &samples)
{
    return double(samples.size()) / (kPlayRate * kPlayBytesPerSample);
}

} // namespace tw
