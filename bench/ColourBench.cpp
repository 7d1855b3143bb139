// The colouring book and printing over a full-screen picture: building the colour
// classes at the finest step, one click's recolouring, and a page printed to PDF,
// both as pure computations and through the window.
#include "common/Constants.h"
#include "paint/ColourBook.h"
#include "paint/ColourClasses.h"
#include "paint/PaintBox.h"
#include "paint/PaintObjects.h"
#include "paint/Paper.h"
#include "platform/QtPrinter.h"
#include "platform/fakes/FakePlatform.h"
#include "print/Printing.h"
#include "shell/Educate.h"
#include "shell/GameClock.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr int kFine = 25;

// Smooth shading with sensor noise, like a photograph.
QImage photo()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int noise = int(random.bounded(9)) - 4;
            auto byte = [noise](double v) { return std::clamp(int(v) + noise, 0, 255); };
            line[x]
                = qRgb(byte(128 + 120 * std::sin(x / 160.0)), byte(128 + 120 * std::cos(y / 90.0)),
                       byte(255.0 * (x + y) / (kWidth + kHeight)));
        }
    }
    return image;
}

void BM_ColourBookDoCmapFine(benchmark::State &state)
{
    const QImage source = photo();
    tw::ColourClasses classes;
    for (auto _ : state) {
        state.PauseTiming();
        QImage shown = source;
        shown.detach();
        state.ResumeTiming();
        classes.build(shown, kFine);
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["classes"] = classes.count();
}
BENCHMARK(BM_ColourBookDoCmapFine)->Unit(benchmark::kMillisecond);

void BM_ColourBookDoColouring(benchmark::State &state)
{
    QImage shown = photo();
    tw::ColourClasses classes;
    classes.build(shown, kFine);
    std::uint32_t colour = 0;
    for (auto _ : state) {
        colour ^= 0x0080FF;
        benchmark::DoNotOptimize(classes.colourAt({800, 500}, colour, shown));
    }
}
BENCHMARK(BM_ColourBookDoColouring)->Unit(benchmark::kMillisecond);

// A full drawing (every pixel painted) with pictures and texts on A4.
void BM_PrintFullDrawingToPdf(benchmark::State &state)
{
    tw::PrintedDrawing drawing;
    drawing.pixels = QSize(kWidth, kHeight);
    // Every pixel painted, in pen widths from 1 to 18.
    const QImage source = photo();
    std::vector<std::uint32_t> colours(size_t(kWidth) * kHeight);
    std::vector<std::uint8_t> widths(colours.size());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            colours[size_t(y) * kWidth + x] = tw::rgbToBgr(source.pixel(x, y));
            widths[size_t(y) * kWidth + x] = std::uint8_t(1 + (x / 40 + y / 40) % 18);
        }
    drawing.strokes.size = drawing.pixels;
    drawing.strokes.stride = kWidth;
    drawing.strokes.colour = colours;
    drawing.strokes.width = widths;
    for (int w = 1; w <= 18; ++w)
        drawing.strokes.widthUsed[size_t(w)] = true;
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    for (int i = 0; i < 10; ++i) {
        drawing.pictures.append({QRectF(i * 150, i * 90, 200, 150), picture});
        drawing.texts.append(
            {QPointF(i * 140, i * 95), QStringLiteral("Hello\nworld"), font, Qt::blue});
    }
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageLayout(tw::pageLayoutOf(tw::PageSetup {9, 2, 2}));
        if (!tw::printDrawing(pdf, drawing, false))
            state.SkipWithError("the page was not drawn");
        state.counters["bytes"] = double(buffer.size());
    }
}
BENCHMARK(BM_PrintFullDrawingToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same through the window: the colouring book's room on a 1600 x 1000
// surface, and "&Print" of a full drawing with lines and shapes to a PDF file.
struct BenchWindow
{
    explicit BenchWindow(int game)
    {
        tw::Platform p;
        fakes = tw::FakePlatform::make(p);
        window = std::make_unique<tw::Educate>(std::move(p), app.path(), write.path());
        window->show();
        // The strip left of the surface is two buttons of 1/13 of the height.
        const QSize chrome = window->size() - window->playArea()->size();
        window->resize(QSize(kWidth + 2 * kHeight / 13 + 1, kHeight) + chrome);
        QApplication::processEvents();
        window->start();
        window->clock().stopTimer();
        window->MNU_Game_Click(game);
    }
    tw::Paper &paper() { return window->paintBox().paper(); }
    QTemporaryDir app;
    QTemporaryDir write;
    tw::FakePlatform fakes;
    std::unique_ptr<tw::Educate> window;
};

void BM_ColourBookRoomDoCmapFine(benchmark::State &state)
{
    BenchWindow b(tw::GameColouringBook);
    const QImage source = photo();
    for (auto _ : state) {
        state.PauseTiming();
        b.paper().buffer() = source.copy(QRect(QPoint(0, 0), b.paper().size()));
        state.ResumeTiming();
        b.window->colourBook().DoCmap(kFine);
    }
    state.counters["width"] = b.paper().width();
    state.counters["classes"] = b.window->colourBook().RegionCount();
}
BENCHMARK(BM_ColourBookRoomDoCmapFine)->Unit(benchmark::kMillisecond);

void BM_ColourBookRoomClick(benchmark::State &state)
{
    BenchWindow b(tw::GameColouringBook);
    b.window->colourBook().pictureLoaded(photo());
    bool red = false;
    for (auto _ : state) {
        red = !red;
        b.window->paint.PenColour = red ? 0x0000FF : 0xFF0000;
        b.window->colourBook().DoColouring(800 * 15, 500 * 15);
    }
}
BENCHMARK(BM_ColourBookRoomClick)->Unit(benchmark::kMillisecond);

void BM_PrintPaintBoxWithObjectsToPdf(benchmark::State &state)
{
    BenchWindow b(tw::GamePaintBox);
    const QString pdf = b.write.filePath(QStringLiteral("page.pdf"));
    b.fakes.printer->device = [&pdf](const tw::PageSetup &page) {
        auto writer = std::make_unique<QPdfWriter>(pdf);
        writer->setResolution(300);
        writer->setPageLayout(tw::pageLayoutOf(page));
        return writer;
    };
    for (auto _ : state) {
        state.PauseTiming();
        b.window->paintBox().maps().recordPicture(photo());
        for (int i = 0; i < 20; ++i) {
            b.window->paintObjects().LoadLine();
            b.window->paintObjects().LoadShape();
        }
        state.ResumeTiming();
        b.window->MNU_Print_Click();
    }
    state.counters["bytes"] = double(QFileInfo(pdf).size());
}
BENCHMARK(BM_PrintPaintBoxWithObjectsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
