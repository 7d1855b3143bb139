// The desktop voice through Qt's text-to-speech module (flite on Debian).
#pragma once

#include "platform/SpeechEngine.h"

#ifdef TUMBLEWICK_HAVE_TTS

#include <QObject>

class QTextToSpeech;

namespace tw {

class QtSpeechEngine : public SpeechEngine
{
public:
    // Creates the engine named `engineName` (empty: Qt's default one).
    explicit QtSpeechEngine(const QString &engineName);
    ~QtSpeechEngine() override;

    bool available() const override;
    void say(const QString &text, double pitch, double rate) override;
    State state() const override;
    void stop() override;

private:
    std::unique_ptr<QTextToSpeech> m_speech;
    // Set by the engine's error signal, cleared by the next say().
    bool m_failed = false;
};

} // namespace tw

#endif
