#include "paint/SelectionHandles.h"

namespace tw {

namespace {

constexpr double kHalf = kHandleSide / 2;

bool topRow(int h) { return h <= 2; }
bool bottomRow(int h) { return h >= 5; }
bool leftColumn(int h) { return h == 0 || h == 3 || h == 5; }
bool rightColumn(int h) { return h == 2 || h == 4 || h == 7; }

} // namespace

std::array<QRectF, kHandleCount> boundsHandles(const QRectF &b)
{
    const double left = b.left() - kHandleSide;
    const double middle = b.left() + b.width() / 2 - kHalf;
    const double right = b.left() + b.width();
    const double top = b.top() - kHandleSide;
    const double centre = b.top() + b.height() / 2 - kHalf;
    const double bottom = b.top() + b.height();
    const QSizeF side(kHandleSide, kHandleSide);
    return {QRectF(QPointF(left, top), side),      QRectF(QPointF(middle, top), side),
            QRectF(QPointF(right, top), side),     QRectF(QPointF(left, centre), side),
            QRectF(QPointF(right, centre), side),  QRectF(QPointF(left, bottom), side),
            QRectF(QPointF(middle, bottom), side), QRectF(QPointF(right, bottom), side)};
}

std::array<QRectF, 2> lineHandles(const LineObject &line)
{
    const QSizeF side(kHandleSide, kHandleSide);
    return {QRectF(QPointF(line.X1 - kHalf, line.Y1 - kHalf), side),
            QRectF(QPointF(line.X2 + kHalf, line.Y2 + kHalf), side)};
}

QRectF resizeByHandle(const QRectF &r, int handle, QPointF offset)
{
    if (handle < 0 || handle >= kHandleCount)
        return r;
    if (topRow(handle) && r.height() < kMinResizable)
        return r;
    if (leftColumn(handle) && r.width() < kMinResizable)
        return r;
    const double dx = offset.x() / 2;
    const double dy = offset.y() / 2;
    double left = r.left();
    double top = r.top();
    double width = r.width();
    double height = r.height();
    // An edge moves only together with the size it changes, and never past
    // the opposite edge.
    if (topRow(handle) && height - dy >= 0) {
        top += dy;
        height -= dy;
    }
    if (bottomRow(handle) && height + dy >= 0)
        height += dy;
    if (leftColumn(handle) && width - dx >= 0) {
        left += dx;
        width -= dx;
    }
    if (rightColumn(handle) && width + dx >= 0)
        width += dx;
    return QRectF(left, top, width, height);
}

LineObject moveLineEnd(LineObject line, int handle, QPointF offset)
{
    if (handle == 0) {
        line.X1 += offset.x() / 2;
        line.Y1 += offset.y() / 2;
    } else if (handle == 1) {
        line.X2 += offset.x() / 2;
        line.Y2 += offset.y() / 2;
    }
    return line;
}

} // namespace tw
