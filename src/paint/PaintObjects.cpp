#include "paint/PaintObjects.h"

#include "paint/DrawingStore.h"

#include "paint/Bezier.h"
#include "paint/Brushes.h"
#include "paint/PaintBox.h"
#include "paint/PaintHost.h"
#include "paint/PaintState.h"
#include "paint/Paper.h"
#include "paint/UserObjects.h"
#include "platform/Numeric.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tw {

namespace {

using Item = PaintHost::ToolsItem;

const QString kLines = QStringLiteral("Lines");
const QString kShapes = QStringLiteral("Shapes");
const QString kRubber = QStringLiteral("Rubber");
const QString kTexts = QStringLiteral("LabUser");
const QString kPictures = QStringLiteral("ImgUser");

constexpr int kLeftButton = 1;
constexpr int kPointerTool = 6;
constexpr int kCurveTool = 8;
constexpr int kPenTool = 2; // the widest pen draws a stuck-down line
constexpr QPointF kNewLineStart(500, 1000);
constexpr QPointF kNewLineEnd(2000, 2000);
constexpr double kNewShapeSide = 1500;
constexpr int kColourReach = 1; // pixels around the pointer a line's colour may show in
constexpr double kTwipsPerPixel = 15;

// The items the right-click menu hides, to show only what fits the selection.
constexpr Item kContextItems[] = {Item::AddImg,  Item::AddText, Item::EdFont,   Item::EdText,
                                  Item::EdColor, Item::PenW,    Item::ShapeOpt, Item::Map};

} // namespace

PaintObjects::PaintObjects(PaintHost &host, PaintState &state, PaintBox &box)
    : m_host(host)
    , m_state(state)
    , m_box(box)
{
    Paper &paper = box.paper();
    m_user = std::make_unique<UserObjects>(host, state, box, *this, m_set);
    paper.paintObjects = [this](QPainter &painter) { paint(painter); };
    for (int i = 0; i < kHandleCount; ++i) {
        auto *handle = new QLabel(&paper);
        handle->setAutoFillBackground(true);
        handle->setStyleSheet(QStringLiteral(
            "QLabel { background: palette(light); border: 1px solid palette(text); }"));
        handle->setCursor(i == 0 || i == 7       ? Qt::SizeFDiagCursor
                              : i == 2 || i == 5 ? Qt::SizeBDiagCursor
                              : i == 1 || i == 6 ? Qt::SizeVerCursor
                                                 : Qt::SizeHorCursor);
        handle->hide();
        handle->installEventFilter(this);
        m_sp[size_t(i)] = handle;
    }

    PaintObjectHooks &hooks = box.objects;
    hooks.reset = [this] {
        ResetLines();
        ResetShapes();
        m_user->ResetUser();
        m_user->ResetUserImg();
        recordStep();
    };
    hooks.showLive = [this] {
        m_shown = true;
        m_user->setShown(true);
        restoreKept();
        m_history.reset(m_box.maps(), m_set);
        updateUndoItems();
        refresh();
    };
    hooks.hideAll = [this] {
        SpClear();
        m_shown = false;
        m_user->setShown(false);
        refresh();
    };
    hooks.keep = [this] { return keep(); };
    hooks.clearSelection = [this] { SpClear(); };
    hooks.rightMouse = [this] { RightMouse(); };
    hooks.press = [this](int tool, double x, double y) { press(tool, x, y); };
    hooks.drag = [this](int button, double x, double y) { return drag(button, x, y); };
    hooks.release = [this](double x, double y) { curveRelease(x, y); };
    hooks.changeEnded = [this] { recordStep(); };
    hooks.textSelected = [this] { return m_state.SelectedObject == kTexts; };
    hooks.newLine = [this] { LoadLine(); };
    hooks.newShape = [this] { LoadShape(); };
    hooks.recolourSelection = [this](long colour) {
        if (LineObject *line = selectedLine())
            line->BorderColor = quint32(colour);
        else if (ShapeObject *shape = selectedShape())
            shape->BorderColor = quint32(colour);
        refresh();
        recordStep();
    };
}

PaintObjects::~PaintObjects() = default;

void PaintObjects::refresh() { m_box.paper().update(); }

void PaintObjects::paint(QPainter &painter) const
{
    if (!m_shown)
        return;
    const double tx = m_state.TwipsX;
    const double ty = m_state.TwipsY;
    for (const ObjectRef &ref : m_set.order) {
        if (ref.kind == ObjectKind::Line) {
            const LineObject &line = m_set.lines.at(size_t(ref.index));
            if (line.live())
                paintLine(painter, line, tx, ty);
        } else {
            const ShapeObject &shape = m_set.shapes.at(size_t(ref.index));
            if (shape.live())
                paintShape(painter, shape, tx, ty);
        }
    }
    if (m_previewShown) {
        const auto points = bezierPoints(m_curve[0], m_curve[1], m_curve[2], m_curve[3]);
        QPolygonF pixels;
        for (const QPointF &p : points)
            pixels << QPointF(p.x() / tx, p.y() / ty);
        painter.save();
        painter.setPen(QPen(QColor::fromRgb(rgbFromColour(quint32(m_state.PenColour))),
                            m_box.strokeWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(pixels);
        painter.restore();
    }
}

void PaintObjects::bringToFront(int kind, int index)
{
    const ObjectRef ref {ObjectKind(kind), index};
    std::erase(m_set.order, ref);
    m_set.order.push_back(ref);
}

bool PaintObjects::isSelected(const char *kind) const
{
    return m_state.SelectedObject == QLatin1String(kind);
}

LineObject *PaintObjects::selectedLine()
{
    const int i = m_state.SelectedIndex;
    if (m_state.SelectedObject != kLines || i < 1 || i > LineCount())
        return nullptr;
    return &m_set.lines[size_t(i)];
}

std::optional<QRectF> PaintObjects::selectedBounds()
{
    const int i = m_state.SelectedIndex;
    if (const ShapeObject *shape = selectedShape())
        return shape->bounds();
    if (m_state.SelectedObject == kTexts && i >= 1 && i < int(m_set.texts.size()))
        return m_set.texts[size_t(i)].bounds();
    if (m_state.SelectedObject == kPictures && i >= 1 && i < int(m_set.pictures.size()))
        return m_set.pictures[size_t(i)].bounds();
    return std::nullopt;
}

ShapeObject *PaintObjects::selectedShape()
{
    const int i = m_state.SelectedIndex;
    if (m_state.SelectedObject != kShapes || i < 1 || i > ShapeCount())
        return nullptr;
    return &m_set.shapes[size_t(i)];
}

void PaintObjects::LoadLine()
{
    if (LineCount() >= kMaxObjects)
        return;
    LineObject line;
    line.X1 = kNewLineStart.x();
    line.Y1 = kNewLineStart.y();
    line.X2 = kNewLineEnd.x();
    line.Y2 = kNewLineEnd.y();
    line.BorderWidth = saneWidth(m_state.PenWidth[size_t(m_state.PenWidth[3])]);
    line.BorderColor = quint32(m_state.PenColour);
    m_set.lines.push_back(line);
    m_state.LineCount = LineCount();
    m_box.Tool_Click(kPointerTool);
    bringToFront(int(ObjectKind::Line), LineCount());
    m_state.SelectedObject = kLines;
    m_state.SelectedIndex = LineCount();
    PlaceSp();
    refresh();
    recordStep();
}

void PaintObjects::LoadShape()
{
    if (ShapeCount() >= kMaxObjects)
        return;
    ShapeObject shape;
    shape.Width = kNewShapeSide;
    shape.Height = kNewShapeSide;
    shape.BorderWidth = saneWidth(m_state.PenWidth[size_t(m_state.PenWidth[3])]);
    shape.BorderColor = quint32(m_state.PenColour);
    shape.Shape = std::clamp(m_host.checkedShapeKind(), 0, ShapeKindCount - 1);
    m_set.shapes.push_back(shape);
    m_state.ShapeCount = ShapeCount();
    m_box.Tool_Click(kPointerTool);
    bringToFront(int(ObjectKind::Shape), ShapeCount());
    m_state.SelectedObject = kShapes;
    m_state.SelectedIndex = ShapeCount();
    PlaceSp();
    refresh();
    recordStep();
}

void PaintObjects::ResetLines()
{
    m_set.lines.resize(1);
    std::erase_if(m_set.order, [](const ObjectRef &r) { return r.kind == ObjectKind::Line; });
    m_state.LineCount = 0;
    refresh();
}

void PaintObjects::ResetShapes()
{
    m_set.shapes.resize(1);
    std::erase_if(m_set.order, [](const ObjectRef &r) { return r.kind == ObjectKind::Shape; });
    m_state.ShapeCount = 0;
    refresh();
}

void PaintObjects::PlaceSp()
{
    std::array<QRectF, kHandleCount> places {};
    int shown = 0;
    if (const LineObject *line = selectedLine()) {
        const auto ends = lineHandles(*line);
        std::copy(ends.begin(), ends.end(), places.begin());
        shown = 2;
    } else if (const std::optional<QRectF> bounds = selectedBounds()) {
        places = boundsHandles(*bounds);
        shown = kHandleCount;
    }
    if (const ShapeObject *shape = selectedShape())
        m_host.setToolsItemCaption(Item::ShapeFill,
                                   shape->FillStyle == kFillTransparent
                                       ? QStringLiteral("Solid")
                                       : QStringLiteral("Transparent"));
    if (shown == 0)
        return;
    const double tx = m_state.TwipsX;
    const double ty = m_state.TwipsY;
    for (int i = 0; i < kHandleCount; ++i) {
        QLabel *handle = m_sp[size_t(i)];
        if (i >= shown) {
            handle->hide();
            continue;
        }
        const QRectF &r = places[size_t(i)];
        handle->setGeometry(QRect(QPoint(CInt(r.left() / tx), CInt(r.top() / ty)),
                                  QPoint(CInt(r.right() / tx), CInt(r.bottom() / ty))));
        handle->show();
        handle->raise();
    }
    m_host.setToolsItemEnabled(Item::Delete, true);
    m_host.setToolsItemEnabled(Item::Glue, true);
    m_host.setToolsItemEnabled(Item::ShapeOpt, m_state.SelectedObject == kShapes);
    m_user->sync(); // the frame around a selected text or picture
}

void PaintObjects::SpClear()
{
    if (m_state.SelectedObject == kRubber)
        return;
    const bool edited = m_user->commitEdit();
    for (QLabel *handle : m_sp)
        handle->hide();
    m_host.setToolsItemEnabled(Item::Delete, false);
    m_host.setToolsItemEnabled(Item::Glue, false);
    m_host.setToolsItemEnabled(Item::ShapeOpt, false);
    m_state.SelectedObject.clear();
    m_state.SelectedIndex = -1;
    m_host.setPaintDone(true);
    m_user->sync();
    if (edited)
        recordStep();
}

bool PaintObjects::handleShown(int index) const
{
    return index >= 0 && index < kHandleCount && !m_sp[size_t(index)]->isHidden();
}

QRect PaintObjects::handlePixels(int index) const
{
    return index >= 0 && index < kHandleCount ? m_sp[size_t(index)]->geometry() : QRect();
}

void PaintObjects::Sp_MouseMove(int index, int button, double x, double y)
{
    if (button != kLeftButton)
        return;
    if (LineObject *line = selectedLine()) {
        *line = moveLineEnd(*line, index, QPointF(x, y));
    } else if (const std::optional<QRectF> bounds = selectedBounds()) {
        setSelectedBounds(resizeByHandle(*bounds, index, QPointF(x, y)));
    } else {
        return;
    }
    PlaceSp();
    refresh();
}

bool PaintObjects::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_sp.begin(), m_sp.end(), watched);
    if (found == m_sp.end())
        return false;
    const int index = int(found - m_sp.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return true;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int button = mouse->buttons() == Qt::LeftButton ? kLeftButton : 0;
        Sp_MouseMove(index, button, mouse->position().x() * kTwipsPerPixel,
                     mouse->position().y() * kTwipsPerPixel);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            recordStep();
        else
            RightMouse();
        return true;
    default:
        return false;
    }
}

void PaintObjects::press(int tool, double x, double y)
{
    const QPoint pixel = pixelOf(QPointF(x, y), m_state.TwipsX, m_state.TwipsY);
    const QRect near(pixel - QPoint(kColourReach, kColourReach),
                     pixel + QPoint(kColourReach, kColourReach));
    const QImage shown = m_box.paper().composedArea(near);
    const auto showsColour = [&shown](quint32 colour) {
        const QRgb rgb = rgbFromColour(colour);
        for (int yy = 0; yy < shown.height(); ++yy)
            for (int xx = 0; xx < shown.width(); ++xx)
                if ((shown.pixel(xx, yy) & RGB_MASK) == (rgb & RGB_MASK))
                    return true;
        return false;
    };
    for (int i = 1; i <= LineCount(); ++i) {
        const LineObject &line = m_set.lines[size_t(i)];
        if (!line.live() || !showsColour(line.BorderColor)
            || !lineHitByDirection(line, QPointF(x, y)))
            continue;
        m_state.GrabX = CInt(x - line.X1);
        m_state.GrabY = CInt(y - line.Y1);
        m_state.LineDX = CInt(line.X2 - line.X1);
        m_state.LineDY = CInt(line.Y2 - line.Y1);
        m_state.SelectedObject = kLines;
        m_state.SelectedIndex = i;
        PlaceSp();
        if (tool == kCurveTool) {
            m_state.CurveEditing = true;
            Bezier(x, y, 0);
        }
        return;
    }
    for (int i = 1; i <= ShapeCount(); ++i) {
        const ShapeObject &shape = m_set.shapes[size_t(i)];
        if (!shape.live() || !shapeHit(shape, QPointF(x, y)))
            continue;
        m_state.GrabX = CInt(x - shape.Left);
        m_state.GrabY = CInt(y - shape.Top);
        m_state.SelectedObject = kShapes;
        m_state.SelectedIndex = i;
        PlaceSp();
        return;
    }
}

bool PaintObjects::drag(int button, double x, double y)
{
    if (m_state.CurveEditing) {
        Bezier(x, y, 1);
        return true;
    }
    if (button == 0)
        return false;
    if (const std::optional<QRectF> bounds = selectedBounds();
        bounds && handleShown(0) && handleShown(2)) {
        setSelectedBounds(QRectF(QPointF(x - m_state.GrabX, y - m_state.GrabY), bounds->size()));
    } else if (LineObject *line = selectedLine(); line && handleShown(0)) {
        line->Y1 = y - m_state.GrabY;
        line->Y2 = line->Y1 + m_state.LineDY;
        line->X1 = x - m_state.GrabX;
        line->X2 = line->X1 + m_state.LineDX;
    } else {
        return false;
    }
    PlaceSp();
    refresh();
    return true;
}

void PaintObjects::RightMouse()
{
    if (m_state.SelectedObject.isEmpty() || m_state.SelectedObject == kRubber || m_menuUp)
        return;
    // Only the items that fit the selection show; the others come back as
    // they were when the menu closes.
    std::array<bool, std::size(kContextItems)> wasVisible {};
    for (size_t i = 0; i < std::size(kContextItems); ++i) {
        wasVisible[i] = m_host.toolsItemVisible(kContextItems[i]);
        m_host.setToolsItemVisible(kContextItems[i], false);
    }
    if (m_state.SelectedObject == kShapes)
        m_host.setToolsItemVisible(Item::ShapeOpt, true);
    if (m_state.SelectedObject.startsWith(QLatin1String("Lab"))) {
        m_host.setToolsItemVisible(Item::EdFont, true);
        m_host.setToolsItemVisible(Item::EdText, true);
        m_host.setToolsItemVisible(Item::EdColor, true);
    }
    m_menuUp = true;
    m_host.popUpTools([this, wasVisible] {
        m_menuUp = false;
        for (size_t i = 0; i < std::size(kContextItems); ++i)
            m_host.setToolsItemVisible(kContextItems[i], wasVisible[i]);
    });
}

void PaintObjects::MNU_Shape_Click(int index)
{
    if (index < 0 || index >= ShapeKindCount)
        return;
    m_host.checkShapeKind(index);
    if (ShapeObject *shape = selectedShape()) {
        shape->Shape = index;
        refresh();
        recordStep();
    }
}

void PaintObjects::MNU_ShapeFill_Click()
{
    ShapeObject *shape = selectedShape();
    if (!shape)
        return;
    const bool wasTransparent = shape->FillStyle == kFillTransparent;
    shape->FillStyle = wasTransparent ? kFillSolid : kFillTransparent;
    // The caption names the style the next click gives.
    m_host.setToolsItemCaption(
        Item::ShapeFill, wasTransparent ? QStringLiteral("Transparent") : QStringLiteral("Solid"));
    refresh();
    recordStep();
}

void PaintObjects::MNU_ShapeFillCol_Click()
{
    if (!selectedShape())
        return;
    const std::optional<long> colour = m_host.chooseColour(long(selectedShape()->FillColor));
    // The dialog waits: the shape is looked up again after it.
    ShapeObject *shape = selectedShape();
    if (!colour || !shape)
        return;
    shape->FillColor = quint32(*colour);
    refresh();
    recordStep();
}

void PaintObjects::MNU_ShapeFillCurCol_Click()
{
    if (ShapeObject *shape = selectedShape()) {
        shape->FillColor = quint32(m_state.PenColour);
        refresh();
        recordStep();
    }
}

void PaintObjects::MNU_Delete_Click()
{
    if (LineObject *line = selectedLine())
        line->Tag = kDeletedTag;
    else if (ShapeObject *shape = selectedShape())
        shape->Tag = kDeletedTag;
    else if (!selectedBounds())
        return;
    else if (m_state.SelectedObject == kTexts)
        m_set.texts[size_t(m_state.SelectedIndex)].Tag = kDeletedTag;
    else
        m_set.pictures[size_t(m_state.SelectedIndex)]
            = PictureObject {0, 0, 0, 0, {}, {}, kDeletedTag};
    SpClear();
    refresh();
    recordStep();
}

void PaintObjects::setSelectedBounds(const QRectF &r)
{
    const int i = m_state.SelectedIndex;
    if (ShapeObject *shape = selectedShape()) {
        shape->Left = r.left();
        shape->Top = r.top();
        shape->Width = r.width();
        shape->Height = r.height();
        refresh();
    } else if (m_state.SelectedObject == kTexts && i >= 1 && i < int(m_set.texts.size())) {
        TextObject &text = m_set.texts[size_t(i)];
        text.Left = r.left();
        text.Top = r.top();
        text.Width = r.width();
        text.Height = r.height();
        m_user->sync();
    } else if (m_state.SelectedObject == kPictures && i >= 1 && i < int(m_set.pictures.size())) {
        PictureObject &picture = m_set.pictures[size_t(i)];
        picture.Left = r.left();
        picture.Top = r.top();
        picture.Width = r.width();
        picture.Height = r.height();
        m_user->sync();
    }
}

void PaintObjects::repaintAll()
{
    m_host.setRepaintPending(true);
    m_box.paper().invalidate();
    m_host.setHourglass(false);
}

void PaintObjects::MNU_Glue_Click()
{
    LineObject *line = selectedLine();
    const std::optional<QRectF> bounds = selectedBounds();
    if (!line && !bounds)
        return;
    m_host.setHourglass(true);
    if (line) {
        stickLine(*line);
    } else {
        // The handles go first, so only the drawing and the objects are copied.
        const QRectF stuck = *bounds;
        const QString kind = m_state.SelectedObject;
        const int index = m_state.SelectedIndex;
        SpClear();
        m_state.SelectedObject = kind;
        m_state.SelectedIndex = index;
        Glue(CInt(stuck.left()), CInt(stuck.left() + stuck.width()), CInt(stuck.top()),
             CInt(stuck.top() + stuck.height()));
    }
    MNU_Delete_Click();
    m_box.Tool_Click(kPointerTool);
    repaintAll();
}

// The line is drawn as a stroke of the widest pen in its own width and colour;
// the pen colour and tool are the child's again afterwards.
void PaintObjects::stickLine(const LineObject &line)
{
    const LineObject stuck = line;
    const long penColour = m_state.PenColour;
    const int tool = m_state.CurrentTool;
    m_state.PenColour = long(stuck.BorderColor);
    m_state.CurrentTool = kPenTool;
    m_box.setStrokeWidth(stuck.BorderWidth);
    m_box.StartDrawing(stuck.X1, stuck.Y1);
    m_box.setStrokeWidth(stuck.BorderWidth);
    m_box.DrawLine(stuck.X2, stuck.Y2);
    m_host.setPenDown(false);
    m_state.PenColour = penColour;
    m_state.CurrentTool = tool;
}

// The shape's own pixels (it draws without antialiasing) go into the maps at
// width 1; what lies under or over it stays as it is.
void PaintObjects::stickShape(const ShapeObject &shape)
{
    const double tx = m_state.TwipsX;
    const double ty = m_state.TwipsY;
    const int reach = shape.BorderWidth + 1;
    const QRect area = QRectF(shape.Left / tx, shape.Top / ty, shape.Width / tx, shape.Height / ty)
                           .toAlignedRect()
                           .adjusted(-reach, -reach, reach, reach)
        & m_box.paper().buffer().rect();
    if (area.isEmpty())
        return;
    QImage drawn(area.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.translate(-area.topLeft());
        paintShape(painter, shape, tx, ty);
    }
    PixelMaps &maps = m_box.maps();
    maps.markWidthUsed(1);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                maps.record(area.x() + x, area.y() + y, colourFromRgb(line[x]), 1);
        }
    }
}

void PaintObjects::stickDownAll()
{
    SpClear();
    m_host.setHourglass(true);
    for (const ObjectRef &ref : m_set.order) {
        if (ref.kind == ObjectKind::Line) {
            const LineObject &line = m_set.lines.at(size_t(ref.index));
            if (line.live())
                stickLine(line);
        } else {
            const ShapeObject &shape = m_set.shapes.at(size_t(ref.index));
            if (shape.live())
                stickShape(shape);
        }
    }
    ResetLines();
    ResetShapes();
    m_box.mapsChanged();
    recordStep();
    repaintAll();
}

void PaintObjects::Glue(int x1, int x2, int y1, int y2)
{
    PixelMaps &maps = m_box.maps();
    maps.markWidthUsed(1);
    const QRect pixels(QPoint(CInt(x1 / m_state.TwipsX), CInt(y1 / m_state.TwipsY)),
                       QPoint(CInt(x2 / m_state.TwipsX), CInt(y2 / m_state.TwipsY)));
    const QRect area = pixels.normalized() & m_box.paper().buffer().rect();
    const QImage shown = m_box.paper().composedArea(area);
    const QPoint origin = area.topLeft();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            maps.record(origin.x() + x, origin.y() + y, colourFromRgb(shown.pixel(x, y)), 1);
    m_box.mapsChanged();
}

void PaintObjects::Bezier(double &x, double &y, int stage)
{
    const LineObject *line = selectedLine();
    if (!line)
        return;
    m_curve
        = {QPointF(line->X1, line->Y1), QPointF(x, y), QPointF(x, y), QPointF(line->X2, line->Y2)};
    if (stage < 2) {
        // The preview lies over the drawing like the objects, so it leaves
        // no traces on a coloured background.
        m_previewShown = true;
        refresh();
        return;
    }
    m_previewShown = false;
    const auto points = bezierPoints(m_curve[0], m_curve[1], m_curve[2], m_curve[3]);
    PixelMaps &maps = m_box.maps();
    const int width = saneWidth(m_state.PenWidth[size_t(m_state.PenWidth[3])]);
    const quint32 colour = quint32(m_state.PenColour);
    maps.markWidthUsed(width);
    const double tx = m_state.TwipsX;
    const double ty = m_state.TwipsY;
    for (int i = 1; i <= kCurveSegments; ++i) {
        const QPointF from = points[size_t(i - 1)];
        const QPointF to = points[size_t(i)];
        m_box.paper().drawLine(pixelOf(from, tx, ty), pixelOf(to, tx, ty), colour, width);
        for (const QPoint &p : penTrail({QPoint(CInt(from.x()), CInt(from.y())), to, tx, ty}))
            maps.record(p.x(), p.y(), colour, width);
    }
    m_box.mapsChanged();
    x = points.back().x();
    y = points.back().y();
}

void PaintObjects::curveRelease(double x, double y)
{
    Bezier(x, y, 2);
    m_state.CurveEditing = false;
    if (LineObject *line = selectedLine())
        line->Tag = kDeletedTag;
    SpClear();
    m_host.setHourglass(true);
    repaintAll();
}

void PaintObjects::recordStep()
{
    m_history.record(m_box.maps(), m_set);
    updateUndoItems();
}

void PaintObjects::updateUndoItems()
{
    m_host.setToolsItemEnabled(Item::Undo, m_history.canUndo());
    m_host.setToolsItemEnabled(Item::Redo, m_history.canRedo());
}

void PaintObjects::showAgain(const PaintObjectSet &objects)
{
    m_set = objects;
    m_state.LineCount = LineCount();
    m_state.ShapeCount = ShapeCount();
    m_box.maps().growTo(m_box.paper().width(), m_box.paper().height());
    m_box.mapsChanged();
    m_user->sync();
    updateUndoItems();
    m_host.setHourglass(true);
    repaintAll();
}

void PaintObjects::MNU_Undo_Click()
{
    if (m_host.subject() != QLatin1String("Paint") || m_state.CurveEditing)
        return;
    SpClear();
    m_history.record(m_box.maps(), m_set); // a change not yet recorded is undone first
    PaintObjectSet objects = m_set;
    if (m_history.undo(m_box.maps(), objects))
        showAgain(objects);
}

void PaintObjects::MNU_Redo_Click()
{
    if (m_host.subject() != QLatin1String("Paint") || m_state.CurveEditing)
        return;
    SpClear();
    PaintObjectSet objects = m_set;
    if (m_history.redo(m_box.maps(), objects))
        showAgain(objects);
}

} // namespace tw

namespace tw {

void PaintObjects::restoreKept()
{
    if (m_keptRead)
        return;
    m_keptRead = true;
    if (std::optional<PaintObjectSet> kept = DrawingStore(m_host.writeFolder()).loadObjects()) {
        m_set = std::move(*kept);
        m_state.LineCount = LineCount();
        m_state.ShapeCount = ShapeCount();
        m_user->sync();
    }
    m_kept = m_set;
}

bool PaintObjects::keep()
{
    // Before the paint screen first showed, the kept objects were never read: nothing to keep.
    if (!m_keptRead || m_set == m_kept)
        return true;
    if (!DrawingStore(m_host.writeFolder()).saveObjects(m_set))
        return false;
    m_kept = m_set;
    return true;
}

} // namespace tw
