#include "paint/ColourClasses.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tw {

namespace {

constexpr std::array<int, kColourMapItems> kMapSteps = {25, 50, 75, 85, 120};
constexpr int kMediumIndex = 2;
constexpr int kByteMax = 255;

} // namespace

int colourMapStep(int mapIndex)
{
    if (mapIndex < 0 || mapIndex >= int(kMapSteps.size()))
        mapIndex = kMediumIndex;
    return kMapSteps[size_t(mapIndex)];
}

std::uint32_t reduceColour(std::uint32_t bgr, int step)
{
    bgr &= kClassWhite;
    if (bgr == kClassWhite)
        return kClassWhite;
    step = std::max(step, 1);
    auto level = [step](std::uint32_t byte) { return byte / std::uint32_t(step) * step; };
    const std::uint32_t r = level(bgr & 0xFF);
    const std::uint32_t g = level((bgr >> 8) & 0xFF);
    const std::uint32_t b = level((bgr >> 16) & 0xFF);
    const std::uint32_t white = level(kByteMax);
    if (r == white && g == white && b == white)
        return kClassWhite;
    return (b << 16) | (g << 8) | r;
}

void ColourClasses::build(QImage &shown, int step)
{
    clear();
    if (shown.isNull())
        return;
    if (shown.format() != QImage::Format_RGB32)
        shown = shown.convertToFormat(QImage::Format_RGB32);
    m_size = shown.size();
    const int w = m_size.width();
    const int h = m_size.height();
    m_map.assign(size_t(w) * size_t(h), 0);

    // A photograph repeats its reduced colours in runs and has few of them, so a
    // one-entry cache in front of the hash makes most pixels a comparison.
    std::unordered_map<std::uint32_t, std::int32_t> classOf;
    std::uint32_t lastColour = kClassWhite;
    std::int32_t lastClass = 0;
    std::uint32_t lastSource = 0xFFFFFFFFu; // matches no opaque pixel
    std::uint32_t lastReduced = kClassWhite;
    // reduceColour() with the divisions looked up: every byte's level, once.
    step = std::max(step, 1);
    std::array<std::uint32_t, kByteMax + 1> level {};
    for (std::uint32_t byte = 0; byte <= kByteMax; ++byte)
        level[byte] = byte / std::uint32_t(step) * std::uint32_t(step);
    const std::uint32_t reducedWhite = level[kByteMax];
    auto reduce = [&level, reducedWhite](QRgb rgb) {
        const std::uint32_t r = level[qRed(rgb)];
        const std::uint32_t g = level[qGreen(rgb)];
        const std::uint32_t b = level[qBlue(rgb)];
        if ((rgb & 0xFFFFFFu) == 0xFFFFFFu
            || (r == reducedWhite && g == reducedWhite && b == reducedWhite))
            return kClassWhite;
        return (b << 16) | (g << 8) | r;
    };
    const QRgb whiteRgb = bgrToRgb(kClassWhite);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
        std::int32_t *classes = m_map.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            const QRgb source = line[x] | 0xFF000000u;
            if (source != lastSource) {
                lastSource = source;
                lastReduced = reduce(source);
            }
            const std::uint32_t q = lastReduced;
            if (q == kClassWhite) {
                line[x] = whiteRgb;
                continue; // class 0 already
            }
            if (q != lastColour) {
                auto [it, added] = classOf.try_emplace(q, std::int32_t(m_colours.size()));
                if (added)
                    m_colours.push_back(q);
                lastColour = q;
                lastClass = it->second;
            }
            classes[x] = lastClass;
            line[x] = bgrToRgb(q);
        }
    }
}

int ColourClasses::colourAt(QPoint pixel, std::uint32_t bgr, QImage &shown)
{
    const int k = classAt(pixel);
    if (k == 0 || shown.size() != m_size)
        return 0;
    bgr &= kClassWhite;
    m_colours[size_t(k)] = bgr;
    if (shown.format() != QImage::Format_RGB32 && shown.format() != QImage::Format_ARGB32)
        shown = shown.convertToFormat(QImage::Format_RGB32);
    const QRgb rgb = bgrToRgb(bgr);
    uchar *bits = shown.bits();
    const size_t stride = size_t(shown.bytesPerLine());
    forEachPixelOf(
        k, [&](int x, int y) { reinterpret_cast<QRgb *>(bits + size_t(y) * stride)[x] = rgb; });
    return k;
}

int ColourClasses::classAt(QPoint pixel) const
{
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= m_size.width()
        || pixel.y() >= m_size.height())
        return 0;
    return m_map[size_t(pixel.y()) * size_t(m_size.width()) + size_t(pixel.x())];
}

std::uint32_t ColourClasses::colourOf(int k) const
{
    if (k <= 0 || k >= int(m_colours.size()))
        return kClassWhite;
    return m_colours[size_t(k)];
}

void ColourClasses::clear()
{
    m_size = {};
    m_map.clear();
    m_colours.assign(1, kClassWhite);
}

} // namespace tw
