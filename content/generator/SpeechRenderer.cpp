#include "SpeechRenderer.h"

#include "WaveFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <deque>
#include <memory>

namespace tw::content {

namespace {

constexpr int SpeechTimeoutMs = 20000; // one word never takes this long; a hung synthesiser does
constexpr int WordsPerMinute = 140; // slow and clear for young listeners
constexpr int GiveUpAfterFailures = 3; // failures, with no word spoken, that show it is broken

QStringList speechArguments(const SpeechRenderer::Job &job)
{
    return {QStringLiteral("-v"),
            QStringLiteral("en"),
            QStringLiteral("-s"),
            QString::number(WordsPerMinute),
            QStringLiteral("-w"),
            job.path,
            job.text};
}

bool spokenFileIsGood(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && WaveFile::looksValid(file.readAll());
}

} // namespace

SpeechRenderer::SpeechRenderer(const QString &program, int parallel)
    : m_program(program.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("espeak-ng"))
                    : QFileInfo(program).isExecutable() ? program
                                                        : QString())
    , m_parallel(qMax(1, parallel))
{ }

QStringList SpeechRenderer::render(const QList<Job> &jobs, QString *error) const
{
    QStringList toned;
    QList<const Job *> failed;
    if (available()) {
        // Keep m_parallel synthesisers running; wait for the oldest, then start the next word.
        struct Running
        {
            const Job *job;
            std::unique_ptr<QProcess> process;
            QElapsedTimer started;
        };
        std::deque<Running> running;
        qsizetype next = 0;
        int spoken = 0;
        while (next < jobs.size() || !running.empty()) {
            // A synthesiser that fails every one of the first words is broken: the remaining
            // words get the tone at once instead of each waiting for its time-out.
            if (spoken == 0 && failed.size() >= GiveUpAfterFailures) {
                for (Running &r : running) {
                    r.process->kill();
                    r.process->waitForFinished();
                    failed.append(r.job);
                }
                running.clear();
                while (next < jobs.size())
                    failed.append(&jobs.at(next++));
                break;
            }
            while (next < jobs.size() && int(running.size()) < m_parallel) {
                const Job &job = jobs.at(next++);
                QFile::remove(job.path);
                auto process = std::make_unique<QProcess>();
                process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                process->setStandardOutputFile(QProcess::nullDevice());
                process->start(m_program, speechArguments(job));
                QElapsedTimer started;
                started.start();
                running.push_back({&job, std::move(process), started});
            }
            Running oldest = std::move(running.front());
            running.pop_front();
            // Each word has its own time limit, counted from its start.
            const int left = int(qMax<qint64>(0, SpeechTimeoutMs - oldest.started.elapsed()));
            const bool finished = oldest.process->waitForFinished(left);
            if (!finished) {
                oldest.process->kill();
                oldest.process->waitForFinished();
            }
            if (!finished || oldest.process->exitStatus() != QProcess::NormalExit
                || oldest.process->exitCode() != 0 || !spokenFileIsGood(oldest.job->path)) {
                failed.append(oldest.job);
            } else {
                ++spoken;
            }
        }
    } else {
        for (const Job &job : jobs)
            failed.append(&job);
    }

    const QList<qint16> tone = WaveFile::softTone();
    for (const Job *job : failed) {
        if (!WaveFile::write(job->path, tone, error))
            return toned;
        toned.append(job->text);
    }
    return toned;
}

} // namespace tw::content
