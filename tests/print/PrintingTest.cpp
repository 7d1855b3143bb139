// Printing the drawing: pages written as PDF files and rendered back to pixels.
#include "print/Printing.h"
#include "paint/PixelMaps.h"
#include "print/FakePrintHost.h"

#include <gtest/gtest.h>

#include <QPdfWriter>

namespace tw {
namespace {

constexpr int kRenderDpi = 30;
constexpr double kMmPerInch = 25.4;
constexpr double kMarginMm = 10;

// The bounding box of the pixels darker than light grey.
QRect inkBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200)
                box |= QRect(x, y, 1, 1);
    return box;
}

double mmToRender(double mm) { return mm / kMmPerInch * kRenderDpi; }

// What the printer is given for `maps` (which must outlive it).
StrokeRecord strokesOf(const PixelMaps &maps)
{
    StrokeRecord r;
    r.size = QSize(maps.width(), maps.height());
    r.stride = maps.width();
    r.colour = maps.colours();
    r.width = maps.widths();
    r.widthUsed.fill(true); // every width is looked for
    return r;
}

TEST(PrintGraphic, WiderStrokesGoUnderNarrowerOnesWhateverTheirOrder)
{
    PixelMaps maps(16, 16);
    maps.record(5, 4, 0xFF0000, 1); // blue, above the wide dot
    maps.record(5, 5, 0x0000FF, 9); // red, 9 pixels across
    const QImage layer = strokeLayer(strokesOf(maps));
    EXPECT_EQ(layer.pixel(5, 4), qRgb(0, 0, 255));
    for (QPoint red : {QPoint(5, 9), QPoint(1, 5), QPoint(9, 5), QPoint(5, 1)})
        EXPECT_EQ(layer.pixel(red), qRgb(255, 0, 0)) << red.x() << "," << red.y();
    for (QPoint clear : {QPoint(0, 5), QPoint(5, 10), QPoint(1, 1), QPoint(12, 12)})
        EXPECT_EQ(qAlpha(layer.pixel(clear)), 0) << clear.x() << "," << clear.y();
}

struct PrintingTest : ::testing::Test
{
    PrintingTest() { printing.page.colourMode = 2; }
    QImage print(const PrintedDrawing &drawing)
    {
        const QString path = host.dir.filePath(QStringLiteral("page.pdf"));
        EXPECT_EQ(printing.printToPdf(path, drawing), QString());
        return test::renderPage(path, kRenderDpi);
    }
    test::FakePrintHost host;
    Printing printing {host};
};

TEST_F(PrintingTest, AWideDrawingFillsThePrintableWidthWithoutDistortion)
{
    PrintedDrawing drawing;
    drawing.pixels = QSize(200, 100);
    PixelMaps maps(200, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            maps.record(x, y, 0x0000FF, 1);
    drawing.strokes = strokesOf(maps);
    const QImage page = print(drawing); // portrait A4
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) is needed";
    const QRect box = inkBox(page);
    const double width = mmToRender(210 - 2 * kMarginMm);
    EXPECT_NEAR(box.left(), mmToRender(kMarginMm), 1.5);
    EXPECT_NEAR(box.width(), width, 2);
    EXPECT_NEAR(box.height(), width / 2, 2);
    EXPECT_GT(qRed(page.pixel(box.center())), 200);

    printing.page.colourMode = 1; // black and white
    const QImage grey = print(drawing);
    const QRgb c = grey.pixel(inkBox(grey).center());
    EXPECT_NEAR(qRed(c), qGreen(c), 3);
}

TEST_F(PrintingTest, WithoutAPrinterThePageCanGoToAPdfAndAFailingPrinterSaysSo)
{
    const QString pdf = host.writeFolder() + QStringLiteral("Tumblewick.pdf");
    host.printed.pixels = QSize(300, 200); // nothing drawn: an empty page
    host.fakeDialogs.askAnswer = false;
    printing.MNU_Print_Click();
    EXPECT_FALSE(QFile::exists(pdf));
    host.fakeDialogs.askAnswer = true;
    printing.MNU_Print_Click();
    EXPECT_EQ(host.stuckDown, 2);
    ASSERT_EQ(host.fakeDialogs.messages.size(), 3);
    EXPECT_TRUE(host.fakeDialogs.messages[0].startsWith("Cannot Find Printer"));
    EXPECT_TRUE(QFile::exists(pdf));

    // A printer that cannot take the page.
    host.fakePrinter.device = [this](const PageSetup &) {
        return std::make_unique<QPdfWriter>(host.dir.filePath(QStringLiteral("no/such/x.pdf")));
    };
    printing.page.paperSize = 8; // A3
    printing.MNU_Print_Click();
    EXPECT_EQ(host.fakeDialogs.messages.last(), QStringLiteral("Cannot Find Printer"));
    EXPECT_EQ(host.fakePrinter.opened.last().paperSize, 8); // A3
    EXPECT_FALSE(host.busyNow);
}

} // namespace
} // namespace tw
