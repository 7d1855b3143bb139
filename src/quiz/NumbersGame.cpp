#include "quiz/NumbersGame.h"
#include "common/Constants.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"

#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizHost.h"

#include <QAction>

namespace tw {

namespace {
constexpr int kBlockSide = 3; // the copies form a 3 x 3 block
} // namespace

std::vector<int> diceCells(int number)
{
    switch (number) {
    case 1:
        return {5};
    case 2:
        return {1, 9};
    case 3:
        return {1, 5, 9};
    case 4:
        return {1, 3, 7, 9};
    case 5:
        return {1, 3, 5, 7, 9};
    case 6:
        return {1, 3, 4, 6, 7, 9};
    case 7:
        return {1, 3, 4, 5, 6, 7, 9};
    case 8:
        return {1, 2, 3, 4, 6, 7, 8, 9};
    case 9:
        return {1, 2, 3, 4, 5, 6, 7, 8, 9};
    default:
        return {};
    }
}

NumbersGame::NumbersGame(QuizHost &window)
    : m_window(window)
{ }

LoadOutcome NumbersGame::LoadNumbers()
{
    QuizHost &w = m_window;
    w.shell.CurrentSubject = QStringLiteral("Numbers");
    w.setHourglass(true);

    int m = 0;
    for (int k = 1; k <= kSpellSubjects; ++k) {
        if (w.options().SpellSubject[k - 1] != 1)
            continue;
        const QString folder = w.pictures().subjectPath(k);
        for (const QString &file : folder.isEmpty() ? QStringList() : listFiles(folder)) {
            if (!isPictureFile(file) || m + 1 >= kTableSize)
                continue;
            ++m;
            w.quiz.PictureList[m] = folder + file;
            w.quiz.FileList[m] = file;
        }
    }

    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
    // One question per number: a grid beyond 3 x 3 (the size change was
    // refused) cannot be dealt, and neither can a grid with no question.
    if (n < 2 || n - 1 > kLargestNumber) {
        w.setHourglass(false);
        return LoadOutcome::dealt();
    }
    if (m == 0) {
        w.setHourglass(false);
        return LoadOutcome::giveUp(tooFewPicturesMessage(QStringLiteral("Words and Spelling")));
    }
    Random &random = *w.platform().random;
    const std::vector<int> numbers = drawDistinct(random, kLargestNumber, n - 1);
    const std::vector<int> chain = drawChain(random, n);
    // Different pictures while there are enough; with fewer than n - 1
    // pictures some come back rather than the deal never ending.
    const std::vector<int> pictures = drawCycling(random, m, n - 1);
    int q = 1;
    for (int s = 2; s <= n; ++s) {
        const int k = chain[s];
        w.quiz.ItemValue[q] = pictures[s - 2];
        if (TileLabel *question = w.Question(q)) {
            question->setBackColour(kWhite);
            question->setText(QString());
            question->tag = QString::number(k);
        }
        if (TileLabel *answer = w.Answer(k)) {
            answer->setText(QString::number(numbers[s - 2]));
            answer->setDisplayMode(1);
        }
        q = k;
    }
    // The last answer tile asks nothing; the word said after it names the
    // pictures just counted, not a picture an earlier game left in the table.
    if (q < kTableSize)
        w.quiz.ItemValue[q] = pictures[n - 2];
    w.quiz.QuestionTile = 1;
    w.setHourglass(false);
    return LoadOutcome::dealt();
}

void NumbersGame::DoNumbers()
{
    QuizHost &w = m_window;
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
    const int current = w.quiz.QuestionTile;
    bool over = current >= n || current < 1 || current >= kTableSize;
    // A switch into the game nested in a wait can lay out before the deal filled the table: a
    // value another game left there is not an index.
    const long item = over ? -1 : w.quiz.ItemValue[current];
    over = over || item < 0 || item >= kTableSize;
    QImage picture;
    if (!over)
        picture = PictureLibrary::loadPicture(w.quiz.PictureList[item]);
    for (int i = 1; i <= kCells; ++i) {
        if (PictureTile *img = w.Img(i)) {
            img->hide();
            img->raise();
            img->setEnabled(true);
            if (!over && !picture.isNull())
                img->setPicture(picture);
            else if (!over)
                img->setPictureFile(w.quiz.PictureList[item]); // shown once it is ready
        }
    }
    if (over) {
        if (QAction *again = w.menus().item(MenuId::MNU_Again))
            again->setEnabled(true);
        return;
    }
    const TileLabel *question = w.Question(current);
    if (!question)
        return;
    const int d = kBlockSide;
    const QRect q = question->geometry();
    for (int r = 0; r < kBlockSide; ++r)
        for (int c = 0; c < kBlockSide; ++c)
            if (PictureTile *img = w.Img(r * kBlockSide + c + 1))
                img->setGeometry(q.left() + c * q.width() / d, q.top() + r * q.height() / d,
                                 q.width() / d, q.height() / d);
    const TileLabel *answer = w.Answer(question->tag.toInt());
    if (!answer)
        return;
    for (int cell : diceCells(answer->text().trimmed().toInt()))
        if (PictureTile *img = w.Img(cell))
            img->show();
}

} // namespace tw
