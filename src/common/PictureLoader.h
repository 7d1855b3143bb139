// Loads picture files of every format the program accepts into images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tw {

enum class MetafileKind { None, Wmf, Emf };

// Recognises a Windows metafile by its first bytes: the placeable-metafile key
// or a plain metafile header for WMF, the EMR_HEADER record with its " EMF"
// signature for EMF.
MetafileKind sniffMetafile(const QByteArray &head);

class PictureLoader
{
public:
    // Largest picture accepted, in pixels; larger claims load as nothing.
    static constexpr qint64 kMaxPixels = 64LL * 1000 * 1000;
    // Longer side, in pixels, of the image a vector picture (svg, wmf, emf) loads as. The image
    // keeps its vector source, and drawnAt() draws it again at the size a tile needs, so this
    // only has to serve code that reads pixels.
    static constexpr int kVectorSide = 256;
    // How long a metafile converter may run, in milliseconds.
    static constexpr int kConvertTimeoutMs = 5000;

    // Bitmap, JPEG, GIF, PNG, icon and SVG through Qt's image readers; WMF and
    // EMF through the Debian converters wmf2svg (libwmf-bin) and emf2svg-conv
    // (emf2svg). The format is told by the file's content, not its name. A
    // missing, unreadable, truncated or oversized file, or a metafile whose
    // converter is not installed, gives a null image.
    static QImage load(const QString &path);

    // True when `picture` was loaded from a vector file and can be drawn at any size.
    static bool isVector(const QImage &picture);
    // `picture` at exactly `size`: drawn again from its vector source when it has one, else
    // smoothly scaled. Proportions follow `size`; a null image for a null picture or empty size.
    static QImage drawnAt(const QImage &picture, const QSize &size);

private:
    static QImage readImage(const QString &path, const QByteArray &vectorSource = {});
    static QImage convertMetafile(const QString &path, MetafileKind kind);
};

} // namespace tw
