#include "puzzle/PieceDrag.h"

#include "puzzle/Puzzle.h"
#include "puzzle/PuzzleHost.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

namespace tw {

PieceDrag::PieceDrag(PuzzleHost &window, Puzzle &puzzle)
    : m_window(window)
    , m_puzzle(puzzle)
{
    if (QWidget *area = m_window.playArea())
        area->installEventFilter(this);
}

PieceDrag::~PieceDrag()
{
    if (m_moved)
        QGuiApplication::restoreOverrideCursor();
}

bool PieceDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window.playArea())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton || dragging())
            return dragging();
        return press(e->position().toPoint());
    }
    case QEvent::MouseMove:
        if (!dragging())
            return false;
        move(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (!dragging() || e->button() != Qt::LeftButton)
            return dragging();
        release(e->position().toPoint());
        return true;
    }
    default:
        return false;
    }
}

bool PieceDrag::press(QPoint pos)
{
    const int piece = m_puzzle.pieceAt(pos);
    PictureTile *tile = piece > 0 ? m_window.Img(piece) : nullptr;
    if (!tile || !tile->isVisible())
        return false;
    m_piece = tile;
    m_pieceIndex = piece;
    m_pressPos = pos;
    m_grabOffset = pos - tile->pos();
    m_moved = false;
    return true;
}

void PieceDrag::move(QPoint pos)
{
    if (!m_piece) {
        endDrag();
        return;
    }
    if (!m_moved) {
        if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
            return;
        m_moved = true;
        QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
        m_piece->raise();
    }
    m_piece->move(pos - m_grabOffset);
}

void PieceDrag::release(QPoint pos)
{
    const int piece = m_pieceIndex;
    const bool stillThere = !m_piece.isNull();
    endDrag();
    if (stillThere)
        m_puzzle.dropPiece(piece, pos);
}

void PieceDrag::endDrag()
{
    if (m_moved)
        QGuiApplication::restoreOverrideCursor();
    m_piece = nullptr;
    m_pieceIndex = 0;
    m_moved = false;
}

} // namespace tw
