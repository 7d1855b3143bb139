// Test bitmaps built byte by byte, and an independent reader of their pixels.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <random>
#include <span>

namespace tw::test {

inline void putLe(QByteArray &b, int offset, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

inline std::uint32_t getLe(const QByteArray &b, int offset, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= std::uint32_t(std::uint8_t(b[offset + i])) << (8 * i);
    return v;
}

// An uncompressed bottom-up bitmap of random pixels; 4- and 8-bit ones carry a
// full colour table of random colours.
inline QByteArray makeBitmap(int width, int height, int bits, std::uint32_t seed = 7)
{
    std::mt19937 gen(seed);
    const int colours = bits <= 8 ? 1 << bits : 0;
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int offBits = 54 + 4 * colours;
    QByteArray b(offBits + rowBytes * height, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLe(b, 2, std::uint32_t(b.size()), 4);
    putLe(b, 10, std::uint32_t(offBits), 4);
    putLe(b, 14, 40, 4);
    putLe(b, 18, std::uint32_t(width), 4);
    putLe(b, 22, std::uint32_t(height), 4);
    putLe(b, 26, 1, 2);
    putLe(b, 28, std::uint32_t(bits), 2);
    putLe(b, 34, std::uint32_t(rowBytes * height), 4);
    putLe(b, 46, std::uint32_t(colours), 4);
    for (int i = 54; i < offBits; ++i)
        b[i] = char((i % 4 == 1) ? 0 : gen() & 0xFF); // reserved byte of each entry is 0
    const int used = (width * bits + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < used; ++x)
            b[offBits + y * rowBytes + x] = char(gen() & 0xFF);
    return b;
}

// The raw pixel value (palette index or 0xRRGGBB) at column x, row y from the top.
inline std::uint32_t rawPixel(const QByteArray &file, int x, int y)
{
    const int offBits = int(getLe(file, 10, 4));
    const int width = int(getLe(file, 18, 4));
    const int height = int(getLe(file, 22, 4));
    const int bits = int(getLe(file, 28, 2));
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int row = offBits + (height - 1 - y) * rowBytes;
    switch (bits) {
    case 4: {
        const auto byte = std::uint8_t(file[row + x / 2]);
        return x % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }
    case 8:
        return std::uint8_t(file[row + x]);
    default:
        return getLe(file, row + 3 * x, 3);
    }
}

inline std::span<const std::uint8_t> bytesOf(const QByteArray &b)
{
    return {reinterpret_cast<const std::uint8_t *>(b.constData()), size_t(b.size())};
}

} // namespace tw::test
