// The voice of eSpeak NG: the espeak-ng program writes the words as a wave,
// which is played through the program's one sound output.
#pragma once

#include "platform/SpeechEngine.h"

#include <QElapsedTimer>

#include <memory>

namespace tw {

class QtAudioOutput;

class EspeakSpeechEngine : public SpeechEngine
{
public:
    // `program`: the full path of espeak-ng.
    EspeakSpeechEngine(QString program, std::shared_ptr<QtAudioOutput> output);
    ~EspeakSpeechEngine() override;

    // The voice is heard when the program is there and an output device exists
    // (asking the first time waits briefly for the output to open).
    bool available() const override;
    // Synthesises the words (bounded in time) and starts playing them; the
    // state is Speaking from then until the output has played them out.
    void say(const QString &text, double pitch, double rate) override;
    State state() const override;
    void stop() override;

    // espeak-ng's speed (words per minute) and pitch (0 to 99) for a rate and
    // pitch from -1 to 1, 0 giving the voice's own.
    static int wordsPerMinute(double rate);
    static int pitchValue(double pitch);

    // The wave espeak-ng writes for `text`; empty on any failure or after `ms`.
    static QByteArray synthesise(const QString &program, const QString &text, int speed, int pitch,
                                 int ms);

private:
    QString m_program;
    std::shared_ptr<QtAudioOutput> m_output;
    int m_ticket = 0;
    double m_seconds = 0.0; // length of the words being said
    QElapsedTimer m_started;
    bool m_failed = false;
};

// The espeak-ng program on PATH, or empty.
QString findEspeakProgram();

} // namespace tw
