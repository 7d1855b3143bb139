#include "paint/Brushes.h"

#include "platform/Numeric.h"
#include "platform/Random.h"

#include <cmath>

namespace tw {

namespace {

constexpr double kRingStepRange = 300; // rings: a ring every 1 to 301 twips
constexpr double kSlantStepRange = 6; // slants: a dash every 2 to 8 twips
constexpr int kSlantStepMin = 2;
constexpr double kSlantReach = 15; // a dash reaches 1 to 16 pixels each way
constexpr int kRingDotSpacing = 3;
constexpr double kNoZero = 0.0001; // keeps the dot spacing finite

double length(const BrushMove &m)
{
    return std::hypot(m.to.x() - m.last.x(), m.to.y() - m.last.y());
}

// The point of the move at step i (twips), unrounded.
QPointF along(const BrushMove &m, double d, int i)
{
    if (d == 0 || i == 0)
        return QPointF(m.last);
    return QPointF(m.last.x() + (m.to.x() - m.last.x()) * i / d,
                   m.last.y() + (m.to.y() - m.last.y()) * i / d);
}

// The step point rounded to whole twips, as the effect brushes use it.
QPoint alongRounded(const BrushMove &m, double d, int i)
{
    const QPointF p = along(m, d, i);
    return QPoint(CInt(p.x()), CInt(p.y()));
}

// A dot `offset` pixels away from the twips point `at`.
QPoint dotAt(const BrushMove &m, QPoint at, int dx, int dy)
{
    return pixelOf(QPointF(at.x() + dx * m.twipsX, at.y() + dy * m.twipsY), m.twipsX, m.twipsY);
}

} // namespace

QPoint pixelOf(QPointF twips, double twipsX, double twipsY)
{
    return QPoint(int(CLng(twips.x() / twipsX)), int(CLng(twips.y() / twipsY)));
}

std::vector<QPoint> penTrail(const BrushMove &move)
{
    const double d = length(move);
    const int n = CInt(d);
    std::vector<QPoint> pixels;
    for (int i = 0; i <= n; ++i) {
        const QPoint p = pixelOf(along(move, d, i), move.twipsX, move.twipsY);
        if (pixels.empty() || pixels.back() != p)
            pixels.push_back(p);
    }
    return pixels;
}

std::vector<QPoint> ringDots(const BrushMove &move, int maxRadius, Random &random)
{
    const double d = length(move);
    const int n = CInt(d);
    const int step = CInt(random.rnd() * kRingStepRange + 1);
    std::vector<QPoint> dots;
    for (int i = 0; i <= n; i += step) {
        const QPoint at = alongRounded(move, d, i);
        const int r = CInt(maxRadius * random.rnd());
        for (int j = -r; j <= 0; j += kRingDotSpacing) {
            dots.push_back(dotAt(move, at, j, r + j));
            dots.push_back(dotAt(move, at, j, -(r + j)));
        }
        for (int j = 0; j <= r; j += kRingDotSpacing) {
            dots.push_back(dotAt(move, at, j, r - j));
            dots.push_back(dotAt(move, at, j, j - r));
        }
    }
    return dots;
}

std::vector<QPoint> slantDots(const BrushMove &move, bool forward, Random &random)
{
    const double d = length(move);
    const int n = CInt(d);
    const int step = CInt(random.rnd() * kSlantStepRange + kSlantStepMin);
    std::vector<QPoint> dots;
    for (int i = 0; i <= n; i += step) {
        const QPoint at = alongRounded(move, d, i);
        const int r = CInt(kSlantReach * random.rnd() + 1);
        const int spacing = std::max(1, CInt(r / (random.rnd() * r + kNoZero)));
        for (int j = -r; j <= r; j += spacing)
            dots.push_back(dotAt(move, at, j, forward ? -j : j));
    }
    return dots;
}

} // namespace tw
