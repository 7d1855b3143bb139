// The paint box played through its surface, tools, palette, menus and buttons.
#include "paint/DrawingStore.h"
#include "paint/ObjectsFile.h"
#include "paint/PaintWindow.h"
#include "quiz/PictureLibrary.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(PaintBox, TheScreenFollowsTheWindowSizeWithTheSurfaceRightOfTwoButtonColumns)
{
    PaintWindow t;
    for (const QSize area : {QSize(780, 520), QSize(1920, 1040), QSize(0, 0)}) {
        t.setPlayArea(area);
        const int side = qRound(t.w().playArea()->height() / 13.0);
        EXPECT_EQ(t.box().toolButton(9)->geometry().topLeft(), QPoint(side, 4 * side));
        EXPECT_EQ(t.paper().x(), 2 * side);
        EXPECT_EQ(t.paper().width(), t.w().playArea()->width() - 2 * side);
    }
}

TEST(PaintBox, ThePenWidthMenuEditsThePenChosenLast)
{
    PaintWindow t;
    MenuBar &m = t.menus();
    t.box().Tool_Click(2);
    t.box().Tool_Click(4); // not a pen: the menu still edits pen 2
    t.w().MNU_PenW_Click();
    m.click(MenuId::MNU_PenWidth, 3);
    EXPECT_EQ(t.w().paint.PenWidth[2], 20);
    t.box().Tool_Click(2);
    t.stroke({QPoint(50, 50), QPoint(90, 50)});
    EXPECT_EQ(t.maps().width(70, 50), 20);
    EXPECT_EQ(t.drawn({70, 59}), qRgb(0, 0, 0)); // 20 wide on screen
    EXPECT_EQ(t.drawn({70, 62}), qRgb(255, 255, 255));
}

TEST(PaintBox, RedrawBringsBackEveryDotAndNotWhatTheEraserTookAwayAndClearEmptiesAll)
{
    PaintWindow t;
    t.box().Tool_Click(2);
    t.pick(kRedTile);
    t.stroke({QPoint(20, 20), QPoint(200, 20)}); // 18 wide
    t.box().Tool_Click(0);
    t.pick(kWhiteTile); // white with a pen arms the eraser
    ASSERT_TRUE(t.box().eraserArmed());
    t.stroke({QPoint(60, 20), QPoint(120, 20)});
    for (int x = 62; x <= 118; x += 4) {
        EXPECT_EQ(t.maps().colour(x, 20), kNothingDrawn) << x;
        EXPECT_EQ(t.drawn({x, 27}), qRgb(255, 255, 255)) << x; // the whole width of the stroke
    }

    t.paper().invalidate(); // the background alone, as a repaint shows it
    EXPECT_EQ(t.drawn({30, 20}), qRgb(255, 255, 255));
    t.box().Review_Click(0);
    EXPECT_EQ(t.drawn({30, 20}), qRgb(255, 0, 0));
    EXPECT_EQ(t.drawn({90, 20}), qRgb(255, 255, 255));

    // "Clear" empties the drawing and resets the objects.
    int resets = 0;
    t.box().objects.reset = [&resets] { ++resets; };
    t.box().Review_Click(1);
    EXPECT_EQ(resets, 1);
    EXPECT_TRUE(t.maps().empty());
    EXPECT_EQ(t.drawn({30, 20}), qRgb(255, 255, 255));
}

TEST(PaintBox, StrokesThatMustNotDrawLeaveNothing)
{
    PaintWindow t;
    t.stroke({QPoint(40, 40), QPoint(90, 90)}, 2); // right button: no stroke at all
    t.box().Tool_Click(5);
    t.pick(kWhiteTile); // white with a brush is just the colour white
    EXPECT_FALSE(t.box().eraserArmed());
    t.stroke({QPoint(40, 40), QPoint(300, 200)});
    t.box().Tool_Click(6); // the pointer tool never draws
    t.pick(kRedTile);
    t.stroke({QPoint(40, 40), QPoint(300, 200)});
    t.box().Paper_MouseMove(1, 600, 600); // a drag begun elsewhere
    EXPECT_TRUE(t.maps().empty());
    EXPECT_FALSE(t.w().shell.PenDown);
}

// A later run of the program writing into `folder`, started with its clock held.
struct RunWindow : TestWindow
{
    explicit RunWindow(const QString &folder)
        : TestWindow(folder)
    {
        w().show();
        w().start();
        w().clock().stopTimer();
    }
};

TEST(PaintBox, TheDrawingAndItsObjectsSurviveAnotherGameAndARestartButNotBrokenFiles)
{
    QTemporaryDir keep;
    PaintObjectSet made;
    std::optional<PixelMaps> drawn;
    {
        RunWindow first(keep.path());
        first.w().MNU_Game_Click(GamePaintBox);
        PaintBox &box = first.w().paintBox();
        box.Paper_MouseDown(1, 300, 300);
        box.Paper_MouseMove(1, 900, 300);
        box.Paper_MouseUp(1, 900, 300);
        box.Tool_Click(9); // a shape
        first.w().menus().click(MenuId::MNU_AddText);
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        first.w().pictures().placePickedPicture(red, QString());
        first.w().MNU_Game_Click(GameColours);
        first.w().MNU_Game_Click(GamePaintBox);
        EXPECT_EQ(box.paper().buffer().pixel(40, 20), qRgb(0, 0, 0));
        made = first.w().paintObjects().objects();
        drawn = box.maps();
        ASSERT_TRUE(first.w().close());
    }
    EXPECT_EQ(made.shapes.size() + made.texts.size() + made.pictures.size(), 6u); // with index 0
    {
        RunWindow second(keep.path());
        ASSERT_EQ(second.w().shell.CurrentGame, GamePaintBox);
        EXPECT_EQ(second.w().paintBox().maps().differenceFrom(*drawn), QRect());
        EXPECT_EQ(second.w().paintBox().paper().buffer().pixel(40, 20), qRgb(0, 0, 0));
        EXPECT_EQ(second.w().paintObjects().objects(), made);
        ASSERT_NE(second.w().paintObjects().user().label(1), nullptr);
        EXPECT_FALSE(second.w().paintObjects().user().label(1)->isHidden());
        EXPECT_EQ(second.w().paint.ShapeCount, 1);
        ASSERT_TRUE(second.w().close());
    }
    const QString drawing = DrawingStore(keep.path()).path();
    const QString objects = QDir(keep.path()).filePath(QStringLiteral("PaintObjects.dta"));
    ASSERT_TRUE(writeFile(drawing, "not a drawing"));
    ASSERT_TRUE(writeFile(objects, objectsToBytes(made).left(40)));
    {
        RunWindow third(keep.path());
        EXPECT_TRUE(third.w().paintBox().maps().empty());
        EXPECT_EQ(third.w().paintObjects().objects().shapes.size(), 1u);
        third.w().paintBox().Paper_MouseDown(1, 300, 300); // changes, so both are kept anew
        third.w().paintBox().Tool_Click(9);
        ASSERT_TRUE(third.w().close());
    }
    EXPECT_EQ(readFile(drawing + QStringLiteral(".unreadable")), QByteArray("not a drawing"));
    EXPECT_TRUE(QFile::exists(objects + QStringLiteral(".unreadable")));
    EXPECT_TRUE(DrawingStore(keep.path()).load());
    EXPECT_TRUE(DrawingStore(keep.path()).loadObjects());
}

TEST(PaintBox, ClosingAsksBeforeLosingADrawingThatCannotBeKept)
{
    QTemporaryDir keep;
    const QString folder = keep.filePath(QStringLiteral("write"));
    RunWindow t(folder);
    t.w().MNU_Game_Click(GamePaintBox);
    t.w().paintBox().Paper_MouseDown(1, 300, 300);
    t.w().paintBox().Paper_MouseUp(1, 300, 300);
    // The write folder becomes a plain file: nothing can be written there, even as root.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(writeFile(folder, {}));
    t.fakes.dialogs->askAnswer = false;
    EXPECT_FALSE(t.w().close());
    ASSERT_EQ(t.fakes.dialogs->messages.size(), 1);
    EXPECT_TRUE(t.fakes.dialogs->messages[0].contains(QStringLiteral("could not be kept")));
    t.fakes.dialogs->askAnswer = true;
    EXPECT_TRUE(t.w().close());
}

TEST(PaintBox, ObjectBytesWithImpossibleValuesAreRefused)
{
    PaintObjectSet set;
    set.lines.push_back({0, 0, 1500, 1500, 0, 3, {}});
    set.order.push_back({ObjectKind::Line, 1});
    const QByteArray bytes = objectsToBytes(set);
    ASSERT_EQ(objectsFromBytes(bytes), set);
    EXPECT_FALSE(objectsFromBytes(bytes.left(bytes.size() - 1)));
    const std::function<void(PaintObjectSet &)> spoil[] = {
        [](PaintObjectSet &s) { s.lines[1].X1 = std::nan(""); },
        [](PaintObjectSet &s) { s.lines[1].BorderWidth = 0; },
        [](PaintObjectSet &s) { s.order[0].index = 2; },
    };
    for (const auto &change : spoil) {
        PaintObjectSet bad = set;
        change(bad);
        EXPECT_FALSE(objectsFromBytes(objectsToBytes(bad)));
    }
}

} // namespace
} // namespace tw::test
