#include "puzzle/Puzzle.h"

#include "shell/Educate.h"

namespace tw {

Puzzle::Puzzle(Educate &window) : m_window(window) { }
Puzzle::~Puzzle() = default;

void Puzzle::LoadJigPuzzle() { }
void Puzzle::PuzzleResize() { }
void Puzzle::MixPieces() { }

} // namespace tw
