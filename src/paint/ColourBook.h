// ColourBook: the colouring book's room: a picture reduced to colour classes on
// the paint surface, each click recolouring a whole class.
#pragma once

#include "paint/ColourClasses.h"

namespace tw {

class PaintBox;
class PaintHost;
struct PaintState;

// What the colouring book needs of the window beyond the paint box's host.
class ColourBookHost
{
public:
    virtual ~ColourBookHost() = default;
    // The File, Tools and "&Map Color" menus shown, the quiz menus hidden.
    virtual void showColourBookMenus() = 0;
    // The check mark of "&Map Color" moved to item `index`.
    virtual void checkMapItem(int index) = 0;
    // A picture to colour when the surface has none: one of the content
    // folder's backgrounds; null when there is none.
    virtual QImage pictureToColour() = 0;
};

class ColourBook
{
public:
    ColourBook(PaintHost &host, ColourBookHost &book, PaintState &state, PaintBox &box);

    // Builds the colouring-book screen for game 12: the palette in a strip two
    // buttons wide, the surface right of it; the colours are rebuilt from what
    // the surface shows at its first repaint.
    void LoadColorBook();
    // Places the screen for the window's present size.
    void layOut();

    // "&Map Color": checks item `index` (0 "Fine" to 4 "Coarse") and rebuilds
    // the classes from what the surface shows.
    void MNU_Cmap_Click(int index);
    // Reduces what the surface shows to colour classes at `step` and shows the
    // reduced picture, which becomes the recorded drawing.
    void DoCmap(int step);
    // A press at (x, y) twips gives its class the pen colour.
    void DoColouring(double x, double y);
    // A picture loaded from a file: it becomes the picture to colour.
    void pictureLoaded(const QImage &picture);
    // The surface was cleared: the classes go.
    void cleared();
    // The clock's deferred repaint: the recorded drawing drawn again.
    void replayDrawing();

    int RegionCount() const { return m_classes.count(); }
    int mapIndex() const { return m_mapIndex; }
    const ColourClasses &classes() const { return m_classes; }

private:
    void repaint(); // the surface's repaint while the colouring book runs

    PaintHost &m_host;
    ColourBookHost &m_book;
    PaintState &m_state;
    PaintBox &m_box;
    ColourClasses m_classes;
    int m_mapIndex = 2; // "Medium"
    bool m_built = false; // classes built for what the surface shows
};

} // namespace tw
