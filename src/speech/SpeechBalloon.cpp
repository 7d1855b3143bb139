#include "speech/SpeechBalloon.h"

#include "platform/ReadingFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tw {

namespace {

constexpr int kTextPixels = 26; // large, for early readers
constexpr int kMinTextPixels = 14; // a long word in a narrow strip is shrunk down to this
constexpr int kTallestText = 10000; // no limit on the number of lines, in pixels
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
    QFont f(readingFamily());
    f.setPixelSize(m_textPixels);
    f.setBold(true);
    return f;
}

void SpeechBalloon::placeAbove(const QRect &character, int stripWidth)
{
    const QWidget *area = parentWidget();
    if (!area)
        return;
    const int outerWidth = std::max(kMinTextPixels * 3, stripWidth - 2 * kMargin);
    const int textWidth = std::max(1, outerWidth - 2 * kPadding);
    // Large letters for early readers, smaller only as far as the longest word needs to fit.
    m_textPixels = kTextPixels;
    const QStringList words = m_text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (m_textPixels > kMinTextPixels) {
        const QFontMetrics fm(balloonFont());
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString &w) { return fm.horizontalAdvance(w) <= textWidth; }))
            break;
        --m_textPixels;
    }
    const QFontMetrics fm(balloonFont());
    const QRect textRect = fm.boundingRect(QRect(0, 0, textWidth, kTallestText),
                                           Qt::TextWordWrap | Qt::AlignCenter, m_text);
    const int height = textRect.height() + 2 * kPadding + kTail;
    QRect geometry(area->width() - stripWidth + kMargin, character.top() - height, outerWidth,
                   height);
    geometry.moveTop(std::max(kMargin, geometry.top()));
    setGeometry(geometry);
    // The tail points down at the character's face.
    m_tailTip = QPoint(character.center().x(), character.top() + character.height() / 3)
        - geometry.topLeft();
    update();
}

void SpeechBalloon::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double half = kOutlineWidth / 2.0 + 1;
    // The body fills the widget above the tail.
    const QRectF body(half, half, width() - 2 * half, height() - kTail - 2 * half);
    QPainterPath path;
    path.addRoundedRect(body, kRadius, kRadius);
    // The tail: a wedge from the body towards the character's face.
    QPointF tip(std::clamp<double>(m_tailTip.x(), half, width() - half),
                std::clamp<double>(m_tailTip.y(), half, height() - half));
    QPainterPath tail;
    const double x = std::clamp(tip.x(), body.left() + kRadius, body.right() - kRadius);
    tail.moveTo(x - kTail * 0.5, body.bottom() - kRadius);
    tail.quadTo(x - kTail * 0.35, body.bottom() + kTail * 0.3, tip.x(), tip.y());
    tail.quadTo(x + kTail * 0.25, body.bottom() + kTail * 0.1, x + kTail * 0.4,
                body.bottom() - kRadius);
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
