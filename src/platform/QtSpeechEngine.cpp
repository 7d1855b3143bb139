#include "platform/QtSpeechEngine.h"

#ifdef TUMBLEWICK_HAVE_TTS

#include <QLocale>
#include <QTextToSpeech>

#include <algorithm>

namespace tw {

QtSpeechEngine::QtSpeechEngine(const QString &engineName)
    : m_speech(engineName.isEmpty() ? std::make_unique<QTextToSpeech>()
                                    : std::make_unique<QTextToSpeech>(engineName))
{
    // The characters speak US English (language id 0x409).
    m_speech->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    QObject::connect(m_speech.get(), &QTextToSpeech::errorOccurred, m_speech.get(),
                     [this](QTextToSpeech::ErrorReason, const QString &) { m_failed = true; });
}

QtSpeechEngine::~QtSpeechEngine()
{
    if (m_speech)
        m_speech->stop();
}

bool QtSpeechEngine::available() const
{
    // With no sound device the engine reports a playback error as soon as it
    // is created; every later say() would fail the same way.
    return m_speech && m_speech->state() != QTextToSpeech::Error
        && m_speech->errorReason() == QTextToSpeech::ErrorReason::NoError
        && !m_speech->availableVoices().isEmpty();
}

void QtSpeechEngine::say(const QString &text, double pitch, double rate)
{
    m_failed = false;
    m_speech->setPitch(std::clamp(pitch, -1.0, 1.0));
    m_speech->setRate(std::clamp(rate, -1.0, 1.0));
    m_speech->say(text);
}

SpeechEngine::State QtSpeechEngine::state() const
{
    switch (m_speech->state()) {
    case QTextToSpeech::Speaking:
    case QTextToSpeech::Paused:
        return m_failed ? State::Failed : State::Speaking;
    case QTextToSpeech::Error:
        return State::Failed;
    default:
        return m_failed ? State::Failed : State::Idle;
    }
}

void QtSpeechEngine::stop() { m_speech->stop(); }

} // namespace tw

#endif
