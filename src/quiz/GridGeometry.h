// The geometry of the quiz grid and the fitting of one common caption font size.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace tw {

// A rectangle in twips.
struct TwipRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The rectangle of grid position `position` (1 to (gridMax + 1)^2, row by row
// from the top-left) on a client area of `width` by `height` twips. The tiles
// touch: there is no gap or margin. An empty rectangle when gridMax < 0.
TwipRect tileRect(int position, double width, double height, int gridMax);

// The same rectangle in pixels. Edges are rounded, not sizes, so neighbouring
// tiles still touch exactly after the conversion.
QRect tilePixelRect(const TwipRect &r);

// Width and height of a caption, in twips.
struct TextExtent
{
    double width = 0;
    double height = 0;
};

// Measures `caption` at a font size of `points`, in twips.
using MeasureText = std::function<TextExtent(const QString &caption, int points)>;

// Space a caption must leave free inside its tile, in twips.
constexpr double kFitMargin = 100;
// The largest common caption size the layout chooses, in points.
constexpr int kMaxFitSize = 1000;

// One common font size for all `captions` on tiles of `tileWidth` by
// `tileHeight` twips: for each caption the size is doubled from 1 until the
// caption plus kFitMargin no longer fits in width or height; the result is half
// the smallest such size (rounded), at most kMaxFitSize and never below 1.
int commonFontSize(const std::vector<QString> &captions, double tileWidth, double tileHeight,
                   const MeasureText &measure);

} // namespace tw
