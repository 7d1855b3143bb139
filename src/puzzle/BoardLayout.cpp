#include "puzzle/BoardLayout.h"

#include "common/Twips.h"

namespace tw {

BoardLayout::BoardLayout(int grid, double widthTwips, double heightTwips)
    : m_grid(grid < 1 ? 1 : grid)
    , m_width(widthTwips)
    , m_height(heightTwips)
{ }

int BoardLayout::edge(int line, double lengthTwips) const
{
    // The slot's left (or top) is line x length / grid twips, as a fraction.
    return twipsToPixels(line * lengthTwips / m_grid);
}

QRect BoardLayout::slotRect(int slot) const
{
    const int r = (slot - 1) / m_grid;
    const int c = (slot - 1) % m_grid;
    const int left = edge(c, m_width);
    const int top = edge(r, m_height);
    return QRect(left, top, edge(c + 1, m_width) - left, edge(r + 1, m_height) - top);
}

int BoardLayout::cellAt(int pixel, double lengthTwips) const
{
    if (pixel < 0 || pixel >= edge(m_grid, lengthTwips))
        return -1;
    int cell = int(pixelsToTwips(pixel) * m_grid / lengthTwips);
    cell = qBound(0, cell, m_grid - 1);
    while (cell > 0 && pixel < edge(cell, lengthTwips))
        --cell;
    while (cell < m_grid - 1 && pixel >= edge(cell + 1, lengthTwips))
        ++cell;
    return cell;
}

int BoardLayout::slotAt(QPoint pixel) const
{
    if (m_width <= 0 || m_height <= 0)
        return 0;
    const int c = cellAt(pixel.x(), m_width);
    const int r = cellAt(pixel.y(), m_height);
    if (c < 0 || r < 0)
        return 0;
    return r * m_grid + c + 1;
}

} // namespace tw
