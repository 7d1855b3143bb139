// Where the handles sit and how dragging them resizes an object or moves a line's end.
#include "paint/SelectionHandles.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(SelectionHandles, ALinesHandlesSitOnItsEndsAndMoveThem)
{
    const LineObject line {500, 1000, 2000, 2000, 0, 3, {}};
    const auto ends = lineHandles(line);
    EXPECT_EQ(ends[0].topLeft(), QPointF(450, 950));
    EXPECT_EQ(ends[1].topLeft(), QPointF(2050, 2050));
    const LineObject moved = moveLineEnd(line, 1, QPointF(60, -40));
    EXPECT_EQ(QPointF(moved.X2, moved.Y2), QPointF(2030, 1980));
    EXPECT_EQ(QPointF(moved.X1, moved.Y1), QPointF(500, 1000));
}

TEST(SelectionHandles, DraggingAHandleMovesItsEdgesByHalfTheOffsetWithinTheGuards)
{
    const QRectF r(1000, 1000, 1500, 1500);
    const struct
    {
        QRectF from;
        int handle;
        QPointF offset;
        QRectF to;
    } cases[] = {
        {r, 7, {200, 100}, QRectF(1000, 1000, 1600, 1550)}, // right and down
        {r, 0, {200, 100}, QRectF(1100, 1050, 1400, 1450)},
        {r, 1, {200, 100}, QRectF(1000, 1050, 1500, 1450)}, // top edge only
        {r, 5, {-200, 100}, QRectF(900, 1000, 1600, 1550)},
        {QRectF(0, 0, 500, 90), 0, {20, 20}, QRectF(0, 0, 500, 90)}, // under 101 tall
        {QRectF(0, 0, 90, 90), 7, {20, 20}, QRectF(0, 0, 100, 100)}, // bottom right still grows
        {QRectF(0, 0, 150, 150), 7, {-400, -400}, QRectF(0, 0, 150, 150)}, // never inside out
        {QRectF(0, 0, 150, 150), 0, {400, 0}, QRectF(0, 0, 150, 150)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resizeByHandle(c.from, c.handle, c.offset), c.to) << c.handle;
}

} // namespace
} // namespace tw::test
