#include "puzzle/PieceOutline.h"

#include <QEvent>
#include <QPainter>

namespace tw {

PieceOutline::PieceOutline(QWidget *piece) : QWidget(piece)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(piece->rect());
    piece->installEventFilter(this);
}

PieceOutline *PieceOutline::of(QWidget *piece)
{
    if (!piece)
        return nullptr;
    if (auto *outline = piece->findChild<PieceOutline *>(QString(), Qt::FindDirectChildrenOnly))
        return outline;
    return new PieceOutline(piece);
}

void PieceOutline::setOutlined(QWidget *piece, bool on)
{
    if (!piece)
        return;
    if (on) {
        PieceOutline *outline = of(piece);
        outline->raise();
        outline->show();
    } else if (auto *outline =
                       piece->findChild<PieceOutline *>(QString(), Qt::FindDirectChildrenOnly)) {
        outline->hide();
    }
}

void PieceOutline::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A dark line with a light one inside, so the edge shows on dark and light pictures.
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

bool PieceOutline::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace tw
