// The jigsaw and sliding puzzles: cutting the backdrop into pieces and moving them.
#pragma once

#include <QString>

#include <memory>

class QPoint;
class QTemporaryDir;

namespace tw {

class PuzzleHost;
class PieceDrag;
struct CutPieces;

class Puzzle
{
public:
    explicit Puzzle(PuzzleHost &window);
    ~Puzzle();

    // Cuts the backdrop picture (Img element 0) into (GridMax+1)^2 pieces, shown by
    // Img elements 1 to N with every piece home. Sets PuzzleRefused = 1 when the
    // picture cannot be cut or the files cannot be written; no piece file is left.
    void LoadJigPuzzle();
    // Lays the pieces out over the window as PieceAt says, outlines the misplaced
    // ones and ends the game when every piece is home (not while shuffling).
    void PuzzleResize();
    // The jigsaw deal: PieceAt 1..N becomes a random permutation.
    void DealJigsaw();
    // Shuffles the sliding puzzle by a random walk of the blank from BlankSlot;
    // small boards show it move by move.
    void MixPieces();
    // Moves the piece in `slot` (next to the blank) into the blank.
    void MovePiece(int slot);

    // Piece `source` dropped on picture tile `index`: the jigsaw swap.
    void Img_DragDrop(int index, int source);
    // Piece `source` dropped on the window (the blank): the sliding step.
    void Window_DragDrop(int source);
    // The click on picture tile `index`: in the quizzes it answers like the answer
    // tile at the same place.
    void Img_Click(int index);

    // Whether a board of pieces is on the window.
    bool boardActive() const;
    // The piece shown at `pos` (play-area pixels), or 0.
    int pieceAt(QPoint pos) const;
    // A dragged piece released at `pos`: dropped on the piece or blank under it, or
    // back to its place when released off the board.
    void dropPiece(int piece, QPoint pos);

    // The names of the files the cutting writes, in its scratch folder.
    static QString wholePictureFile() { return QStringLiteral("Temp.bmp"); }
    static QString pieceFile(int piece);
    // The program's own private folder for those files (made when first asked
    // for, removed with the window), so that nothing placed in a shared folder
    // is ever written through. Empty when no such folder can be made.
    QString scratchFolder();

private:
    int grid() const;
    void refuse(int piecesWritten);
    void removePieceFiles(int from, int to) const;
    bool writePieces(const QString &folder, const CutPieces &cut);
    bool loadPieces(const QString &folder, int pieces);
    void waitForNextTick();
    void layoutPieces();

    PuzzleHost &m_window;
    std::unique_ptr<PieceDrag> m_drag;
    std::unique_ptr<QTemporaryDir> m_scratch;
    // Changes with every new board, so a shuffle interrupted by a game switch stops.
    int m_boardId = 0;
};

} // namespace tw
