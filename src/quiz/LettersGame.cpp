#include "quiz/LettersGame.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"

#include "common/Constants.h"
#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "common/Twips.h"
#include "quiz/GameDraws.h"
#include "quiz/GameRestart.h"
#include "quiz/GridPlan.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"
#include "quiz/WordPictures.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace tw {

namespace {

// Word-length items: the index is the number of letters.
constexpr std::array<int, 8> kWordLengthItems = {3, 4, 5, 6, 7, 8, 10, 20};
// Initial Letters draws letter numbers 1 to 26 (A to Z).
constexpr int kLetterRange = 27;
// Initial Letters plays on at most 5 x 5 tiles (puzzle size item 2).
constexpr int kLargestLettersSide = 5;
// The typing box is 300 twips high.
constexpr double kSpellBoxHeightTwips = 300;

} // namespace

LettersGame::LettersGame(QuizHost &window)
    : m_window(window)
{
    if (window.SpellBox)
        QObject::connect(window.SpellBox, &QLineEdit::textChanged, window.SpellBox,
                         [this] { SpellBox_Change(); });
}

void LettersGame::MNU_Letters_Click(int index)
{
    if (!m_window.CheckPass(PasswordRequirement::Settings))
        return;
    // An index without an item takes the error exit: 20 letters.
    if (std::find(kWordLengthItems.begin(), kWordLengthItems.end(), index)
        == kWordLengthItems.end())
        index = kLongestWords;
    m_window.changeOptions([index](SettingsValues &o) { o.Letters = index; });
    m_window.shell.WordLength = index;
}

LoadOutcome LettersGame::LoadLetters()
{
    QuizHost &w = m_window;
    w.shell.CurrentSubject = QStringLiteral("Letters");
    w.sounds().GetSample(0, 0, true);
    if (w.shell.GridMax + 1 <= kLargestLettersSide) {
        w.engine().DoQuizOrder(kLetterRange);
        return LoadOutcome::dealt();
    }
    if (selectGridSide(w, kLargestLettersSide))
        return LoadOutcome::restart();
    return LoadOutcome::dealt();
}

LoadOutcome LettersGame::LoadSpelling() { return loadWordGame(GameSpelling); }

LoadOutcome LettersGame::LoadWords() { return loadWordGame(GameWords); }

LoadOutcome LettersGame::loadWordGame(int game)
{
    QuizHost &w = m_window;
    const bool spelling = game == GameSpelling;
    w.shell.CurrentSubject = spelling ? QStringLiteral("Spelling") : QStringLiteral("Words");
    w.sounds().GetSample(0, 0, true);

    int m = 0;
    for (int k = 1; k <= kSpellSubjects; ++k) {
        if (w.options().SpellSubject[k - 1] != 1)
            continue;
        const QString path = w.pictures().subjectPath(k);
        if (path.isEmpty())
            continue;
        const QString folder = w.shell.SubjectFolder[k];
        const QStringList files = collectWordFiles(listFiles(path), w.shell.WordLength);
        for (const QString &file : files) {
            if (m + 1 >= kTableSize)
                break;
            ++m;
            w.quiz.PictureList[m] = path + file;
            w.quiz.FileList[m] = folder + file;
        }
    }

    const int side = w.shell.GridMax + 1;
    const bool canWiden = w.shell.WordLength < kLongestWords
        || (spelling && w.quiz.SpellSubjectNext < kSpellSubjects);
    GridPlan plan = planWordGrid(side, m, canWiden);
    if (plan.kind == GridPlan::Widen) {
        if (widen(spelling))
            return LoadOutcome::restart();
        plan = planWordGrid(side, m, false);
    }
    switch (plan.kind) {
    case GridPlan::Deal:
        w.engine().DoQuizOrder(m + 1);
        break;
    case GridPlan::Resize:
        if (spelling)
            advanceSpellSubject();
        if (selectGridSide(w, plan.side))
            return LoadOutcome::restart();
        break;
    case GridPlan::Widen:
    case GridPlan::GiveUp:
        return LoadOutcome::giveUp(tooFewPicturesMessage(QStringLiteral("Words and Spelling")));
    }
    return LoadOutcome::dealt();
}

bool LettersGame::widen(bool spelling)
{
    QuizHost &w = m_window;
    const int lengthBefore = w.shell.WordLength;
    MNU_Letters_Click(lengthBefore + 1);
    bool changed = w.shell.WordLength != lengthBefore;
    if (spelling && w.quiz.SpellSubjectNext < kSpellSubjects) {
        advanceSpellSubject();
        changed = true;
    }
    return changed;
}

void LettersGame::advanceSpellSubject()
{
    QuizHost &w = m_window;
    ++w.quiz.SpellSubjectNext;
    const int next = w.quiz.SpellSubjectNext;
    if (next <= kSpellSubjects)
        w.changeOptions([next](SettingsValues &o) { o.SpellSubject[next - 1] = 1; });
}

int LettersGame::spellAnswerTile() const
{
    const TileLabel *question = m_window.Question(m_window.quiz.QuestionTile);
    return question ? question->tag.toInt() : 0;
}

void LettersGame::DoSpellBox()
{
    QuizHost &w = m_window;
    if (!w.SpellBox)
        return;
    // A question without an answer tile (a deal that could not be made) has
    // nothing to type; element 0 is the hidden template, or a paint palette tile.
    const int index = spellAnswerTile();
    const TileLabel *answer = index > 0 ? w.Answer(index) : nullptr;
    if (!answer) {
        w.SpellBox->hide();
        return;
    }
    w.SpellBox->setGeometry(answer->x(), answer->y(), answer->width(),
                            twipsToPixels(kSpellBoxHeightTwips));
    w.SpellBox->raise();
    w.SpellBox->clear();
    if (w.SpellBox->isVisible())
        w.SpellBox->setFocus();
}

void LettersGame::SpellBox_Change()
{
    QuizHost &w = m_window;
    if (m_marking || !w.SpellBox || w.shell.CurrentSubject != QLatin1String("Spelling"))
        return;
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
    // A word typed ahead while the last one was being marked is marked too,
    // at most once per tile.
    for (int guard = 0; guard < n; ++guard) {
        const int k = spellAnswerTile();
        const TileLabel *answer = w.Answer(k);
        if (!answer || !spellsWord(w.SpellBox->text(), answer->text().trimmed()))
            return;
        m_marking = true;
        w.engine().Correct(k, true);
        m_marking = false;
        if (k >= n) {
            w.SpellBox->hide();
            return;
        }
        if (w.shell.CurrentSubject != QLatin1String("Spelling"))
            return;
    }
}

} // namespace tw
