// The child's drawing as the printer receives it: background, objects and strokes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace tw {

// A picture object, stretched to its rectangle (surface pixels).
struct PrintedPicture
{
    QRectF rect;
    QImage picture;
};

// A text object: its top-left corner (surface pixels), its words (lines split at
// line breaks), its font with the size in surface pixels, and its colour.
struct PrintedText
{
    QPointF topLeft;
    QString text;
    QFont font;
    QColor colour;
};

// The recorded drawing: per pixel, row by row with `stride` entries a row, the
// colour laid there (0x00BBGGRR, white for nothing) and the pen width it was
// laid with; `widthUsed` marks the widths that occur (0 to 30).
struct StrokeRecord
{
    static constexpr int kMaxWidth = 30;
    QSize size;
    int stride = 0;
    std::span<const std::uint32_t> colour;
    std::span<const std::uint8_t> width;
    std::array<bool, kMaxWidth + 1> widthUsed {};
};

// Everything printed, in the surface's pixels.
struct PrintedDrawing
{
    QSize pixels; // the surface
    QImage background; // the surface's background picture at its top-left; may be null
    QList<PrintedPicture> pictures;
    QList<PrintedText> texts;
    StrokeRecord strokes;
};

} // namespace tw
