// The puzzle's heavy operation: cutting a full-HD picture into 20 x 20 pieces,
// writing the piece files, reading them back into the picture tiles and deleting them.
#include "platform/fakes/FakePlatform.h"
#include "puzzle/BitmapCutter.h"
#include "puzzle/BitmapWriter.h"
#include "puzzle/Puzzle.h"
#include "shell/Educate.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kGridMax = 19; // 20 x 20

QImage photo()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    return image;
}

// The cutting alone, in memory.
void BM_PuzzleSplitUp(benchmark::State &state)
{
    const QByteArray bitmap = tw::encodeBitmap(photo());
    const std::span bytes(reinterpret_cast<const std::uint8_t *>(bitmap.constData()),
                          size_t(bitmap.size()));
    for (auto _ : state) {
        tw::CutPieces cut = tw::SplitUp(bytes, kGridMax + 1);
        benchmark::DoNotOptimize(cut.files.data());
    }
}
BENCHMARK(BM_PuzzleSplitUp)->Unit(benchmark::kMillisecond);

// The whole start of a puzzle: Temp.bmp written and read, 400 piece files written,
// loaded into the picture tiles and deleted.
void BM_PuzzleLoadJigPuzzle(benchmark::State &state)
{
    QTemporaryDir appDir, writeDir;
    tw::Platform platform;
    tw::FakePlatform::make(platform);
    tw::Educate window(std::move(platform), appDir.path(), writeDir.path());
    window.Img(0)->setPicture(photo());
    window.shell.GridMax = kGridMax;
    window.puzzle.PuzzleKind = 1;
    for (auto _ : state) {
        state.PauseTiming();
        window.UnloadGame();
        state.ResumeTiming();
        window.puzzles().LoadJigPuzzle();
        if (window.puzzle.PuzzleRefused != 0 || window.Img.count() != 400) {
            state.SkipWithError("the picture was refused");
            break;
        }
    }
}
BENCHMARK(BM_PuzzleLoadJigPuzzle)->Unit(benchmark::kMillisecond);

} // namespace
