// Where each slot of the puzzle board lies on the window: the grid covers the whole
// client area, every slot the same size, with no gaps between neighbours.
#pragma once

#include <QPoint>
#include <QRect>

namespace tw {

class BoardLayout
{
public:
    // A grid x grid board over a client area of `widthTwips` x `heightTwips`.
    BoardLayout(int grid, double widthTwips, double heightTwips);

    // The rectangle of slot `slot` (from 1, row by row), in pixels. Neighbouring
    // slots share their edges, so the pieces tile the area.
    QRect slotRect(int slot) const;
    // The slot under `pixel`, or 0 outside the board.
    int slotAt(QPoint pixel) const;

private:
    // Pixel position of grid line `line` (0..grid) across `lengthTwips`.
    int edge(int line, double lengthTwips) const;
    int cellAt(int pixel, double lengthTwips) const;

    int m_grid;
    double m_width;
    double m_height;
};

} // namespace tw
