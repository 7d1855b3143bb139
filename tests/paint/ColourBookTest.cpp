// The colouring book, saving and printing its page, played through the window.
#include "paint/ColourBook.h"
#include "paint/PaintWindow.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

constexpr int kCoarse = 4;
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 200);
const QRgb kGreen = qRgb(0, 255, 0);

struct BookWindow : PaintWindow
{
    BookWindow()
        : PaintWindow(GameColouringBook, QSize(600, 400)) // no backgrounds: a blank page
    { }
    void click(QPoint p) { QTest::mouseClick(&paper(), Qt::LeftButton, {}, p); }
    // Loads a picture of the surface's size through "&Load Picture": two
    // separate red blocks, a blue one, a near-white stripe, white elsewhere.
    void loadTestPicture()
    {
        QImage picture(paper().size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 10; y < 60; ++y)
            for (int x = 10; x < 60; ++x) {
                picture.setPixel(x, y, kRed);
                picture.setPixel(x + 200, y, kRed);
                picture.setPixel(x + 100, y, kBlue);
                picture.setPixel(x, y + 100, qRgb(250, 250, 250));
            }
        const QString path = appDir.filePath(QStringLiteral("page.png"));
        ASSERT_TRUE(picture.save(path));
        fakes.dialogs->nextFile = path;
        w().menus().click(MenuId::MNU_LoadPic);
    }
};

TEST(ColourBook, AClickColoursEveryAreaOfItsClassAndWhiteNeverTakesColour)
{
    BookWindow t;
    MenuBar &m = t.menus();
    t.loadTestPicture();
    EXPECT_EQ(t.w().colourBook().RegionCount(), 2); // red and blue; the near-white stripe is white

    t.pick(kGreenTile);
    t.click(QPoint(30, 30));
    EXPECT_EQ(t.drawn(QPoint(230, 50)), kGreen); // the other red block too
    EXPECT_EQ(t.drawn(QPoint(130, 30)), qRgb(0, 0, 150)); // blue, reduced at "Medium"
    const QImage before = t.paper().buffer();
    t.click(QPoint(30, 130)); // the near-white stripe
    t.click(QPoint(400, 300));
    EXPECT_EQ(t.paper().buffer(), before);

    // The clock's deferred repaint draws the colouring again from the record.
    t.paper().buffer().fill(Qt::white);
    t.w().shell.RepaintPending = true;
    t.w().shell.PaintDone = true;
    t.w().Timer1_Timer();
    EXPECT_EQ(t.paper().buffer(), before);

    // A new step starts again from what is shown: green stays green.
    m.click(MenuId::MNU_Cmap, kCoarse);
    EXPECT_EQ(t.drawn(QPoint(230, 50)), qRgb(0, 240, 0));

    // "Clear" brings the picture back uncoloured.
    m.click(MenuId::MNU_Clear);
    EXPECT_EQ(t.drawn(QPoint(30, 30)), qRgb(240, 0, 0));

    // The paint box's drawing is never reduced, even by a hidden item reached anyway.
    t.w().MNU_Game_Click(GamePaintBox);
    EXPECT_FALSE(m.visible(MenuId::MNU_Map));
    const QImage drawing = t.paper().buffer();
    m.click(MenuId::MNU_Cmap, 0);
    EXPECT_EQ(t.paper().buffer(), drawing);
}

TEST(ColourBook, PrintingGoesThroughTheMenusAndSticksLinesDown)
{
    BookWindow t;
    t.loadTestPicture();
    t.pick(kGreenTile);
    t.click(QPoint(30, 30));
    t.menus().click(MenuId::MNU_PapLand, 1);
    t.menus().click(MenuId::MNU_Color, 1);
    t.menus().click(MenuId::MNU_Print); // no printer: the PDF is offered
    EXPECT_EQ(t.fakes.printer->opened.last(), (PageSetup {9, 2, 2}));
    EXPECT_TRUE(QFile::exists(t.writeDir.filePath(QStringLiteral("Tumblewick.pdf"))));

    // In the paint box a line is stuck down by printing: it cannot be picked.
    t.w().MNU_Game_Click(GamePaintBox);
    PaintObjects &objects = t.w().paintObjects();
    objects.LoadLine();
    ASSERT_EQ(objects.LineCount(), 1);
    t.menus().click(MenuId::MNU_Print);
    EXPECT_EQ(objects.LineCount(), 0);
    EXPECT_NE(t.drawn(QPoint(83, 100)), qRgb(255, 255, 255));
}

} // namespace
} // namespace tw::test
