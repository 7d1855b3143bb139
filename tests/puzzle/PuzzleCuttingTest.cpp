// Starting a puzzle: the backdrop is cut into pieces shown by the picture tiles.
#include "PuzzleWindow.h"

#include "common/PictureLoader.h"
#include "puzzle/PieceFace.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

QImage asRgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

TEST(PuzzleCutting, BackdropBecomesPiecesAndNoPieceFileIsLeft)
{
    PuzzleWindow t;
    // Links in the write folder where the scratch files once went are left alone.
    const QString mine = t.writeDir.filePath(QStringLiteral("users-own.txt"));
    ASSERT_TRUE(writeFile(mine, "precious"));
    for (const char *name : {"Temp.bmp", "Temp1.bmp"})
        ASSERT_TRUE(QFile::link(mine, t.writeDir.filePath(QLatin1String(name))));
    const QImage picture = patternPicture(301, 200);
    t.load(1, 2, picture);
    Educate &w = t.w();
    ASSERT_EQ(w.puzzle.PuzzleRefused, 0);
    EXPECT_FALSE(w.Img(0)->isVisible());
    ASSERT_EQ(w.Img.count(), 9);
    EXPECT_TRUE(board::isSolved(t.pieceAt(), 9, false)); // every piece home
    // The first piece, and the last with both remainders.
    EXPECT_EQ(asRgb(w.Img(1)->picture()), asRgb(picture.copy(0, 0, 100, 66)));
    EXPECT_EQ(asRgb(w.Img(9)->picture()), asRgb(picture.copy(200, 132, 101, 68)));
    EXPECT_TRUE(t.pieceFilesLeft().isEmpty()) << t.pieceFilesLeft().join(',').toStdString();
    EXPECT_TRUE(QFile::exists(w.puzzles().scratchFolder() + QStringLiteral("Temp.bmp")));
    EXPECT_FALSE(QFile::exists(t.appDir.filePath(QStringLiteral("Temp.bmp"))));
    EXPECT_EQ(readFile(mine), QByteArray("precious"));
}

TEST(PuzzleCutting, TransparentAndTinyPicturesStillMakeAPuzzle)
{
    PuzzleWindow t;
    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    // A 40 x 30 picture cannot give 20 x 20 pieces 4 pixels wide: it is enlarged.
    t.load(1, 19, clear);
    ASSERT_EQ(t.w().puzzle.PuzzleRefused, 0);
    ASSERT_EQ(t.w().Img.count(), 400);
    // Transparent parts come out white, as on a page.
    EXPECT_EQ(t.w().Img(1)->picture().pixel(0, 0), qRgb(255, 255, 255));
}

TEST(PuzzleCutting, UnsuitablePicturesAndFoldersAreRefusedWithoutLeftovers)
{
    struct Case
    {
        const char *what;
        std::function<void(PuzzleWindow &)> spoil;
        int gridMax = 2;
    };
    const Case cases[] = {
        {"no picture", [](PuzzleWindow &t) { t.w().Img(0)->clearPicture(); }},
        {"a 1 x 1 grid", [](PuzzleWindow &) {}, 0},
        {"a grid beyond 20 x 20", [](PuzzleWindow &) {}, 20},
        {"a piece file that cannot be written",
         [](PuzzleWindow &t) {
             QDir(t.w().puzzles().scratchFolder()).mkdir(QStringLiteral("Temp5.bmp"));
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PuzzleWindow t;
        t.w().Img(0)->setPicture(patternPicture(90, 60));
        c.spoil(t);
        t.w().shell.GridMax = c.gridMax;
        t.w().puzzle.PuzzleKind = 1;
        t.w().puzzles().LoadJigPuzzle();
        EXPECT_EQ(t.w().puzzle.PuzzleRefused, 1);
        QStringList left = t.pieceFilesLeft();
        left.removeAll(QStringLiteral("Temp5.bmp")); // the test's own blocking folder
        EXPECT_TRUE(left.isEmpty()) << left.join(',').toStdString();
        // What the switch does next: the play area is cleared and stays usable.
        t.w().UnloadGame();
        EXPECT_EQ(t.w().Img.count(), 0);
    }
}

TEST(PuzzleCutting, AVectorPictureIsCutAtTheBoardsSize)
{
    // Drawn anew as large as the board (so its edges stay sharp), not cut from the
    // small bitmap it loads as.
    PuzzleWindow t;
    const QString svg = t.writeDir.filePath(QStringLiteral("half.svg"));
    ASSERT_TRUE(writeFile(svg,
                          "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                          "<rect width='5' height='10'/></svg>"));
    const QImage picture = PictureLoader::load(svg);
    ASSERT_TRUE(PictureLoader::isVector(picture));
    t.load(1, 1, picture);
    ASSERT_EQ(t.w().puzzle.PuzzleRefused, 0);
    EXPECT_GT(t.w().Img(1)->picture().width(), PictureLoader::kVectorSide / 2);
}

} // namespace
} // namespace tw::test
