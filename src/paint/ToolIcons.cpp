#include "paint/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tw {

namespace {

constexpr int kSide = 64; // drawn on a 64 x 64 grid, scaled by the button
const QColor kInk(40, 40, 60);
const QColor kWood(240, 190, 90);
const QColor kLead(70, 70, 80);

enum Tool { ThinPen, MediumPen, ThickPen, Rings, SlantUp, SlantDown, Pointer, Line, Curve, Shape };

// A pencil lying from the top right down to its point at the lower left,
// leaving a wavy stroke of `stroke` pixels.
void pencil(QPainter &p, int stroke, const QColor &body)
{
    QPainterPath wave(QPointF(8, 52));
    wave.cubicTo(18, 40, 26, 60, 36, 50);
    p.setPen(QPen(kInk, stroke, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
    p.save();
    p.translate(36, 30);
    p.rotate(-45);
    const double half = 3 + stroke / 2.0;
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(body);
    p.drawRect(QRectF(4, -half, 26, 2 * half));
    p.setBrush(kWood);
    QPolygonF tip({QPointF(4, -half), QPointF(-8, 0), QPointF(4, half)});
    p.drawPolygon(tip);
    p.setBrush(kLead);
    p.drawPolygon(QPolygonF({QPointF(-3, -half / 2.5), QPointF(-8, 0), QPointF(-3, half / 2.5)}));
    p.restore();
}

void rings(QPainter &p)
{
    p.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(220, 40, 40), QColor(40, 120, 220), QColor(40, 170, 60)};
    const int radii[] = {24, 16, 8};
    for (int k = 0; k < 3; ++k) {
        p.setBrush(colours[k]);
        const int r = radii[k];
        for (int j = -r; j <= r; j += 4) {
            const int h = r - std::abs(j);
            p.drawEllipse(QPointF(32 + j, 32 + h), 2.2, 2.2);
            p.drawEllipse(QPointF(32 + j, 32 - h), 2.2, 2.2);
        }
    }
}

void slants(QPainter &p, bool up)
{
    p.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(230, 120, 20), QColor(150, 60, 200), QColor(20, 150, 160)};
    for (int k = 0; k < 3; ++k) {
        p.setBrush(colours[k]);
        const int cx = 16 + k * 16;
        for (int j = -10; j <= 10; j += 4)
            p.drawEllipse(QPointF(cx + j, 32 + (up ? -j : j) + (k - 1) * 6), 2.3, 2.3);
    }
}

void pointer(QPainter &p)
{
    QPolygonF arrow({QPointF(18, 8), QPointF(18, 50), QPointF(28, 40), QPointF(36, 56),
                     QPointF(43, 53), QPointF(35, 37), QPointF(48, 37)});
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
}

void line(QPainter &p)
{
    p.setPen(QPen(QColor(30, 90, 200), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 54), QPointF(54, 10));
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 50, 8, 8));
    p.drawRect(QRectF(50, 6, 8, 8));
}

void curve(QPainter &p)
{
    QPainterPath path(QPointF(8, 52));
    path.cubicTo(14, 0, 50, 64, 56, 12);
    p.setPen(QPen(QColor(200, 40, 120), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(kInk, 2, Qt::DotLine));
    p.drawLine(QPointF(8, 52), QPointF(14, 8));
    p.drawLine(QPointF(56, 12), QPointF(50, 58));
}

void shapes(QPainter &p)
{
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(255, 210, 60));
    p.drawRect(QRectF(6, 8, 30, 24));
    p.setBrush(QColor(90, 200, 120));
    p.drawEllipse(QRectF(24, 26, 32, 30));
}

QPixmap draw(int index)
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case ThinPen:
        pencil(p, 2, QColor(230, 60, 60));
        break;
    case MediumPen:
        pencil(p, 6, QColor(60, 130, 230));
        break;
    case ThickPen:
        pencil(p, 12, QColor(60, 180, 80));
        break;
    case Rings:
        rings(p);
        break;
    case SlantUp:
        slants(p, true);
        break;
    case SlantDown:
        slants(p, false);
        break;
    case Pointer:
        pointer(p);
        break;
    case Line:
        line(p);
        break;
    case Curve:
        curve(p);
        break;
    case Shape:
        shapes(p);
        break;
    default:
        break;
    }
    return pixmap;
}

} // namespace

QIcon toolIcon(int index) { return QIcon(draw(index)); }

} // namespace tw
