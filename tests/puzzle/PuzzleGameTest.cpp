// Both puzzles started from the Play menu and solved with the mouse, as a child
// would. Set TUMBLEWICK_PUZZLE_SNAPSHOTS to a folder to keep pictures of the boards.
#include "PuzzleWindow.h"
#include "common/MenuId.h"

#include "shell/MenuBar.h"
#include "shell/Settings.h"

#include <QAction>

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <string>

namespace tw::test {
namespace {

constexpr int kJigsawGame = 3;
constexpr int kSlidingGame = 4;

void snapshot(Educate &w, const char *name)
{
    const QString folder = qEnvironmentVariable("TUMBLEWICK_PUZZLE_SNAPSHOTS");
    if (!folder.isEmpty())
        w.grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

// A picture with one big shape across it, so a misplaced piece shows at a glance.
QImage scenePicture()
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(90, 160, 230));
    sky.setColorAt(1, QColor(200, 240, 160));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPoint(160, 120), 95, 95);
    p.setFont(QFont(QStringLiteral("Sans"), 60, QFont::Bold));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Fox"));
    return image;
}

// A window showing the Play menu's puzzle on the 3 x 3 grid, with one picture in
// the subject folder the backdrop comes from.
void startGame(PuzzleWindow &t, int game)
{
    QDir(t.appDir.path()).mkpath(QStringLiteral("Animals"));
    ASSERT_TRUE(scenePicture().save(t.appDir.filePath(QStringLiteral("Animals/Fox.png"))));
    t.w().start();
    t.w().settings().MNU_Size_Click(0);
    t.w().MNU_Game_Click(game);
    ASSERT_EQ(t.w().shell.CurrentGame, game);
    ASSERT_EQ(t.w().shell.CurrentSubject, QStringLiteral("Puzzle"));
    ASSERT_EQ(t.w().Img.count(), 9);
}

void expectWholePicture(PuzzleWindow &t)
{
    Educate &w = t.w();
    EXPECT_EQ(w.Img.count(), 0);
    EXPECT_TRUE(w.Img(0)->isVisible());
    EXPECT_EQ(w.Img(0)->geometry(), QRect(QPoint(0, 0), w.playArea()->size()));
    EXPECT_TRUE(w.shell.CurrentSubject.isEmpty());
    QAction *again = w.menus().item(MenuId::MNU_Again);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isEnabled());
}

TEST(PuzzleGame, JigsawFromThePlayMenuIsSolvedByDragging)
{
    PuzzleWindow t(21);
    startGame(t, kJigsawGame);
    snapshot(t.w(), "jigsaw-dealt");
    EXPECT_TRUE(board::isPermutation(t.pieceAt(), 9));
    int drags = 0;
    for (int s = 1; s <= 9 && t.w().Img.count() > 0; ++s) {
        if (t.pieceAt()[size_t(s)] == s)
            continue;
        t.dragSlot(board::slotOf(t.pieceAt(), 9, s), s);
        if (++drags == 2)
            snapshot(t.w(), "jigsaw-two-swaps");
        ASSERT_LT(drags, 9);
    }
    expectWholePicture(t);
    snapshot(t.w(), "jigsaw-solved");
}

// The shortest slides that bring a 3 x 3 sliding board home: slots to drag into
// the blank, in order.
std::vector<int> solveSliding(const PieceTable &start)
{
    std::string from;
    for (int s = 1; s <= 9; ++s)
        from += char('0' + start[size_t(s)]);
    const std::string goal = "123456789";
    std::map<std::string, std::pair<std::string, int>> cameFrom; // state -> (previous, slot)
    std::queue<std::string> open;
    open.push(from);
    cameFrom[from] = {std::string(), 0};
    while (!open.empty() && !cameFrom.count(goal)) {
        const std::string state = open.front();
        open.pop();
        const int blank = int(state.find('1')) + 1;
        for (int slot = 1; slot <= 9; ++slot) {
            if (!board::canSlide(slot, blank, 3))
                continue;
            std::string next = state;
            std::swap(next[size_t(slot - 1)], next[size_t(blank - 1)]);
            if (cameFrom.emplace(next, std::make_pair(state, slot)).second)
                open.push(next);
        }
    }
    std::vector<int> slots;
    for (std::string s = goal; cameFrom.count(s) && !cameFrom[s].first.empty();
         s = cameFrom[s].first)
        slots.insert(slots.begin(), cameFrom[s].second);
    return slots;
}

TEST(PuzzleGame, SlidingPuzzleFromThePlayMenuIsShuffledAndSolvedByDragging)
{
    PuzzleWindow t(8);
    startGame(t, kSlidingGame);
    Educate &w = t.w();
    EXPECT_EQ(w.puzzle.Shuffling, 0);
    EXPECT_LT(board::countHome(t.pieceAt(), 9), 3);
    EXPECT_FALSE(w.Img(1)->isVisible());
    snapshot(w, "sliding-shuffled");
    const std::vector<int> slides = solveSliding(t.pieceAt());
    ASSERT_FALSE(slides.empty());
    for (size_t i = 0; i < slides.size(); ++i) {
        ASSERT_GT(w.Img.count(), 0) << "solved too early";
        t.dragSlot(slides[i], w.puzzle.BlankSlot);
        if (i == slides.size() / 2)
            snapshot(w, "sliding-half-way");
    }
    expectWholePicture(t);
    snapshot(w, "sliding-solved");
}

} // namespace
} // namespace tw::test
