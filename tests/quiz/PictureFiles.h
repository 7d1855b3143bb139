// Writes small picture files of every accepted format for the picture tests.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QString>

#include "support/Files.h"

namespace tw::test {

// A `size` picture filled with `colour`, encoded as `format` ("png", "bmp", "jpg", "ico").
inline QByteArray imageBytes(const char *format, QColor colour = Qt::red,
                             QSize size = QSize(32, 24))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline bool writeImage(const QString &path, const char *format, QColor colour = Qt::red,
                       QSize size = QSize(32, 24))
{
    const QByteArray bytes = imageBytes(format, colour, size);
    return !bytes.isEmpty() && writeFile(path, bytes);
}

// A 2 x 2 red GIF, written byte by byte (Qt reads GIF but cannot write it).
inline bool writeGif(const QString &path)
{
    static const unsigned char gif[]
        = {'G',  'I', 'F',  '8',  '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, // screen, 2-colour table
           0xFF, 0,   0,    0,    0,   0, // red, black
           0x2C, 0,   0,    0,    0,   2,   0, 2, 0, 0, // image descriptor
           2,    2,   0x84, 0x51, 0, // LZW data: four red pixels
           0x3B};
    return writeFile(path, QByteArray(reinterpret_cast<const char *>(gif), sizeof gif));
}

inline bool writeSvg(const QString &path, int width = 40, int height = 20)
{
    return writeFile(path,
                     QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                    "width=\"%1\" height=\"%2\" viewBox=\"0 0 40 20\">"
                                    "<rect x=\"0\" y=\"0\" width=\"40\" height=\"20\" "
                                    "fill=\"#ff0000\"/></svg>")
                         .arg(width)
                         .arg(height)
                         .toUtf8());
}

// A placeable Windows metafile: a red rectangle in a 1000 x 1000 window.
inline QByteArray wmfBytes()
{
    QByteArray body;
    QDataStream b(&body, QIODevice::WriteOnly);
    b.setByteOrder(QDataStream::LittleEndian);
    auto record = [&b](quint16 function, std::initializer_list<qint16> params) {
        b << quint32(3 + params.size()) << function;
        for (qint16 p : params)
            b << p;
    };
    record(0x020B, {0, 0}); // SETWINDOWORG
    record(0x020C, {1000, 1000}); // SETWINDOWEXT
    b << quint32(7) << quint16(0x02FC) << quint16(0) << quint32(0x0000FF)
      << quint16(0); // red brush
    record(0x012D, {0}); // SELECTOBJECT
    record(0x041B, {900, 900, 100, 100}); // RECTANGLE bottom, right, top, left
    record(0x0000, {}); // EOF

    QByteArray file;
    QDataStream f(&file, QIODevice::WriteOnly);
    f.setByteOrder(QDataStream::LittleEndian);
    const quint16 placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 w : placeable) {
        f << w;
        checksum ^= w;
    }
    f << checksum;
    f << quint16(1) << quint16(9) << quint16(0x300) << quint32((18 + body.size()) / 2) << quint16(1)
      << quint32(7) << quint16(0);
    return file + body;
}

// An enhanced metafile: EMR_HEADER, a red brush, a rectangle, EMR_EOF.
inline QByteArray emfBytes()
{
    QByteArray records;
    QDataStream r(&records, QIODevice::WriteOnly);
    r.setByteOrder(QDataStream::LittleEndian);
    r << quint32(39) << quint32(24) << quint32(1) << quint32(0) << quint32(0x0000FF) << quint32(0);
    r << quint32(37) << quint32(12) << quint32(1);
    r << quint32(43) << quint32(24) << qint32(10) << qint32(10) << qint32(90) << qint32(90);
    r << quint32(14) << quint32(20) << quint32(0) << quint32(16) << quint32(20);

    constexpr int headerSize = 88;
    QByteArray file;
    QDataStream h(&file, QIODevice::WriteOnly);
    h.setByteOrder(QDataStream::LittleEndian);
    h << quint32(1) << quint32(headerSize);
    h << qint32(0) << qint32(0) << qint32(100) << qint32(100); // bounds, device units
    h << qint32(0) << qint32(0) << qint32(2646) << qint32(2646); // frame, 0.01 mm
    h << quint32(0x464D4520) << quint32(0x10000) << quint32(headerSize + records.size())
      << quint32(5) << quint16(2) << quint16(0) << quint32(0) << quint32(0) << quint32(0);
    h << qint32(1024) << qint32(768) << qint32(320) << qint32(240);
    return file + records;
}

} // namespace tw::test
