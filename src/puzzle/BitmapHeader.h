// The two headers of a Windows bitmap file (file header and info header), read and
// written byte by byte so the cutting controls every field.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tw {

// Offsets and sizes of an uncompressed Windows bitmap.
constexpr int kBitmapFileHeaderSize = 14;
constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kBitmapHeaderSize = kBitmapFileHeaderSize + kBitmapInfoHeaderSize; // 54
constexpr std::uint16_t kBitmapType = 0x4D42; // "BM"
constexpr std::int32_t kBitmapUncompressed = 0; // BI_RGB
constexpr int kColourTableEntrySize = 4; // blue, green, red, reserved

// Every field of the file header (bf*) and the info header (bi*), little-endian in
// the file; 2-byte fields are 16-bit, 4-byte fields 32-bit signed.
struct BitmapHeader
{
    std::uint16_t bfType = kBitmapType;
    std::int32_t bfSize = 0; // whole file, bytes
    std::int32_t bfReserved = 0;
    std::int32_t bfOffBits = kBitmapHeaderSize; // start of the pixel rows
    std::int32_t biSize = kBitmapInfoHeaderSize;
    std::int32_t biWidth = 0; // pixels
    std::int32_t biHeight = 0; // pixels; positive = bottom row first
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 24;
    std::int32_t biCompression = kBitmapUncompressed;
    std::int32_t biSizeImage = 0; // bytes of pixel rows
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::int32_t biClrUsed = 0;
    std::int32_t biClrImportant = 0;

    bool operator==(const BitmapHeader &) const = default;
};

// Reads the 16 header fields from the start of a bitmap file; nothing when the
// buffer is shorter than the 54 header bytes. The values are not checked here.
std::optional<BitmapHeader> GetHeader(std::span<const std::uint8_t> file);

// Writes the 54 header bytes to `out`, which must hold at least that many.
void PutHeader(const BitmapHeader &header, std::span<std::uint8_t> out);

// Bytes in one stored pixel row: width x bits per pixel, padded to a multiple of 4.
// 64-bit so that absurd widths cannot overflow.
std::int64_t bitmapRowBytes(std::int64_t width, int bitCount);

} // namespace tw
