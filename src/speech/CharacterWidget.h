// The talking character on screen: its idle, speaking and attention looks,
// the moving mouth while it speaks and the hop that asks for attention.
#pragma once

#include "speech/CharacterFile.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QSvgRenderer;

namespace tw {

class CharacterWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CharacterWidget(QWidget *parent);
    ~CharacterWidget() override;

    void setCharacter(const CharacterFile &character);
    // Mouth moves (idle and speaking looks alternate) while on.
    void setSpeaking(bool on);
    bool speaking() const { return m_speaking; }
    // Plays the attention look with a few hops; harmless while already playing.
    void playAttention();
    bool attentionPlaying() const;
    // The look drawn now.
    CharacterLook look() const;
    // Size the widget wants over a play area of `area`: its own size, but never more than a
    // share of the area's height or width.
    QSize sizeFor(const QSize &area) const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    double hopOffset() const;
    std::array<std::unique_ptr<QSvgRenderer>, kCharacterLooks> m_art;
    bool m_speaking = false;
    bool m_mouthOpen = false;
    QTimer m_mouthTimer;
    QTimer m_attentionTimer;
    QElapsedTimer m_attentionClock;
    bool m_attention = false;
    int m_size = 150;
};

} // namespace tw
