#include "quiz/QuizEngine.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"

#include "common/Constants.h"
#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "platform/Numeric.h"
#include "quiz/GameDraws.h"
#include "quiz/HeldKey.h"
#include "quiz/QuestionChain.h"
#include "quiz/QuizGames.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"
#include "quiz/WrongMark.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace tw {

namespace {

const QLatin1String kColour("Colour");
const QLatin1String kSounds("Sounds");
const QLatin1String kFlags("Flags");
const QLatin1String kLetters("Letters");
const QLatin1String kSpelling("Spelling");
const QLatin1String kWords("Words");
const QLatin1String kNumbers("Numbers");
const QLatin1String kSums("Sums");

constexpr int kPresentNow = 12; // TickCount that makes the next tick present
constexpr int kHeldKeyPollMs = 50; // how often a held key looks whether its question is ready
constexpr double kWrongPause = 1; // seconds after the error sound
constexpr int kExclaimChoices = 3; // "Oh. Dear", "Whoops?", "Op Oh"
// Keyboard use items.
constexpr int kKbdBoth = 1;
constexpr int kKbdKeyboard = 3;
// Subject folders searched for Initial Letters pictures: Misc to Transport.
constexpr int kFirstLetterFolder = 1;
constexpr int kLastLetterFolder = 4;
constexpr int kLetterCount = 26;

bool isPaintGame(int game) { return game == GameColouringBook || game == GamePaintBox; }

// Picture files of `folder` whose name begins with `letter`, in name order,
// whatever the case of the names.
QStringList picturesStartingWith(const QString &folder, QChar letter)
{
    QStringList result;
    for (const QString &name : listFiles(folder, QString(letter) + QLatin1Char('*')))
        if (isPictureFile(name))
            result << name;
    return result;
}

// `path` if it exists, else a file of the same name in another letter case.
QString existingFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QStringList names = QDir(info.path()).entryList(QDir::Files);
    for (const QString &name : names)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return info.path() + QLatin1Char('/') + name;
    return {};
}

} // namespace

QuizEngine::QuizEngine(QuizHost &window)
    : m_window(window)
{ }

int QuizEngine::questionAnswerTile() const
{
    const TileLabel *q = m_window.Question(m_window.quiz.QuestionTile);
    return q ? q->tag.toInt() : 0;
}

void QuizEngine::DoQuizOrder(int count)
{
    QuizHost &w = m_window;
    const int n = tileCount(w.shell.GridMax);
    const std::vector<int> chain = questionChain(n, *w.platform().random);
    m_dealOver = false;
    const QString subject = w.shell.CurrentSubject;
    const int row = w.shell.GridMax + 1;
    const long deal = w.shell.Deal;
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        // Loading pictures can take a moment: keep the window alive once a row,
        // and stop when the child chose another game meanwhile.
        if (i > 0 && i % row == 0) {
            w.platform().pump->processEvents();
            if (w.shell.Deal != deal)
                return;
        }
        const int k = chain[i];
        const int r = chain[i + 1];
        // Items live in tables of 301 entries; tiles beyond them get no content.
        if (k < kTableSize) {
            // The step s = i + 2 of the deal is the sample's slot.
            if (subject != kColour)
                w.quiz.ItemValue[k] = w.sounds().GetSample(count, int(i) + 2);
            fillTiles(subject, k, r);
        }
        if (TileLabel *q = w.Question(k))
            q->tag = QString::number(r);
    }
    w.quiz.QuestionTile = 1;
}

void QuizEngine::fillTiles(const QString &subject, int k, int r)
{
    QuizHost &w = m_window;
    QuizState &quiz = w.quiz;
    const long v = quiz.ItemValue[k];
    TileLabel *question = w.Question(k);
    TileLabel *answer = w.Answer(r);
    PictureTile *picture = w.Img(r);
    const bool validItem = v >= 0 && v < kTableSize;

    if (subject == kColour) {
        if (answer) {
            answer->setOpaque(true);
            answer->setBackColour(v);
            answer->setDisplayMode(0);
        }
        if (question) {
            question->setText(quiz.ItemText[k]);
            question->setForeColour(v);
        }
        return;
    }
    if (subject == kLetters) {
        fillLetter(k, r, v);
        return;
    }
    if (!validItem)
        return;

    const bool pictureSubject
        = subject == kSounds || subject == kFlags || subject == kSpelling || subject == kWords;
    if (pictureSubject && picture) {
        picture->setStretch(false); // the picture keeps its proportions on the card
        picture->setPictureFile(quiz.PictureList[v]);
    }
    if (answer && pictureSubject) {
        // The caption lies over the picture; the picture tile shows the card.
        answer->setOpaque(false);
        answer->setDisplayMode(1);
    }
    if (subject == kSounds || subject == kFlags) {
        if (answer) {
            answer->setBackColour(kWhite);
            answer->setText(QString());
        }
        if (question) {
            QString name = itemName(quiz.FileList[v]);
            // The Sounds question is heard, not read: a loudspeaker tells the
            // child to listen, and clicking it plays the sound again.
            if (name.isEmpty() && subject == kSounds)
                name = QString::fromUtf8("\U0001F50A");
            question->setText(QLatin1Char('\n') + name);
        }
    } else if (subject == kSpelling) {
        const QString word = itemName(quiz.PictureList[v]);
        if (answer) {
            answer->setBackColour(kWhite);
            answer->setText(word);
        }
        if (question && !word.isEmpty())
            question->setText(QLatin1Char('\n') + word.left(1).toUpper() + QLatin1Char(' ')
                              + word.left(1).toLower());
    } else if (subject == kWords) {
        if (question)
            question->setText(itemName(quiz.PictureList[v]));
    }
}

void QuizEngine::fillLetter(int k, int r, long v)
{
    QuizHost &w = m_window;
    QuizState &quiz = w.quiz;
    TileLabel *question = w.Question(k);
    TileLabel *answer = w.Answer(r);
    PictureTile *picture = w.Img(r);
    if (answer) {
        answer->setOpaque(false);
        answer->setBackColour(kWhite);
        answer->setDisplayMode(1);
        answer->setText(QString());
    }
    if (picture)
        picture->clearPicture();
    // Item values 1 to 26 are the letters A to Z; a draw that found no letter
    // left (a grid larger than the alphabet) leaves the tiles empty.
    if (v < 1 || v > kLetterCount) {
        if (question)
            question->setText(QString());
        return;
    }
    const QChar capital(char16_t(v + 64));
    const QChar small(char16_t(v + 96));
    if (question)
        question->setText(QLatin1Char('\n') + capital + QLatin1Char(' ') + small);

    // Every picture whose name begins with the letter, from the four picture
    // subjects, into the scratch list; one of them is drawn.
    int found = 0;
    for (int f = kFirstLetterFolder; f <= kLastLetterFolder; ++f) {
        const QString folder = w.shell.SubjectFolder[f];
        if (folder.isEmpty())
            continue;
        const QStringList names = picturesStartingWith(w.shell.AppFolder + folder, capital);
        for (const QString &name : names) {
            if (found + 1 >= kTableSize)
                break;
            quiz.FileList[++found] = folder + name;
        }
    }
    const bool validItem = v >= 0 && v < kTableSize;
    if (found == 0) {
        // No picture for this letter: the tile stays empty.
        if (validItem)
            quiz.PictureList[v].clear();
        return;
    }
    const int pick = std::clamp(Int(w.platform().random->rnd() * found) + 1, 1, found);
    const QString path = w.shell.AppFolder + quiz.FileList[pick];
    if (validItem)
        quiz.PictureList[v] = path;
    if (picture) {
        picture->setStretch(false); // the picture keeps its proportions on the card
        picture->setPictureFile(path);
    }
    if (answer)
        answer->setText(itemName(path));
}

void QuizEngine::Correct(int index, bool isRight)
{
    if (isRight)
        rightAnswer(index);
    else
        wrongAnswer(index);
}

void QuizEngine::wrongAnswer(int index)
{
    QuizHost &w = m_window;
    // The answer wears a red cross while the feedback plays: seen also where
    // the sound or the voice cannot be heard.
    QPointer<WrongMark> mark;
    if (const TileLabel *answer = w.Answer(index); answer && answer->isVisible())
        mark = new WrongMark(w.playArea(), answer->geometry());
    else if (w.SpellBox && w.SpellBox->isVisible())
        mark = new WrongMark(w.playArea(), w.SpellBox->geometry());
    w.quiz.AwaitingAnswer = 0;
    w.shell.CurrentSubject.clear();
    if (w.SpellBox)
        w.SpellBox->hide();
    if (PictureTile *backdrop = w.Img(0))
        backdrop->hide();

    const long deal = w.shell.Deal;
    if (!w.speakerLoaded()) {
        w.sounds().PlaySound(w.shell.AppFolder + QStringLiteral("Error.wav"));
        w.Delay(kWrongPause);
    } else {
        w.waitWhileSpeaking();
        const int r = Int(w.platform().random->rnd() * kExclaimChoices) + 1;
        w.Talk(w.shell.Exclaim[r]);
    }
    delete mark; // null when the window went during the wait
    // A game chosen meanwhile is already a new deal.
    if (w.shell.Deal != deal)
        return;

    // A new deal of the same game.
    w.MNU_Again_Click();
    w.quiz.AwaitingAnswer = 1;
    if (PictureTile *backdrop = w.Img(0))
        backdrop->show();
    w.setHourglass(false);
}

QString QuizEngine::answerSound(int index) const
{
    const QuizHost &w = m_window;
    const QuizState &quiz = w.quiz;
    const QString &subject = w.shell.CurrentSubject;
    QString word;
    if (subject == kWords) {
        if (const TileLabel *q = w.Question(index))
            word = q->text();
    } else if (subject == kNumbers) {
        const long v = quiz.QuestionTile >= 0 && quiz.QuestionTile < kTableSize
            ? quiz.ItemValue[quiz.QuestionTile]
            : -1;
        if (v >= 0 && v < kTableSize)
            word = quiz.FileList[v].section(QLatin1Char('.'), 0, 0);
    } else if (const TileLabel *a = w.Answer(index)) {
        word = a->text();
    }
    if ((subject == kWords || subject == kNumbers) && !word.trimmed().isEmpty()) {
        const QString own = existingFile(w.shell.AppFolder + QStringLiteral("Sounds/") + word
                                         + QStringLiteral(".wav"));
        if (!own.isEmpty())
            return own;
    }
    return w.shell.AppFolder + QStringLiteral("Chimes.wav");
}

void QuizEngine::rightAnswer(int index)
{
    QuizHost &w = m_window;
    QuizState &quiz = w.quiz;
    const int n = tileCount(w.shell.GridMax);

    // The answered tile leaves the grid.
    if (TileLabel *q = w.Question(quiz.QuestionTile))
        q->hide();
    if (TileLabel *a = w.Answer(index))
        a->hide();
    if (PictureTile *img = w.Img(index))
        img->hide();

    quiz.QuestionTile = index;
    w.shell.QuestionStart = w.nowSeconds();
    if (w.shell.CurrentSubject == kSpelling && index < n)
        w.games().DoSpellBox();
    if (w.shell.CurrentSubject == kNumbers)
        w.games().DoNumbers();
    if (index < n) {
        if (TileLabel *q = w.Question(index))
            q->show();
        quiz.AwaitingAnswer = 1;
        if (PictureTile *backdrop = w.Img(0))
            backdrop->show();
    }

    const QString subject = w.shell.CurrentSubject;
    const long deal = w.shell.Deal;
    w.sounds().PlaySound(answerSound(index));
    if (w.shell.Deal != deal)
        return; // another game was chosen while the sound played
    if (subject == kNumbers)
        w.setHourglass(false);

    if (index >= n) {
        // The deal is over: nothing is open any more, so no time limit runs
        // and the window may be resized again.
        quiz.AwaitingAnswer = 0;
        m_dealOver = true;
        if (QAction *again = w.menus().item(MenuId::MNU_Again))
            again->setEnabled(true);
        return;
    }
    if (subject != kNumbers && subject != kColour && subject != kSums && subject != kWords) {
        w.setHourglass(false);
        Question_Click(quiz.QuestionTile);
    }
}

void QuizEngine::Answer_Click(int index)
{
    QuizHost &w = m_window;
    if (w.hourglass())
        return;
    w.shell.RepaintPending = true;
    w.sounds().stop();
    const int game = w.shell.CurrentGame;
    if (game == GameSpelling || w.shell.Loading)
        return;
    if (game == GamePairs) {
        w.games().DoPair(index);
        return;
    }
    if (game == GameInitialLetters && w.options().Kbd == kKbdKeyboard)
        return;
    if (game == GameHideAndSeek) {
        w.games().DoHide(index);
        return;
    }
    if (game >= 0 && game < GameColouringBook) {
        w.setHourglass(true);
        if (questionAnswerTile() == index) {
            Correct(index, true);
            w.setHourglass(false);
        } else {
            Correct(index, false);
        }
        return;
    }
    if (isPaintGame(game) && paletteClick)
        paletteClick(index);
}

void QuizEngine::KeyPress(QChar key)
{
    QuizHost &w = m_window;
    if (w.shell.CurrentGame != GameInitialLetters)
        return;
    const int kbd = w.options().Kbd;
    if (kbd != kKbdBoth && kbd != kKbdKeyboard)
        return;
    // A key is marked like a click: never while an answer is being marked. A key typed while
    // the question is being asked is kept and marked as soon as the question is ready.
    if (w.hourglass() || w.shell.Loading) {
        const bool waiting = m_heldKey.holding();
        m_heldKey.hold(key, w.shell.Deal, w.quiz.QuestionTile,
                       w.platform().clock->secondsSinceMidnight());
        if (!waiting)
            QTimer::singleShot(kHeldKeyPollMs, w.mainWidget(), [this] { markHeldKey(); });
        return;
    }
    const TileLabel *q = w.Question(w.quiz.QuestionTile);
    if (!q || !q->isVisible())
        return;
    const int a = q->tag.toInt();
    const QString caption = q->text();
    const bool right = caption.size() >= 2 && caption.at(1) == key.toUpper();
    w.setHourglass(true);
    Correct(a, right);
    if (right)
        w.setHourglass(false);
}

void QuizEngine::markHeldKey()
{
    QuizHost &w = m_window;
    if (!m_heldKey.holding())
        return;
    const double now = w.platform().clock->secondsSinceMidnight();
    if (w.hourglass() || w.shell.Loading) {
        // Still busy: look again shortly, unless the key's question has gone meanwhile.
        if (m_heldKey.waitingFor(w.shell.Deal, w.quiz.QuestionTile, now))
            QTimer::singleShot(kHeldKeyPollMs, w.mainWidget(), [this] { markHeldKey(); });
        else
            m_heldKey.drop();
        return;
    }
    if (const std::optional<QChar> key = m_heldKey.take(w.shell.Deal, w.quiz.QuestionTile, now))
        KeyPress(*key);
}

void QuizEngine::Question_Click(int)
{
    QuizHost &w = m_window;
    if (w.hourglass())
        return;
    w.setHourglass(true);
    w.shell.TickCount = kPresentNow;
    w.Timer1_Timer();
    w.setHourglass(false);
}

void QuizEngine::Answer_MouseDown(int, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        RightMouse();
}

void QuizEngine::RightMouse() { }

} // namespace tw
