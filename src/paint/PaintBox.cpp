#include "paint/PaintBox.h"

#include "paint/Brushes.h"
#include "paint/CursorFile.h"
#include "paint/DrawingStore.h"
#include "paint/PaintHost.h"
#include "paint/PaintState.h"
#include "paint/Palette.h"
#include "paint/Paper.h"
#include "paint/ToolIcons.h"
#include "platform/Numeric.h"

#include <QFrame>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr int kPaintGame = 13;
constexpr int kColourBookGame = 12;
constexpr int kRowsOfButtons = 13; // a tool button is 1/13 of the window's height
constexpr int kPaletteRow = 5;
constexpr int kMixRow = 9;
constexpr int kReviewRow = 11;
constexpr int kStripColumns = 2;
constexpr int kLeftButton = 1;
constexpr int kWidthItems = 8; // the Pen Width menu offers eight widths per pen
constexpr double kMaxTwips = 32767; // positions are 16-bit twips
constexpr double kButtonIconShare = 0.8;

enum Tool {
    RingsTool = 3,
    SlantUpTool = 4,
    SlantDownTool = 5,
    PointerTool = 6,
    LineTool = 7,
    CurveTool = 8,
    ShapeTool = 9
};

const char *const kToolTips[kToolCount]
    = {"Thin pen",         "Middle pen",    "Thick pen", "Rings",       "Slanted brush /",
       "Slanted brush \\", "Pick and move", "New line",  "Bend a line", "New shape"};

const QString kRubber = QStringLiteral("Rubber");

double clampTwips(double v) { return std::clamp(v, -kMaxTwips, kMaxTwips); }

} // namespace

// Edges are rounded so that neighbouring cells touch.
QRect PaintBox::stripCell(int areaHeight, int column, int row, int columns, int rows)
{
    const double side = areaHeight / double(kRowsOfButtons);
    const int x0 = int(std::lround(column * side));
    const int y0 = int(std::lround(row * side));
    const int x1 = int(std::lround((column + columns) * side));
    const int y1 = int(std::lround((row + rows) * side));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

PaintBox::PaintBox(PaintHost &host, PaintState &state)
    : m_host(host)
    , m_state(state)
    , m_store(std::make_unique<DrawingStore>(host.writeFolder()))
{
    QWidget *area = host.playArea();
    m_paper = new Paper(area);
    m_paper->hide();
    m_paper->onRepaint = [this](const QRect &pixels) { Paper_Paint(pixels); };
    QObject::connect(m_paper, &Paper::mouseDown, m_paper,
                     [this](int b, double x, double y) { Paper_MouseDown(b, x, y); });
    QObject::connect(m_paper, &Paper::mouseMove, m_paper,
                     [this](int b, double x, double y) { Paper_MouseMove(b, x, y); });
    QObject::connect(m_paper, &Paper::mouseUp, m_paper,
                     [this](int b, double x, double y) { Paper_MouseUp(b, x, y); });

    m_rubberFrame = new QFrame(m_paper);
    m_rubberFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_rubberFrame->setStyleSheet(
        QStringLiteral("QFrame { border: 1px solid black; background: transparent; }"));
    m_rubberFrame->hide();

    for (int i = 0; i < kToolCount; ++i) {
        auto *button = new QToolButton(area);
        button->setIcon(toolIcon(i));
        button->setToolTip(QLatin1String(kToolTips[i]));
        button->setCheckable(true);
        button->hide();
        // The current tool cannot be clicked again.
        QObject::connect(button, &QToolButton::clicked, button, [this, i] {
            if (i == m_state.CurrentTool)
                m_tools[size_t(i)]->setChecked(true);
            else
                Tool_Click(i);
        });
        m_tools[size_t(i)] = button;
    }
}

PaintBox::~PaintBox() = default;

void PaintBox::LoadPaintBox()
{
    m_host.setSubject(QStringLiteral("Paint"));
    m_host.showPaintMenus();
    m_state.SelectedObject.clear();
    m_state.SelectedIndex = -1;
    const bool repainted = layOut();
    for (QToolButton *button : m_tools)
        button->show();
    Tool_Click(0);
    if (objects.showLive)
        objects.showLive();
    m_paper->show();
    for (int i = 0; i < kPlainColours; ++i)
        m_host.setPaletteColour(i, kPaletteColours[size_t(i)]);
    m_host.setPaletteColour(kMixTile, kWhiteColour);
    // The surface shows afresh: the background, and the drawing when a replay
    // is due (the game switch asks for one).
    if (!repainted)
        m_paper->invalidate();
}

bool PaintBox::layOut()
{
    const QWidget *area = m_host.playArea();
    const int h = area->height();
    const double side = h / double(kRowsOfButtons);
    for (int i = 0; i < kToolCount; ++i) {
        QToolButton *button = m_tools[size_t(i)];
        button->setGeometry(stripCell(h, i & 1, i / 2));
        const int icon = int(side * kButtonIconShare);
        button->setIconSize(QSize(icon, icon));
    }
    for (int i = 0; i < kPlainColours; ++i)
        m_host.showPaletteTile(i, stripCell(h, i & 1, kPaletteRow + i / 2), QString());
    m_host.showPaletteTile(kMixTile, stripCell(h, 0, kMixRow, kStripColumns, 2),
                           QLatin1String(kMixTip));
    m_host.showReviewButton(0, stripCell(h, 0, kReviewRow, kStripColumns, 1));
    m_host.showReviewButton(1, stripCell(h, 0, kReviewRow + 1, kStripColumns, 1));

    const int left = stripCell(h, kStripColumns, 0).left();
    const QRect surface(left, 0, std::max(0, area->width() - left), area->height());
    const bool resized = surface.size() != m_paper->size();
    m_paper->setGeometry(surface);
    m_maps.growTo(surface.width(), surface.height());
    measureTwips();
    m_rubberFrame->setGeometry(rubberPixels());
    if (resized) {
        // The surface at its new size shows the whole drawing again.
        m_host.setRepaintPending(true);
        m_paper->invalidate();
    }
    return resized;
}

void PaintBox::measureTwips()
{
    m_state.TwipsX = m_paper->twipsX();
    m_state.TwipsY = m_paper->twipsY();
}

void PaintBox::hide()
{
    m_paper->hide();
    for (QToolButton *button : m_tools)
        button->hide();
    disarmEraser();
    m_rubbing = false;
    keepDrawing();
}

void PaintBox::allocateMaps()
{
    const QWidget *area = m_host.playArea();
    m_maps.allocate(area->width(), area->height());
    if (std::optional<PixelMaps> kept = m_store->load()) {
        m_maps = std::move(*kept);
        m_maps.growTo(area->width(), area->height());
    }
    m_changed = false;
}

bool PaintBox::keepDrawing()
{
    const bool objectsKept = !objects.keep || objects.keep();
    if (!m_changed)
        return objectsKept;
    if (!m_store->save(m_maps))
        return false;
    m_changed = false;
    return objectsKept;
}

void PaintBox::Tool_Click(int index)
{
    if (index < 0 || index >= kToolCount)
        return;
    for (int i = 0; i < kToolCount; ++i)
        m_tools[size_t(i)]->setChecked(i == index);
    m_state.CurrentTool = index;
    if (index >= kPenTools)
        disarmEraser();
    setToolCursor();
    if (index == LineTool || index == ShapeTool) {
        const auto &create = index == LineTool ? objects.newLine : objects.newShape;
        if (create)
            create();
        return;
    }
    if (index < kPenTools) {
        m_strokeWidth = saneWidth(m_state.PenWidth[size_t(index)]);
        m_state.PenWidth[kPenSlot] = index;
        m_rubber.setSize(
            QSizeF(m_strokeWidth * m_state.TwipsX + 1, m_strokeWidth * m_state.TwipsY + 1));
        m_rubberFrame->setGeometry(rubberPixels());
    }
    if (objects.clearSelection)
        objects.clearSelection();
}

QCursor PaintBox::cursorFile(const char *name, Qt::CursorShape fallback)
{
    const QString key = QLatin1String(name);
    auto found = m_cursors.find(key);
    if (found == m_cursors.end())
        found = m_cursors.insert(key, loadCursorFile(m_host.appFolder() + key, fallback));
    return *found;
}

void PaintBox::setToolCursor()
{
    if (eraserArmed()) {
        m_paper->setCursor(Qt::CrossCursor);
        return;
    }
    switch (m_state.CurrentTool) {
    case 0:
        m_paper->setCursor(cursorFile("Pen_rl.cur", Qt::CrossCursor));
        break;
    case 1:
    case LineTool:
        m_paper->setCursor(cursorFile("Pen_i.cur", Qt::CrossCursor));
        break;
    case 2:
        m_paper->setCursor(cursorFile("Pen_il.cur", Qt::CrossCursor));
        break;
    case RingsTool:
        m_paper->setCursor(Qt::CrossCursor);
        break;
    case SlantUpTool:
    case SlantDownTool:
        m_paper->setCursor(Qt::IBeamCursor);
        break;
    case ShapeTool:
        m_paper->setCursor(cursorFile("Hand.cur", Qt::OpenHandCursor));
        break;
    default:
        m_paper->setCursor(Qt::ArrowCursor);
        break;
    }
}

bool PaintBox::eraserArmed() const { return !m_rubberFrame->isHidden(); }

void PaintBox::armEraser(int width)
{
    m_rubber.setSize(QSizeF(width * m_state.TwipsX, width * m_state.TwipsY));
    m_rubberFrame->setGeometry(rubberPixels());
    m_rubberFrame->show();
    m_state.SelectedObject = kRubber;
    m_state.SelectedIndex = -1;
    setToolCursor();
}

void PaintBox::disarmEraser()
{
    m_rubberFrame->hide();
    if (m_state.SelectedObject == kRubber)
        m_state.SelectedObject.clear();
}

QRect PaintBox::rubberPixels() const
{
    const int x0 = CInt(m_rubber.left() / m_state.TwipsX);
    const int y0 = CInt(m_rubber.top() / m_state.TwipsY);
    const int x1 = CInt(m_rubber.right() / m_state.TwipsX);
    const int y1 = CInt(m_rubber.bottom() / m_state.TwipsY);
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// Every dot the eraser touches goes, not only the pixels under it: a wide
// stroke's dots reach past their recorded centres, and a replay would
// otherwise paint them back into the erased area.
QRect PaintBox::rubOutDots()
{
    m_changed = true;
    return m_maps.eraseTouching(rubberPixels());
}

void PaintBox::RubOut() { rubOutDots(); }

// The eraser follows the pointer with its centre. The dots under every place
// it passes leave the maps and the screen alike, so Redraw shows what the
// child saw; a fast move is filled in between.
void PaintBox::moveRubber(double x, double y)
{
    const QPointF from = m_rubber.center();
    const QPointF to(x, y);
    int steps = 1;
    if (m_rubbing) {
        const double spacing = std::max(1.0, std::min(m_rubber.width(), m_rubber.height()) / 2);
        steps = std::max(
            1, int(std::ceil(std::hypot(to.x() - from.x(), to.y() - from.y()) / spacing)));
    }
    for (int s = 1; s <= steps; ++s) {
        m_rubber.moveCenter(m_rubbing ? from + (to - from) * (double(s) / steps) : to);
        // What stays of the drawing around the eraser is shown as a replay
        // will show it.
        const QRect area = rubOutDots() & m_paper->buffer().rect();
        m_paper->invalidate(area);
        m_maps.replay(m_paper->buffer(), area);
    }
    m_rubberFrame->setGeometry(rubberPixels());
}

void PaintBox::Paper_MouseDown(int button, double x, double y)
{
    x = clampTwips(x);
    y = clampTwips(y);
    if (button > kLeftButton) {
        if (objects.rightMouse)
            objects.rightMouse();
        return;
    }
    if (m_host.subject() == QLatin1String("ColBook")) {
        if (objects.colourAt)
            objects.colourAt(x, y);
        return;
    }
    if (objects.clearSelection)
        objects.clearSelection();
    const int tool = m_state.CurrentTool;
    if (tool == PointerTool || tool == CurveTool) {
        if (objects.press)
            objects.press(tool, x, y);
        return;
    }
    if (eraserArmed()) {
        m_rubbing = false;
        moveRubber(x, y);
        m_rubbing = true;
    } else if (tool < PointerTool) {
        StartDrawing(x, y);
    }
}

void PaintBox::Paper_MouseMove(int button, double x, double y)
{
    x = clampTwips(x);
    y = clampTwips(y);
    if (m_host.subject() == QLatin1String("ColBook"))
        return;
    if (m_state.CurveEditing) {
        if (objects.drag)
            objects.drag(button, x, y);
        return;
    }
    if (button == 0)
        return;
    if (objects.drag && objects.drag(button, x, y))
        return;
    if (eraserArmed()) {
        if (m_rubbing)
            moveRubber(x, y);
    } else if (m_state.CurrentTool < PointerTool && m_host.penDown()) {
        // Only a stroke started by a left press draws: a drag with another
        // button, or one begun outside the surface, never does.
        DrawLine(x, y);
    }
}

void PaintBox::Paper_MouseUp(int button, double x, double y)
{
    if (button > kLeftButton) {
        if (objects.rightMouse)
            objects.rightMouse();
        return;
    }
    if (m_state.CurveEditing && objects.release)
        objects.release(clampTwips(x), clampTwips(y));
    m_host.setPenDown(false);
    m_rubbing = false;
    if (objects.changeEnded)
        objects.changeEnded();
}

void PaintBox::recordDot(QPoint pixel, int width)
{
    m_maps.record(pixel.x(), pixel.y(), quint32(m_state.PenColour), width);
    m_changed = true;
}

void PaintBox::StartDrawing(double x, double y)
{
    m_host.setPenDown(true);
    if (m_state.CurrentTool < kPenTools) {
        const QPoint pixel = pixelOf(QPointF(x, y), m_state.TwipsX, m_state.TwipsY);
        m_paper->drawDot(pixel, quint32(m_state.PenColour), m_strokeWidth);
        recordDot(pixel, m_strokeWidth);
    }
    m_state.LastX = CInt(x);
    m_state.LastY = CInt(y);
    m_maps.markWidthUsed(m_strokeWidth);
}

void PaintBox::DrawLine(double x, double y)
{
    const BrushMove move {QPoint(m_state.LastX, m_state.LastY), QPointF(x, y), m_state.TwipsX,
                          m_state.TwipsY};
    const quint32 colour = quint32(m_state.PenColour);
    const int tool = m_state.CurrentTool;
    if (tool < kPenTools) {
        const int width = m_strokeWidth;
        m_paper->drawLine(pixelOf(move.last, move.twipsX, move.twipsY),
                          pixelOf(move.to, move.twipsX, move.twipsY), colour, width);
        for (const QPoint &p : penTrail(move))
            recordDot(p, width);
    } else if (tool <= SlantDownTool) {
        // Effect brushes lay dots of width 1, recorded as width 1 so a replay
        // draws them as they were drawn.
        m_maps.markWidthUsed(1);
        const int maxRadius = saneWidth(m_state.PenWidth[size_t(m_state.PenWidth[kPenSlot])]);
        const std::vector<QPoint> dots = tool == RingsTool
            ? ringDots(move, maxRadius, m_host.random())
            : slantDots(move, tool == SlantUpTool, m_host.random());
        for (const QPoint &p : dots) {
            m_paper->drawDot(p, colour, 1);
            recordDot(p, 1);
        }
    }
    m_state.LastX = CInt(x);
    m_state.LastY = CInt(y);
    m_strokeWidth = saneWidth(m_state.PenWidth[size_t(m_state.PenWidth[kPenSlot])]);
}

void PaintBox::Paper_Paint(const QRect &pixels)
{
    m_host.setPaintDone(true);
    if (m_host.currentGame() == kColourBookGame && objects.colourBookRepaint)
        objects.colourBookRepaint();
    if (m_host.repaintPending()) {
        m_maps.replay(m_paper->buffer(), pixels);
        m_host.setRepaintPending(false);
        m_host.setHourglass(false);
    }
}

void PaintBox::Answer_Click(int index)
{
    const long colour = m_host.paletteColour(index);
    m_state.PenColour = colour;
    if ((m_state.SelectedObject == QLatin1String("Lines")
         || m_state.SelectedObject == QLatin1String("Shapes"))
        && objects.recolourSelection)
        objects.recolourSelection(colour);
    if (index < kPlainColours)
        m_state.BaseColour = colour;
    if (colour == kWhiteColour && m_host.currentGame() == kPaintGame
        && m_state.CurrentTool < kPenTools) {
        armEraser(m_strokeWidth);
    } else {
        disarmEraser();
        setToolCursor();
    }
}

void PaintBox::Answer_MouseDown(int index, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        if (objects.rightMouse)
            objects.rightMouse();
        return;
    }
    if (index != kMixTile)
        return;
    const MixColour mix = mixFromValue(m_host.paletteColour(index));
    m_state.MixRed = mix.red;
    m_state.MixGreen = mix.green;
    m_state.MixBlue = mix.blue;
}

void PaintBox::Answer_MouseMove(int index, Qt::MouseButtons buttons)
{
    if (buttons == Qt::NoButton || index != kMixTile)
        return;
    const MixColour next
        = mixToward({m_state.MixRed, m_state.MixGreen, m_state.MixBlue}, m_state.BaseColour);
    m_state.MixRed = next.red;
    m_state.MixGreen = next.green;
    m_state.MixBlue = next.blue;
    m_host.setPaletteColour(kMixTile, valueFromMix(next));
}

void PaintBox::Review_Click(int index)
{
    if (index == 0) {
        m_host.setHourglass(true);
        m_host.setRepaintPending(true);
        m_paper->invalidate();
        m_host.setHourglass(false);
    } else if (index == 1) {
        m_maps.allocate(m_paper->width(), m_paper->height());
        m_changed = true;
        m_paper->invalidate();
        m_state.SelectedObject.clear();
        m_state.SelectedIndex = -1;
        if (objects.clearSelection)
            objects.clearSelection();
        if (objects.reset)
            objects.reset();
    }
}

QStringList PaintBox::penWidthCaptions() const
{
    QStringList captions;
    const int pen = m_state.PenWidth[kPenSlot];
    for (int i = 0; i < kWidthItems; ++i)
        captions << QString::number(pen * kWidthItems + i + 1);
    return captions;
}

void PaintBox::MNU_PenWidth_Click(int index)
{
    if (index < 0 || index >= kWidthItems)
        return;
    const int pen = std::clamp(m_state.PenWidth[kPenSlot], 0, kPenTools - 1);
    const int width = saneWidth(pen * kWidthItems + index + 1);
    m_state.PenWidth[size_t(pen)] = width;
    m_strokeWidth = width;
}

bool PaintBox::textSelected() const { return objects.textSelected && objects.textSelected(); }

} // namespace tw
