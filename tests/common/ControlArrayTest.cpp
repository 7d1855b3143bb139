#include "common/ControlArray.h"

#include <QLabel>

#include <gtest/gtest.h>

using tw::ControlArray;

TEST(ControlArray, LoadsAndUnloadsByIndexAndKeepsTheTemplate)
{
    QWidget parent;
    auto *templ = new QLabel(&parent);
    ControlArray<QLabel> labels(templ, [&](int) { return new QLabel(&parent); });

    EXPECT_TRUE(labels.load(1));
    EXPECT_TRUE(labels.load(2));
    EXPECT_FALSE(labels.load(2)) << "an element that exists is not made twice";
    EXPECT_EQ(labels.count(), 2);
    EXPECT_EQ(labels.at(3), nullptr) << "an element not loaded is an ordinary null";

    EXPECT_TRUE(labels.unload(1));
    EXPECT_FALSE(labels.unload(1));
    EXPECT_FALSE(labels.unload(0)) << "the template is never unloaded";
    EXPECT_EQ(labels.at(0), templ);
    EXPECT_EQ(labels.count(), 1);
}
