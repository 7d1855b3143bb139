// DrawingStore: keeps the paint box's pixel maps and objects in the write folder between runs of
// the program.
#pragma once

#include "paint/PaintObject.h"
#include "paint/PixelMaps.h"

#include <QString>

#include <optional>

namespace tw {

class DrawingStore
{
public:
    // The file "PaintBox.dta" in `writeFolder`.
    explicit DrawingStore(const QString &writeFolder);

    QString path() const { return m_path; }

    // The drawing kept by an earlier run; nothing when there is none or when
    // the file is not a readable drawing (broken, foreign, a link, a FIFO or a
    // folder). Such a file is left as it is.
    std::optional<PixelMaps> load();

    // Replaces the kept drawing atomically (a crash never leaves half a file).
    // A file at the path that load() could not read is first moved aside to
    // "PaintBox.dta.unreadable" so the parent can still inspect it; nothing is
    // ever written through a link. False when the drawing could not be kept.
    bool save(const PixelMaps &maps);

    // The same for the lines, shapes, texts and pictures lying on the drawing, in the file
    // "PaintObjects.dta" beside it.
    std::optional<PaintObjectSet> loadObjects();
    bool saveObjects(const PaintObjectSet &objects);

private:
    QString m_path;
    QString m_objectsPath;
};

} // namespace tw
