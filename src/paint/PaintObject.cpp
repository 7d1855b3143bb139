#include "paint/PaintObject.h"

#include "paint/DotStamp.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr double kTwipsPerWidth = 10; // hit tolerance per pixel of line width
constexpr double kCornerShare = 1.0 / 6; // corner radius of the rounded kinds, of the shorter side

QPen borderPen(quint32 colour, int width)
{
    return QPen(QColor::fromRgb(rgbFromColour(colour)), saneWidth(width), Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

bool lineHitByDirection(const LineObject &line, QPointF p)
{
    const double dx = line.X2 - line.X1;
    const double dy = line.Y2 - line.Y1;
    const double length = std::hypot(dx, dy);
    const double d = std::hypot(p.x() - line.X1, p.y() - line.Y1);
    const double t = kTwipsPerWidth * std::max(1, line.BorderWidth);
    // At the start point, or on a line of no length, the direction means
    // nothing: the distance decides.
    if (d < t || length <= 0)
        return d < t;
    return std::abs((p.x() - line.X1) / d - dx / length) < t / d
        && std::abs((p.y() - line.Y1) / d - dy / length) < t / d;
}

bool shapeHit(const ShapeObject &shape, QPointF p)
{
    return shape.Left < p.x() && p.x() < shape.Left + shape.Width && shape.Top < p.y()
        && p.y() < shape.Top + shape.Height;
}

QRectF shapeFigure(int kind, const QRectF &r)
{
    if (kind == ShapeSquare || kind == ShapeCircle || kind == ShapeRoundedSquare) {
        const double side = std::min(r.width(), r.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(r.center());
        return square;
    }
    return r;
}

void paintLine(QPainter &painter, const LineObject &line, double twipsX, double twipsY)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(borderPen(line.BorderColor, line.BorderWidth));
    painter.drawLine(QPointF(line.X1 / twipsX, line.Y1 / twipsY),
                     QPointF(line.X2 / twipsX, line.Y2 / twipsY));
    painter.restore();
}

void paintShape(QPainter &painter, const ShapeObject &shape, double twipsX, double twipsY)
{
    const QRectF pixels(shape.Left / twipsX, shape.Top / twipsY, shape.Width / twipsX,
                        shape.Height / twipsY);
    const int width = saneWidth(shape.BorderWidth);
    // The border lies inside the bounds, as the platform draws a solid border.
    const double inset = width / 2.0;
    const QRectF figure = shapeFigure(shape.Shape, pixels).adjusted(inset, inset, -inset, -inset);
    if (figure.width() < 0 || figure.height() < 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(borderPen(shape.BorderColor, width));
    if (shape.FillStyle == kFillSolid)
        painter.setBrush(QColor::fromRgb(rgbFromColour(shape.FillColor)));
    else
        painter.setBrush(Qt::NoBrush);
    const double radius = std::min(figure.width(), figure.height()) * kCornerShare;
    switch (shape.Shape) {
    case ShapeOval:
    case ShapeCircle:
        painter.drawEllipse(figure);
        break;
    case ShapeRoundedRectangle:
    case ShapeRoundedSquare:
        painter.drawRoundedRect(figure, radius, radius);
        break;
    default:
        painter.drawRect(figure);
        break;
    }
    painter.restore();
}

} // namespace tw
