#include "paint/ColourBook.h"

#include "paint/ColourBookHost.h"
#include "paint/PaintBox.h"
#include "paint/PaintHost.h"
#include "paint/PaintState.h"
#include "paint/Palette.h"
#include "paint/Paper.h"
#include "platform/Numeric.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kStripColumns = 2;
constexpr int kMixRow = kPlainColours / kStripColumns; // under the eight plain colours
constexpr int kMixRows = 2;
constexpr const char *kSubject = "ColBook";

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
    m_host.setSubject(QLatin1String(kSubject));
    m_book.showColourBookMenus();
    if (m_box.objects.hideAll)
        m_box.objects.hideAll();
    m_box.Tool_Click(0);
    m_built = false; // the surface may have changed in the paint box
    layOut();
    for (int i = 0; i < kPlainColours; ++i)
        m_host.setPaletteColour(i, kPaletteColours[size_t(i)]);
    m_host.setPaletteColour(kMixTile, kWhiteColour);
    Paper &paper = m_box.paper();
    if (paper.backgroundPicture().isNull() && m_box.maps().empty())
        m_picture = m_book.pictureToColour(paper.size());
    else
        m_picture = QImage();
    paper.setBackgroundPicture(m_picture);
    paper.show();
    paper.invalidate(); // the repaint builds the classes
    m_host.setHourglass(false);
}

void ColourBook::layOut()
{
    const int height = m_host.playArea()->height();
    for (int i = 0; i < kPlainColours; ++i) {
        m_host.showPaletteTile(i, PaintBox::stripCell(height, i % kStripColumns, i / kStripColumns),
                               QString());
    }
    m_host.showPaletteTile(kMixTile,
                           PaintBox::stripCell(height, 0, kMixRow, kStripColumns, kMixRows),
                           QLatin1String(kMixTip));
    const int left = PaintBox::stripCell(height, kStripColumns, 0).left();
    const QRect surface(left, 0, std::max(0, m_host.playArea()->width() - left), height);
    Paper &paper = m_box.paper();
    const bool resized = surface.size() != paper.size();
    paper.setGeometry(surface);
    m_box.maps().growTo(surface.width(), surface.height());
    m_state.TwipsX = paper.twipsX();
    m_state.TwipsY = paper.twipsY();
    if (resized && !paper.isHidden()) {
        // The recorded picture at the new size, reduced anew.
        m_built = false;
        m_host.setRepaintPending(true);
        paper.invalidate();
    }
}

void ColourBook::MNU_Cmap_Click(int index)
{
    m_mapIndex = std::clamp(index, 0, kColourMapItems - 1);
    m_book.checkMapItem(m_mapIndex);
    // Outside the colouring book the choice waits for it: the paint box's
    // drawing is never reduced.
    if (m_host.subject() == QLatin1String(kSubject))
        DoCmap(colourMapStep(m_mapIndex));
}

void ColourBook::DoCmap(int step)
{
    m_host.setHourglass(true);
    Paper &paper = m_box.paper();
    m_state.TwipsX = paper.twipsX();
    m_state.TwipsY = paper.twipsY();
    QImage shown = paper.composed();
    m_classes.build(shown, step);
    m_box.maps().recordPicture(shown);
    m_box.mapsChanged();
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
    m_box.mapsChanged();
    paper.update();
}

void ColourBook::start(const QImage &picture)
{
    Paper &paper = m_box.paper();
    m_picture = picture;
    m_box.maps().erase(QRect(0, 0, m_box.maps().width(), m_box.maps().height()));
    paper.setBackgroundPicture(picture);
    m_built = true; // held back: the picture alone is reduced below
    m_host.setRepaintPending(false);
    paper.invalidate();
    MNU_Cmap_Click(m_mapIndex);
}

void ColourBook::pictureLoaded(const QImage &picture) { start(picture); }

void ColourBook::cleared() { start(m_picture); }

void ColourBook::replayDrawing()
{
    Paper &paper = m_box.paper();
    m_box.maps().replay(paper.buffer(), paper.buffer().rect());
    paper.update();
}

void ColourBook::repaint()
{
    if (m_built || m_box.paper().isHidden())
        return;
    // The classes come from the picture with the drawing on it: the replay
    // that is due comes first.
    if (m_host.repaintPending()) {
        replayDrawing();
        m_host.setRepaintPending(false);
    }
    MNU_Cmap_Click(m_mapIndex);
}

} // namespace tw
