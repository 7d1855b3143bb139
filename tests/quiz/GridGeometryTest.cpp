// Where each tile lies, and the one caption size every tile shares.
#include "quiz/GridGeometry.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(GridGeometry, PixelTilesCoverTheAreaWithoutGapsOrOverlaps)
{
    // 20 x 20 on 1003 by 707 pixels: sizes do not divide evenly. Each tile
    // touches the next to its right and the one below, row by row.
    const double w = 1003 * 15.0, h = 707 * 15.0;
    const int side = 20;
    for (int row = 0; row < side; ++row) {
        for (int col = 0; col < side; ++col) {
            const int t = row * side + col + 1;
            const QRect r = tilePixelRect(tileRect(t, w, h, side - 1));
            if (col + 1 < side)
                ASSERT_EQ(r.right() + 1, tilePixelRect(tileRect(t + 1, w, h, side - 1)).left());
            else
                ASSERT_EQ(r.right() + 1, 1003);
            if (row + 1 < side)
                ASSERT_EQ(r.bottom() + 1, tilePixelRect(tileRect(t + side, w, h, side - 1)).top());
            else
                ASSERT_EQ(r.bottom() + 1, 707);
        }
    }
}

// A font whose letters are 10 twips wide and whose lines are 20 twips high per point.
TextExtent blockFont(const QString &caption, int points)
{
    const QStringList lines = caption.split(QLatin1Char('\n'));
    qsizetype widest = 0;
    for (const QString &l : lines)
        widest = std::max(widest, l.size());
    return {double(widest) * 10 * points, double(lines.size()) * 20 * points};
}

TEST(GridGeometry, CommonSizeIsHalfTheFirstDoubledSizeThatOverflows)
{
    struct Case
    {
        const char *what;
        std::vector<QString> captions;
        double w, h;
        int expected;
    };
    const Case cases[] = {
        // "\nRed": 2 lines; 16 fits (480 + 100 wide, 640 + 100 high), 32 does not.
        {"short name", {"\nRed"}, 1000, 800, 16},
        // A single long caption makes every caption small: 9 letters at 16 overflow.
        {"long name wins", {"\nRed", "\nTurquoise", "\nPink"}, 1000, 800, 8},
        // Empty captions still have a line's height: 32 points are 740 high.
        {"empty caption", {QString()}, 1000, 800, 32},
        {"tiny tile", {"A"}, 0, 0, 1},
        {"negative tile", {"A"}, -50, -50, 1},
        {"nothing to measure", {}, 1000, 800, kMaxFitSize},
        {"huge tile", {"A"}, 1e9, 1e9, kMaxFitSize},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(commonFontSize(c.captions, c.w, c.h, blockFont), c.expected);
    }
}

} // namespace
} // namespace tw
