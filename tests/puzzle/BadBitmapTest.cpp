// Broken or unsuitable bitmaps are refused without reading or writing outside them.
#include "BitmapSamples.h"

#include "puzzle/BitmapCutter.h"

#include <gtest/gtest.h>

#include <functional>

namespace tw::test {
namespace {

struct BadCase
{
    const char *what;
    std::function<void(QByteArray &)> spoil;
    CutRefusal expected;
};

TEST(BadBitmap, EachKindOfBrokenFileIsRefused)
{
    const BadCase cases[] = {
        {"empty", [](QByteArray &b) { b.clear(); }, CutRefusal::Truncated},
        {"headers cut short", [](QByteArray &b) { b.truncate(53); }, CutRefusal::Truncated},
        {"pixels cut short", [](QByteArray &b) { b.chop(1); }, CutRefusal::PixelsBeyondEnd},
        {"no BM", [](QByteArray &b) { b[0] = 'P'; }, CutRefusal::NotABitmap},
        {"negative width", [](QByteArray &b) { putLe(b, 18, std::uint32_t(-300), 4); },
         CutRefusal::BadSize},
        {"top-down rows", [](QByteArray &b) { putLe(b, 22, std::uint32_t(-200), 4); },
         CutRefusal::BadSize},
        {"zero height", [](QByteArray &b) { putLe(b, 22, 0, 4); }, CutRefusal::BadSize},
        {"enormous width", [](QByteArray &b) { putLe(b, 18, 0x7FFFFFFF, 4); }, CutRefusal::BadSize},
        {"large size without the pixels", [](QByteArray &b) { putLe(b, 18, 30000, 4); },
         CutRefusal::PixelsBeyondEnd},
        {"pixels start past the end", [](QByteArray &b) { putLe(b, 10, 1000000, 4); },
         CutRefusal::ColourTableTooLarge},
        {"pixel offset inside the header", [](QByteArray &b) { putLe(b, 10, 20, 4); },
         CutRefusal::BadHeader},
        {"negative pixel offset", [](QByteArray &b) { putLe(b, 10, 0x80000000u, 4); },
         CutRefusal::BadHeader},
        {"pixel offset just past the end", [](QByteArray &b) { putLe(b, 10, 54 + 1024, 4); },
         CutRefusal::PixelsBeyondEnd},
        {"core header", [](QByteArray &b) { putLe(b, 14, 12, 4); }, CutRefusal::BadHeader},
        {"huge info header", [](QByteArray &b) { putLe(b, 14, 0x7FFFFFF0, 4); },
         CutRefusal::BadHeader},
        {"two planes", [](QByteArray &b) { putLe(b, 26, 2, 2); }, CutRefusal::BadHeader},
        {"run-length 8", [](QByteArray &b) { putLe(b, 30, 1, 4); }, CutRefusal::Compressed},
        {"bit fields", [](QByteArray &b) { putLe(b, 30, 3, 4); }, CutRefusal::Compressed},
        {"1 bit", [](QByteArray &b) { putLe(b, 28, 1, 2); }, CutRefusal::UnsupportedDepth},
        {"16 bits", [](QByteArray &b) { putLe(b, 28, 16, 2); }, CutRefusal::UnsupportedDepth},
        {"32 bits", [](QByteArray &b) { putLe(b, 28, 32, 2); }, CutRefusal::UnsupportedDepth},
        {"too narrow for the grid", [](QByteArray &b) { putLe(b, 18, 11, 4); },
         CutRefusal::TooSmallForGrid},
        {"too short for the grid", [](QByteArray &b) { putLe(b, 22, 2, 4); },
         CutRefusal::TooSmallForGrid},
    };
    const QByteArray good = makeBitmap(60, 40, 24);
    ASSERT_EQ(SplitUp(bytesOf(good), 3).refusal, CutRefusal::None);
    for (const BadCase &c : cases) {
        QByteArray bad = good;
        c.spoil(bad);
        const CutPieces cut = SplitUp(bytesOf(bad), 3);
        EXPECT_EQ(cut.refusal, c.expected) << c.what;
        EXPECT_TRUE(cut.files.empty()) << c.what;
    }
}

TEST(BadBitmap, GridsOutsideTheTablesAreRefused)
{
    const QByteArray good = makeBitmap(400, 400, 8);
    EXPECT_EQ(SplitUp(bytesOf(good), 0).refusal, CutRefusal::BadGrid);
    EXPECT_EQ(SplitUp(bytesOf(good), 21).refusal, CutRefusal::BadGrid);
    EXPECT_EQ(SplitUp(bytesOf(good), 20).refusal, CutRefusal::None);
}

} // namespace
} // namespace tw::test
