// PaintObjects: the line and shape objects of the paint box, their selection, stick down, curve and
// undo.
#pragma once

#include "paint/PaintObject.h"
#include "paint/SelectionHandles.h"
#include "paint/UndoHistory.h"

#include <QObject>
#include <QPointF>
#include <QRectF>

#include <optional>

#include <array>
#include <memory>

class QLabel;
class QPainter;

namespace tw {

class PaintBox;
class PaintHost;
struct PaintState;
class UserObjects;

// Objects lie over the drawing without being part of it until they are stuck
// down. Positions are twips on the surface; widths are pixels. This room fills
// in the paint box's object hooks.
class PaintObjects : public QObject
{
public:
    static constexpr int kMaxObjects = 400; // elements 1 to 400 of each array

    PaintObjects(PaintHost &host, PaintState &state, PaintBox &box);
    ~PaintObjects() override;

    const PaintObjectSet &objects() const { return m_set; }
    // The text and picture objects.
    UserObjects &user() { return *m_user; }
    int LineCount() const { return int(m_set.lines.size()) - 1; }
    int ShapeCount() const { return int(m_set.shapes.size()) - 1; }

    // Tools 7 and 9: a new line from (500, 1000) to (2000, 2000) twips or a
    // new 1500 x 1500 shape at the corner, selected, with tool 6 current.
    // Nothing happens past the 400th object of a kind.
    void LoadLine();
    void LoadShape();
    // "Clear": every object of a kind goes.
    void ResetLines();
    void ResetShapes();

    // The selection: handles around the selected object and the Tools items
    // that act on it; and its end.
    void PlaceSp();
    void SpClear();
    bool handleShown(int index) const;
    QRect handlePixels(int index) const;
    // A handle dragged with `button` held, the pointer at (x, y) twips inside it.
    void Sp_MouseMove(int index, int button, double x, double y);

    // The surface's press with tool 6 or 8: lines first (lower index first),
    // then shapes; a hit selects (and with tool 8 on a line starts bending).
    void press(int tool, double x, double y);
    // A move with a button held; true when a selected object or a curve took it.
    bool drag(int button, double x, double y);
    // The right-click menu: the Tools menu with the items for the selection.
    void RightMouse();

    // Tools menu.
    void MNU_Shape_Click(int index);
    void MNU_ShapeFill_Click();
    void MNU_ShapeFillCol_Click();
    void MNU_ShapeFillCurCol_Click();
    void MNU_Delete_Click();
    void MNU_Glue_Click();
    void MNU_Undo_Click();
    void MNU_Redo_Click();

    // Copies the shown pixels of the twips rectangle into the maps, width 1.
    void Glue(int x1, int x2, int y1, int y2);
    // Before printing (PrintLines, PrintShapes): every live line and shape is
    // stuck down into the drawing, back to front as the screen shows them,
    // and every line and shape object goes; one step of undo.
    void stickDownAll();
    // The curve tool: stage 0 on the press, 1 on each move, 2 on the release,
    // which paints the curve into the drawing and leaves its last point in x, y.
    void Bezier(double &x, double &y, int stage);

    // A change ended: it becomes one step of undo.
    void recordStep();
    const UndoHistory &history() const { return m_history; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint(QPainter &painter) const;
    void bringToFront(int kind, int index);
    void curveRelease(double x, double y);
    void stickLine(const LineObject &line);
    void stickShape(const ShapeObject &shape);
    void updateUndoItems();
    void showAgain(const PaintObjectSet &objects);
    // The objects kept by the last run, read once when the paint screen first shows; and
    // the present ones kept in the write folder when they changed since.
    void restoreKept();
    bool keep();
    LineObject *selectedLine();
    ShapeObject *selectedShape();
    // The bounds of the selected shape, text or picture, if one is selected.
    std::optional<QRectF> selectedBounds();
    void setSelectedBounds(const QRectF &bounds);
    bool isSelected(const char *kind) const;
    void repaintAll();
    void refresh();

    PaintHost &m_host;
    PaintState &m_state;
    PaintBox &m_box;
    PaintObjectSet m_set;
    UndoHistory m_history;
    std::unique_ptr<UserObjects> m_user;
    std::array<QLabel *, kHandleCount> m_sp {};
    // The control points of the curve being bent (twips), and its preview.
    std::array<QPointF, 4> m_curve {};
    bool m_previewShown = false;
    bool m_shown = true; // false while the colouring book hides the objects
    bool m_menuUp = false;
    bool m_keptRead = false;
    PaintObjectSet m_kept; // the objects as last kept in the write folder
};

} // namespace tw
