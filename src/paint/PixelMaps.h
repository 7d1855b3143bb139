// PixelMaps: the per-pixel record of the drawing (colour and pen width) that rebuilds the picture.
#pragma once

#include "paint/DotStamp.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace tw {

// White in the colour map means nothing is painted at that pixel.
constexpr quint32 kNothingDrawn = 0xFFFFFF;

// `PixelColour` and `PixelWidth` of the paint box as two flat row-major arrays,
// indexed by pixel column and row of the drawing surface, plus `WidthUsed`.
// Every write outside the maps is skipped, so callers need not clip.
//
// Later paint features build on this: the objects stuck down into the picture
// call record() for each of their pixels; the colouring book records whole
// colour classes; printing replays onto its own image with replay() or walks
// colour()/width() for the widths in widthUsed().
class PixelMaps
{
public:
    PixelMaps() = default;
    PixelMaps(int width, int height) { allocate(width, height); }

    // Fresh maps of the given size, all white with width 1 (nothing drawn).
    void allocate(int width, int height);
    // Grows the maps to at least this size, keeping what is recorded.
    void growTo(int width, int height);
    bool allocated() const { return m_width > 0 && m_height > 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    quint32 colour(int x, int y) const
    {
        return contains(x, y) ? m_colour[index(x, y)] : kNothingDrawn;
    }
    int width(int x, int y) const { return contains(x, y) ? m_widths[index(x, y)] : 1; }

    // Records a dot: its colour (0x00BBGGRR) and pen width; skipped outside the maps.
    void record(int x, int y, quint32 colour, int width);
    // Records the colour only, keeping the width already there.
    void recordColour(int x, int y, quint32 colour);
    // Records every pixel of `picture` (Format_RGB32 or ARGB32, its top-left
    // on the maps' top-left) as a dot of width 1; white records nothing.
    void recordPicture(const QImage &picture);
    // Resets every pixel of `pixels` (inclusive edges) to nothing drawn, width 1.
    void erase(const QRect &pixels);
    // Takes away every recorded dot that covers any pixel of `pixels`, so a
    // replay leaves that area clean; returns the area the removed dots covered.
    QRect eraseTouching(const QRect &pixels);
    // True when nothing at all is recorded.
    bool empty() const;

    // The smallest rectangle holding every pixel whose colour or width differs
    // from `other`; null when they are equal. Maps of another size differ
    // everywhere.
    QRect differenceFrom(const PixelMaps &other) const;
    // The area `pixels` (clipped to the maps) as maps of its own, and back:
    // paste() writes such a part with its top-left at `at`, skipping what
    // falls outside.
    PixelMaps section(const QRect &pixels) const;
    void paste(const PixelMaps &part, QPoint at);

    // The maps row by row, width() entries a row.
    std::span<const quint32> colours() const { return m_colour; }
    std::span<const quint8> widths() const { return m_widths; }

    // True for every width (0 to 30) that has been recorded with.
    const std::array<bool, kMaxPenWidth + 1> &widthUsed() const { return m_widthUsed; }
    void markWidthUsed(int width);

    // Redraws every recorded dot whose centre lies in the maps onto `image`, in
    // row order (a later dot covers an earlier one), each as a round dot of its
    // own width and colour; only pixels inside `clip` change. White pixels are
    // skipped. Runs of equal dots along a row are stamped as one span.
    void replay(QImage &image, const QRect &clip) const;

    // The maps as bytes for keeping between runs, and back. fromBytes() gives
    // nothing for bytes that are not such a record (foreign, cut short, absurd
    // sizes); widths read are brought into 1..30.
    QByteArray toBytes() const;
    static std::optional<PixelMaps> fromBytes(const QByteArray &bytes);

private:
    size_t index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }

    int m_width = 0;
    int m_height = 0;
    std::vector<quint32> m_colour;
    std::vector<quint8> m_widths;
    std::array<bool, kMaxPenWidth + 1> m_widthUsed {};
};

} // namespace tw
