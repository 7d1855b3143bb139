#include "quiz/WrongMark.h"

#include <QPainter>

#include <algorithm>

namespace tw {

namespace {
constexpr int kGrow = 6; // pixels the mark reaches beyond the tile
constexpr int kMinSide = 24;
constexpr double kPenPerSide = 0.12; // stroke width as a part of the mark's side
constexpr double kInset = 0.22; // the cross's ends, as a part of the side from the edge
const QColor kRed(220, 30, 30);
const QColor kHalo(255, 255, 255, 200);
} // namespace

WrongMark::WrongMark(QWidget *parent, const QRect &area)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    QRect r = area.adjusted(-kGrow, -kGrow, kGrow, kGrow);
    if (r.width() < kMinSide || r.height() < kMinSide)
        r = QRect(r.center() - QPoint(kMinSide / 2, kMinSide / 2), QSize(kMinSide, kMinSide));
    setGeometry(r);
    show();
    raise();
}

void WrongMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    const double pen = std::max(3.0, side * kPenPerSide);
    const QRectF box(QPointF(0, 0), size());
    const QRectF cross = box.adjusted(side * kInset, side * kInset, -side * kInset, -side * kInset);
    // A white halo first, so the red shows on a red tile too.
    for (const auto &[colour, width] : {std::pair {kHalo, pen * 1.6}, std::pair {kRed, pen}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawRect(box.adjusted(pen, pen, -pen, -pen));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    }
}

} // namespace tw
