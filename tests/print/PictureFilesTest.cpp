// Saving the surface as "Tumblewick.bmp" and loading a background picture.
#include "print/PictureFiles.h"
#include "print/FakePrintHost.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

namespace tw {
namespace {

QImage stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, (y * 7) % 256, (x + y) % 256));
    return image;
}

TEST(PictureFiles, SavesBottomUpRowsPaddedToFourBytesUnderTheFixedHeader)
{
    struct Case
    {
        int width;
        int rowBytes;
    };
    const Case cases[] = {{301, 904}, {302, 908}, {303, 912}, {300, 900}};
    for (const Case &c : cases) {
        const QImage picture = stripes(c.width, 3);
        const QByteArray file = encodeSavedPicture(picture);
        ASSERT_EQ(file.size(), 54 + 3 * c.rowBytes) << c.width;
        const auto *b = reinterpret_cast<const uchar *>(file.constData());
        const quint32 expected[] = {0, 0, 54, 40, quint32(c.width), 3};
        EXPECT_EQ(qFromLittleEndian<quint16>(b), 19778);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(qFromLittleEndian<quint32>(b + 2 + 4 * i), expected[i]) << i;
        EXPECT_EQ(qFromLittleEndian<quint16>(b + 26), 1);
        EXPECT_EQ(qFromLittleEndian<quint16>(b + 28), 24);
        EXPECT_EQ(QByteArray(file.constData() + 30, 24), QByteArray(24, '\0'));
        const int pad = c.rowBytes - 3 * c.width; // zeros; reading it back checks the rest
        EXPECT_EQ(file.mid(54 + 3 * c.width, pad), QByteArray(pad, '\0')) << c.width;
        EXPECT_EQ(QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32), picture);
    }
}

TEST(PictureFiles, SaveReplacesOneFileAndAFailedSaveKeepsThePreviousOne)
{
    test::FakePrintHost host;
    PictureFiles files(host);
    host.shown = stripes(30, 20);
    files.MNU_Save_Click();
    host.shown = stripes(40, 10);
    files.MNU_Save_Click();
    const QString path = host.writeFolder() + QStringLiteral("Tumblewick.bmp");
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), host.shown);
    EXPECT_EQ(QDir(host.writeFolder()).entryList(QDir::Files), QStringList {"Tumblewick.bmp"});
    ASSERT_EQ(host.fakeDialogs.messages.size(), 2);

    // A link in the file's place is replaced, never written through.
    ASSERT_TRUE(QFile::rename(path, host.writeFolder() + QStringLiteral("kept.bmp")));
    ASSERT_TRUE(QFile::link(host.writeFolder() + QStringLiteral("kept.bmp"), path));
    const QByteArray saved = test::readFile(path);
    host.shown = stripes(5, 5);
    files.MNU_Save_Click();
    EXPECT_EQ(test::readFile(host.writeFolder() + QStringLiteral("kept.bmp")), saved);
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(QImage(path).size(), QSize(5, 5));
    // A write folder that cannot be made (a file is in its way).
    host.writeFolderPath = host.writeFolder() + QStringLiteral("kept.bmp/");
    files.MNU_Save_Click();
    ASSERT_EQ(host.fakeDialogs.messages.size(), 4);
    EXPECT_TRUE(host.fakeDialogs.messages[3].startsWith("The picture could not be saved as\n"));
}

TEST(PictureFiles, ABrokenOrEmptyPictureLeavesTheSurfaceAsItWas)
{
    test::FakePrintHost host;
    PictureFiles files(host);
    host.shown = stripes(8, 8);
    const QString broken = host.dir.filePath(QStringLiteral("broken.jpg"));
    const QString empty = host.dir.filePath(QStringLiteral("empty.png"));
    ASSERT_TRUE(test::writeFile(empty, {}));
    ASSERT_TRUE(test::writeFile(broken, "\xFF\xD8\xFF\xE0 not really a picture"));
    for (const QString &path : {broken, empty}) {
        host.fakeDialogs.nextFile = path;
        files.MNU_LoadPic_Click();
        EXPECT_EQ(host.shown, stripes(8, 8)) << path.toStdString();
    }
    EXPECT_EQ(host.fakeDialogs.messages.size(), 2);
    EXPECT_FALSE(host.busyNow);
}

} // namespace
} // namespace tw
