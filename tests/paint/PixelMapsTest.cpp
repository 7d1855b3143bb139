// The record of the drawing: replay onto image memory, erasing, and the bytes kept between runs.
#include "paint/PixelMaps.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// The replay as its definition says: every recorded pixel, row by row, as its
// own round dot.
QImage dotByDot(const PixelMaps &maps, const QRect &clip)
{
    QImage image = blank(maps.width(), maps.height());
    for (int y = 0; y < maps.height(); ++y)
        for (int x = 0; x < maps.width(); ++x)
            if (maps.colour(x, y) != kNothingDrawn)
                stampDot(image, QPoint(x, y), rgbFromColour(maps.colour(x, y)), maps.width(x, y),
                         clip);
    return image;
}

TEST(PixelMaps, ReplayDrawsEveryDotInItsWidthAndLaterDotsCoverEarlierOnes)
{
    PixelMaps maps(40, 30);
    maps.record(0, 0, 0x0000FF, 1); // the first row and column are replayed too
    maps.record(20, 10, 0xFF0000, 3); // a 3 x 3 blue square
    maps.record(20, 11, 0x00FF00, 1); // later row: green on top of the blue
    maps.record(10, 20, 0x000000, 18); // reaches 9 left and 8 right of its centre
    maps.record(30, 5, kNothingDrawn, 18); // white is nothing drawn
    QImage image = blank(40, 30);
    maps.replay(image, image.rect());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 9), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(22, 10), kWhite);
    EXPECT_EQ(image.pixel(20, 11), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(18, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 20), kWhite);
    EXPECT_EQ(image.pixel(19, 20), kWhite);
    EXPECT_EQ(image.pixel(30, 5), kWhite);
}

// The fast replay stamps runs of equal dots at once and walks only what can
// reach the clip; it must give exactly the dot-by-dot picture.
TEST(PixelMaps, ReplayOfRunsAndClipsMatchesDotByDot)
{
    QRandomGenerator random(7);
    PixelMaps maps(120, 90);
    const quint32 colours[] = {0x0000FF, 0x00FF00, 0x123456};
    for (int i = 0; i < 400; ++i) {
        const int x = random.bounded(120);
        const int y = random.bounded(90);
        const int run = random.bounded(6);
        const quint32 c = colours[random.bounded(3)];
        const int w = 1 + random.bounded(30);
        for (int k = 0; k <= run; ++k)
            maps.record(x + k, y, c, w);
    }
    for (const QRect &clip : {QRect(0, 0, 120, 90), QRect(30, 20, 17, 9), QRect(110, 80, 40, 40)}) {
        QImage fast = blank(120, 90);
        maps.replay(fast, clip);
        EXPECT_EQ(fast, dotByDot(maps, clip)) << clip.x() << "," << clip.y();
    }
}

TEST(PixelMaps, WritesOutsideTheMapsAreSkippedAndErasingResets)
{
    PixelMaps maps(20, 10);
    for (const QPoint &p : {QPoint(-1, 0), QPoint(0, -1), QPoint(20, 3), QPoint(3, 10)})
        maps.record(p.x(), p.y(), 0, 5);
    EXPECT_TRUE(maps.empty());
    for (int i = 0; i < 10; ++i)
        maps.record(i, i, 0x0000FF, 9);
    maps.record(15, 2, 0x00FF00, 9); // reaches 4 pixels left, to x = 11
    maps.record(17, 2, 0x00FF00, 1);
    maps.eraseTouching(QRect(11, 0, 2, 2));
    EXPECT_EQ(maps.colour(15, 2), kNothingDrawn);
    EXPECT_EQ(maps.colour(17, 2), 0x00FF00u);
    maps.erase(QRect(QPoint(-5, -5), QPoint(2, 2))); // corners inclusive, clipped
    EXPECT_EQ(maps.colour(2, 2), kNothingDrawn);
    EXPECT_EQ(maps.width(2, 2), 1);
    EXPECT_EQ(maps.colour(3, 3), 0x0000FFu);
    maps.growTo(20, 12);
    EXPECT_EQ(maps.width(9, 9), 9);
}

TEST(PixelMaps, BytesComeBackAndStrangeBytesAreRefused)
{
    PixelMaps maps(300, 200);
    maps.record(299, 199, 0x00FF00, 18);
    maps.record(0, 0, 0x0000FF, 1);
    const QByteArray bytes = maps.toBytes();
    const std::optional<PixelMaps> back = PixelMaps::fromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->colour(299, 199), 0x00FF00u);
    EXPECT_EQ(back->width(299, 199), 18);
    EXPECT_EQ(back->colour(1, 0), kNothingDrawn);
    EXPECT_TRUE(back->widthUsed()[18]);
    EXPECT_FALSE(back->widthUsed()[3]);

    QByteArray huge = bytes;
    huge[8] = char(0xFF); // width 255 + ..., no longer what the data holds
    QByteArray cut = bytes.left(bytes.size() / 2);
    QByteArray foreign = bytes;
    foreign[0] = 'X';
    for (const QByteArray &bad : {QByteArray(), QByteArray("BM6\0\0\0", 6), cut, foreign, huge})
        EXPECT_FALSE(PixelMaps::fromBytes(bad));
}

} // namespace
} // namespace tw
