#include "IconArtist.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

namespace tw::content {

namespace {

// The sizes desktops ask the hicolor theme for.
const int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// One block: its centre, turn, colour and letter, on a 256 x 256 canvas.
struct Block
{
    int x, y, angle;
    const char *fill;
    const char *shade;
    const char *letter;
};

const Block kBlocks[] = {
    {82, 178, -10, "#e8473b", "#b8322a", "A"},
    {174, 178, 8, "#ffc233", "#d99a12", "B"},
    {130, 96, 24, "#43b05c", "#2e8443", "C"},
};

constexpr int kBlockSide = 76;
constexpr int kBlockCorner = 12;

QByteArray blockSvg(const Block &b)
{
    const int half = kBlockSide / 2;
    return QStringLiteral(
               "  <g transform=\"translate(%1 %2) rotate(%3)\">\n"
               "    <rect x=\"%4\" y=\"%4\" width=\"%5\" height=\"%5\" rx=\"%6\" fill=\"%7\" "
               "stroke=\"%8\" stroke-width=\"5\"/>\n"
               "    <text x=\"0\" y=\"19\" text-anchor=\"middle\" font-family=\"DejaVu Sans, "
               "sans-serif\" font-weight=\"bold\" font-size=\"54\" fill=\"#ffffff\">%9</text>\n"
               "  </g>\n")
        .arg(b.x)
        .arg(b.y)
        .arg(b.angle)
        .arg(-half)
        .arg(kBlockSide)
        .arg(kBlockCorner)
        .arg(QLatin1String(b.fill), QLatin1String(b.shade), QLatin1String(b.letter))
        .toUtf8();
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

QByteArray IconArtist::svg()
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 256 256\">\n"
                     "  <defs>\n"
                     "    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                     "      <stop offset=\"0\" stop-color=\"#6fd0f7\"/>\n"
                     "      <stop offset=\"1\" stop-color=\"#2b78d0\"/>\n"
                     "    </linearGradient>\n"
                     "  </defs>\n"
                     "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"44\" "
                     "fill=\"url(#sky)\"/>\n"
                     "  <path d=\"M8 206 Q70 170 128 196 T248 190 V204 Q248 248 204 248 H52 "
                     "Q8 248 8 204 Z\" fill=\"#7ccf5a\"/>\n"
                     "  <circle cx=\"206\" cy=\"58\" r=\"22\" fill=\"#fff3a6\"/>\n";
    for (const Block &b : kBlocks)
        out += blockSvg(b);
    out += "</svg>\n";
    return out;
}

QImage IconArtist::render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

bool IconArtist::writeTheme(const QString &dir, const QString &id, QString *error)
{
    const QDir theme(QDir(dir).filePath(QStringLiteral("hicolor")));
    if (!writeFile(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(id)), svg(), error))
        return false;
    for (int size : kPngSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        render(size).save(&buffer, "PNG");
        const QString path = theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(id));
        if (!writeFile(path, png, error))
            return false;
    }
    return true;
}

} // namespace tw::content
