// Lines and shapes on the drawing: creation, selection, handles, options, stick down, curve, undo.
#include "paint/PaintWindow.h"
#include "platform/Numeric.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
constexpr int kCircle = 3;

TEST(PaintObjects, NewLinesAndShapesAreSelectedWithTheirHandles)
{
    PaintWindow t;
    t.pick(kRedTile);
    t.box().Tool_Click(1); // the middle pen: 9 wide
    t.box().Tool_Click(7);
    ASSERT_EQ(t.objects().LineCount(), 1);
    const LineObject &line = t.objects().objects().lines[1];
    EXPECT_EQ(line.BorderColor, kRed);
    EXPECT_EQ(line.BorderWidth, 9);
    EXPECT_EQ(t.selected(), QStringLiteral("Lines"));
    EXPECT_TRUE(t.objects().handleShown(1));
    EXPECT_TRUE(t.menus().enabled(MenuId::MNU_Glue));

    t.menus().click(MenuId::MNU_Shape, kCircle);
    t.box().Tool_Click(9);
    const ShapeObject &shape = t.objects().objects().shapes[1];
    EXPECT_EQ(shape.Shape, kCircle);
    EXPECT_EQ(t.selected(), QStringLiteral("Shapes"));
    EXPECT_TRUE(t.menus().enabled(MenuId::MNU_ShapeOpt));
    EXPECT_EQ(t.shown({50, 1}), qRgb(255, 0, 0)); // the circle's top, drawn in red

    t.box().Tool_Click(0); // another tool ends the selection
    EXPECT_FALSE(t.objects().handleShown(0));
    EXPECT_FALSE(t.menus().enabled(MenuId::MNU_Delete));
}

TEST(PaintObjects, ALineIsPickedWhereItsColourShowsAndTheLowerIndexWins)
{
    PaintWindow t;
    t.box().Tool_Click(7); // black line 1
    t.box().Tool_Click(7); // line 2 on top of it
    t.press(1250, 1500); // the middle of both
    EXPECT_EQ(t.selected(), QStringLiteral("Lines"));
    EXPECT_EQ(t.w().paint.SelectedIndex, 1);
    EXPECT_EQ(t.w().paint.GrabX, 750);

    // A solid blue shape over the lines: where it hides them they cannot be picked.
    t.press(20000, 20000); // nothing selected, so the colour recolours nothing
    t.pick(kBlueTile);
    t.box().Tool_Click(9);
    t.menus().click(MenuId::MNU_ShapeFill);
    t.menus().click(MenuId::MNU_ShapeFillCurCol);
    t.drag(QPointF(750, 750), QPointF(1750, 1750)); // moved to (1000, 1000)
    EXPECT_EQ(t.objects().objects().shapes[1].bounds(), QRectF(1000, 1000, 1500, 1500));
    t.press(1250, 1500);
    EXPECT_EQ(t.selected(), QStringLiteral("Shapes"));
    t.press(20000, 20000); // nothing there
    EXPECT_TRUE(t.selected().isEmpty());
    t.press(20000, 20000, 2); // right click with nothing selected: no menu
    EXPECT_FALSE(t.menus().menu(MenuId::MNU_Tools)->isVisible());
}

TEST(PaintObjects, ShapeOptionsHandlesAndDelete)
{
    PaintWindow t;
    t.box().Tool_Click(9);
    const ShapeObject &shape = t.objects().objects().shapes[1];
    EXPECT_EQ(shape.FillStyle, kFillTransparent);
    t.menus().click(MenuId::MNU_ShapeFill);
    EXPECT_EQ(shape.FillStyle, kFillSolid);
    t.fakes.dialogs->nextColour = QColor(0, 255, 0);
    t.menus().click(MenuId::MNU_ShapeFillCol);
    EXPECT_EQ(shape.FillColor, 0x00FF00u);
    t.fakes.dialogs->nextColour.reset(); // cancelled: nothing changes
    t.menus().click(MenuId::MNU_ShapeFillCol);
    EXPECT_EQ(shape.FillColor, 0x00FF00u);

    t.objects().Sp_MouseMove(7, 1, 200, 100);
    EXPECT_EQ(shape.bounds(), QRectF(0, 0, 1600, 1550));

    t.menus().click(MenuId::MNU_Delete);
    t.press(700, 700);
    EXPECT_TRUE(t.selected().isEmpty());
    EXPECT_EQ(t.shown({10, 10}), qRgb(255, 255, 255));
}

TEST(PaintObjects, StuckDownObjectsBecomePartOfTheDrawing)
{
    PaintWindow t;
    t.pick(kRedTile);
    t.box().Tool_Click(2); // 18 wide
    t.box().Tool_Click(7);
    t.pick(kBlueTile); // recolours the selected line; pen is blue
    t.menus().click(MenuId::MNU_Glue);
    EXPECT_EQ(t.maps().colour(83, 100), kBlue); // (1250, 1500) twips lies on it
    EXPECT_EQ(t.maps().width(83, 100), 18);
    EXPECT_EQ(t.objects().objects().lines[1].Tag, kDeletedTag);

    t.pick(kRedTile);
    t.box().Tool_Click(9);
    t.menus().click(MenuId::MNU_Glue);
    EXPECT_EQ(t.objects().objects().shapes[1].Tag, kDeletedTag);
    t.box().Review_Click(0); // Redraw
    EXPECT_EQ(t.drawn({50, 1}), qRgb(255, 0, 0));
}

TEST(PaintObjects, ABentLineBecomesACurveAndUndoRedoWalkEveryChange)
{
    PaintWindow t;
    const PixelMaps empty = t.maps();
    t.box().Tool_Click(7);
    t.box().Tool_Click(8);
    t.box().Paper_MouseDown(1, 1250, 1500);
    EXPECT_TRUE(t.w().paint.CurveEditing);
    t.box().Paper_MouseMove(1, 2000, 500);
    t.box().Paper_MouseUp(1, 2000, 500);
    EXPECT_FALSE(t.w().paint.CurveEditing);
    EXPECT_EQ(t.objects().objects().lines[1].Tag, kDeletedTag);
    // The middle of the curve: 3/4 of the way from the line's middle to the bend point.
    EXPECT_EQ(t.maps().colour(CInt(1812.5 / 15), CInt(750.0 / 15)), 0u);
    EXPECT_EQ(t.drawn({CInt(1812.5 / 15), CInt(750.0 / 15)}), qRgb(0, 0, 0));
    const PixelMaps curved = t.maps();

    t.box().Tool_Click(9);
    t.drag(QPointF(700, 700), QPointF(2700, 2700));
    t.menus().click(MenuId::MNU_Glue);
    const PixelMaps glued = t.maps();
    t.box().Tool_Click(0);
    t.drag(QPointF(3000, 300), QPointF(6000, 300));
    t.box().Review_Click(1); // Clear

    for (int i = 0; i < 5; ++i)
        t.menus().click(MenuId::MNU_Undo); // clear, stroke, glue, move, new shape
    EXPECT_EQ(t.maps().differenceFrom(curved), QRect());
    t.menus().click(MenuId::MNU_Undo); // the curve
    t.menus().click(MenuId::MNU_Undo); // the new line
    EXPECT_EQ(t.objects().LineCount(), 0);
    EXPECT_EQ(t.maps().differenceFrom(empty), QRect());
    EXPECT_FALSE(t.menus().enabled(MenuId::MNU_Undo));
    for (int i = 0; i < 5; ++i)
        t.menus().click(MenuId::MNU_Redo);
    EXPECT_EQ(t.maps().differenceFrom(glued), QRect());
}

} // namespace
} // namespace tw::test
