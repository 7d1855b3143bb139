// Test bitmaps built byte by byte.
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

inline std::span<const std::uint8_t> bytesOf(const QByteArray &b)
{
    return {reinterpret_cast<const std::uint8_t *>(b.constData()), size_t(b.size())};
}

} // namespace tw::test
