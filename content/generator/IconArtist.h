// IconArtist: draws Tumblewick's program icon as SVG and as PNG files for the hicolor icon theme.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tw::content {

class IconArtist
{
public:
    // The icon: three letter blocks tumbling over a hill under a blue sky.
    static QByteArray svg();
    // The icon drawn from svg() at `size` x `size` pixels.
    static QImage render(int size);
    // Writes <dir>/hicolor/scalable/apps/<id>.svg and <dir>/hicolor/NxN/apps/<id>.png for the
    // usual sizes. False, with `error` set, when a file cannot be written.
    static bool writeTheme(const QString &dir, const QString &id, QString *error);
};

} // namespace tw::content
