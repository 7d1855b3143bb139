// The jigsaw and sliding puzzles: cutting the backdrop into pieces and moving them.
#pragma once

namespace tw {

class Educate;

class Puzzle
{
public:
    explicit Puzzle(Educate &window);
    ~Puzzle();

    // Cuts the backdrop picture into (GridMax+1)^2 pieces; sets PuzzleRefused on failure.
    void LoadJigPuzzle();
    // Lays the pieces out over the window.
    void PuzzleResize();
    // Shuffles the sliding puzzle.
    void MixPieces();

private:
    Educate &m_window;
};

} // namespace tw
