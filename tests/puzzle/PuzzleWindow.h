// A shown main window with a puzzle board on it, and a mouse to drag its pieces.
#pragma once

#include "support/TestWindow.h"

#include "puzzle/Board.h"
#include "puzzle/BoardLayout.h"
#include "puzzle/Puzzle.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace tw::test {

// A picture whose every pixel differs from its neighbours', so a misplaced or
// distorted piece shows.
inline QImage patternPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF));
    return image;
}

struct PuzzleWindow : TestWindow
{
    explicit PuzzleWindow(std::uint32_t seed = 1)
        : TestWindow(seed, QSize(600, 450))
    {
        w().show();
        (void)QTest::qWaitForWindowExposed(&w());
    }

    // Cuts `picture` for a puzzle of `kind` (1 jigsaw, 2 sliding) on a grid of
    // gridMax + 1, every piece home, as the game switch does.
    void load(int kind, int gridMax, const QImage &picture)
    {
        w().puzzle.PuzzleKind = kind;
        w().shell.GridMax = gridMax;
        w().puzzle.PuzzleRefused = 0;
        w().Img(0)->setPicture(picture);
        w().puzzles().LoadJigPuzzle();
    }

    int grid() const { return window->shell.GridMax + 1; }
    PieceTable &pieceAt() { return w().puzzle.PieceAt; }

    BoardLayout layout() { return BoardLayout(grid(), w().scaleWidth(), w().scaleHeight()); }
    QPoint slotCentre(int slot) { return layout().slotRect(slot).center(); }

    // Drags with the real mouse path: press, several moves, release, in window
    // coordinates through the window system, as a child's mouse would.
    void drag(QPoint from, QPoint to)
    {
        QWindow *win = w().windowHandle();
        QWidget *area = w().playArea();
        const QPoint a = area->mapTo(&w(), from);
        const QPoint b = area->mapTo(&w(), to);
        QTest::mousePress(win, Qt::LeftButton, {}, a);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(win, a + (b - a) * step / 4);
        QTest::mouseRelease(win, Qt::LeftButton, {}, b);
    }
    void dragSlot(int fromSlot, int toSlot) { drag(slotCentre(fromSlot), slotCentre(toSlot)); }

    QStringList pieceFilesLeft()
    {
        return QDir(w().puzzles().scratchFolder())
            .entryList({QStringLiteral("Temp?*.bmp")}, QDir::Files);
    }
};

} // namespace tw::test
