#include "puzzle/PieceFace.h"

#include "common/Tiles.h"

#include <QEvent>
#include <QPainter>

namespace tw {

PieceFace::PieceFace(PictureTile *piece)
    : QWidget(piece)
    , m_piece(piece)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Opaque: the tile's own drawing underneath is never needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(piece->rect());
    piece->installEventFilter(this);
    show();
}

PieceFace *PieceFace::of(PictureTile *piece)
{
    if (!piece)
        return nullptr;
    if (auto *face = piece->findChild<PieceFace *>(QString(), Qt::FindDirectChildrenOnly))
        return face;
    return new PieceFace(piece);
}

void PieceFace::setOutlined(bool on)
{
    if (m_outlined == on)
        return;
    m_outlined = on;
    update();
}

void PieceFace::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QImage &picture = m_piece->picture();
    if (picture.isNull()) {
        p.fillRect(rect(), Qt::white);
    } else {
        if (m_scaled.size() != size() || m_scaledFrom != picture.cacheKey()) {
            m_scaled = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_scaledFrom = picture.cacheKey();
        }
        p.drawImage(0, 0, m_scaled);
    }
    if (m_outlined) {
        // A dark line with a light one inside shows on dark and light pictures.
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(QColor(255, 255, 255, 160), 1));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

bool PieceFace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_piece && event->type() == QEvent::Resize)
        setGeometry(m_piece->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace tw
