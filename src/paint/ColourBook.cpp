#include "paint/ColourBook.h"

#include "paint/PaintBox.h"
#include "paint/PaintHost.h"
#include "paint/PaintState.h"
#include "paint/Palette.h"
#include "paint/Paper.h"
#include "platform/Numeric.h"

#include <cmath>

namespace tw {

namespace {

constexpr int kRowsOfButtons = 13; // a palette tile is a tool button: 1/13 of the height
constexpr int kStripColumns = 2;
constexpr int kMixRow = 4;

QRect cell(double side, int column, int row, int columns = 1, int rows = 1)
{
    const int x0 = int(std::lround(column * side));
    const int y0 = int(std::lround(row * side));
    const int x1 = int(std::lround((column + columns) * side));
    const int y1 = int(std::lround((row + rows) * side));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

} // namespace

ColourBook::ColourBook(PaintHost &host, ColourBookHost &book, PaintState &state, PaintBox &box)
    : m_host(host)
    , m_book(book)
    , m_state(state)
    , m_box(box)
{
    m_box.objects.colourAt = [this](double x, double y) { DoColouring(x, y); };
    m_box.objects.colourBookRepaint = [this] { repaint(); };
}

void ColourBook::LoadColorBook()
{
    m_host.setHourglass(true);
    m_host.setSubject(QStringLiteral("ColBook"));
    m_book.showColourBookMenus();
    m_box.Tool_Click(0);
    layOut();
    for (int i = 0; i < kPlainColours; ++i)
        m_host.setPaletteColour(i, kPaletteColours[size_t(i)]);
    m_host.setPaletteColour(kMixTile, kWhiteColour);
    Paper &paper = m_box.paper();
    if (paper.backgroundPicture().isNull() && m_box.maps().empty())
        paper.setBackgroundPicture(m_book.pictureToColour());
    // What the surface shows may have changed in the paint box: the classes are
    // built again from it at the first repaint.
    m_built = false;
    paper.show();
    paper.invalidate();
    m_host.setHourglass(false);
}

void ColourBook::layOut()
{
    const QWidget *area = m_host.playArea();
    const double side = area->height() / double(kRowsOfButtons);
    for (int i = 0; i < kPlainColours; ++i)
        m_host.showPaletteTile(i, cell(side, i % kStripColumns, i / kStripColumns), QString());
    m_host.showPaletteTile(kMixTile, cell(side, 0, kMixRow, kStripColumns, 2),
                           QLatin1String(kMixTip));
    const int left = cell(side, kStripColumns, 0).left();
    const QRect surface(left, 0, std::max(0, area->width() - left), area->height());
    Paper &paper = m_box.paper();
    if (surface.size() != paper.size())
        m_built = false;
    paper.setGeometry(surface);
    m_box.maps().growTo(surface.width(), surface.height());
    m_state.TwipsX = paper.twipsX();
    m_state.TwipsY = paper.twipsY();
}

void ColourBook::MNU_Cmap_Click(int index)
{
    m_mapIndex = index;
    m_book.checkMapItem(index);
    DoCmap(colourMapStep(index));
}

void ColourBook::DoCmap(int step)
{
    m_host.setHourglass(true);
    Paper &paper = m_box.paper();
    QImage shown = paper.composed();
    m_classes.build(shown, step);
    PixelMaps &maps = m_box.maps();
    for (int y = 0; y < shown.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            maps.record(x, y, rgbToBgr(line[x]), 1);
    }
    maps.markWidthUsed(1);
    // The reduced picture is all there is now: it lives in the recorded drawing.
    paper.setBackgroundPicture({});
    paper.buffer() = shown;
    paper.update();
    m_built = true;
    m_host.setHourglass(false);
}

void ColourBook::DoColouring(double x, double y)
{
    Paper &paper = m_box.paper();
    if (!m_built || m_classes.size() != paper.buffer().size())
        MNU_Cmap_Click(m_mapIndex);
    const QPoint pixel(CInt(x / m_state.TwipsX), CInt(y / m_state.TwipsY));
    const auto colour = std::uint32_t(m_state.PenColour) & kClassWhite;
    const int k = m_classes.colourAt(pixel, colour, paper.buffer());
    if (k == 0)
        return;
    PixelMaps &maps = m_box.maps();
    m_classes.forEachPixelOf(
        k, [&maps, colour](int px, int py) { maps.recordColour(px, py, colour); });
    paper.update();
}

void ColourBook::pictureLoaded(const QImage &picture)
{
    Paper &paper = m_box.paper();
    paper.setBackgroundPicture(picture);
    m_built = true; // held back: the picture is reduced below, not at the repaint
    m_host.setRepaintPending(false);
    paper.invalidate();
    MNU_Cmap_Click(m_mapIndex);
}

void ColourBook::cleared()
{
    m_classes.clear();
    m_built = false;
}

void ColourBook::replayDrawing()
{
    Paper &paper = m_box.paper();
    m_box.maps().replay(paper.buffer(), paper.buffer().rect());
    paper.update();
}

void ColourBook::repaint()
{
    if (m_built || !m_box.paper().isVisible())
        return;
    // Built from the picture with the drawing on it: replay what is due first.
    if (m_host.repaintPending()) {
        replayDrawing();
        m_host.setRepaintPending(false);
    }
    MNU_Cmap_Click(m_mapIndex);
}

} // namespace tw
