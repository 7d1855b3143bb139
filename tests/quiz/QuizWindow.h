// A main window on fake platform parts, shown offscreen with a play area of a
// chosen size, and small helpers to play the quiz through real clicks.
#pragma once

#include "common/MenuId.h"
#include "quiz/QuizEngine.h"
#include "quiz/TileLayout.h"
#include "shell/MenuBar.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <map>
#include <vector>

namespace tw::test {

struct QuizWindow : TestWindow
{
    explicit QuizWindow(std::uint32_t seed = 1, QSize playArea = QSize(600, 480))
        : TestWindow(seed)
    {
        w().show();
        setPlayArea(playArea);
    }

    // Resizes the window so that its play area (the client area) is `size` pixels.
    void setPlayArea(QSize size)
    {
        QApplication::processEvents();
        const QSize chrome = w().size() - w().playArea()->size();
        w().resize(size + chrome);
        QApplication::processEvents();
    }

    // The answer tile that is right for the question being asked.
    int rightTile() const
    {
        const TileLabel *q = window->Question(window->quiz.QuestionTile);
        return q ? q->tag.toInt() : 0;
    }

    // Visible tiles among 1..n of an array.
    template<class T>
    static int visibleCount(const ControlArray<T> &array, int n)
    {
        int count = 0;
        for (int i = 1; i <= n; ++i)
            count += array(i) && array(i)->isVisible() ? 1 : 0;
        return count;
    }

    static void click(QWidget *tile)
    {
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
    }

    // Pairs: the card positions 1..n by the name of their picture.
    std::map<QString, std::vector<int>> cardsByName(int n) const
    {
        std::map<QString, std::vector<int>> cards;
        for (int p = 1; p <= n; ++p)
            cards[window->Question(p)->text()].push_back(p);
        return cards;
    }

    bool againEnabled() const
    {
        const QAction *again = window->menus().item(MenuId::MNU_Again);
        return again && again->isEnabled();
    }

    // Answers every question of the deal right with real clicks; returns the
    // question captions in the order they were asked.
    QStringList playDealRight(int tiles)
    {
        QStringList asked;
        for (int step = 0; step < tiles && !againEnabled(); ++step) {
            const TileLabel *q = window->Question(window->quiz.QuestionTile);
            if (!q || !q->isVisible())
                break;
            asked << q->text();
            click(window->Answer(rightTile()));
        }
        return asked;
    }
};

} // namespace tw::test
