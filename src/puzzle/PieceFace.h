// The face of a puzzle piece: its picture over the whole piece, edge to edge, so the
// pieces join up into the picture, with a thin border while it is away from home.
#pragma once

#include <QImage>
#include <QWidget>

namespace tw {

class PictureTile;

class PieceFace : public QWidget
{
    Q_OBJECT
public:
    // Covers the whole of `piece` and follows its size; lets the mouse through.
    explicit PieceFace(PictureTile *piece);

    // The face of `piece`, made on first use; null when `piece` is null.
    static PieceFace *of(PictureTile *piece);

    void setOutlined(bool on);
    bool outlined() const { return m_outlined; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PictureTile *m_piece;
    bool m_outlined = false;
    QImage m_scaled; // the picture at the face's size
    qint64 m_scaledFrom = 0;
};

} // namespace tw
