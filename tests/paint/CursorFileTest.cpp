// The paint box's cursor files load with their hotspot; broken files fall back to a standard
// pointer instead of leaving a tool without one.
#include "paint/CursorFile.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDataStream>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace tw;
using tw::test::writeFile;

namespace {

constexpr int Side = 32;

QImage redDot()
{
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(2, 29, Qt::red);
    return image;
}

// A one-image icon directory (type 2 = cursor, 1 = icon) holding a PNG image.
QByteArray directoryFile(quint16 type, QPoint hotspot, const QByteArray &imageBytes)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << type << quint16(1) << quint8(Side) << quint8(Side) << quint16(0)
      << quint16(hotspot.x()) << quint16(hotspot.y()) << quint32(imageBytes.size()) << quint32(22);
    return out + imageBytes;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

// Cursors load with their hotspot kept inside the image; anything else loads as nothing.
TEST(CursorFile, ReadsTheImageAndKeepsTheHotspotInsideItAndRejectsWhatIsNotACursor)
{
    const QByteArray png = pngBytes(redDot());
    struct Case
    {
        const char *what;
        QByteArray bytes;
        std::optional<QPoint> hotspot; // none: not a cursor
    };
    const Case cases[] = {
        {"hotspot at the pen's point", directoryFile(2, {2, 29}, png), QPoint(2, 29)},
        {"hotspot beyond the image is moved to its edge", directoryFile(2, {40, 70}, png),
         QPoint(Side - 1, Side - 1)},
        {"an icon, not a cursor", directoryFile(1, {1, 1}, png), {}},
        {"garbage where the image should be", directoryFile(2, {1, 1}, QByteArray(200, 'x')), {}},
        {"a PNG file renamed to .cur", png, {}},
    };
    for (const Case &c : cases) {
        const CursorImage cursor = readCursorFile(c.bytes);
        ASSERT_EQ(cursor.image.isNull(), !c.hotspot) << c.what;
        if (!c.hotspot)
            continue;
        EXPECT_EQ(cursor.image.pixelColor(2, 29), QColor(Qt::red)) << c.what;
        EXPECT_EQ(cursor.image.pixelColor(20, 5).alpha(), 0) << c.what;
        EXPECT_EQ(cursor.hotspot, *c.hotspot) << c.what;
    }
}

TEST(CursorFile, LoadsAPointerOrFallsBackToTheStandardShape)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("Pen_rl.cur"));
    const QString broken = dir.filePath(QStringLiteral("Hand.cur"));
    ASSERT_TRUE(writeFile(good, directoryFile(2, {2, 29}, pngBytes(redDot()))));
    ASSERT_TRUE(writeFile(broken, "not a cursor at all"));

    const QCursor pen = loadCursorFile(good, Qt::CrossCursor);
    EXPECT_EQ(pen.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pen.hotSpot(), QPoint(2, 29));

    EXPECT_EQ(loadCursorFile(broken, Qt::CrossCursor).shape(), Qt::CrossCursor);
    EXPECT_EQ(loadCursorFile(dir.filePath(QStringLiteral("Missing.cur"))).shape(), Qt::ArrowCursor);
}
