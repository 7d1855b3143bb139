#include "quiz/TileLayout.h"

#include "shell/Educate.h"

namespace tw {

TileLayout::TileLayout(Educate &window) : m_window(window) { }

void TileLayout::LoadLabels() { }
void TileLayout::ReDraw() { }

} // namespace tw
