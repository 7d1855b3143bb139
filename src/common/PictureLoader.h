// Loads picture files of every format the program accepts into images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <atomic>
#include <functional>

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
    // Metafiles and bitmaps of more than kSlowPixels are made once per file (path, size and
    // time of change) on a worker thread and kept; the window waits for them only briefly
    // (PictureJobs), and one still being made loads as a null image for now: isPending().
    // Vector pictures come as a raster of `vectorSide` pixels on the longer side.
    static QImage load(const QString &path, int vectorSide = kVectorSide);
    // True while the picture of `path` is being made; PictureJobs::made() delivers it.
    static bool isPending(const QString &path);
    // True when load() gives the picture of `path` without waiting: a quick kind, or made already.
    static bool isQuick(const QString &path);
    // Bitmaps claiming more pixels than this are decoded on a worker thread.
    static constexpr qint64 kSlowPixels = 2048LL * 2048;

    // True when `picture` was loaded from a vector file and can be drawn at any size.
    static bool isVector(const QImage &picture);
    // `picture` at exactly `size`: drawn again from its vector source when it has one, else
    // smoothly scaled. Proportions follow `size`; a null image for a null picture or empty size.
    static QImage drawnAt(const QImage &picture, const QSize &size);
    // What a tile needs to keep of `picture`, so a grid of hundreds of tiles does not hold
    // hundreds of full pictures: a vector picture as its source with a tiny raster (drawnAt()
    // draws it anew at the size shown, proportions() tells its shape); a bitmap no larger than
    // `rasterSide` on its longer side (0: as it is).
    static QImage keptForShowing(const QImage &picture, int rasterSide);
    // Width and height in the proportions `picture` is shown at.
    static QSize proportions(const QImage &picture);
    // Longer side, in pixels, of the raster keptForShowing() leaves with a vector picture.
    static constexpr int kKeptVectorSide = 16;
    // Longer side, in pixels, at which a tile loads a vector picture (only its shape is kept).
    static constexpr int kTileVectorSide = 64;

private:
    // What makes the picture of `path` on a worker thread when it is a slow kind; else nothing.
    static std::function<QImage(const std::atomic_bool &)> slowMaker(const QString &path);
    static QImage readImage(const QString &path, const QByteArray &vectorSource = {},
                            int vectorSide = kVectorSide);
    static QImage convertMetafile(const QString &path, MetafileKind kind,
                                  const std::atomic_bool &cancelled);
};

} // namespace tw
