#include "quiz/GridGeometry.h"

#include "common/Twips.h"
#include "platform/Numeric.h"

namespace tw {

TwipRect tileRect(int position, double width, double height, int gridMax)
{
    if (gridMax < 0 || position < 1)
        return {};
    const int side = gridMax + 1;
    const int row = (position - 1) / side;
    const int column = (position - 1) % side;
    // Single precision, as the layout has always computed it.
    const float w = float(width) / float(side);
    const float h = float(height) / float(side);
    return {double(float(column) * float(width) / float(side)),
            double(float(row) * float(height) / float(side)), double(w), double(h)};
}

QRect tilePixelRect(const TwipRect &r)
{
    const int x0 = twipsToPixels(r.left);
    const int y0 = twipsToPixels(r.top);
    const int x1 = twipsToPixels(r.left + r.width);
    const int y1 = twipsToPixels(r.top + r.height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

int commonFontSize(const std::vector<QString> &captions, double tileWidth, double tileHeight,
                   const MeasureText &measure)
{
    auto overflows = [&](const QString &caption, int points) {
        const TextExtent e = measure(caption, points);
        return e.width + kFitMargin > tileWidth || e.height + kFitMargin > tileHeight;
    };
    int fit = kMaxFitSize;
    for (const QString &caption : captions) {
        // Only doubled sizes below twice the size chosen so far can lower it.
        // Text grows with its size, so a caption that fits at the largest of
        // them fits at all of them: one measurement settles most captions.
        int largest = 1;
        while (largest * 2 < 2 * fit)
            largest *= 2;
        if (largest < 2 || !overflows(caption, largest))
            continue;
        for (int size = 2; size <= largest; size *= 2) {
            if (overflows(caption, size)) {
                fit = std::min(fit, CInt(size / 2.0));
                break;
            }
        }
    }
    return std::max(1, fit);
}

} // namespace tw
