#include "paint/Paper.h"

#include "paint/DotStamp.h"

#include <QMouseEvent>
#include <QPainter>

namespace tw {

namespace {

constexpr double kTwipsPerPixel = 15.0; // one logical pixel at 96 dpi
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
enum { Down, Move, Up };

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? kLeftButton : 0)
        | (buttons & Qt::RightButton ? kRightButton : 0)
        | (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

} // namespace

Paper::Paper(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

// Twips are logical pixels times 15, so the ratio of the surface's size in
// twips to its size in pixels is 15 at every size but none.
double Paper::twipsX() const
{
    return width() > 0 ? (width() * kTwipsPerPixel) / width() : kTwipsPerPixel;
}

double Paper::twipsY() const
{
    return height() > 0 ? (height() * kTwipsPerPixel) / height() : kTwipsPerPixel;
}

void Paper::setBackgroundPicture(const QImage &picture) { m_backgroundPicture = picture; }

void Paper::restoreBackground(const QRect &pixels)
{
    const QRect area = pixels & m_buffer.rect();
    if (area.isEmpty())
        return;
    QPainter painter(&m_buffer);
    painter.fillRect(area, Qt::white);
    if (!m_backgroundPicture.isNull()) {
        painter.setClipRect(area);
        painter.drawImage(0, 0, m_backgroundPicture);
    }
}

void Paper::invalidate(const QRect &pixels)
{
    // The buffer takes the surface's size here: a hidden widget hears of its
    // new size only when it is shown, and drawing must not wait for that.
    if (m_buffer.size() != size()) {
        m_buffer = QImage(size(), QImage::Format_RGB32);
        restoreBackground(m_buffer.rect());
    }
    const QRect area = pixels.isNull() ? m_buffer.rect() : (pixels & m_buffer.rect());
    if (area.isEmpty())
        return;
    restoreBackground(area);
    if (onRepaint)
        onRepaint(area);
    update(area);
}

void Paper::drawDot(QPoint pixel, quint32 colour, int width)
{
    stampDot(m_buffer, pixel, rgbFromColour(colour), width, m_buffer.rect());
    const int reach = saneWidth(width) / 2 + 1;
    update(QRect(pixel, pixel).adjusted(-reach, -reach, reach, reach));
}

void Paper::drawLine(QPoint from, QPoint to, quint32 colour, int width)
{
    if (m_buffer.isNull())
        return;
    const int w = saneWidth(width);
    if (w == 1) {
        QPainter painter(&m_buffer);
        painter.setPen(QColor::fromRgb(rgbFromColour(colour)));
        painter.drawLine(from, to);
    } else {
        QPainter painter(&m_buffer);
        painter.setPen(QPen(QColor::fromRgb(rgbFromColour(colour)), w, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        // Centre the pen on the pixels, as the dots are.
        const QPointF half(w % 2 == 1 ? 0.5 : 1.0, w % 2 == 1 ? 0.5 : 1.0);
        painter.drawLine(QPointF(from) + half, QPointF(to) + half);
    }
    const int reach = w / 2 + 2;
    update(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
}

QImage Paper::composed(const QWidget *skip) const { return composedArea(m_buffer.rect(), skip); }

QImage Paper::composedArea(const QRect &pixels, const QWidget *skip) const
{
    const QRect area = pixels & m_buffer.rect();
    QImage picture = m_buffer.copy(area);
    if (area.isEmpty())
        return picture;
    QPainter painter(&picture);
    painter.translate(-area.topLeft());
    if (paintObjects)
        paintObjects(painter);
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget != skip && widget->isVisible() && widget->geometry().intersects(area))
            widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
    }
    return picture;
}

void Paper::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_buffer, event->rect());
    if (paintObjects) {
        painter.setClipRect(event->rect());
        paintObjects(painter);
    }
}

void Paper::report(QMouseEvent *event, int kind)
{
    const double x = event->position().x() * kTwipsPerPixel;
    const double y = event->position().y() * kTwipsPerPixel;
    switch (kind) {
    case Down:
        Q_EMIT mouseDown(buttonMask(event->button()), x, y);
        break;
    case Move:
        Q_EMIT mouseMove(buttonMask(event->buttons()), x, y);
        break;
    default:
        Q_EMIT mouseUp(buttonMask(event->button()), x, y);
        break;
    }
}

void Paper::mousePressEvent(QMouseEvent *event) { report(event, Down); }

void Paper::mouseMoveEvent(QMouseEvent *event) { report(event, Move); }

void Paper::mouseReleaseEvent(QMouseEvent *event) { report(event, Up); }

} // namespace tw
