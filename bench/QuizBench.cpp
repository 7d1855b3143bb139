// The heavy steps of the quizzes: a game switch into Colours and the 20 x 20 layout.
#include "common/Constants.h"
#include "platform/fakes/FakePlatform.h"
#include "quiz/TileLayout.h"
#include "shell/Educate.h"
#include "shell/Settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tw;

// A shown main window on fake platform parts, with an empty content folder.
struct BenchWindow
{
    QTemporaryDir appDir;
    QTemporaryDir writeDir;
    FakePlatform fakes;
    std::unique_ptr<Educate> window;

    BenchWindow()
    {
        Platform p;
        fakes = FakePlatform::make(p, 1);
        window = std::make_unique<Educate>(std::move(p), appDir.path(), writeDir.path());
        window->resize(1024, 768);
        window->show();
        QApplication::processEvents();
    }
};

void BM_SwitchToColours4x4(benchmark::State &state)
{
    BenchWindow b;
    Educate &w = *b.window;
    w.settings().MNU_Size_Click(1);
    for (auto _ : state) {
        w.MNU_Game_Click(GameColours);
        benchmark::DoNotOptimize(w.Answer.count());
    }
}
BENCHMARK(BM_SwitchToColours4x4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_LoadLabelsAndReDraw20x20(benchmark::State &state)
{
    BenchWindow b;
    Educate &w = *b.window;
    w.settings().MNU_Size_Click(17);
    w.shell.CurrentSubject = QStringLiteral("Colour");
    for (auto _ : state) {
        state.PauseTiming();
        w.ResetImg();
        w.ResetQuestion();
        w.ResetAnswer();
        state.ResumeTiming();
        w.layout().LoadLabels();
        // Captions of several lengths, as a picture game would show.
        for (int i = 1; i <= 400; ++i)
            w.Question(i)->setText(QStringLiteral("\nItem %1").arg(i * 37 % 1000));
        w.layout().ReDraw();
        benchmark::DoNotOptimize(w.Answer(400)->fontSize());
    }
}
BENCHMARK(BM_LoadLabelsAndReDraw20x20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A resize of the window with the 20 x 20 grid in place.
void BM_ReDraw20x20(benchmark::State &state)
{
    BenchWindow b;
    Educate &w = *b.window;
    w.settings().MNU_Size_Click(17);
    w.shell.CurrentSubject = QStringLiteral("Colour");
    w.layout().LoadLabels();
    for (int i = 1; i <= 400; ++i)
        w.Question(i)->setText(QStringLiteral("\nItem %1").arg(i * 37 % 1000));
    bool wide = false;
    for (auto _ : state) {
        w.resize(wide ? 1024 : 900, 768);
        wide = !wide;
        w.layout().ReDraw();
        benchmark::DoNotOptimize(w.Answer(400)->fontSize());
    }
}
BENCHMARK(BM_ReDraw20x20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
