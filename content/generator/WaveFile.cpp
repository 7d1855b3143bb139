#include "WaveFile.h"

#include <QSaveFile>
#include <QtEndian>
#include <QtMath>

#include <algorithm>

namespace tw::content::WaveFile {

namespace {

constexpr double FullScale = 32767.0;
constexpr double Loudness = 0.45; // peak level: pleasant, never harsh
constexpr double AttackSeconds = 0.006; // a short fade-in avoids a click at the start
constexpr double ReleaseSeconds = 0.04; // and a fade-out one at the end

struct Partial
{
    double frequency; // Hz
    double level; // relative amplitude
    double start; // seconds after the sound begins
    double decay; // exponential decay rate per second
};

QList<qint16> synthesise(const QList<Partial> &partials, double seconds)
{
    const int count = int(seconds * SampleRate);
    QList<double> mix(count, 0.0);
    for (const Partial &p : partials) {
        for (int i = int(p.start * SampleRate); i < count; ++i) {
            const double t = double(i) / SampleRate - p.start;
            const double attack = qMin(1.0, t / AttackSeconds);
            mix[i] += p.level * attack * qExp(-p.decay * t) * qSin(2 * M_PI * p.frequency * t);
        }
    }
    double peak = 0.0;
    for (double v : mix)
        peak = qMax(peak, qAbs(v));
    QList<qint16> samples(count);
    const int releaseCount = int(ReleaseSeconds * SampleRate);
    for (int i = 0; i < count; ++i) {
        const double release = qMin(1.0, double(count - 1 - i) / releaseCount);
        const double v = peak > 0 ? mix[i] / peak * Loudness * release : 0.0;
        samples[i] = qint16(qRound(std::clamp(v, -1.0, 1.0) * FullScale));
    }
    return samples;
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QList<qint16> chimes()
{
    // A major triad of soft bells, struck one after the other, with a quiet octave shimmer.
    return synthesise({{1046.5, 1.0, 0.00, 6.0},
                       {2093.0, 0.25, 0.00, 9.0},
                       {1318.5, 0.9, 0.09, 6.0},
                       {2637.0, 0.2, 0.09, 9.0},
                       {1568.0, 0.9, 0.18, 5.0},
                       {3136.0, 0.15, 0.18, 9.0}},
                      0.6);
}

QList<qint16> tryAgain()
{
    // Two low, round notes falling a fourth: gentle, not a buzzer.
    return synthesise({{392.0, 1.0, 0.00, 7.0},
                       {784.0, 0.15, 0.00, 12.0},
                       {293.7, 1.0, 0.22, 6.0},
                       {587.3, 0.15, 0.22, 12.0}},
                      0.5);
}

QList<qint16> softTone()
{
    return synthesise({{660.0, 1.0, 0.0, 8.0}, {1320.0, 0.1, 0.0, 14.0}}, 0.35);
}

QByteArray encode(const QList<qint16> &samples, int sampleRate)
{
    constexpr int Channels = 1;
    constexpr int BitsPerSample = 16;
    constexpr int BlockAlign = Channels * BitsPerSample / 8;
    constexpr int FormatChunkSize = 16;
    constexpr quint16 PcmFormat = 1;
    const quint32 dataBytes = quint32(samples.size()) * BlockAlign;

    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, FormatChunkSize);
    put16(out, PcmFormat);
    put16(out, Channels);
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate * BlockAlign));
    put16(out, BlockAlign);
    put16(out, BitsPerSample);
    out.append("data");
    put32(out, dataBytes);
    for (qint16 sample : samples)
        put16(out, quint16(sample));
    return out;
}

bool write(const QString &path, const QList<qint16> &samples, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(samples)) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool looksValid(const QByteArray &bytes)
{
    constexpr int HeaderBytes = 12;
    if (bytes.size() < HeaderBytes || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    bool haveFormat = false;
    qsizetype pos = HeaderBytes;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        if (id == "fmt ")
            haveFormat = size >= 16;
        if (id == "data")
            return haveFormat && size > 0 && pos + 8 + qsizetype(size) <= bytes.size();
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

} // namespace tw::content::WaveFile
