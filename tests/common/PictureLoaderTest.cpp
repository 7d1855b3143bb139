// Every accepted picture format loads; broken, truncated and oversized files load as nothing.
#include "common/PictureLoader.h"
#include "common/FakeTool.h"

#include "quiz/PictureFiles.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tw;

namespace {

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

} // namespace

// Names with spaces, dots, accents and other scripts among them; the format is
// told by the content, not by the name.
TEST(PictureLoader, LoadsEveryAcceptedFormat)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeGif(dir.filePath("gif")) && test::writeSvg(dir.filePath("svg")));
    struct Case
    {
        const char *file;
        QByteArray bytes;
        const char *tool; // converter the format needs, or null
    };
    const Case cases[] = {
        {"Ölfass Ünïcode 猫.png", test::imageBytes("png"), nullptr},
        {"v1.2.old.bmp", test::imageBytes("bmp"), nullptr},
        {"Fire engine.jpg", test::imageBytes("jpg"), nullptr},
        {"Red.ico", test::imageBytes("ico"), nullptr},
        {"Red.gif", test::readFile(dir.filePath("gif")), nullptr},
        {"Red.svg", test::readFile(dir.filePath("svg")), nullptr},
        {"Wal & Fisch.wmf", test::wmfBytes(), "wmf2svg"},
        {"Red.emf", test::emfBytes(), "emf2svg-conv"},
        {"Really a png.jpg", test::imageBytes("png"), nullptr},
        {"Metafile", test::emfBytes(), "emf2svg-conv"},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(!c.bytes.isEmpty() && test::writeFile(path, c.bytes)) << c.file;
        if (c.tool && QStandardPaths::findExecutable(QString::fromUtf8(c.tool)).isEmpty()) {
            ADD_FAILURE() << c.tool << " is not installed (tools/install-deps.sh installs it)";
            continue;
        }
        const QImage image = PictureLoader::load(path);
        ASSERT_FALSE(image.isNull()) << c.file;
        EXPECT_TRUE(isRed(image.pixel(image.width() / 2, image.height() / 2))) << c.file;
    }
}

TEST(PictureLoader, VectorPicturesAreDrawnLargeEnoughForATile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeSvg(dir.filePath("small.svg"), 40, 20));
    ASSERT_TRUE(test::writeSvg(dir.filePath("huge claim.svg"), 900000, 450000));
    for (const char *name : {"small.svg", "huge claim.svg"}) {
        const QImage image = PictureLoader::load(dir.filePath(name));
        EXPECT_EQ(image.size(), QSize(PictureLoader::kVectorSide, PictureLoader::kVectorSide / 2))
            << name;
    }
    // Shown large, a vector picture is drawn anew at that size: its edges stay sharp.
    ASSERT_TRUE(test::writeFile(dir.filePath("edge.svg"),
                                "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 20\">"
                                "<rect width=\"20\" height=\"20\" fill=\"#000\"/></svg>"));
    const QImage edge = PictureLoader::load(dir.filePath("edge.svg"));
    ASSERT_TRUE(PictureLoader::isVector(edge));
    const QImage large = PictureLoader::drawnAt(edge, QSize(2000, 1000));
    ASSERT_EQ(large.size(), QSize(2000, 1000));
    EXPECT_EQ(qAlpha(large.pixel(998, 500)), 255);
    EXPECT_EQ(qAlpha(large.pixel(1001, 500)), 0);
}

TEST(PictureLoader, BrokenFilesLoadAsNothing)
{
    QTemporaryDir dir;
    const QByteArray png = test::imageBytes("png", Qt::blue, QSize(200, 200));
    // A PNG header claiming 20000 x 20000 pixels (400 million) with no data behind it.
    QByteArray huge = png.left(33);
    qToBigEndian<quint32>(20000, huge.data() + 16);
    qToBigEndian<quint32>(20000, huge.data() + 20);

    const std::pair<const char *, QByteArray> files[] = {
        {"text.png", "just some text, not a picture"},
        {"huge.png", huge},
        {"cut.emf", test::emfBytes().left(60)},
    };
    for (const auto &[name, bytes] : files) {
        ASSERT_TRUE(test::writeFile(dir.filePath(name), bytes));
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(PictureLoader::load(dir.filePath(name)).isNull()) << name;
        EXPECT_LT(timer.elapsed(), PictureLoader::kConvertTimeoutMs + 1000) << name;
    }
    EXPECT_TRUE(PictureLoader::load(dir.filePath("missing.png")).isNull());
    EXPECT_TRUE(PictureLoader::load(dir.path()).isNull()); // a folder
    EXPECT_TRUE(PictureLoader::load(QString()).isNull());
}

TEST(PictureLoader, BigPicturesComeAtShownSizeAndAMetafileMeetsItsConverterOnce)
{
    QTemporaryDir dir;
    QImage big(3000, 1000, QImage::Format_RGB32);
    big.fill(Qt::red);
    ASSERT_TRUE(big.save(dir.filePath(QStringLiteral("Big.png"))));
    const QImage shown = PictureLoader::load(dir.filePath(QStringLiteral("Big.png")));
    EXPECT_EQ(shown.width(), 2048);
    EXPECT_NEAR(shown.height(), 683, 1);

    // A converter that notes each run; a slow one would cost its time once.
    QDir(dir.path()).mkdir(QStringLiteral("bin"));
    test::FakeConverter converter(dir.filePath(QStringLiteral("bin")), "wmf2svg");
    const QString wmf = dir.filePath(QStringLiteral("Once.wmf"));
    ASSERT_TRUE(test::writeFile(wmf, test::wmfBytes()));
    const QImage first = PictureLoader::load(wmf);
    const QImage second = PictureLoader::load(wmf);
    EXPECT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
    EXPECT_EQ(converter.runCount(), 1);
}
