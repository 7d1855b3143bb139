// A main window playing the paint box or the colouring book with its clock held, and ways to draw.
#pragma once

#include "common/Constants.h"
#include "paint/PaintBox.h"
#include "paint/PaintObjects.h"
#include "paint/Paper.h"
#include "paint/UserObjects.h"
#include "quiz/QuizWindow.h"
#include "shell/GameClock.h"

namespace tw::test {

constexpr double kTwips = 15; // twips per pixel
constexpr int kWhiteTile = 1;
constexpr int kBlueTile = 2;
constexpr int kRedTile = 3;
constexpr int kGreenTile = 5;

struct PaintWindow : QuizWindow
{
    explicit PaintWindow(int game = GamePaintBox, QSize area = QSize(780, 520))
        : QuizWindow(1, area)
    {
        w().start();
        w().clock().stopTimer();
        w().MNU_Game_Click(game);
    }
    PaintBox &box() { return w().paintBox(); }
    Paper &paper() { return box().paper(); }
    const PixelMaps &maps() { return box().maps(); }
    PaintObjects &objects() { return w().paintObjects(); }
    UserObjects &user() { return objects().user(); }
    MenuBar &menus() { return w().menus(); }
    const QString &selected() { return w().paint.SelectedObject; }
    // The drawing alone, and the surface as shown with the objects on it.
    QRgb drawn(QPoint p) { return paper().buffer().pixel(p); }
    QRgb shown(QPoint p) { return paper().composed().pixel(p); }
    void pick(int tile) { w().engine().Answer_Click(tile); }

    // Presses and releases `button` at a point of the surface, in twips.
    void press(double x, double y, int button = 1)
    {
        box().Paper_MouseDown(button, x, y);
        box().Paper_MouseUp(button, x, y);
    }
    // Drags with the left button from one point of the surface to another, in twips.
    void drag(QPointF from, QPointF to)
    {
        box().Paper_MouseDown(1, from.x(), from.y());
        box().Paper_MouseMove(1, to.x(), to.y());
        box().Paper_MouseUp(1, to.x(), to.y());
    }
    // A stroke with `button` through the given surface pixels.
    void stroke(std::initializer_list<QPoint> points, int button = 1)
    {
        const QPoint first = *points.begin();
        box().Paper_MouseDown(button, first.x() * kTwips, first.y() * kTwips);
        for (const QPoint &p : points)
            box().Paper_MouseMove(button, p.x() * kTwips, p.y() * kTwips);
        box().Paper_MouseUp(button, 0, 0);
    }
};

} // namespace tw::test
