#include "puzzle/BitmapWriter.h"

#include "puzzle/BitmapHeader.h"

#include <QPainter>

#include <cstring>

namespace tw {

namespace {

constexpr int kMaxIndexedColours = 256;
constexpr int kPixelsPerMeterAt96Dpi = 3780;

QByteArray encode(const QImage &image, int bitCount, const QList<QRgb> &colours)
{
    BitmapHeader h;
    h.biWidth = image.width();
    h.biHeight = image.height();
    h.biBitCount = std::uint16_t(bitCount);
    h.biClrUsed = std::int32_t(colours.size());
    h.biXPelsPerMeter = kPixelsPerMeterAt96Dpi;
    h.biYPelsPerMeter = kPixelsPerMeterAt96Dpi;
    const std::int64_t rowBytes = bitmapRowBytes(h.biWidth, bitCount);
    h.bfOffBits = kBitmapHeaderSize + h.biClrUsed * kColourTableEntrySize;
    h.biSizeImage = std::int32_t(rowBytes * h.biHeight);
    h.bfSize = h.bfOffBits + h.biSizeImage;

    QByteArray out(h.bfSize, '\0');
    auto *bytes = reinterpret_cast<std::uint8_t *>(out.data());
    PutHeader(h, std::span(bytes, size_t(kBitmapHeaderSize)));
    std::uint8_t *table = bytes + kBitmapHeaderSize;
    for (QRgb c : colours) {
        *table++ = std::uint8_t(qBlue(c));
        *table++ = std::uint8_t(qGreen(c));
        *table++ = std::uint8_t(qRed(c));
        *table++ = 0;
    }
    const size_t used = size_t(h.biWidth) * size_t(bitCount / 8);
    for (int y = 0; y < h.biHeight; ++y) {
        // Bottom row first.
        std::memcpy(bytes + h.bfOffBits + std::int64_t(y) * rowBytes,
                    image.constScanLine(h.biHeight - 1 - y), used);
    }
    return out;
}

} // namespace

QByteArray encodeBitmap(const QImage &picture)
{
    if (picture.isNull())
        return {};
    if (picture.format() == QImage::Format_Indexed8 && picture.colorCount() <= kMaxIndexedColours
        && picture.colorCount() > 0) {
        bool opaque = true;
        for (QRgb c : picture.colorTable())
            opaque = opaque && qAlpha(c) == 255;
        if (opaque)
            return encode(picture, 8, picture.colorTable());
    }
    QImage flat;
    if (picture.hasAlphaChannel()) {
        flat = QImage(picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    } else {
        flat = picture;
    }
    // Bitmaps store blue, green, red.
    return encode(flat.convertToFormat(QImage::Format_BGR888), 24, {});
}

} // namespace tw
