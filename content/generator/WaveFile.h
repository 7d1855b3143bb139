// WaveFile: synthesises the feedback sounds and writes 16-bit mono PCM wave files.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tw::content {

namespace WaveFile {

constexpr int SampleRate = 22050; // samples per second of every synthesised sound

// "Chimes.wav": a bright bell-like chord of decaying partials, about 0.6 seconds.
QList<qint16> chimes();
// "Error.wav": a soft two-step falling "try again" tone, about 0.5 seconds.
QList<qint16> tryAgain();
// Stand-in for a spoken word when no speech synthesiser is installed: a short soft tone.
QList<qint16> softTone();

// A complete RIFF/WAVE file of the samples (PCM, 16-bit, mono).
QByteArray encode(const QList<qint16> &samples, int sampleRate = SampleRate);
// Writes the samples as a wave file, replacing path atomically. False with error on failure.
bool write(const QString &path, const QList<qint16> &samples, QString *error);

// True when bytes are a RIFF/WAVE file with a format chunk and a non-empty data chunk.
bool looksValid(const QByteArray &bytes);

} // namespace WaveFile

} // namespace tw::content
