// A private PulseAudio server with one null sink, and a recorder of its output,
// for tests that check what the program really plays.
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstring>
#include <string>
#include <vector>

namespace tw::test {

class PulseServer
{
public:
    static constexpr int kRate
        = 22050; // the sink's rate: the program's own, so nothing is resampled
    static constexpr int kStartMs = 5000;

    // Starts the server and points this process's sound clients at it. Empty
    // error() when it runs.
    PulseServer()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        const QString pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        if (daemon.isEmpty() || m_parec.isEmpty() || pactl.isEmpty()) {
            m_error = "PulseAudio (pulseaudio, pulseaudio-utils) is not installed";
            return;
        }
        if (!m_dir.isValid()) {
            m_error = "no temporary folder";
            return;
        }
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"XDG_RUNTIME_DIR", "HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QLatin1String(name), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_daemon.setProcessEnvironment(env);
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start(
            daemon,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--disable-shm=yes"), QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=rec channels=1 rate=%1").arg(kRate),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        m_server = QStringLiteral("unix:") + socket;
        env.insert(QStringLiteral("PULSE_SERVER"), m_server);
        m_env = env;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < kStartMs) {
            if (m_daemon.state() == QProcess::NotRunning)
                break;
            QProcess info;
            info.setProcessEnvironment(env);
            info.start(pactl, {QStringLiteral("info")});
            if (info.waitForFinished(kStartMs) && info.exitCode() == 0) {
                qputenv("PULSE_SERVER", m_server.toUtf8());
                return;
            }
            QThread::msleep(50);
        }
        m_error = "the PulseAudio server did not start: " + m_daemon.readAll().toStdString();
        m_daemon.kill();
    }

    ~PulseServer()
    {
        stopRecording();
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            if (!m_daemon.waitForFinished(kStartMs))
                m_daemon.kill();
            m_daemon.waitForFinished(kStartMs);
        }
    }

    const std::string &error() const { return m_error; }

    // Records the sink's monitor until stopRecording().
    void startRecording()
    {
        m_recorder.setProcessEnvironment(m_env);
        // Straight into a file: a pipe would fill while the test does not read it.
        m_recorder.setStandardOutputFile(recordingPath());
        m_recorder.start(m_parec,
                         {QStringLiteral("-d"), QStringLiteral("rec.monitor"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                          QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--raw"),
                          QStringLiteral("--latency-msec=20")});
        m_recorder.waitForStarted(kStartMs);
        // Recording has begun once the first (silent) samples arrive.
        QElapsedTimer waited;
        waited.start();
        while (QFileInfo(recordingPath()).size() == 0 && waited.elapsed() < kStartMs)
            QThread::msleep(10);
    }

    // The samples recorded since startRecording().
    std::vector<qint16> stopRecording()
    {
        if (m_recorder.state() == QProcess::NotRunning)
            return {};
        QThread::msleep(300); // the last sound leaves the server's buffers
        m_recorder.terminate();
        m_recorder.waitForFinished(kStartMs);
        QFile file(recordingPath());
        const QByteArray raw = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::vector<qint16> samples(size_t(raw.size()) / 2);
        std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
        return samples;
    }

private:
    QString recordingPath() const { return m_dir.filePath(QStringLiteral("recording.raw")); }

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_recorder;
    QProcessEnvironment m_env;
    QString m_parec;
    QString m_server;
    std::string m_error;
};

} // namespace tw::test
