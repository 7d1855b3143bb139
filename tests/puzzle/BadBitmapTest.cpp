// Broken or unsuitable bitmaps are refused without reading or writing outside them.
#include "BitmapSamples.h"

#include "puzzle/BitmapCutter.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

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

// Random truncations and byte changes of valid bitmaps of each depth never crash and
// never produce a piece whose header disagrees with its size (run under
// AddressSanitizer or valgrind, this also shows nothing is read outside the buffer).
TEST(BadBitmap, RandomDamageNeverCrashes)
{
    std::mt19937 gen(2024);
    int refused = 0, cut = 0;
    for (int bits : {4, 8, 24}) {
        const QByteArray good = makeBitmap(50, 33, bits, std::uint32_t(bits));
        for (int round = 0; round < 700; ++round) {
            QByteArray bad = good;
            const int kind = round % 3;
            if (kind == 0) {
                bad.truncate(int(gen() % std::uint32_t(good.size())));
            } else {
                const int changes = 1 + int(gen() % 6);
                for (int i = 0; i < changes; ++i) {
                    // Mostly the headers, where the damage matters.
                    const int limit = (gen() % 4 == 0) ? int(bad.size()) : 60;
                    bad[int(gen() % std::uint32_t(limit))] = char(gen() & 0xFF);
                }
                if (kind == 2)
                    bad.truncate(int(gen() % std::uint32_t(bad.size() + 1)));
            }
            // The copy is exactly the damaged size, so any overrun is outside it.
            const QByteArray exact(bad.constData(), bad.size());
            const CutPieces pieces = SplitUp(bytesOf(exact), 1 + int(gen() % 5));
            if (pieces.refusal != CutRefusal::None) {
                ++refused;
                EXPECT_TRUE(pieces.files.empty());
                continue;
            }
            ++cut;
            for (const QByteArray &p : pieces.files)
                ASSERT_EQ(getLe(p, 2, 4), std::uint32_t(p.size()));
        }
    }
    EXPECT_GT(refused, 500);
    EXPECT_GT(cut, 50);
}

} // namespace
} // namespace tw::test
