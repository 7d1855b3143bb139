#include "paint/ObjectsFile.h"

#include "paint/DotStamp.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cmath>

namespace tw {

namespace {

constexpr quint32 kMagic = 0x54574F42; // "TWOB"
constexpr quint32 kVersion = 1;
// Far beyond what a child draws; a claim above it is a broken file.
constexpr quint32 kMaxObjects = 20000;
constexpr int kMaxCaption = 10000;
// Positions and sizes in twips: a surface is never this large.
constexpr double kMaxTwips = 1e7;

// Reads a string written by QDataStream, refusing a length the bytes left cannot hold: the
// stream's own reader would allocate whatever length a broken file claims.
QDataStream &readString(QDataStream &in, QString &text)
{
    constexpr quint32 kNullString = 0xFFFFFFFF;
    quint32 bytes = 0;
    in >> bytes;
    if (in.status() != QDataStream::Ok)
        return in;
    if (bytes == kNullString) {
        text = QString();
        return in;
    }
    if (bytes % 2 != 0 || qint64(bytes) > in.device()->bytesAvailable()) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    QByteArray raw(qsizetype(bytes), Qt::Uninitialized);
    if (in.readRawData(raw.data(), int(bytes)) != int(bytes)) {
        in.setStatus(QDataStream::ReadPastEnd);
        return in;
    }
    text.resize(qsizetype(bytes / 2));
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromBigEndian<quint16>(raw.constData() + 2 * i));
    return in;
}

bool saneTwips(double v) { return std::isfinite(v) && std::abs(v) <= kMaxTwips; }
bool saneSize(double v) { return saneTwips(v) && v >= 0; }
bool saneWidthValue(int w) { return w >= kMinPenWidth && w <= kMaxPenWidth; }

QDataStream &operator<<(QDataStream &out, const LineObject &l)
{
    return out << l.X1 << l.Y1 << l.X2 << l.Y2 << l.BorderColor << qint32(l.BorderWidth) << l.Tag;
}
QDataStream &operator>>(QDataStream &in, LineObject &l)
{
    qint32 width = 0;
    in >> l.X1 >> l.Y1 >> l.X2 >> l.Y2 >> l.BorderColor >> width;
    l.BorderWidth = width;
    return readString(in, l.Tag);
}
bool sane(const LineObject &l)
{
    return saneTwips(l.X1) && saneTwips(l.Y1) && saneTwips(l.X2) && saneTwips(l.Y2)
        && saneWidthValue(l.BorderWidth);
}

QDataStream &operator<<(QDataStream &out, const ShapeObject &s)
{
    return out << s.Left << s.Top << s.Width << s.Height << qint32(s.Shape) << s.BorderColor
               << qint32(s.BorderWidth) << qint32(s.FillStyle) << s.FillColor << s.Tag;
}
QDataStream &operator>>(QDataStream &in, ShapeObject &s)
{
    qint32 kind = 0, width = 0, fill = 0;
    in >> s.Left >> s.Top >> s.Width >> s.Height >> kind >> s.BorderColor >> width >> fill
        >> s.FillColor;
    s.Shape = kind;
    s.BorderWidth = width;
    s.FillStyle = fill;
    return readString(in, s.Tag);
}
bool sane(const ShapeObject &s)
{
    return saneTwips(s.Left) && saneTwips(s.Top) && saneSize(s.Width) && saneSize(s.Height)
        && s.Shape >= 0 && s.Shape < ShapeKindCount && saneWidthValue(s.BorderWidth)
        && (s.FillStyle == kFillSolid || s.FillStyle == kFillTransparent);
}

QDataStream &operator<<(QDataStream &out, const TextObject &t)
{
    return out << t.Left << t.Top << t.Width << t.Height << t.Caption << t.ForeColor << t.FontName
               << t.FontSize << t.FontBold << t.FontItalic << t.Tag;
}
QDataStream &operator>>(QDataStream &in, TextObject &t)
{
    in >> t.Left >> t.Top >> t.Width >> t.Height;
    readString(in, t.Caption) >> t.ForeColor;
    readString(in, t.FontName) >> t.FontSize >> t.FontBold >> t.FontItalic;
    return readString(in, t.Tag);
}
bool sane(const TextObject &t)
{
    constexpr double kLargestFont = 1000;
    return saneTwips(t.Left) && saneTwips(t.Top) && saneSize(t.Width) && saneSize(t.Height)
        && t.Caption.size() <= kMaxCaption && std::isfinite(t.FontSize) && t.FontSize > 0
        && t.FontSize <= kLargestFont;
}

QDataStream &operator<<(QDataStream &out, const PictureObject &p)
{
    return out << p.Left << p.Top << p.Width << p.Height << p.Picture << p.Sound << p.Tag;
}
QDataStream &operator>>(QDataStream &in, PictureObject &p)
{
    in >> p.Left >> p.Top >> p.Width >> p.Height >> p.Picture;
    readString(in, p.Sound);
    return readString(in, p.Tag);
}
bool sane(const PictureObject &p)
{
    return saneTwips(p.Left) && saneTwips(p.Top) && saneSize(p.Width) && saneSize(p.Height);
}

// Writes element 1 onwards (element 0 is the unused template).
template<typename T>
void writeAll(QDataStream &out, const std::vector<T> &items)
{
    out << quint32(items.size() - 1);
    for (size_t i = 1; i < items.size(); ++i)
        out << items[i];
}

template<typename T>
bool readAll(QDataStream &in, std::vector<T> &items)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > kMaxObjects)
        return false;
    items.assign(1, T());
    for (quint32 i = 0; i < count; ++i) {
        T item;
        in >> item;
        if (in.status() != QDataStream::Ok || !sane(item))
            return false;
        items.push_back(std::move(item));
    }
    return true;
}

} // namespace

QByteArray objectsToBytes(const PaintObjectSet &objects)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion;
    writeAll(out, objects.lines);
    writeAll(out, objects.shapes);
    out << quint32(objects.order.size());
    for (const ObjectRef &ref : objects.order)
        out << quint8(ref.kind == ObjectKind::Line ? 0 : 1) << qint32(ref.index);
    writeAll(out, objects.texts);
    writeAll(out, objects.pictures);
    return bytes;
}

std::optional<PaintObjectSet> objectsFromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion)
        return std::nullopt;
    PaintObjectSet set;
    if (!readAll(in, set.lines) || !readAll(in, set.shapes))
        return std::nullopt;
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > 2 * kMaxObjects)
        return std::nullopt;
    for (quint32 i = 0; i < count; ++i) {
        quint8 kind = 0;
        qint32 index = 0;
        in >> kind >> index;
        const size_t size = kind == 0 ? set.lines.size() : set.shapes.size();
        if (in.status() != QDataStream::Ok || kind > 1 || index < 1 || size_t(index) >= size)
            return std::nullopt;
        set.order.push_back({kind == 0 ? ObjectKind::Line : ObjectKind::Shape, index});
    }
    if (!readAll(in, set.texts) || !readAll(in, set.pictures) || !in.atEnd())
        return std::nullopt;
    return set;
}

} // namespace tw
