// Writes a picture as an uncompressed bottom-up Windows bitmap, in memory.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tw {

// An indexed picture of up to 256 colours becomes an 8-bit bitmap with its colour
// table; every other picture a 24-bit one (transparent parts on white, as the
// picture looks on a white page). A null picture gives an empty array.
QByteArray encodeBitmap(const QImage &picture);

} // namespace tw
