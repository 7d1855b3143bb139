// ColourBook: the colouring book's room: a picture reduced to colour classes on
// the paint surface, each click recolouring a whole class.
#pragma once

#include "paint/ColourClasses.h"

#include <QImage>

namespace tw {

class ColourBookHost;
class PaintBox;
class PaintHost;
struct PaintState;

// The colouring book shares the paint box's surface, palette and pixel maps:
// once the classes are built, the reduced picture is the recorded drawing, so
// every repaint, the paint box, saving and printing see the colouring.
class ColourBook
{
public:
    // The "&Map Color" item checked at start: "Medium".
    static constexpr int kStartMapIndex = 2;

    ColourBook(PaintHost &host, ColourBookHost &book, PaintState &state, PaintBox &box);

    // Builds the colouring-book screen for game 12: the palette in a strip two
    // buttons wide, the surface right of it. A surface with nothing on it gets
    // a background picture; the classes are built from what it then shows.
    void LoadColorBook();
    // Places the screen for the window's present size; a new surface size
    // shows the recorded picture again and builds the classes anew.
    void layOut();

    // "&Map Color": checks item `index` (0 "Fine" to 4 "Coarse") and rebuilds
    // the classes from what the surface shows, colouring included.
    void MNU_Cmap_Click(int index);
    // Reduces what the surface shows to colour classes at `step`; the reduced
    // picture becomes the recorded drawing and is all the surface shows.
    void DoCmap(int step);
    // A press at (x, y) twips gives its class the pen colour; white and points
    // off the picture change nothing.
    void DoColouring(double x, double y);
    // A picture loaded from a file becomes the picture to colour, alone.
    void pictureLoaded(const QImage &picture);
    // "Clear": the colouring goes and the picture comes back uncoloured (a
    // blank page when there was none).
    void cleared();
    // The clock's deferred repaint: the recorded drawing drawn again.
    void replayDrawing();

    int RegionCount() const { return m_classes.count(); }
    int mapIndex() const { return m_mapIndex; }
    const ColourClasses &classes() const { return m_classes; }

private:
    void repaint(); // the surface's repaint while the colouring book runs
    void start(const QImage &picture); // `picture` alone, reduced afresh

    PaintHost &m_host;
    ColourBookHost &m_book;
    PaintState &m_state;
    PaintBox &m_box;
    ColourClasses m_classes;
    QImage m_picture; // the picture being coloured, as it came (for "Clear")
    int m_mapIndex = kStartMapIndex;
    bool m_built = false; // classes built for what the surface shows
};

} // namespace tw
