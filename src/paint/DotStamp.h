// DotStamp: round dots of a given pen width, stamped straight into 32-bit image memory.
#pragma once

#include <QImage>
#include <QRect>

namespace tw {

constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 30; // widths above are never recorded (WidthUsed has 31 entries)

// A width read from anywhere (a menu, a file, a map), brought into 1..30.
int saneWidth(int width);

// Paints a round dot of `width` pixels centred on pixel `centre` into `image`
// (Format_RGB32 or ARGB32), in `rgb` (0xAARRGGBB), touching only pixels inside
// `clip` and the image. Width 1 is the single pixel; even widths are centred on
// the pixel's lower right corner, as a wide pen draws them.
void stampDot(QImage &image, QPoint centre, QRgb rgb, int width, const QRect &clip);

// Paints a run of dots of one width and colour centred on pixels x0..x1 of row
// y: the same pixels as stamping each of them, in one span per stamp row.
void stampRun(QImage &image, int x0, int x1, int y, QRgb rgb, int width, const QRect &clip);
// The same into raw 32-bit rows (`stride` pixels apart) for callers that stamp many runs
// into one image: `area` must lie within the image.
void stampRun(QRgb *pixels, qsizetype stride, int x0, int x1, int y, QRgb rgb, int width,
              const QRect &area);

// True when the round dot of `width` centred on `centre` covers at least one
// pixel of `rect`.
bool stampTouches(QPoint centre, int width, const QRect &rect);

// How far (pixels) the widest dot reaches from its centre.
constexpr int kStampReach = kMaxPenWidth / 2 + 1;

// The system's 0x00BBGGRR colour as an opaque 0xAARRGGBB pixel, and back.
QRgb rgbFromColour(quint32 colour);
quint32 colourFromRgb(QRgb rgb);

} // namespace tw
