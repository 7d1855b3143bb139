#include "platform/SpeechEngine.h"

#include "platform/EspeakSpeechEngine.h"

#ifdef TUMBLEWICK_HAVE_TTS
#include "platform/QtSpeechEngine.h"

#include <QTextToSpeech>
#endif

namespace tw {

namespace {

std::unique_ptr<SpeechEngine> makeDesktopEngine()
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

} // namespace

std::unique_ptr<SpeechEngine> makeSystemSpeechEngine(std::shared_ptr<QtAudioOutput> output)
{
    const bool desktopFirst = qEnvironmentVariable("TUMBLEWICK_SPEECH") == QLatin1String("qt");
    if (desktopFirst)
        if (auto engine = makeDesktopEngine())
            return engine;
    const QString program = findEspeakProgram();
    if (!program.isEmpty())
        return std::make_unique<EspeakSpeechEngine>(program, std::move(output));
    return desktopFirst ? nullptr : makeDesktopEngine();
}

} // namespace tw
