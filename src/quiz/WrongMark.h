// The red cross shown over a wrong answer while its feedback plays: a sign a
// child sees even where no sound can be heard.
#pragma once

#include <QWidget>

namespace tw {

class WrongMark : public QWidget
{
public:
    // Covers `area` (in the parent's coordinates), a little larger so the
    // cross stands out on any tile; clicks pass through to what is beneath.
    WrongMark(QWidget *parent, const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tw
