// Cutting a bitmap into pieces: the geometry and the pixels; broken or unsuitable bitmaps
// are refused without reading or writing outside them.
#include "BitmapSamples.h"

#include "puzzle/BitmapCutter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

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
// a bitmap file of its own, read back by Qt's reader.
TEST(BitmapCutter, EveryPieceHoldsExactlyItsPartOfThePicture)
{
    struct Case
    {
        int width, height, bits, grid;
    };
    const Case cases[] = {
        {301, 200, 24, 3}, {301, 203, 8, 3}, {77, 50, 8, 4},
        {99, 41, 4, 5},    {83, 29, 24, 7},  {160, 120, 4, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.width << "x" << c.height << "x" << c.bits << " on " << c.grid);
        const QByteArray source = makeBitmap(c.width, c.height, c.bits, std::uint32_t(c.width));
        const CutPieces cut = SplitUp(bytesOf(source), c.grid);
        ASSERT_EQ(cut.refusal, CutRefusal::None);
        const PieceGeometry g = cut.geometry;
        const QImage whole = QImage::fromData(source, "BMP").convertToFormat(QImage::Format_RGB32);
        for (int r = 0; r < c.grid; ++r) {
            for (int col = 0; col < c.grid; ++col) {
                const QByteArray &piece = cut.files[size_t(r * c.grid + col)];
                const QSize size(g.width(col, c.grid), g.height(r, c.grid));
                ASSERT_EQ(QSize(int(getLe(piece, 18, 4)), int(getLe(piece, 22, 4))), size);
                ASSERT_EQ(getLe(piece, 2, 4), std::uint32_t(piece.size()));
                ASSERT_EQ(getLe(piece, 34, 4), piece.size() - getLe(piece, 10, 4));
                const QRect part(QPoint(col * g.regularWidth, r * g.regularHeight), size);
                ASSERT_EQ(QImage::fromData(piece, "BMP").convertToFormat(QImage::Format_RGB32),
                          whole.copy(part));
            }
        }
    }
}

struct BadCase
{
    const char *what;
    std::function<void(QByteArray &)> spoil;
    CutRefusal expected;
    int grid = 3;
};

TEST(BadBitmap, EachKindOfBrokenFileAndEachImpossibleGridIsRefused)
{
    const BadCase cases[] = {
        {"headers cut short", [](QByteArray &b) { b.truncate(53); }, CutRefusal::Truncated},
        {"pixels cut short", [](QByteArray &b) { b.chop(1); }, CutRefusal::PixelsBeyondEnd},
        {"no BM", [](QByteArray &b) { b[0] = 'P'; }, CutRefusal::NotABitmap},
        {"negative width", [](QByteArray &b) { putLe(b, 18, std::uint32_t(-300), 4); },
         CutRefusal::BadSize},
        {"top-down rows", [](QByteArray &b) { putLe(b, 22, std::uint32_t(-200), 4); },
         CutRefusal::BadSize},
        {"large size without the pixels", [](QByteArray &b) { putLe(b, 18, 30000, 4); },
         CutRefusal::PixelsBeyondEnd},
        {"pixels start past the end", [](QByteArray &b) { putLe(b, 10, 1000000, 4); },
         CutRefusal::ColourTableTooLarge},
        {"pixel offset inside the header", [](QByteArray &b) { putLe(b, 10, 20, 4); },
         CutRefusal::BadHeader},
        {"core header", [](QByteArray &b) { putLe(b, 14, 12, 4); }, CutRefusal::BadHeader},
        {"run-length 8", [](QByteArray &b) { putLe(b, 30, 1, 4); }, CutRefusal::Compressed},
        {"1 bit", [](QByteArray &b) { putLe(b, 28, 1, 2); }, CutRefusal::UnsupportedDepth},
        {"too narrow for the grid", [](QByteArray &b) { putLe(b, 18, 11, 4); },
         CutRefusal::TooSmallForGrid},
        {"grid 0", [](QByteArray &) {}, CutRefusal::BadGrid, 0},
        {"grid 21", [](QByteArray &) {}, CutRefusal::BadGrid, 21},
    };
    const QByteArray good = makeBitmap(60, 40, 24);
    ASSERT_EQ(SplitUp(bytesOf(good), 3).refusal, CutRefusal::None);
    for (const BadCase &c : cases) {
        QByteArray bad = good;
        c.spoil(bad);
        const CutPieces cut = SplitUp(bytesOf(bad), c.grid);
        EXPECT_EQ(cut.refusal, c.expected) << c.what;
        EXPECT_TRUE(cut.files.empty()) << c.what;
    }
}

} // namespace
} // namespace tw::test
