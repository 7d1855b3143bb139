#include "platform/SpeechEngine.h"

#ifdef TUMBLEWICK_HAVE_TTS
#include "platform/QtSpeechEngine.h"

#include <QTextToSpeech>
#endif

namespace tw {

std::unique_ptr<SpeechEngine> makeSystemSpeechEngine()
{
#ifdef TUMBLEWICK_HAVE_TTS
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty())
        return nullptr;
    // flite speaks without a speech daemon; any other engine will do otherwise.
    const QString name
        = engines.contains(QStringLiteral("flite")) ? QStringLiteral("flite") : QString();
    return std::make_unique<QtSpeechEngine>(name);
#else
    return nullptr;
#endif
}

} // namespace tw
