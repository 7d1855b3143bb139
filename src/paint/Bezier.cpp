#include "paint/Bezier.h"

namespace tw {

std::array<QPointF, kCurveSegments + 1> bezierPoints(QPointF a, QPointF b, QPointF c, QPointF d)
{
    std::array<QPointF, kCurveSegments + 1> points;
    for (int i = 0; i <= kCurveSegments; ++i) {
        const double t = double(i) / kCurveSegments;
        const double u = 1 - t;
        points[size_t(i)] = t * t * t * a + 3 * t * t * u * b + 3 * t * u * u * c + u * u * u * d;
    }
    return points;
}

} // namespace tw
