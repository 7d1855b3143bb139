// CursorFile: reads the paint box's Windows cursor files (.cur) into mouse pointers that keep
// the hotspot stored in the file, so a pen draws where its point is.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace tw {

struct CursorImage
{
    QImage image; // null when the bytes are not a readable cursor file
    QPoint hotspot; // the pointing pixel, inside the image
};

// Reads the first image of a .cur file and its hotspot (a hotspot outside the image is moved to
// its nearest edge). Anything that is not a cursor file gives a null image.
CursorImage readCursorFile(const QByteArray &bytes);

// The image with a one-pixel white rim around its opaque pixels, so a dark
// pointer stays visible on a dark picture.
QImage withWhiteOutline(const QImage &image);

// The mouse pointer of the .cur file at path, outlined in white; the standard fallback shape when
// the file is missing or broken, so a tool always has a pointer.
QCursor loadCursorFile(const QString &path, Qt::CursorShape fallback = Qt::ArrowCursor);

} // namespace tw
