// The thin single border drawn over a puzzle piece that is not in its home slot.
#pragma once

#include <QWidget>

namespace tw {

class PieceOutline : public QWidget
{
    Q_OBJECT
public:
    // Lies over the whole of `piece` and follows its size; lets the mouse through.
    explicit PieceOutline(QWidget *piece);

    // The outline of `piece`, made on first use; null when `piece` is null.
    static PieceOutline *of(QWidget *piece);
    static void setOutlined(QWidget *piece, bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tw
