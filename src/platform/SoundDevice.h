// Plays one sound file at a time: open, run, stop, rewind, position, length.
#pragma once

#include <QString>

namespace tw {

class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    // Opens a file for playing; false when it cannot be opened.
    virtual bool open(const QString &path) = 0;
    virtual void run() = 0;
    virtual void stop() = 0;
    virtual void rewind() = 0;
    // Position and length of the open file in seconds (length 0 when unknown yet).
    virtual double position() const = 0;
    virtual double length() const = 0;
    // True while the file is playing (false once it has reached its end or failed).
    virtual bool isPlaying() const = 0;
};

} // namespace tw
