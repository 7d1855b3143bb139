#include "quiz/Tiles.h"

#include <QMouseEvent>
#include <QPainter>

namespace tw {

QColor colourFromValue(long value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

long valueFromColour(const QColor &colour)
{
    return long(colour.red()) | (long(colour.green()) << 8) | (long(colour.blue()) << 16);
}

TileLabel::TileLabel(int index, QWidget *parent) : QLabel(parent), m_index(index)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);
    applyStyle();
}

void TileLabel::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points < 1 ? 1 : points);
    setFont(f);
}

double TileLabel::fontSize() const
{
    return font().pointSizeF();
}

void TileLabel::setBackColour(long colour)
{
    m_backColour = colour;
    applyStyle();
}

void TileLabel::setForeColour(long colour)
{
    m_foreColour = colour;
    applyStyle();
}

void TileLabel::setBorder(bool single)
{
    m_border = single;
    applyStyle();
}

void TileLabel::setDisplayMode(int mode)
{
    setWordWrap(mode != 0);
}

void TileLabel::applyStyle()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colourFromValue(m_backColour));
    pal.setColor(QPalette::WindowText, colourFromValue(m_foreColour));
    setPalette(pal);
    setFrameShape(m_border ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

void TileLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    Q_EMIT mouseDown(m_index, event->button(), event->pos());
}

void TileLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->pos());
    if (m_pressed && inside && event->button() == Qt::LeftButton) {
        m_pressed = false;
        Q_EMIT clicked(m_index);
        return;
    }
    m_pressed = false;
}

void TileLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(m_index, event->buttons(), event->pos());
}

PictureTile::PictureTile(int index, QWidget *parent) : QWidget(parent), m_index(index) { }

void PictureTile::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureTile::clearPicture()
{
    m_picture = QImage();
    update();
}

void PictureTile::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void PictureTile::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch) {
        p.drawImage(rect(), m_picture);
        return;
    }
    QSize s = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
    p.drawImage(target, m_picture);
}

void PictureTile::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureTile::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed && rect().contains(event->pos()))
        Q_EMIT clicked(m_index);
    m_pressed = false;
}

} // namespace tw
