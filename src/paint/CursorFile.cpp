#include "paint/CursorFile.h"

#include "platform/SafeFile.h"

#include <QPixmap>
#include <QtEndian>

namespace tw {

namespace {

constexpr int DirectoryBytes = 6; // reserved, type, image count
constexpr int EntryBytes = 16; // one directory entry
constexpr quint16 CursorType = 2; // 1 would be an icon
constexpr int HotspotXOffset = DirectoryBytes + 4;
constexpr int HotspotYOffset = DirectoryBytes + 6;
constexpr qint64 MaxCursorFileBytes = 1 << 20; // real cursors are a few kilobytes

quint16 read16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

constexpr int kOpaque = 128; // alpha from which a pixel counts as part of the pointer

} // namespace

QImage withWhiteOutline(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QImage in = out.copy();
    const auto solid = [&in](int x, int y) {
        return x >= 0 && y >= 0 && x < in.width() && y < in.height()
            && qAlpha(in.pixel(x, y)) >= kOpaque;
    };
    for (int y = 0; y < in.height(); ++y) {
        for (int x = 0; x < in.width(); ++x) {
            if (solid(x, y))
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = solid(x + dx, y + dy);
            if (touches)
                out.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    }
    return out;
}

CursorImage readCursorFile(const QByteArray &bytes)
{
    if (bytes.size() < DirectoryBytes + EntryBytes || read16(bytes, 0) != 0
        || read16(bytes, 2) != CursorType || read16(bytes, 4) == 0) {
        return {};
    }
    CursorImage cursor;
    cursor.image = QImage::fromData(bytes, "CUR");
    if (cursor.image.isNull())
        return {};
    cursor.hotspot = QPoint(qMin(int(read16(bytes, HotspotXOffset)), cursor.image.width() - 1),
                            qMin(int(read16(bytes, HotspotYOffset)), cursor.image.height() - 1));
    return cursor;
}

QCursor loadCursorFile(const QString &path, Qt::CursorShape fallback)
{
    const FileBytes file = readRegularFile(path, MaxCursorFileBytes);
    if (!file.ok())
        return QCursor(fallback);
    const CursorImage cursor = readCursorFile(file.bytes);
    if (cursor.image.isNull())
        return QCursor(fallback);
    return QCursor(QPixmap::fromImage(withWhiteOutline(cursor.image)), cursor.hotspot.x(),
                   cursor.hotspot.y());
}

} // namespace tw
