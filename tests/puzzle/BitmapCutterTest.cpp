// Cutting a bitmap into pieces: the geometry, the pixels and the colour table.
#include "BitmapSamples.h"

#include "puzzle/BitmapCutter.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

struct GeometryCase
{
    int width, height, grid;
    int regularW, rightW, regularH, bottomH;
};

TEST(BitmapCutter, PieceGeometryGivesRemaindersToRightColumnAndBottomRow)
{
    const GeometryCase cases[] = {
        {300, 200, 3, 100, 100, 66, 68},  {301, 200, 3, 100, 101, 66, 68},
        {299, 201, 3, 96, 107, 67, 67}, // regular width rounded down to a multiple of 4
        {1920, 1080, 20, 96, 96, 54, 54}, {100, 100, 20, 4, 24, 5, 5},
        {12, 3, 3, 4, 4, 1, 1}, // the smallest picture a 3 x 3 grid can cut
    };
    for (const GeometryCase &c : cases) {
        const PieceGeometry g = pieceGeometry(c.width, c.height, c.grid);
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " on " << c.grid);
        EXPECT_EQ(g.regularWidth, c.regularW);
        EXPECT_EQ(g.rightColumnWidth, c.rightW);
        EXPECT_EQ(g.regularHeight, c.regularH);
        EXPECT_EQ(g.bottomRowHeight, c.bottomH);
        EXPECT_EQ(g.regularWidth % kPieceWidthAlignment, 0);
        EXPECT_EQ((c.grid - 1) * g.regularWidth + g.rightColumnWidth, c.width);
        EXPECT_EQ((c.grid - 1) * g.regularHeight + g.bottomRowHeight, c.height);
    }
}

// Every pixel of every piece equals the source's pixel at the same place, for each
// depth the cutting handles, with widths that leave odd remainders; each piece is
// a bitmap file of its own that Qt's reader takes at the same size.
TEST(BitmapCutter, EveryPieceHoldsExactlyItsPartOfThePicture)
{
    struct Case
    {
        int width, height, bits, grid;
    };
    const Case cases[] = {
        {300, 200, 24, 3}, {301, 200, 24, 3}, {301, 203, 8, 3}, {77, 50, 8, 4},
        {301, 203, 4, 3},  {99, 41, 4, 5},    {83, 29, 24, 7},  {160, 120, 4, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.width << "x" << c.height << "x" << c.bits << " on " << c.grid);
        const QByteArray source = makeBitmap(c.width, c.height, c.bits, std::uint32_t(c.width));
        const CutPieces cut = SplitUp(bytesOf(source), c.grid);
        ASSERT_EQ(cut.refusal, CutRefusal::None);
        const PieceGeometry g = cut.geometry;
        int mismatches = 0;
        for (int r = 0; r < c.grid; ++r) {
            for (int col = 0; col < c.grid; ++col) {
                const QByteArray &piece = cut.files[size_t(r * c.grid + col)];
                const QSize size(g.width(col, c.grid), g.height(r, c.grid));
                ASSERT_EQ(QSize(int(getLe(piece, 18, 4)), int(getLe(piece, 22, 4))), size);
                ASSERT_EQ(getLe(piece, 2, 4), std::uint32_t(piece.size()));
                ASSERT_EQ(getLe(piece, 34, 4), piece.size() - getLe(piece, 10, 4));
                ASSERT_EQ(QImage::fromData(piece, "BMP").size(), size);
                for (int y = 0; y < g.height(r, c.grid); ++y)
                    for (int x = 0; x < g.width(col, c.grid); ++x)
                        mismatches += rawPixel(piece, x, y)
                            != rawPixel(source, col * g.regularWidth + x, r * g.regularHeight + y);
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

// The bytes between the headers and the pixel rows (the colour table of an indexed
// picture, which PuzzleCuttingTest follows to the screen) go to every piece.
TEST(BitmapCutter, GapsBeforeThePixelRowsAreKept)
{
    // A 24-bit picture whose pixel rows start 2 bytes after its headers: the pieces
    // keep the gap so their own offset stays true.
    QByteArray source = makeBitmap(40, 30, 24);
    source.insert(54, "\x01\x02", 2);
    putLe(source, 10, 56, 4);
    putLe(source, 2, std::uint32_t(source.size()), 4);
    const CutPieces cut = SplitUp(bytesOf(source), 3);
    ASSERT_EQ(cut.refusal, CutRefusal::None);
    for (const QByteArray &piece : cut.files) {
        EXPECT_EQ(piece.mid(54, 2), QByteArray("\x01\x02", 2));
    }
    EXPECT_EQ(rawPixel(cut.files[4], 3, 2), rawPixel(source, 12 + 3, 10 + 2));
}

} // namespace
} // namespace tw::test
