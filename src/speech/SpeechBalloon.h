// The speech balloon above the character: shows what it says, so a child
// (or parent) who cannot hear the voice can still follow. Clicks pass through.
#pragma once

#include <QColor>
#include <QWidget>

namespace tw {

class SpeechBalloon : public QWidget
{
    Q_OBJECT
public:
    explicit SpeechBalloon(QWidget *parent);

    void setColours(const QColor &fill, const QColor &outline, const QColor &text);
    void setText(const QString &text);
    QString text() const { return m_text; }
    // Sizes and places the balloon above `character` (parent coordinates) in the strip of
    // `stripWidth` pixels at the parent's right edge, its tail pointing at the character's face.
    // The words wrap to the strip; only a word too long for it makes the letters smaller.
    void placeAbove(const QRect &character, int stripWidth);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont balloonFont() const;
    QString m_text;
    QColor m_fill = QColor(255, 253, 240);
    QColor m_outline = QColor(70, 50, 40);
    QColor m_textColour = QColor(40, 30, 25);
    // Where the tail points, in the balloon's own coordinates.
    QPoint m_tailTip;
    int m_textPixels = 26;
};

} // namespace tw
