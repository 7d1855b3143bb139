// Bezier: the points of the curve a line is bent into (pure, twips).
#pragma once

#include <QPointF>

#include <array>

namespace tw {

constexpr int kCurveSegments = 10;

// The cubic curve with control points a, b, c, d, P(t) = t^3 a + 3t^2(1-t) b
// + 3t(1-t)^2 c + (1-t)^3 d, at t = 0, 0.1, ..., 1: it runs from d to a.
std::array<QPointF, kCurveSegments + 1> bezierPoints(QPointF a, QPointF b, QPointF c, QPointF d);

} // namespace tw
