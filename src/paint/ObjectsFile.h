// ObjectsFile: the line, shape, text and picture objects of a drawing as bytes, and back.
#pragma once

#include "paint/PaintObject.h"

#include <QByteArray>

#include <optional>

namespace tw {

// The objects as a versioned byte stream (pictures stored as PNG).
QByteArray objectsToBytes(const PaintObjectSet &objects);

// The objects read back; nothing when the bytes are not objects of ours, are cut
// short, or hold values no drawing can have (counts, kinds, widths, indexes or
// numbers out of range), so a broken file never reaches the paint box.
std::optional<PaintObjectSet> objectsFromBytes(const QByteArray &bytes);

} // namespace tw
