// PaintObject: the line and shape objects lying on the drawing, as values: geometry, hit test,
// look.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace tw {

// The six kinds of a shape, in the order of the "Change Shape" menu.
enum ShapeKind {
    ShapeRectangle,
    ShapeSquare,
    ShapeOval,
    ShapeCircle,
    ShapeRoundedRectangle,
    ShapeRoundedSquare,
    ShapeKindCount
};

// Fill styles of a shape, as the platform numbers them.
constexpr int kFillSolid = 0;
constexpr int kFillTransparent = 1;

// The Tag of an object that was deleted or stuck down; a live object's is empty.
inline const QString kDeletedTag = QStringLiteral("Deleted");

// A straight line: ends in twips, colour 0x00BBGGRR, width in pixels.
struct LineObject
{
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    quint32 BorderColor = 0;
    int BorderWidth = 1;
    QString Tag;

    bool live() const { return Tag.isEmpty(); }
    bool operator==(const LineObject &) const = default;
};

// An outline shape: its bounds in twips, kind, border and fill.
struct ShapeObject
{
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int Shape = ShapeRectangle;
    quint32 BorderColor = 0;
    int BorderWidth = 1;
    int FillStyle = kFillTransparent;
    quint32 FillColor = 0;
    QString Tag;

    bool live() const { return Tag.isEmpty(); }
    QRectF bounds() const { return QRectF(Left, Top, Width, Height); }
    bool operator==(const ShapeObject &) const = default;
};

// A text object: its place and size in twips (fixed once made), caption,
// text colour and font.
struct TextObject
{
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    QString Caption;
    quint32 ForeColor = 0;
    QString FontName;
    double FontSize = 12;
    bool FontBold = false;
    bool FontItalic = false;
    QString Tag;

    bool live() const { return Tag.isEmpty(); }
    QRectF bounds() const { return QRectF(Left, Top, Width, Height); }
    bool operator==(const TextObject &) const = default;
};

// A picture object: its place and size in twips, the picture stretched to
// it (null when none could be read) and the sound it plays when pressed.
struct PictureObject
{
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    QImage Picture;
    QString Sound;
    QString Tag;

    bool live() const { return Tag.isEmpty(); }
    QRectF bounds() const { return QRectF(Left, Top, Width, Height); }
    bool operator==(const PictureObject &) const = default;
};

enum class ObjectKind { Line, Shape };

// One object of a set: its kind and index.
struct ObjectRef
{
    ObjectKind kind = ObjectKind::Line;
    int index = 0;
    bool operator==(const ObjectRef &) const = default;
};

// Every object of a drawing, by kind and index; element 0 of each is
// the unused template, so the counts are size() - 1. `order` lists the
// lines and shapes from back to front; text and pictures lie above them, the
// one made last in front.
struct PaintObjectSet
{
    std::vector<LineObject> lines = std::vector<LineObject>(1);
    std::vector<ShapeObject> shapes = std::vector<ShapeObject>(1);
    std::vector<ObjectRef> order;
    std::vector<TextObject> texts = std::vector<TextObject>(1);
    std::vector<PictureObject> pictures = std::vector<PictureObject>(1);

    bool operator==(const PaintObjectSet &) const = default;
};

// True when the direction from the line's start to `p` (twips) matches the
// line's own direction within 10 twips per pixel of width at that distance.
// The caller checks first that the surface shows the line's colour at `p`.
bool lineHitByDirection(const LineObject &line, QPointF p);
// True when `p` lies strictly inside the shape's bounds (edges do not count).
bool shapeHit(const ShapeObject &shape, QPointF p);

// The figure a shape kind draws inside bounds `r`: squares and circles take
// the shorter side, centred.
QRectF shapeFigure(int kind, const QRectF &r);

// Draws the object on `painter` in pixels, with `twipsX`/`twipsY` twips per
// pixel. No antialiasing, so every drawn pixel has the object's own colour.
void paintLine(QPainter &painter, const LineObject &line, double twipsX, double twipsY);
void paintShape(QPainter &painter, const ShapeObject &shape, double twipsX, double twipsY);

} // namespace tw
