// SelectionHandles: where the eight selection handles sit and what dragging one does (pure, twips).
#pragma once

#include "paint/PaintObject.h"

#include <QRectF>

#include <array>

namespace tw {

constexpr int kHandleCount = 8;
constexpr double kHandleSide = 100; // twips
// Below this height (width) the top (left) handles no longer shrink an object.
constexpr double kMinResizable = 101; // twips

// The eight handles around bounds: 0 1 2 along the top, 3 and 4 at the
// sides, 5 6 7 along the bottom; each a kHandleSide square outside the bounds.
std::array<QRectF, kHandleCount> boundsHandles(const QRectF &bounds);
// A line's two handles: 0 centred on its start, 1 beside its end.
std::array<QRectF, 2> lineHandles(const LineObject &line);

// Dragging handle `handle` of bounds `r` with the pointer at `offset` inside
// the handle: the dragged edges move by half the offset, so the handle
// follows the pointer over a few moves. Unchanged when a guard holds or the
// result would turn the object inside out.
QRectF resizeByHandle(const QRectF &r, int handle, QPointF offset);
// Dragging a line's handle 0 moves its start, handle 1 its end, by half the offset.
LineObject moveLineEnd(LineObject line, int handle, QPointF offset);

} // namespace tw
