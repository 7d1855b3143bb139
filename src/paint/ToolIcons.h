// ToolIcons: the pictures on the paint box's ten tool buttons, drawn at any size.
#pragma once

#include <QIcon>

namespace tw {

// The picture of tool `index` (0 to 9): pens of three widths, rings, the two
// slanted brushes, the pointer, a line, a curve and shapes.
QIcon toolIcon(int index);

} // namespace tw
