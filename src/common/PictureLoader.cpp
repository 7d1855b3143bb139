#include "common/PictureLoader.h"

#include "common/PictureJobs.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>

namespace tw {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr quint32 kEmrHeader = 1;
constexpr int kEmfSignatureAt = 40;
constexpr int kWmfHeaderWords = 9;
constexpr int kSniffBytes = 64;
// Qt's reader refuses to allocate more than this many megabytes for one image:
// 64 million pixels of 4 bytes.
constexpr int kAllocationLimitMb = 256;
// A converted metafile larger than this is not read.
constexpr qint64 kMaxConvertedBytes = 32LL * 1024 * 1024;

// Raster pictures larger than this on a side are decoded straight to it: no
// tile, backdrop or puzzle is shown larger, and a photograph of thousands of
// pixels would otherwise cost seconds to decode at every game start.
constexpr int kLargestShownSide = 2048;
// How often a worker looks whether its converter has ended or it was cancelled, in ms.
constexpr int kConverterPollMs = 50;

QString findTool(const char *name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

// A slow picture is made again only when its file changed.
QString madeKey(const QString &path)
{
    const QFileInfo info(path);
    return info.absoluteFilePath() + QLatin1Char('|') + QString::number(info.size())
        + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch());
}

// The image text key under which a vector picture keeps its source: compressed (a grid of
// hundreds of tiles keeps hundreds of sources), in base64.
const QString kVectorKey = QStringLiteral("tumblewick-vector-source");
// The image text key under which a vector picture kept small keeps its proportions ("WxH").
const QString kVectorSizeKey = QStringLiteral("tumblewick-vector-size");
// A vector source larger than this is drawn once at load and not kept.
constexpr qint64 kMaxVectorSourceBytes = 4LL * 1024 * 1024;

QByteArray readSource(const QString &path)
{
    QFile file(path);
    if (file.size() > kMaxVectorSourceBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

MetafileKind sniffMetafile(const QByteArray &head)
{
    if (head.size() >= 4 && qFromLittleEndian<quint32>(head.constData()) == kPlaceableKey)
        return MetafileKind::Wmf;
    if (head.size() >= kEmfSignatureAt + 4
        && qFromLittleEndian<quint32>(head.constData()) == kEmrHeader
        && head.mid(kEmfSignatureAt, 4) == " EMF")
        return MetafileKind::Emf;
    // A plain metafile: type 1 (memory) or 2 (disk), a 9-word header, version 0x100 or 0x300.
    if (head.size() >= 6) {
        const quint16 type = qFromLittleEndian<quint16>(head.constData());
        const quint16 words = qFromLittleEndian<quint16>(head.constData() + 2);
        const quint16 version = qFromLittleEndian<quint16>(head.constData() + 4);
        if ((type == 1 || type == 2) && words == kWmfHeaderWords
            && (version == 0x100 || version == 0x300))
            return MetafileKind::Wmf;
    }
    return MetafileKind::None;
}

PictureJobs::Maker PictureLoader::slowMaker(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const MetafileKind kind = sniffMetafile(file.read(kSniffBytes));
    file.close();
    if (kind != MetafileKind::None) {
        return [path, kind](const std::atomic_bool &cancelled) {
            return convertMetafile(path, kind, cancelled);
        };
    }
    QImageReader probe(path);
    probe.setDecideFormatFromContent(true);
    // A vector picture is drawn at a small size whatever it claims; asking its size would
    // parse it all.
    if (probe.format() == "svg" || probe.format() == "svgz")
        return {};
    const QSize claimed = probe.size();
    if (!claimed.isValid() || qint64(claimed.width()) * claimed.height() <= kSlowPixels)
        return {};
    return [path](const std::atomic_bool &) { return readImage(path); };
}

QImage PictureLoader::load(const QString &path, int vectorSide)
{
    if (!QFileInfo(path).isFile())
        return {};
    const PictureJobs::Maker make = slowMaker(path);
    if (!make)
        return readImage(path, {}, vectorSide);
    return PictureJobs::instance().take(madeKey(path), path, make).value_or(QImage());
}

bool PictureLoader::isPending(const QString &path)
{
    return PictureJobs::instance().isPending(madeKey(path));
}

bool PictureLoader::isQuick(const QString &path)
{
    return !QFileInfo(path).isFile() || !slowMaker(path)
        || PictureJobs::instance().isMade(madeKey(path));
}

bool PictureLoader::isVector(const QImage &picture) { return !picture.text(kVectorKey).isEmpty(); }

QImage PictureLoader::drawnAt(const QImage &picture, const QSize &size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    if (isVector(picture)) {
        QSvgRenderer renderer(
            qUncompress(QByteArray::fromBase64(picture.text(kVectorKey).toLatin1())));
        if (renderer.isValid()) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
            return image;
        }
    }
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PictureLoader::keptForShowing(const QImage &picture, int rasterSide)
{
    const int side = std::max(picture.width(), picture.height());
    if (isVector(picture)) {
        if (side <= kKeptVectorSide)
            return picture;
        const QSize small
            = picture.size().scaled(kKeptVectorSide, kKeptVectorSide, Qt::KeepAspectRatio);
        QImage kept = picture.scaled(small.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        kept.setText(kVectorKey, picture.text(kVectorKey));
        kept.setText(kVectorSizeKey,
                     QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()));
        return kept;
    }
    if (rasterSide <= 0 || side <= rasterSide)
        return picture;
    return picture.scaled(rasterSide, rasterSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QSize PictureLoader::proportions(const QImage &picture)
{
    const QStringList size = picture.text(kVectorSizeKey).split(QLatin1Char('x'));
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0)
        return QSize(size[0].toInt(), size[1].toInt());
    return picture.size();
}

QImage PictureLoader::readImage(const QString &path, const QByteArray &vectorSource, int vectorSide)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead())
        return {};
    QSize size = reader.size();
    const bool vector = reader.format() == "svg" || reader.format() == "svgz";
    if (vector) {
        // Drawn at a size that looks sharp on a tile, whatever size it claims.
        if (size.isEmpty())
            size = QSize(vectorSide, vectorSide);
        reader.setScaledSize(size.scaled(vectorSide, vectorSide, Qt::KeepAspectRatio));
    } else if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        return {};
    } else if (size.width() > kLargestShownSide || size.height() > kLargestShownSide) {
        reader.setScaledSize(
            size.scaled(kLargestShownSide, kLargestShownSide, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxPixels)
        return {};
    if (vector) {
        const QByteArray source = vectorSource.isEmpty() ? readSource(path) : vectorSource;
        if (!source.isEmpty())
            image.setText(kVectorKey, QString::fromLatin1(qCompress(source).toBase64()));
    }
    return image;
}

QImage PictureLoader::convertMetafile(const QString &path, MetafileKind kind,
                                      const std::atomic_bool &cancelled)
{
    const QString tool = findTool(kind == MetafileKind::Wmf ? "wmf2svg" : "emf2svg-conv");
    if (tool.isEmpty())
        return {};
    QTemporaryDir work;
    if (!work.isValid())
        return {};
    const QString svg = work.filePath(QStringLiteral("picture.svg"));
    const QString input = QFileInfo(path).absoluteFilePath();
    const QStringList arguments = kind == MetafileKind::Wmf
        ? QStringList {QStringLiteral("-o"), svg, input}
        : QStringList {QStringLiteral("-i"), input, QStringLiteral("-o"), svg};
    QProcess converter;
    converter.setStandardOutputFile(QProcess::nullDevice());
    converter.setStandardErrorFile(QProcess::nullDevice());
    converter.start(tool, arguments);
    QElapsedTimer running;
    running.start();
    while (!converter.waitForFinished(kConverterPollMs)) {
        if (cancelled || running.elapsed() > kConvertTimeoutMs
            || converter.state() == QProcess::NotRunning) {
            converter.kill();
            converter.waitForFinished(kConverterPollMs);
            return {};
        }
    }
    if (converter.exitStatus() != QProcess::NormalExit || converter.exitCode() != 0)
        return {};
    const QFileInfo out(svg);
    if (!out.isFile() || out.size() == 0 || out.size() > kMaxConvertedBytes)
        return {};
    // The converted drawing is kept: the temporary file goes when this returns.
    return readImage(svg, readSource(svg));
}

} // namespace tw
