#include "puzzle/BitmapHeader.h"

#include <cassert>

namespace tw {

namespace {

class HeaderReader
{
public:
    explicit HeaderReader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    { }
    std::uint16_t u16()
    {
        const std::uint16_t v = std::uint16_t(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return v;
    }
    std::int32_t i32()
    {
        const std::uint32_t v = std::uint32_t(m_bytes[m_pos])
            | (std::uint32_t(m_bytes[m_pos + 1]) << 8) | (std::uint32_t(m_bytes[m_pos + 2]) << 16)
            | (std::uint32_t(m_bytes[m_pos + 3]) << 24);
        m_pos += 4;
        return static_cast<std::int32_t>(v);
    }

private:
    std::span<const std::uint8_t> m_bytes;
    size_t m_pos = 0;
};

class HeaderWriter
{
public:
    explicit HeaderWriter(std::span<std::uint8_t> bytes)
        : m_bytes(bytes)
    { }
    void u16(std::uint16_t v)
    {
        m_bytes[m_pos++] = std::uint8_t(v & 0xFF);
        m_bytes[m_pos++] = std::uint8_t(v >> 8);
    }
    void i32(std::int32_t value)
    {
        const auto v = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes[m_pos++] = std::uint8_t((v >> shift) & 0xFF);
    }

private:
    std::span<std::uint8_t> m_bytes;
    size_t m_pos = 0;
};

} // namespace

std::optional<BitmapHeader> GetHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < size_t(kBitmapHeaderSize))
        return std::nullopt;
    HeaderReader r(file);
    BitmapHeader h;
    h.bfType = r.u16();
    h.bfSize = r.i32();
    h.bfReserved = r.i32();
    h.bfOffBits = r.i32();
    h.biSize = r.i32();
    h.biWidth = r.i32();
    h.biHeight = r.i32();
    h.biPlanes = r.u16();
    h.biBitCount = r.u16();
    h.biCompression = r.i32();
    h.biSizeImage = r.i32();
    h.biXPelsPerMeter = r.i32();
    h.biYPelsPerMeter = r.i32();
    h.biClrUsed = r.i32();
    h.biClrImportant = r.i32();
    return h;
}

void PutHeader(const BitmapHeader &h, std::span<std::uint8_t> out)
{
    assert(out.size() >= size_t(kBitmapHeaderSize));
    HeaderWriter w(out);
    w.u16(h.bfType);
    w.i32(h.bfSize);
    w.i32(h.bfReserved);
    w.i32(h.bfOffBits);
    w.i32(h.biSize);
    w.i32(h.biWidth);
    w.i32(h.biHeight);
    w.u16(h.biPlanes);
    w.u16(h.biBitCount);
    w.i32(h.biCompression);
    w.i32(h.biSizeImage);
    w.i32(h.biXPelsPerMeter);
    w.i32(h.biYPelsPerMeter);
    w.i32(h.biClrUsed);
    w.i32(h.biClrImportant);
}

std::int64_t bitmapRowBytes(std::int64_t width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

} // namespace tw
