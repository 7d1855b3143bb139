#include "quiz/HideGame.h"

#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/GridPlan.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizEngine.h"
#include "quiz/SoundPlayer.h"
#include "quiz/TileLayout.h"
#include "shell/Educate.h"
#include "shell/GameClock.h"
#include "shell/GameIds.h"
#include "shell/MenuBar.h"

#include <QAction>

#include <algorithm>
#include <map>

namespace tw {

namespace {

constexpr long kWhite = 16777215;
// Pictures are searched in the subject folders 1 to 9.
constexpr int kPictureSubjects = 9;
const QString kCardCover = QStringLiteral("?");
const QString kQuestionCaption = QStringLiteral("\n?");

} // namespace

std::vector<HideItem> collectHideItems(const QString &appFolder,
                                       const std::vector<QString> &subjectFolders)
{
    // The pictures of each subject by name (first file of a name wins).
    std::vector<std::map<QString, QString>> pictures;
    for (size_t k = 1; k < subjectFolders.size() && k <= kPictureSubjects; ++k) {
        std::map<QString, QString> byName;
        if (!subjectFolders[k].isEmpty()) {
            const QString folder = appFolder + subjectFolders[k];
            for (const QString &file : listFiles(folder))
                if (isPictureFile(file))
                    byName.emplace(itemName(file).toLower(), folder + file);
        }
        pictures.push_back(std::move(byName));
    }
    std::vector<HideItem> items;
    const QString soundFolder = appFolder + QStringLiteral("Sounds/");
    for (const QString &file : listFiles(soundFolder)) {
        if (!file.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            continue;
        const QString name = file.left(file.size() - 4).toLower();
        for (const auto &byName : pictures) {
            const auto hit = byName.find(name);
            if (hit != byName.end()) {
                items.push_back({soundFolder + file, hit->second});
                break;
            }
        }
    }
    return items;
}

std::vector<int> drawHidingPlaces(Random &random, int n)
{
    std::vector<int> place(std::max(n + 1, 1), 0);
    if (n < 1)
        return place;
    const std::vector<int> order = drawDistinct(random, n - 1, n - 1);
    for (int j = 1; j < n; ++j)
        place[j] = order[j - 1] + 1;
    place[n] = 1;
    return place;
}

HideGame::HideGame(Educate &window) : m_window(window) { }

void HideGame::LoadHide()
{
    Educate &w = m_window;
    w.quiz.HideFound.fill(0);
    w.quiz.HideFoundCount = 0;
    w.quiz.CurrentSubject = QStringLiteral("Hide");

    std::vector<QString> folders(w.shell.SubjectFolder.begin(), w.shell.SubjectFolder.end());
    std::vector<HideItem> items = collectHideItems(w.shell.AppFolder, folders);
    if (items.size() >= static_cast<size_t>(kTableSize))
        items.resize(kTableSize - 1);
    if (items.empty())
        return;
    w.quiz.SampleUsed.fill(0);
    const int side = w.shell.GridMax + 1;
    // One sound per card: the grid is the largest square the sounds fill.
    const GridPlan plan = planItemGrid(side, static_cast<int>(items.size()));
    switch (plan.kind) {
    case GridPlan::Deal:
        deal(side * side, items);
        break;
    case GridPlan::Resize:
        if (selectGridSide(w, plan.side))
            w.MNU_Game_Click(GameHideAndSeek);
        break;
    default:
        tellParent(w, QStringLiteral("Hide and Seek needs at least 4 sounds that have "
                                     "pictures. Please add sounds to the Sounds folder."));
        break;
    }
}

void HideGame::deal(int n, const std::vector<HideItem> &items)
{
    Educate &w = m_window;
    Random &random = *w.platform().random;
    for (size_t i = 0; i < items.size(); ++i) {
        w.quiz.SoundList[i + 1] = items[i].sound;
        w.quiz.PictureList[i + 1] = items[i].picture;
    }
    const std::vector<int> item = drawDistinct(random, static_cast<int>(items.size()), n);
    const std::vector<int> place = drawHidingPlaces(random, n);
    int q = 1;
    for (int j = 1; j <= n; ++j) {
        const int p = place[j];
        w.quiz.ItemValue[q] = item[j - 1];
        if (PictureTile *img = w.Img(p))
            img->setPicture(PictureLibrary::loadPicture(w.quiz.PictureList[item[j - 1]]));
        if (TileLabel *question = w.Question(q)) {
            question->setText(kQuestionCaption);
            question->setBackColour(kWhite);
            question->tag = QString::number(p);
        }
        if (TileLabel *answer = w.Answer(p)) {
            answer->setText(kCardCover);
            answer->setDisplayMode(1);
            answer->setBackColour(kWhite);
        }
        q = p;
    }
    w.quiz.QuestionTile = 1;
    w.layout().ReDraw();
    w.shell.Loading = false;
    w.engine().Question_Click(w.quiz.QuestionTile);
}

void HideGame::DoHide(int index)
{
    Educate &w = m_window;
    QuizState &quiz = w.quiz;
    if (w.hourglass() || w.shell.Loading || quiz.CurrentSubject != QLatin1String("Hide"))
        return;
    PictureTile *img = w.Img(index);
    TileLabel *answer = w.Answer(index);
    if (!img || !answer || answer->isHidden())
        return;
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);

    w.setHourglass(true);
    if (PictureTile *backdrop = w.Img(0))
        backdrop->show();
    img->raise();
    w.clock().Delay(kShowSeconds);

    const TileLabel *asked = w.Question(quiz.QuestionTile);
    const bool found = asked && asked->tag.toInt() == index;
    if (found) {
        quiz.HideFound[quiz.QuestionTile] = 1;
        img->hide();
        answer->hide();
        if (TileLabel *question = w.Question(index))
            question->hide();
        w.sounds().PlaySound(w.shell.AppFolder + QStringLiteral("Chimes.wav"));
        ++quiz.HideFoundCount;
    } else {
        answer->raise(); // covered again; the same sound is asked again below
    }

    if (quiz.HideFoundCount >= n) {
        w.setHourglass(false);
        if (QAction *again = w.menus().item(QStringLiteral("MNU_Again")))
            again->setEnabled(true);
        quiz.AwaitingAnswer = 0;
        quiz.HideFoundCount = 0;
        // Nothing is left to seek: the clock stops presenting the last sound.
        quiz.CurrentSubject.clear();
        return;
    }
    if (found) {
        // The next sound is drawn among the pictures still hidden.
        std::vector<int> open;
        for (int q = 1; q <= n && q < kTableSize; ++q)
            if (!quiz.HideFound[q])
                open.push_back(q);
        if (!open.empty())
            quiz.QuestionTile = open[drawIndex(*w.platform().random, int(open.size()))];
    }
    w.setHourglass(false);
    w.engine().Question_Click(quiz.QuestionTile);
}

} // namespace tw
