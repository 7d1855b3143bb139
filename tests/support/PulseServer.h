// A private PulseAudio server with one null sink, a recorder of its output, and
// a search for a sound in the recording, for tests that check what the program
// really plays. Qt's sound system keeps the first server it meets, so a process
// has one, started before anything plays.
#pragma once

#include "support/Files.h"
#include "support/Wait.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace tw::test {

class PulseServer
{
public:
    static constexpr int kRate = 22050; // the program's own rate: nothing is resampled
    static constexpr int kWaitMs = 5000;

    // Starts the server and points this process's sound clients at it;
    // error() says why when it cannot run.
    PulseServer()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (daemon.isEmpty() || m_parec.isEmpty()) {
            m_error = "PulseAudio (pulseaudio, pulseaudio-utils) is not installed";
            return;
        }
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        for (const char *name :
             {"XDG_RUNTIME_DIR", "HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            m_env.insert(QLatin1String(name), m_dir.path());
        m_env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        m_daemon.setProcessEnvironment(m_env);
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start(
            daemon,
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
             QStringLiteral("module-null-sink sink_name=rec channels=1 rate=%1").arg(kRate), "-L",
             "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        if (!waitUntil([&] { return QFileInfo::exists(socket); }, kWaitMs, false)) {
            m_error = "the PulseAudio server did not start: " + m_daemon.readAll().toStdString();
            return;
        }
        qputenv("PULSE_SERVER", m_env.value(QStringLiteral("PULSE_SERVER")).toUtf8());
    }

    ~PulseServer()
    {
        for (QProcess *p : {&m_recorder, &m_daemon}) {
            p->terminate();
            if (!p->waitForFinished(kWaitMs))
                p->kill();
        }
    }

    const std::string &error() const { return m_error; }

    // Records the sink's monitor, straight into a file (a pipe would fill);
    // recording has begun once the first samples arrive.
    void startRecording()
    {
        m_recorder.setProcessEnvironment(m_env);
        m_recorder.setStandardOutputFile(recording());
        m_recorder.start(m_parec,
                         {"-d", "rec.monitor", "--format=s16le", "--channels=1",
                          QStringLiteral("--rate=%1").arg(kRate), "--latency-msec=20"});
        waitUntil([&] { return QFileInfo(recording()).size() > 0; }, kWaitMs, false);
    }

    // The samples recorded since startRecording().
    std::vector<qint16> stopRecording()
    {
        QThread::msleep(300); // the last sound leaves the server's buffers
        m_recorder.terminate();
        m_recorder.waitForFinished(kWaitMs);
        return samplesOf(readFile(recording()));
    }

    static std::vector<qint16> samplesOf(const QByteArray &pcm)
    {
        std::vector<qint16> s(size_t(pcm.size()) / 2);
        std::memcpy(s.data(), pcm.constData(), s.size() * 2);
        return s;
    }

private:
    QString recording() const { return m_dir.filePath(QStringLiteral("recording.raw")); }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QProcess m_daemon;
    QProcess m_recorder;
    QString m_parec;
    std::string m_error;
};

// Start of each occurrence of the whole of `tpl` in `rec`: where its first
// loud samples appear exactly and all of it correlates above `minCorrelation`.
inline std::vector<size_t> findSound(const std::vector<qint16> &rec, const std::vector<qint16> &tpl,
                                     double minCorrelation = 0.9)
{
    constexpr int kLoud = 300;
    constexpr size_t kKey = 16;
    size_t lead = 0;
    while (lead < tpl.size() && std::abs(tpl[lead]) <= kLoud)
        ++lead;
    std::vector<size_t> found;
    if (lead + kKey > tpl.size())
        return found;
    for (size_t s = 0; s + tpl.size() <= rec.size(); ++s) {
        if (!std::equal(tpl.begin() + long(lead), tpl.begin() + long(lead + kKey),
                        rec.begin() + long(s + lead)))
            continue;
        double xy = 0, xx = 0, yy = 0;
        for (size_t k = 0; k < tpl.size(); ++k) {
            xy += double(rec[s + k]) * tpl[k];
            xx += double(rec[s + k]) * rec[s + k];
            yy += double(tpl[k]) * tpl[k];
        }
        if (xy >= minCorrelation * std::sqrt(xx * yy)) {
            found.push_back(s);
            s += tpl.size() - 1;
        }
    }
    return found;
}

} // namespace tw::test
