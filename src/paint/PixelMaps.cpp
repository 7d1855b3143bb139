#include "paint/PixelMaps.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

const QByteArray kMagic = QByteArrayLiteral("TWPXMAP1");
constexpr int kHeaderBytes = 8 + 4 + 4; // magic, width, height
constexpr int kMaxSide = 16384; // larger than any screen
constexpr qint64 kMaxPixels = qint64(64) << 20;
constexpr int kReach = kStampReach;

} // namespace

void PixelMaps::allocate(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    const size_t n = size_t(m_width) * size_t(m_height);
    m_colour.assign(n, kNothingDrawn);
    m_widths.assign(n, 1);
    m_widthUsed.fill(false);
}

void PixelMaps::growTo(int width, int height)
{
    if (width <= m_width && height <= m_height)
        return;
    PixelMaps bigger(std::max(width, m_width), std::max(height, m_height));
    for (int y = 0; y < m_height; ++y) {
        std::copy_n(m_colour.begin() + index(0, y), m_width,
                    bigger.m_colour.begin() + bigger.index(0, y));
        std::copy_n(m_widths.begin() + index(0, y), m_width,
                    bigger.m_widths.begin() + bigger.index(0, y));
    }
    bigger.m_widthUsed = m_widthUsed;
    *this = std::move(bigger);
}

QRect PixelMaps::differenceFrom(const PixelMaps &other) const
{
    if (other.m_width != m_width || other.m_height != m_height)
        return QRect(0, 0, std::max(m_width, other.m_width), std::max(m_height, other.m_height));
    int left = m_width;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < m_height; ++y) {
        const size_t row = index(0, y);
        const bool sameColour = std::equal(m_colour.begin() + row, m_colour.begin() + row + m_width,
                                           other.m_colour.begin() + row);
        const bool sameWidth = std::equal(m_widths.begin() + row, m_widths.begin() + row + m_width,
                                          other.m_widths.begin() + row);
        if (sameColour && sameWidth)
            continue;
        for (int x = 0; x < m_width; ++x) {
            const size_t i = row + size_t(x);
            if (m_colour[i] != other.m_colour[i] || m_widths[i] != other.m_widths[i]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (top < 0)
            top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

PixelMaps PixelMaps::section(const QRect &pixels) const
{
    const QRect area = pixels & QRect(0, 0, m_width, m_height);
    PixelMaps part(area.width(), area.height());
    for (int y = 0; y < area.height(); ++y) {
        std::copy_n(m_colour.begin() + index(area.left(), area.top() + y), area.width(),
                    part.m_colour.begin() + part.index(0, y));
        std::copy_n(m_widths.begin() + index(area.left(), area.top() + y), area.width(),
                    part.m_widths.begin() + part.index(0, y));
    }
    return part;
}

void PixelMaps::paste(const PixelMaps &part, QPoint at)
{
    const QRect area
        = QRect(at, QSize(part.m_width, part.m_height)) & QRect(0, 0, m_width, m_height);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const size_t from = part.index(area.left() - at.x(), y - at.y());
        std::copy_n(part.m_colour.begin() + from, area.width(),
                    m_colour.begin() + index(area.left(), y));
        std::copy_n(part.m_widths.begin() + from, area.width(),
                    m_widths.begin() + index(area.left(), y));
    }
}

void PixelMaps::record(int x, int y, quint32 colour, int width)
{
    if (!contains(x, y))
        return;
    m_colour[index(x, y)] = colour & kNothingDrawn;
    m_widths[index(x, y)] = quint8(saneWidth(width));
}

void PixelMaps::recordColour(int x, int y, quint32 colour)
{
    if (contains(x, y))
        m_colour[index(x, y)] = colour & kNothingDrawn;
}

void PixelMaps::recordPicture(const QImage &picture)
{
    const int w = std::min(picture.width(), m_width);
    const int h = std::min(picture.height(), m_height);
    if (w <= 0 || h <= 0 || picture.depth() != 32)
        return;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        quint32 *colours = m_colour.data() + index(0, y);
        for (int x = 0; x < w; ++x)
            colours[x] = colourFromRgb(line[x]) & kNothingDrawn;
        std::fill_n(m_widths.begin() + index(0, y), w, quint8(1));
    }
    markWidthUsed(1);
}

void PixelMaps::erase(const QRect &pixels)
{
    const QRect area = pixels & QRect(0, 0, m_width, m_height);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::fill_n(m_colour.begin() + index(area.left(), y), area.width(), kNothingDrawn);
        std::fill_n(m_widths.begin() + index(area.left(), y), area.width(), quint8(1));
    }
}

QRect PixelMaps::eraseTouching(const QRect &pixels)
{
    const QRect near
        = pixels.adjusted(-kReach, -kReach, kReach, kReach) & QRect(0, 0, m_width, m_height);
    for (int y = near.top(); y <= near.bottom(); ++y) {
        for (int x = near.left(); x <= near.right(); ++x) {
            const size_t i = index(x, y);
            if (m_colour[i] != kNothingDrawn && stampTouches(QPoint(x, y), m_widths[i], pixels)) {
                m_colour[i] = kNothingDrawn;
                m_widths[i] = 1;
            }
        }
    }
    return pixels.adjusted(-kReach, -kReach, kReach, kReach);
}

bool PixelMaps::empty() const
{
    return std::all_of(m_colour.begin(), m_colour.end(),
                       [](quint32 c) { return c == kNothingDrawn; });
}

void PixelMaps::markWidthUsed(int width)
{
    if (width >= 0 && width <= kMaxPenWidth)
        m_widthUsed[width] = true;
}

void PixelMaps::replay(QImage &image, const QRect &clip) const
{
    const QRect area = clip & image.rect();
    if (area.isEmpty() || !allocated() || image.depth() != 32)
        return;
    // Raw rows: a replay stamps hundreds of thousands of runs, and QImage::scanLine()
    // checks for sharing on every call.
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    // Dots centred just outside the area still reach into it.
    const QRect centres
        = area.adjusted(-kReach, -kReach, kReach, kReach) & QRect(0, 0, m_width, m_height);
    for (int y = centres.top(); y <= centres.bottom(); ++y) {
        const quint32 *colours = m_colour.data() + index(0, y);
        const quint8 *widths = m_widths.data() + index(0, y);
        int x = centres.left();
        const int end = centres.right();
        while (x <= end) {
            const quint32 c = colours[x];
            if (c == kNothingDrawn) {
                ++x;
                continue;
            }
            const quint8 w = widths[x];
            int last = x;
            while (last < end && colours[last + 1] == c && widths[last + 1] == w)
                ++last;
            if (w == 1) {
                // The common case (the colouring book fills whole areas at width 1): the
                // run itself, written straight into the row.
                if (y >= area.top() && y <= area.bottom()) {
                    const int from = std::max(x, area.left());
                    const int to = std::min(last, area.right());
                    QRgb *row = pixels + y * stride;
                    if (from <= to)
                        std::fill(row + from, row + to + 1, rgbFromColour(c));
                }
            } else {
                stampRun(pixels, stride, x, last, y, rgbFromColour(c), w, area);
            }
            x = last + 1;
        }
    }
}

QByteArray PixelMaps::toBytes() const
{
    QByteArray payload;
    const size_t n = m_colour.size();
    payload.resize(qsizetype(n * 5));
    char *out = payload.data();
    for (size_t i = 0; i < n; ++i)
        qToLittleEndian<quint32>(m_colour[i], out + 4 * i);
    std::memcpy(out + 4 * n, m_widths.data(), n);

    QByteArray bytes = kMagic;
    char header[8];
    qToLittleEndian<quint32>(quint32(m_width), header);
    qToLittleEndian<quint32>(quint32(m_height), header + 4);
    bytes.append(header, sizeof header);
    bytes.append(qCompress(payload));
    return bytes;
}

std::optional<PixelMaps> PixelMaps::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderBytes + 4 || !bytes.startsWith(kMagic))
        return std::nullopt;
    const int width = int(qFromLittleEndian<quint32>(bytes.constData() + 8));
    const int height = int(qFromLittleEndian<quint32>(bytes.constData() + 12));
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height > kMaxPixels)
        return std::nullopt;
    const qint64 n = qint64(width) * height;
    // qCompress puts the expected size first, big-endian: check it before
    // letting it allocate anything.
    const quint32 claimed = qFromBigEndian<quint32>(bytes.constData() + kHeaderBytes);
    if (qint64(claimed) != n * 5)
        return std::nullopt;
    const QByteArray payload
        = qUncompress(reinterpret_cast<const uchar *>(bytes.constData()) + kHeaderBytes,
                      bytes.size() - kHeaderBytes);
    if (payload.size() != n * 5)
        return std::nullopt;

    PixelMaps maps(width, height);
    const char *in = payload.constData();
    for (qint64 i = 0; i < n; ++i) {
        maps.m_colour[size_t(i)] = qFromLittleEndian<quint32>(in + 4 * i) & kNothingDrawn;
        const int w = saneWidth(quint8(in[4 * n + i]));
        maps.m_widths[size_t(i)] = quint8(w);
        if (maps.m_colour[size_t(i)] != kNothingDrawn)
            maps.markWidthUsed(w);
    }
    return maps;
}

} // namespace tw
