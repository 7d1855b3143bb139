// Brushes: where each drawing tool lays its dots along one mouse move (pure, pixels out).
#pragma once

#include <QPoint>
#include <QPointF>

#include <vector>

namespace tw {

class Random;

// One move of a stroke: from the previous point `last` to `to` (twips), on a
// surface of `twipsX` by `twipsY` twips per pixel. The move is walked in steps
// of one twip; a move of length 0 has the single step at the previous point.
struct BrushMove
{
    QPoint last;
    QPointF to;
    double twipsX = 15;
    double twipsY = 15;
};

// The pixel under a twips position (rounded to nearest, halves to even).
QPoint pixelOf(QPointF twips, double twipsX, double twipsY);

// The pixels a pen records along the move, one per twip step, without
// repeating a pixel twice in a row.
std::vector<QPoint> penTrail(const BrushMove &move);

// The rings brush: every few steps (one random step length per move) a
// diamond ring of dots, every third pixel, of random radius up to `maxRadius`
// pixels.
std::vector<QPoint> ringDots(const BrushMove &move, int maxRadius, Random &random);

// The slanted brushes: every few steps a random dash of dots along "/"
// (`forward`) or "\".
std::vector<QPoint> slantDots(const BrushMove &move, bool forward, Random &random);

} // namespace tw
