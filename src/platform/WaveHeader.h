// Reads the header of a RIFF/WAVE sound file: is it one, and how long does it play.
#pragma once

#include <QByteArray>
#include <QString>

namespace tw {

struct WaveInfo
{
    bool valid = false; // a RIFF/WAVE file with a format and a data chunk
    double seconds = 0.0; // playing time of the sound data present in the file
    // The format chunk, as written (an extensible format gives its sub-format's tag).
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    // Where the sound data starts in the file, and how many bytes of it are there.
    qint64 dataOffset = 0;
    qint64 dataBytes = 0;
};

// Parses the first bytes of a file (`head`, at least the chunks up to the start
// of the sound data) of total size `fileSize`. A data chunk that claims more
// bytes than the file holds is measured by what is there.
WaveInfo parseWaveHeader(const QByteArray &head, qint64 fileSize);

// Reads and parses the header of the file at `path`; invalid when the file is
// missing, unreadable or not a wave file.
WaveInfo readWaveInfo(const QString &path);

} // namespace tw
