// Dragging puzzle pieces with the mouse: the piece follows the pointer and is dropped
// on the piece (or the blank) under it when the button is released.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

namespace tw {

class PuzzleHost;
class Puzzle;
class PictureTile;

// Watches the play area. The pieces let the mouse through to it, so one handler sees
// the whole drag, and a piece can be removed (the solved board) while it runs.
class PieceDrag : public QObject
{
    Q_OBJECT
public:
    PieceDrag(PuzzleHost &window, Puzzle &puzzle);
    ~PieceDrag() override;
    bool dragging() const { return !m_piece.isNull(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(QPoint pos);
    void move(QPoint pos);
    void release(QPoint pos);
    void endDrag();

    PuzzleHost &m_window;
    Puzzle &m_puzzle;
    QPointer<PictureTile> m_piece;
    int m_pieceIndex = 0;
    QPoint m_pressPos;
    QPoint m_grabOffset; // from the piece's top-left corner to the pointer
    bool m_moved = false;
};

} // namespace tw
