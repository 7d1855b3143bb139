// The colouring book's colour classes: a picture reduced to a coarse grid of
// colours, every pixel of one reduced colour in one class that a click recolours.
#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <vector>

namespace tw {

// Colours are 0x00BBGGRR values (red in the low byte), as the pixel maps keep them.
constexpr std::uint32_t kClassWhite = 0xFFFFFF;

// The "&Map Color" items, "Fine" to "Coarse".
constexpr int kColourMapItems = 5;

// The reduction step of each "&Map Color" item: "Fine" 25 to "Coarse" 120. An index
// outside the menu gives the step of "Medium", the item checked at start.
int colourMapStep(int mapIndex);

// The colour `bgr` reduced to the grid of `step` (each byte to the multiple of step
// at or below it). White, and every colour that reduces to the reduced white,
// gives white. A step below 1 counts as 1.
std::uint32_t reduceColour(std::uint32_t bgr, int step);

// 0x00BBGGRR <-> Qt's 0xAARRGGBB (opaque).
inline QRgb bgrToRgb(std::uint32_t bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
inline std::uint32_t rgbToBgr(QRgb rgb)
{
    return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

class ColourClasses
{
public:
    // Builds the classes from the picture the surface shows and replaces that
    // picture by its reduction (Format_RGB32). Classes are numbered from 1 in
    // reading order; white is class 0 and is never coloured. There is no limit
    // on the number of classes.
    void build(QImage &shown, int step);

    // Gives the class under `pixel` the colour `bgr`: every pixel of the class is
    // painted in `shown`. White, or a point off the picture, changes nothing.
    // Returns the class coloured (0 when none).
    int colourAt(QPoint pixel, std::uint32_t bgr, QImage &shown);

    // Calls f(x, y) for every pixel of class k (k > 0), row by row.
    template<class F>
    void forEachPixelOf(int k, F f) const
    {
        if (k <= 0)
            return;
        const int w = m_size.width();
        for (int y = 0; y < m_size.height(); ++y) {
            const std::int32_t *classes = m_map.data() + size_t(y) * size_t(w);
            for (int x = 0; x < w; ++x) {
                if (classes[x] == k)
                    f(x, y);
            }
        }
    }

    // The class of a pixel; 0 for white and for points off the picture.
    int classAt(QPoint pixel) const;
    // Number of classes besides white; 0 before the first build.
    int count() const { return int(m_colours.size()) - 1; }
    // The colour class k has now: its reduced colour until a click changes it.
    std::uint32_t colourOf(int k) const;
    QSize size() const { return m_size; }
    void clear();

private:
    QSize m_size;
    std::vector<std::int32_t> m_map; // class per pixel, row by row
    std::vector<std::uint32_t> m_colours {kClassWhite}; // per class; 0 is white
};

} // namespace tw
