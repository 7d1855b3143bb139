// Undo and redo give back the exact maps and objects, keep enough steps and stay small.
#include "paint/UndoHistory.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(UndoHistory, EveryStepComesBackExactlyBothWays)
{
    PixelMaps maps(200, 100);
    PaintObjectSet objects;
    UndoHistory history;
    history.reset(maps, objects);
    std::vector<PixelMaps> states {maps};
    std::vector<PaintObjectSet> sets {objects};
    for (int i = 0; i < 25; ++i) {
        maps.record(i * 7 % 200, i * 3 % 100, quint32(i), i % 30 + 1);
        if (i % 4 == 0)
            objects.lines.push_back(LineObject {double(i), 0, 10, 10, 0, 3, QString()});
        ASSERT_TRUE(history.record(maps, objects));
        states.push_back(maps);
        sets.push_back(objects);
    }
    EXPECT_FALSE(history.record(maps, objects)); // nothing changed: no step
    EXPECT_EQ(history.steps(), 25);
    // A change of a few pixels keeps only their area.
    EXPECT_LT(history.bytes(), 25 * 200 * 100 / 4);

    for (int i = 24; i >= 0; --i) {
        ASSERT_TRUE(history.undo(maps, objects));
        EXPECT_EQ(maps.differenceFrom(states[size_t(i)]), QRect()) << i;
        EXPECT_EQ(objects, sets[size_t(i)]) << i;
    }
    EXPECT_FALSE(history.undo(maps, objects));
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(history.redo(maps, objects));
    EXPECT_EQ(maps.differenceFrom(states[3]), QRect());
    EXPECT_EQ(objects, sets[3]);

    // A new change drops what was undone.
    maps.erase(QRect(0, 0, 200, 100));
    ASSERT_TRUE(history.record(maps, objects));
    EXPECT_FALSE(history.canRedo());
    ASSERT_TRUE(history.undo(maps, objects));
    EXPECT_EQ(maps.differenceFrom(states[3]), QRect());
}

TEST(UndoHistory, KeepsTheNewestStepsWithinItsBoundsAndSurvivesANewSize)
{
    PixelMaps maps(64, 64);
    PaintObjectSet objects;
    UndoHistory history;
    history.reset(maps, objects);
    for (int i = 0; i < UndoHistory::kMaxSteps + 10; ++i) {
        maps.record(i, i, quint32(i), 1);
        history.record(maps, objects);
    }
    EXPECT_EQ(history.steps(), UndoHistory::kMaxSteps);

    const PixelMaps before = maps;
    maps.allocate(32, 32); // "Clear" on a smaller surface
    ASSERT_TRUE(history.record(maps, objects));
    ASSERT_TRUE(history.undo(maps, objects));
    EXPECT_EQ(maps.differenceFrom(before), QRect());
}

} // namespace
} // namespace tw::test
