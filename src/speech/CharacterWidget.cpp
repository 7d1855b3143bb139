#include "speech/CharacterWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tw {

namespace {

constexpr int kMouthMs = 150; // mouth opens and closes about three times a second
constexpr int kAttentionFrameMs = 30;
constexpr int kAttentionMs = 1400; // one "GetAttention": three hops
constexpr double kHops = 3.0;
constexpr double kHopShare = 0.14; // hop height as a share of the character's height
constexpr double kMaxAreaShare = 0.45; // the character never takes more of the play area
// ... nor more of its width: the tiles share the width with the character's strip.
constexpr double kMaxAreaWidthShare = 0.18;

} // namespace

CharacterWidget::CharacterWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click me to stop me talking"));
    m_mouthTimer.setInterval(kMouthMs);
    connect(&m_mouthTimer, &QTimer::timeout, this, [this] {
        m_mouthOpen = !m_mouthOpen;
        update();
    });
    m_attentionTimer.setInterval(kAttentionFrameMs);
    connect(&m_attentionTimer, &QTimer::timeout, this, [this] {
        if (!attentionPlaying()) {
            m_attention = false;
            m_attentionTimer.stop();
        }
        update();
    });
}

CharacterWidget::~CharacterWidget() = default;

void CharacterWidget::setCharacter(const CharacterFile &character)
{
    for (int look = 0; look < kCharacterLooks; ++look)
        m_art[size_t(look)] = std::make_unique<QSvgRenderer>(character.art[size_t(look)]);
    m_size = character.size;
    update();
}

void CharacterWidget::setSpeaking(bool on)
{
    if (m_speaking == on)
        return;
    m_speaking = on;
    m_mouthOpen = on;
    if (on)
        m_mouthTimer.start();
    else
        m_mouthTimer.stop();
    update();
}

void CharacterWidget::playAttention()
{
    if (attentionPlaying())
        return;
    m_attention = true;
    m_attentionClock.start();
    m_attentionTimer.start();
    update();
}

bool CharacterWidget::attentionPlaying() const
{
    return m_attention && m_attentionClock.isValid() && m_attentionClock.elapsed() < kAttentionMs;
}

CharacterLook CharacterWidget::look() const
{
    if (attentionPlaying() && !m_speaking)
        return CharacterLook::Attention;
    if (m_speaking && m_mouthOpen)
        return CharacterLook::Speaking;
    return CharacterLook::Idle;
}

QSize CharacterWidget::sizeFor(const QSize &area) const
{
    QSizeF art(1, 1);
    if (m_art[0] && m_art[0]->isValid())
        art = m_art[0]->defaultSize();
    const double aspect = art.width() / art.height();
    const int height = std::max(1,
                                std::min({m_size, int(area.height() * kMaxAreaShare),
                                          int(area.width() * kMaxAreaWidthShare / aspect)}));
    const int width = std::max(1, int(std::lround(height * aspect)));
    // Room above the character for its hop.
    return QSize(width, height + int(height * kHopShare));
}

double CharacterWidget::hopOffset() const
{
    if (!attentionPlaying())
        return 0.0;
    const double t = m_attentionClock.elapsed() / double(kAttentionMs);
    return std::abs(std::sin(t * kHops * std::numbers::pi));
}

void CharacterWidget::paintEvent(QPaintEvent *)
{
    const auto &art = m_art[size_t(look())];
    if (!art || !art->isValid())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int hopRoom = int(height() / (1.0 + kHopShare) * kHopShare);
    const int bodyHeight = height() - hopRoom;
    const double lift = hopOffset() * hopRoom;
    // A soft shadow on the ground that shrinks while the character is in the air.
    const double shadowScale = 1.0 - 0.4 * hopOffset();
    const QRectF shadow(width() * (0.5 - 0.3 * shadowScale), height() - bodyHeight * 0.07,
                        width() * 0.6 * shadowScale, bodyHeight * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(shadow);
    art->render(&p, QRectF(0, hopRoom - lift - bodyHeight * 0.03, width(), bodyHeight));
}

void CharacterWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT clicked();
}

} // namespace tw
