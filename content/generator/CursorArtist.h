// CursorArtist: draws the paint box's pen and hand pointers and writes them as Windows .cur files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

namespace tw::content {

namespace CursorArtist {

constexpr int Side = 32; // cursor images are 32 x 32 pixels

struct Cursor
{
    QString fileName; // "Pen_rl.cur", ...
    QImage image; // Side x Side, ARGB32
    QPoint hotspot; // the pixel that points
};

// The four cursors of the paint box: a thin pencil pointing down-left ("Pen_rl.cur"), an upright
// pencil ("Pen_i.cur"), a broad marker pointing down-left ("Pen_il.cur") and an open hand
// ("Hand.cur").
QList<Cursor> all();

// A .cur file (one 32-bit DIB image with its AND mask) of the image with the hotspot.
QByteArray encode(const QImage &image, QPoint hotspot);

} // namespace CursorArtist

} // namespace tw::content
