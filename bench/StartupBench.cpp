// Start-up on the shipped content folder: from building the window until the
// first game's tiles are painted (a sound the game then plays does not count).
#include "common/Tiles.h"
#include "shell/Educate.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tw;

// The content folder built beside the benchmark: <build>/content/AppFolder,
// or the folder named by TUMBLEWICK_CONTENT.
QString contentFolder()
{
    const QString env = qEnvironmentVariable("TUMBLEWICK_CONTENT");
    if (!env.isEmpty())
        return env;
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../content/AppFolder"));
}

// Notes the time of the first paint of a game tile (picture or answer tile above 0).
class FirstTilePaint : public QObject
{
public:
    explicit FirstTilePaint(const QElapsedTimer &timer)
        : m_timer(timer)
    { }
    qint64 at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (at < 0 && event->type() == QEvent::Paint) {
            const auto *picture = qobject_cast<PictureTile *>(watched);
            const auto *label = qobject_cast<TileLabel *>(watched);
            if ((picture && picture->index() > 0) || (label && label->index() > 0))
                at = m_timer.nsecsElapsed();
        }
        return false;
    }

private:
    const QElapsedTimer &m_timer;
};

void BM_StartupToFirstGameShown(benchmark::State &state)
{
    const QString content = contentFolder();
    if (!QDir(content).exists()) {
        state.SkipWithError("no content folder");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir writeDir; // a first run: no settings file, so the Sounds game starts
        QElapsedTimer timer;
        FirstTilePaint probe(timer);
        qApp->installEventFilter(&probe);
        timer.start();
        auto window = std::make_unique<Educate>(Platform::makeReal(), content, writeDir.path());
        window->resize(1024, 768);
        window->show();
        window->start();
        while (probe.at < 0 && timer.elapsed() < 5000)
            QApplication::processEvents();
        qApp->removeEventFilter(&probe);
        state.SetIterationTime(probe.at < 0 ? 5.0 : probe.at / 1e9);
        window.reset();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToFirstGameShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

} // namespace
