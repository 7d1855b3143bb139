#include "speech/SpeechBalloon.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tw {

namespace {

constexpr int kTextPixels = 26; // large, for early readers
constexpr int kMaxTextWidth = 300;
constexpr int kPadding = 16;
constexpr int kTail = 26; // length of the tail
constexpr int kRadius = 22;
constexpr int kOutlineWidth = 3;
constexpr int kMargin = 6;

} // namespace

SpeechBalloon::SpeechBalloon(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void SpeechBalloon::setColours(const QColor &fill, const QColor &outline, const QColor &text)
{
    m_fill = fill;
    m_outline = outline;
    m_textColour = text;
    update();
}

void SpeechBalloon::setText(const QString &text)
{
    m_text = text.simplified();
    update();
}

QFont SpeechBalloon::balloonFont() const
{
    QFont f = font();
    f.setPixelSize(kTextPixels);
    f.setBold(true);
    return f;
}

void SpeechBalloon::placeBeside(const QRect &character)
{
    const QWidget *area = parentWidget();
    if (!area)
        return;
    const QFontMetrics fm(balloonFont());
    const int room = std::max(kTextPixels * 3, character.left() - kTail - 2 * kPadding - kMargin);
    const int maxWidth = std::min(kMaxTextWidth, room);
    const QRect textRect
        = fm.boundingRect(QRect(0, 0, maxWidth, 10000), Qt::TextWordWrap | Qt::AlignCenter, m_text);
    const int bodyW = std::max(textRect.width(), kTextPixels * 2) + 2 * kPadding;
    const int bodyH = textRect.height() + 2 * kPadding;

    // Left of the character, level with its face, pointing right; if there is
    // no room on the left, above it, pointing down.
    const QPoint face(character.left() + character.width() / 4,
                      character.top() + character.height() * 2 / 5);
    QRect geometry;
    m_tailRight = character.left() - kTail - bodyW >= kMargin;
    if (m_tailRight) {
        geometry = QRect(character.left() - kTail - bodyW + character.width() / 4,
                         face.y() - bodyH / 2 - kTail / 2, bodyW + kTail, bodyH + kTail);
    } else {
        geometry = QRect(character.center().x() - bodyW / 2 - kTail,
                         character.top() - bodyH - kTail, bodyW + kTail, bodyH + kTail);
    }
    geometry.moveLeft(std::clamp(geometry.left(), kMargin,
                                 std::max(kMargin, area->width() - geometry.width() - kMargin)));
    geometry.moveTop(std::clamp(geometry.top(), kMargin,
                                std::max(kMargin, area->height() - geometry.height() - kMargin)));
    setGeometry(geometry);
    m_tailTip = face - geometry.topLeft();
    update();
}

void SpeechBalloon::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double half = kOutlineWidth / 2.0 + 1;
    // The body sits in the part of the widget away from the tail.
    QRectF body = m_tailRight
        ? QRectF(half, half + kTail / 2.0, width() - kTail - 2 * half, height() - kTail - 2 * half)
        : QRectF(kTail + half, half, width() - kTail - 2 * half, height() - kTail - 2 * half);
    QPainterPath path;
    path.addRoundedRect(body, kRadius, kRadius);
    // The tail: a wedge from the body towards the character's face.
    QPointF tip(std::clamp<double>(m_tailTip.x(), half, width() - half),
                std::clamp<double>(m_tailTip.y(), half, height() - half));
    QPainterPath tail;
    if (m_tailRight) {
        const double y = std::clamp(tip.y(), body.top() + kRadius, body.bottom() - kRadius);
        tail.moveTo(body.right() - kRadius, y - kTail * 0.5);
        tail.quadTo(body.right() + kTail * 0.3, y - kTail * 0.35, tip.x(), tip.y());
        tail.quadTo(body.right() + kTail * 0.1, y + kTail * 0.25, body.right() - kRadius,
                    y + kTail * 0.4);
    } else {
        const double x = std::clamp(tip.x(), body.left() + kRadius, body.right() - kRadius);
        tail.moveTo(x - kTail * 0.5, body.bottom() - kRadius);
        tail.quadTo(x - kTail * 0.35, body.bottom() + kTail * 0.3, tip.x(), tip.y());
        tail.quadTo(x + kTail * 0.25, body.bottom() + kTail * 0.1, x + kTail * 0.4,
                    body.bottom() - kRadius);
    }
    tail.closeSubpath();
    path = path.united(tail);

    p.setPen(QPen(m_outline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(m_fill);
    p.drawPath(path);
    p.setPen(m_textColour);
    p.setFont(balloonFont());
    p.drawText(body.adjusted(kPadding, kPadding, -kPadding, -kPadding),
               Qt::TextWordWrap | Qt::AlignCenter, m_text);
}

} // namespace tw
