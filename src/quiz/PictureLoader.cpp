#include "quiz/PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

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

QString findTool(const char *name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

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

QImage PictureLoader::load(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const MetafileKind kind = sniffMetafile(file.read(kSniffBytes));
    file.close();
    if (kind != MetafileKind::None)
        return convertMetafile(path, kind);
    return readImage(path);
}

QImage PictureLoader::readImage(const QString &path)
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
            size = QSize(kVectorSide, kVectorSide);
        reader.setScaledSize(size.scaled(kVectorSide, kVectorSide, Qt::KeepAspectRatio));
    } else if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        return {};
    }
    QImage image = reader.read();
    if (image.isNull() || qint64(image.width()) * image.height() > kMaxPixels)
        return {};
    return image;
}

QImage PictureLoader::convertMetafile(const QString &path, MetafileKind kind)
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
    if (!converter.waitForFinished(kConvertTimeoutMs)) {
        converter.kill();
        converter.waitForFinished(kConvertTimeoutMs);
        return {};
    }
    if (converter.exitStatus() != QProcess::NormalExit || converter.exitCode() != 0)
        return {};
    const QFileInfo out(svg);
    if (!out.isFile() || out.size() == 0 || out.size() > kMaxConvertedBytes)
        return {};
    return readImage(svg);
}

} // namespace tw
