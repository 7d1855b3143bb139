// The paint box's heavy operation: rebuilding the picture on the surface from its pixel maps.
#include "paint/Brushes.h"
#include "paint/PixelMaps.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr double kTwips = 15;
constexpr int kStrokes = 300;
constexpr int kMovesPerStroke = 8;
constexpr double kLongestMove = 100 * kTwips;

QImage surface()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void replay(benchmark::State &state, const tw::PixelMaps &maps)
{
    QImage image = surface();
    for (auto _ : state) {
        maps.replay(image, image.rect());
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Every pixel painted with width 1, as the colouring book leaves it: areas of
// colour with a different colour every few pixels.
void BM_PaintReplayEveryPixelWidth1(benchmark::State &state)
{
    tw::PixelMaps maps(kWidth, kHeight);
    const quint32 colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0x004080, 0x0080FF, 0};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            maps.record(x, y, colours[(x / 5 + y / 3) % 7], 1);
    replay(state, maps);
}
BENCHMARK(BM_PaintReplayEveryPixelWidth1)->Unit(benchmark::kMillisecond);

// 300 pen strokes of widths 3, 9 and 18, each eight random moves from a random
// start, recorded as the pens record them.
void BM_PaintReplay300Strokes(benchmark::State &state)
{
    tw::PixelMaps maps(kWidth, kHeight);
    tw::Random random(42);
    const int widths[] = {3, 9, 18};
    for (int s = 0; s < kStrokes; ++s) {
        const quint32 colour = quint32(random.rnd() * 0xFFFFFE);
        QPoint last(int(random.rnd() * kWidth * kTwips), int(random.rnd() * kHeight * kTwips));
        for (int m = 0; m < kMovesPerStroke; ++m) {
            const QPointF to(last.x() + (random.rnd() * 2 - 1) * kLongestMove,
                             last.y() + (random.rnd() * 2 - 1) * kLongestMove);
            for (const QPoint &p : tw::penTrail({last, to, kTwips, kTwips}))
                maps.record(p.x(), p.y(), colour, widths[s % 3]);
            last = to.toPoint();
        }
    }
    replay(state, maps);
}
BENCHMARK(BM_PaintReplay300Strokes)->Unit(benchmark::kMillisecond);

} // namespace
