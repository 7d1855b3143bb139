// Paper: the drawing surface, a picture box that does not keep its own drawing.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

namespace tw {

// What is shown lives in a screen buffer. Brushes draw straight into it;
// invalidate() restores only the background (white and the background
// picture) in an area and raises the repaint handler, which may draw the
// recorded picture back. Mouse positions are reported in twips relative to the
// surface; the buffer and the drawing calls work in pixels.
class Paper : public QWidget
{
    Q_OBJECT
public:
    explicit Paper(QWidget *parent = nullptr);

    // Twips per pixel, horizontally and vertically, measured on the surface
    // (the standard 15 while it has no size).
    double twipsX() const;
    double twipsY() const;

    // The screen buffer (Format_RGB32, the surface's size in pixels).
    QImage &buffer() { return m_buffer; }
    const QImage &buffer() const { return m_buffer; }

    // The picture laid under the drawing at the top-left corner; null for none.
    void setBackgroundPicture(const QImage &picture);
    const QImage &backgroundPicture() const { return m_backgroundPicture; }

    // Restores the background in `pixels` (all of the surface when null), then
    // raises the repaint handler for that area and shows it. After a change of
    // size the buffer is made anew at the new size, background only.
    void invalidate(const QRect &pixels = QRect());

    // Drawing in pixels, colours as 0x00BBGGRR: a round dot of `width` centred
    // on a pixel, and a line with round ends.
    void drawDot(QPoint pixel, quint32 colour, int width);
    void drawLine(QPoint from, QPoint to, quint32 colour, int width);

    // The picture as the child sees it: the buffer with the objects lying on
    // it (child widgets other than `skip`), for reading surface colours.
    QImage composed(const QWidget *skip = nullptr) const;
    // The same picture cut to `pixels` (clipped to the surface).
    QImage composedArea(const QRect &pixels, const QWidget *skip = nullptr) const;

    // Draws the objects that lie over the buffer (pixels): shown and read with
    // the surface, never written into the buffer.
    std::function<void(QPainter &)> paintObjects;

    // Repaint handler: the area (pixels) whose background was just restored.
    std::function<void(const QRect &)> onRepaint;

Q_SIGNALS:
    // Button is the mouse-button mask (1 left, 2 right, 4 middle); x and y in twips.
    void mouseDown(int button, double x, double y);
    void mouseMove(int button, double x, double y);
    void mouseUp(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void restoreBackground(const QRect &pixels);
    void report(QMouseEvent *event, int kind);

    QImage m_buffer;
    QImage m_backgroundPicture;
};

} // namespace tw
