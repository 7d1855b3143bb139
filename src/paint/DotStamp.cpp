#include "paint/DotStamp.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tw {

namespace {

// One row of a round stamp: pixels dx0..dx1 of row dy, relative to the centre.
struct StampRow
{
    int dy;
    int dx0;
    int dx1;
};

using Stamp = std::vector<StampRow>;

// True when the pixel (dx, dy) away from the centre is part of the dot: its
// centre lies within the pen's radius. Odd widths are centred on a pixel, even
// widths on the corner between four pixels.
bool inDot(int dx, int dy, int width)
{
    const double radius = width / 2.0;
    const double offset = (width % 2 == 1) ? 0.0 : 0.5;
    const double cx = dx + offset;
    const double cy = dy + offset;
    return cx * cx + cy * cy <= radius * radius + 1e-9;
}

Stamp makeStamp(int width)
{
    Stamp rows;
    const int reach = width / 2 + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        int first = reach + 1;
        int last = -reach - 1;
        for (int dx = -reach; dx <= reach; ++dx) {
            if (inDot(dx, dy, width)) {
                first = std::min(first, dx);
                last = std::max(last, dx);
            }
        }
        if (first <= last)
            rows.push_back({dy, first, last});
    }
    return rows;
}

const Stamp &stampFor(int width)
{
    static const std::array<Stamp, kMaxPenWidth + 1> stamps = [] {
        std::array<Stamp, kMaxPenWidth + 1> all;
        for (int w = kMinPenWidth; w <= kMaxPenWidth; ++w)
            all[w] = makeStamp(w);
        return all;
    }();
    return stamps[saneWidth(width)];
}

} // namespace

int saneWidth(int width) { return std::clamp(width, kMinPenWidth, kMaxPenWidth); }

void stampRun(QImage &image, int x0, int x1, int y, QRgb rgb, int width, const QRect &clip)
{
    const QRect area = clip & image.rect();
    if (area.isEmpty() || image.depth() != 32)
        return;
    stampRun(reinterpret_cast<QRgb *>(image.bits()), image.bytesPerLine() / 4, x0, x1, y, rgb,
             width, area);
}

void stampRun(QRgb *pixels, qsizetype stride, int x0, int x1, int y, QRgb rgb, int width,
              const QRect &area)
{
    for (const StampRow &row : stampFor(width)) {
        const int py = y + row.dy;
        if (py < area.top() || py > area.bottom())
            continue;
        const int from = std::max(x0 + row.dx0, area.left());
        const int to = std::min(x1 + row.dx1, area.right());
        if (from <= to) {
            QRgb *line = pixels + py * stride;
            std::fill(line + from, line + to + 1, rgb);
        }
    }
}

void stampDot(QImage &image, QPoint centre, QRgb rgb, int width, const QRect &clip)
{
    stampRun(image, centre.x(), centre.x(), centre.y(), rgb, width, clip);
}

bool stampTouches(QPoint centre, int width, const QRect &rect)
{
    if (rect.isEmpty())
        return false;
    // The pixel of the rectangle nearest to the centre.
    const int x = std::clamp(centre.x(), rect.left(), rect.right());
    const int y = std::clamp(centre.y(), rect.top(), rect.bottom());
    return inDot(x - centre.x(), y - centre.y(), saneWidth(width));
}

QRgb rgbFromColour(quint32 colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

quint32 colourFromRgb(QRgb rgb)
{
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

} // namespace tw
