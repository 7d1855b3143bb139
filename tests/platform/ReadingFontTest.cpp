// Captions, questions and the balloon are drawn in Andika, the font made for early readers.
#include "platform/ReadingFont.h"
#include "common/Tiles.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace tw;

TEST(ReadingFont, CaptionsAreDrawnInAndika)
{
    ASSERT_EQ(readingFamily(), QStringLiteral("Andika")) << "install fonts-sil-andika";
    TileLabel tile(1, nullptr);
    tile.setFontSize(30);
    EXPECT_EQ(QFontInfo(tile.font()).family(), QStringLiteral("Andika"));
    EXPECT_EQ(QFontInfo(readingFont(12)).family(), QStringLiteral("Andika"));
}
