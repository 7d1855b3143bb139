#include "platform/EspeakSpeechEngine.h"

#include "platform/PcmClip.h"
#include "platform/QtAudioOutput.h"

#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr int kDefaultSpeed = 175; // espeak-ng's own words per minute
constexpr int kMinSpeed = 80;
constexpr int kMaxSpeed = 450;
constexpr int kDefaultPitch = 50;
constexpr int kMaxPitch = 99;
// The characters speak US English (language id 0x409).
const char *const kVoice = "en-us";
// A chunk of speech is synthesised in a fraction of this.
constexpr int kSynthesisMs = 4000;
constexpr int kDeviceWaitMs = 1500;
// However the output behaves, the words end this long after their length.
constexpr double kMaxOutputLag = 1.0;
constexpr double kMsPerSecond = 1000.0;

} // namespace

QString findEspeakProgram() { return QStandardPaths::findExecutable(QStringLiteral("espeak-ng")); }

EspeakSpeechEngine::EspeakSpeechEngine(QString program, std::shared_ptr<QtAudioOutput> output)
    : m_program(std::move(program))
    , m_output(std::move(output))
{ }

EspeakSpeechEngine::~EspeakSpeechEngine() { stop(); }

bool EspeakSpeechEngine::available() const
{
    return !m_program.isEmpty() && m_output
        && m_output->waitForDevice(kDeviceWaitMs) == QtAudioOutput::Device::Ready;
}

int EspeakSpeechEngine::wordsPerMinute(double rate)
{
    // One step of the rate doubles or halves the speed.
    const double speed = kDefaultSpeed * std::pow(2.0, std::clamp(rate, -1.0, 1.0));
    return std::clamp(int(std::lround(speed)), kMinSpeed, kMaxSpeed);
}

int EspeakSpeechEngine::pitchValue(double pitch)
{
    const double p = kDefaultPitch + kDefaultPitch * std::clamp(pitch, -1.0, 1.0);
    return std::clamp(int(std::lround(p)), 0, kMaxPitch);
}

QByteArray EspeakSpeechEngine::synthesise(const QString &program, const QString &text, int speed,
                                          int pitch, int ms)
{
    QProcess process;
    // The words go in on standard input, so no text is ever taken for an option.
    process.start(program,
                  {QStringLiteral("-v"), QLatin1String(kVoice), QStringLiteral("-s"),
                   QString::number(speed), QStringLiteral("-p"), QString::number(pitch),
                   QStringLiteral("--stdin"), QStringLiteral("--stdout")});
    if (!process.waitForStarted(ms))
        return {};
    process.write(text.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(ms)) {
        process.kill();
        process.waitForFinished(ms);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

void EspeakSpeechEngine::say(const QString &text, double pitch, double rate)
{
    stop();
    m_failed = false;
    const QByteArray samples = decodeWave(
        synthesise(m_program, text, wordsPerMinute(rate), pitchValue(pitch), kSynthesisMs));
    if (samples.isEmpty() || !m_output) {
        m_failed = true;
        return;
    }
    m_seconds = pcmSeconds(samples);
    m_ticket = m_output->play(samples);
    m_started.start();
}

SpeechEngine::State EspeakSpeechEngine::state() const
{
    if (m_failed)
        return State::Failed;
    if (!m_ticket)
        return State::Idle;
    const double t = m_started.elapsed() / kMsPerSecond;
    if (t < m_seconds || (t < m_seconds + kMaxOutputLag && m_output->playing(m_ticket)))
        return State::Speaking;
    return State::Idle;
}

void EspeakSpeechEngine::stop()
{
    if (m_ticket && m_output)
        m_output->stop(m_ticket);
    m_ticket = 0;
}

} // namespace tw
