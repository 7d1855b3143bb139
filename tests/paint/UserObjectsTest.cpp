// Text and picture objects: the editor, fonts, pictures from the Pick menu, dropping.
#include "paint/PaintWindow.h"
#include "quiz/PictureLibrary.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

struct UserWindow : PaintWindow
{
    const PaintObjectSet &set() { return objects().objects(); }
    // A left-button drag of `widget` between two points of the surface (pixels);
    // the widget may move under the mouse, so each point is taken where it is then.
    void drag(QWidget *widget, QPoint from, QPoint to)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, from - widget->pos());
        QTest::mouseMove(widget, to - widget->pos());
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to - widget->pos());
    }
};

TEST(UserObjects, NewTextOpensTheEditorAndAnEditIsKeptAndUndone)
{
    UserWindow t;
    t.menus().click(MenuId::MNU_AddText);
    t.menus().click(MenuId::MNU_AddText);
    ASSERT_EQ(t.user().TextCount(), 2);
    EXPECT_EQ(t.set().texts[2].bounds().topLeft(), QPointF(0, 0));
    EXPECT_TRUE(t.user().editing());

    t.user().textEdit()->setText(QStringLiteral("Cat"));
    t.fakes.dialogs->nextFont = QFont(QStringLiteral("Serif"), 30);
    t.menus().click(MenuId::MNU_EdFont); // while editing: the font is taken
    EXPECT_FALSE(t.user().editing());
    const TextObject &text = t.set().texts[2];
    EXPECT_EQ(text.Caption, QStringLiteral("Cat"));
    EXPECT_EQ(text.FontSize, 30);
    EXPECT_GT(text.Height, 30 * 15); // sized to its caption in the new font

    t.menus().click(MenuId::MNU_Undo);
    EXPECT_EQ(t.set().texts[2].Caption, QStringLiteral("  Add Text  "));
}

TEST(UserObjects, PicturesComeFromThePickMenuAndDropOnlyWhereAllowed)
{
    UserWindow t;
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    t.w().pictures().placePickedPicture(red, QString());
    ASSERT_EQ(t.user().ImageCount(), 1);
    EXPECT_EQ(t.set().pictures[1].bounds(), QRectF(0, 0, 1500, 1500));
    EXPECT_EQ(t.shown({50, 50}), qRgb(255, 0, 0));

    t.menus().click(MenuId::MNU_AddText);
    t.box().Tool_Click(6);
    QLabel *picture = t.user().image(1);
    t.drag(picture, QPoint(50, 50), QPoint(350, 350)); // onto the bare surface
    EXPECT_EQ(t.set().pictures[1].bounds().topLeft(), QPointF(300 * 15, 300 * 15));
    t.drag(picture, QPoint(350, 350), QPoint(20, 10)); // onto the text: it goes back
    EXPECT_EQ(t.set().pictures[1].bounds().topLeft(), QPointF(300 * 15, 300 * 15));
    t.drag(t.user().label(1), QPoint(20, 10), QPoint(320, 320)); // text onto the picture
    EXPECT_EQ(t.set().texts[1].bounds().topLeft(), QPointF(300 * 15, 310 * 15));

    t.box().Tool_Click(0); // a pen stroke passes over the picture
    t.drag(picture, QPoint(380, 380), QPoint(390, 380));
    EXPECT_EQ(t.box().maps().colour(385, 380), 0u);
}

} // namespace
} // namespace tw::test
