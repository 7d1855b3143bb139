// PaintBox: the paint game's room: tool buttons, palette, drawing surface, brushes and eraser.
#pragma once

#include "paint/PixelMaps.h"

#include <QCursor>
#include <QHash>
#include <QRectF>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QFrame;
class QToolButton;

namespace tw {

class DrawingStore;
class PaintHost;
class Paper;
struct PaintState;

// What the line, shape, text and picture objects add to the paint box. They
// are filled in by the rooms that own those objects; an empty one does nothing.
struct PaintObjectHooks
{
    // "Clear": every object unloaded and the counts reset (ResetLines,
    // ResetShapes, ResetUserImg, ResetUser).
    std::function<void()> reset;
    // The paint screen is built again: live objects are shown again.
    std::function<void()> showLive;
    // The selection ends (SpClear).
    std::function<void()> clearSelection;
    // A right click on the surface or the palette (RightMouse).
    std::function<void()> rightMouse;
    // A press of the pointer (6) or curve (8) tool at (x, y) twips: the object
    // hit test and selection.
    std::function<void(int tool, double x, double y)> press;
    // A move with a button held while an object is selected or a curve bent;
    // true when the objects took the move (no brush then draws).
    std::function<bool(int button, double x, double y)> drag;
    // A left release: ends the bending of a curve.
    std::function<void(double x, double y)> release;
    // A left release on the surface: a stroke, an erasing or a move ended.
    std::function<void()> changeEnded;
    // Tools 7 and 9: a new line or shape object at once.
    std::function<void()> newLine;
    std::function<void()> newShape;
    // The palette picked a colour while a line or shape is selected.
    std::function<void(long colour)> recolourSelection;
    // True when the selection is a text object (the Tools menu's edit items).
    std::function<bool()> textSelected;
    // The colouring book: a press colours the class under (x, y); and the
    // refresh of its colour map at a repaint.
    std::function<void(double x, double y)> colourAt;
    std::function<void()> colourBookRepaint;
    // The colouring book colours the drawing alone: every object hidden until
    // the paint screen shows them again (showLive).
    std::function<void()> hideAll;
    // The objects kept in the write folder when they changed; false when they could not be.
    std::function<bool()> keep;
};

class PaintBox
{
public:
    PaintBox(PaintHost &host, PaintState &state);
    ~PaintBox();

    // The cell (column, row) of the strip left of the surface, spanning
    // `columns` x `rows` buttons; a button is 1/13 of the play area's height.
    static QRect stripCell(int areaHeight, int column, int row, int columns = 1, int rows = 1);

    PaintObjectHooks objects;

    // The drawing surface and the record of what is drawn on it.
    Paper &paper() { return *m_paper; }
    PixelMaps &maps() { return m_maps; }
    const PixelMaps &maps() const { return m_maps; }

    // Builds the paint screen for game 13 (tools, palette, buttons, surface);
    // the drawing comes back from the maps.
    void LoadPaintBox();
    // Places the paint screen for the window's present size; true when the
    // surface changed size and so was repainted with the whole drawing.
    bool layOut();
    // Leaving the paint screen: surface, tools and eraser hidden; the drawing
    // is kept in the write folder.
    void hide();

    // Start-up: maps at the play area's size, with the drawing kept by the
    // last run when there is one.
    void allocateMaps();
    // Keeps the drawing and its objects in the write folder when they changed;
    // false when they could not be written.
    bool keepDrawing();

    void Tool_Click(int index);
    void Paper_MouseDown(int button, double x, double y);
    void Paper_MouseMove(int button, double x, double y);
    void Paper_MouseUp(int button, double x, double y);
    void Paper_Paint(const QRect &pixels);
    void StartDrawing(double x, double y);
    void DrawLine(double x, double y);
    void RubOut();

    // Palette (answer tiles 0 to 8 in the paint games).
    void Answer_Click(int index);
    void Answer_MouseDown(int index, Qt::MouseButton button);
    void Answer_MouseMove(int index, Qt::MouseButtons buttons);
    // "Redraw" (0) and "Clear" (1).
    void Review_Click(int index);

    // The Pen Width menu's eight captions for the pen it edits, and a choice.
    QStringList penWidthCaptions() const;
    void MNU_PenWidth_Click(int index);
    // True when the Tools menu's text items may be enabled.
    bool textSelected() const;

    int strokeWidth() const { return m_strokeWidth; }
    // The surface's stroke width until the next move of a stroke resets it.
    void setStrokeWidth(int width) { m_strokeWidth = saneWidth(width); }
    // The maps were changed from outside (undo, stick down): keep them.
    void mapsChanged() { m_changed = true; }
    bool eraserArmed() const;
    QRectF rubberTwips() const { return m_rubber; }
    QToolButton *toolButton(int index) const { return m_tools.at(size_t(index)); }

private:
    void armEraser(int width);
    void disarmEraser();
    void moveRubber(double x, double y);
    QRect rubOutDots();
    QRect rubberPixels() const;
    void setToolCursor();
    QCursor cursorFile(const char *name, Qt::CursorShape fallback);
    void recordDot(QPoint pixel, int width);
    void measureTwips();

    PaintHost &m_host;
    PaintState &m_state;
    Paper *m_paper = nullptr;
    QFrame *m_rubberFrame = nullptr;
    std::array<QToolButton *, 10> m_tools {};
    PixelMaps m_maps;
    std::unique_ptr<DrawingStore> m_store;
    QHash<QString, QCursor> m_cursors; // cursor files by name, read once
    QRectF m_rubber; // the eraser's place and size in twips
    int m_strokeWidth = 3; // the surface's stroke width in pixels
    bool m_changed = false; // the drawing changed since it was kept
    bool m_rubbing = false; // the eraser is held down on the surface
};

} // namespace tw
