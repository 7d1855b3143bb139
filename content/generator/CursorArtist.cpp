#include "CursorArtist.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace tw::content::CursorArtist {

namespace {

const QColor Outline(0x2b, 0x2b, 0x2b);

struct PenStyle
{
    double width; // body width in pixels
    double length; // from the tip to the back end
    double tipLength; // the sharpened (or chisel) part
    QColor body;
    QColor tipWood; // the cone behind the point
    QColor point; // the lead or felt
    QColor end; // eraser or cap
};

// Draws a pen lying along +x with its point at the origin.
void drawPen(QPainter &p, const PenStyle &s)
{
    const double h = s.width / 2;
    p.setPen(QPen(Outline, 1.2));
    // Back end (eraser / cap).
    p.setBrush(s.end);
    p.drawRoundedRect(QRectF(s.length - 6, -h, 6, s.width), 2, 2);
    // Body.
    p.setBrush(s.body);
    p.drawRect(QRectF(s.tipLength, -h, s.length - 6 - s.tipLength, s.width));
    // Sharpened cone.
    QPainterPath cone;
    cone.moveTo(0, 0);
    cone.lineTo(s.tipLength, -h);
    cone.lineTo(s.tipLength, h);
    cone.closeSubpath();
    p.setBrush(s.tipWood);
    p.drawPath(cone);
    // The point itself: the first third of the cone.
    QPainterPath point;
    const double pointLength = s.tipLength / 3;
    point.moveTo(0, 0);
    point.lineTo(pointLength, -h / 3);
    point.lineTo(pointLength, h / 3);
    point.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(s.point);
    p.drawPath(point);
    // A highlight along the body.
    p.setPen(QPen(s.body.lighter(130), 1));
    p.drawLine(QPointF(s.tipLength + 1, -h / 2), QPointF(s.length - 7, -h / 2));
}

QImage blank()
{
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

Cursor pen(const QString &fileName, QPoint tip, double angleDegrees, const PenStyle &style)
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(tip.x() + 0.5, tip.y() + 0.5);
    p.rotate(angleDegrees);
    drawPen(p, style);
    p.end();
    return {fileName, image, tip};
}

Cursor hand()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor skin(0xff, 0xd3, 0xa8);
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill); // overlapping parts join instead of cancelling out
    // Four fingers, a thumb and the palm, joined into one outline.
    shape.addRoundedRect(QRectF(8, 3, 4.5, 15), 2.25, 2.25);
    shape.addRoundedRect(QRectF(12.5, 1, 4.5, 16), 2.25, 2.25);
    shape.addRoundedRect(QRectF(17, 2, 4.5, 15), 2.25, 2.25);
    shape.addRoundedRect(QRectF(21.5, 5, 4.2, 13), 2.1, 2.1);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.2, -7.5, 4.4, 13), 2.2, 2.2);
    QTransform tilt;
    tilt.translate(6.5, 17);
    tilt.rotate(-40);
    shape.addPath(tilt.map(thumb));
    shape.addRoundedRect(QRectF(8, 11, 17.7, 18), 6, 6);
    p.setPen(QPen(Outline, 1.3));
    p.setBrush(skin);
    p.drawPath(shape.simplified());
    // Gaps between the fingers, down to where the palm begins.
    p.setPen(QPen(Outline, 1));
    const QLineF gaps[] = {{12.5, 5, 12.5, 12}, {17.0, 4, 17.0, 12}, {21.5, 7, 21.5, 12}};
    for (const QLineF &gap : gaps)
        p.drawLine(gap);
    p.end();
    return {QStringLiteral("Hand.cur"), image, QPoint(16, 14)};
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QList<Cursor> all()
{
    const PenStyle pencil {6,
                           36,
                           9,
                           QColor(0xff, 0xc8, 0x2e),
                           QColor(0xf3, 0xd9, 0xa8),
                           QColor(0x33, 0x33, 0x33),
                           QColor(0xf4, 0x8f, 0xb1)};
    PenStyle shortPencil = pencil; // upright, it must fit the cursor's height
    shortPencil.length = Side - 2;
    const PenStyle marker {10,
                           36,
                           8,
                           QColor(0x1e, 0x88, 0xe5),
                           QColor(0x15, 0x65, 0xc0),
                           QColor(0x0d, 0x47, 0xa1),
                           QColor(0x0d, 0x47, 0xa1)};
    constexpr double UpRight = -45; // the pen rises to the upper right from its point
    constexpr double Up = -90;
    return {pen(QStringLiteral("Pen_rl.cur"), QPoint(1, 30), UpRight, pencil),
            pen(QStringLiteral("Pen_i.cur"), QPoint(15, 31), Up, shortPencil),
            pen(QStringLiteral("Pen_il.cur"), QPoint(2, 29), UpRight, marker), hand()};
}

QByteArray encode(const QImage &source, QPoint hotspot)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32)
                             .scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    constexpr int DirBytes = 6;
    constexpr int EntryBytes = 16;
    constexpr int InfoBytes = 40;
    constexpr int MaskRowBytes = Side / 8; // 32 bits per row: already 4-byte aligned
    constexpr int PixelBytes = Side * Side * 4;
    constexpr int MaskBytes = Side * MaskRowBytes;
    constexpr int ImageBytes = InfoBytes + PixelBytes + MaskBytes;
    constexpr quint16 CursorType = 2;

    QByteArray out;
    // ICONDIR
    put16(out, 0);
    put16(out, CursorType);
    put16(out, 1);
    // ICONDIRENTRY: for cursors the planes and bit-count fields hold the hotspot.
    out.append(char(Side));
    out.append(char(Side));
    out.append(char(0)); // no palette
    out.append(char(0));
    put16(out, quint16(qBound(0, hotspot.x(), Side - 1)));
    put16(out, quint16(qBound(0, hotspot.y(), Side - 1)));
    put32(out, ImageBytes);
    put32(out, DirBytes + EntryBytes);
    // BITMAPINFOHEADER: the height counts the colour image and the mask.
    put32(out, InfoBytes);
    put32(out, Side);
    put32(out, 2 * Side);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // BI_RGB
    put32(out, PixelBytes + MaskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    // Colour image, bottom row first, BGRA (ARGB32 as little-endian words).
    for (int y = Side - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < Side; ++x)
            put32(out, row[x]);
    }
    // AND mask, bottom row first: a set bit is a transparent pixel (for readers without alpha).
    for (int y = Side - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        quint32 bits = 0;
        for (int x = 0; x < Side; ++x) {
            if (qAlpha(row[x]) == 0)
                bits |= 1u << (31 - x);
        }
        char bytes[4];
        qToBigEndian(bits, bytes); // the leftmost pixel is the highest bit of the first byte
        out.append(bytes, 4);
    }
    return out;
}

} // namespace tw::content::CursorArtist
