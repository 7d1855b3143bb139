// Every word and number quiz played to its end on the shipped content folder
// (built with the tests; ShippedContentTest checks it is there).
// With TUMBLEWICK_SNAPSHOT_DIR set, each game's first screen is saved there
// as a PNG for a person to look at.
#include "common/Constants.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterWidget.h"
#include "speech/Speaker.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tw;
using namespace tw::test;

namespace {

struct ShippedWindow : QuizWindow
{
    explicit ShippedWindow(QSize playArea = QSize(720, 540))
        : QuizWindow(42, playArea)
    {
        // A window on the shipped folder; settings go to the test's own folder.
        Platform p;
        fakes = FakePlatform::make(p, 42);
        window = std::make_unique<Educate>(std::move(p), QStringLiteral(TUMBLEWICK_CONTENT_DIR),
                                           writeDir.path());
        w().show();
        setPlayArea(playArea);
        w().start(); // first run: the default options
    }
};

// Saves the window when a snapshot folder is named; true when it is not blank.
bool snapshot(Educate &w, const QString &name)
{
    const QImage image = w.grab().toImage();
    const QString dir = qEnvironmentVariable("TUMBLEWICK_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    return colours.size() > 16;
}

void playToTheEnd(ShippedWindow &t, int game)
{
    Educate &w = t.w();
    const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
    if (game == GamePairs) {
        for (const auto &[name, places] : t.cardsByName(n))
            for (int p : places)
                QuizWindow::click(w.Answer(p));
        return;
    }
    for (int step = 0; step < n && !t.againEnabled(); ++step) {
        const int right = t.rightTile();
        if (game == GameSpelling)
            QTest::keyClicks(w.SpellBox, w.Answer(right)->text().toLower());
        else
            QuizWindow::click(w.Answer(right));
    }
}

} // namespace

TEST(ShippedGames, EveryWordAndNumberQuizPlaysToItsEnd)
{
    const std::map<int, const char *> games = {{GameInitialLetters, "initial-letters"},
                                               {GamePairs, "pairs"},
                                               {GameArithmetic, "arithmetic"},
                                               {GameSpelling, "spelling"},
                                               {GameFlags, "flags"},
                                               {GameWords, "words"},
                                               {GameNumberCounting, "number-counting"},
                                               {GameHideAndSeek, "hide-and-seek"}};
    for (const auto &[game, name] : games) {
        ShippedWindow t;
        Educate &w = t.w();
        w.MNU_Game_Click(game);
        EXPECT_FALSE(w.shell.Loading) << name;
        EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty()) << name;
        EXPECT_TRUE(snapshot(w, QLatin1String(name))) << name;
        playToTheEnd(t, game);
        EXPECT_TRUE(t.againEnabled()) << name;
        if (game == GameWords) { // right answers say the word on their tile
            EXPECT_GE(t.fakes.sound->opened.filter(QStringLiteral("/Sounds/")).size(), 7);
        }
    }
}

// The character stands in a strip of its own: in every quiz, grid and window it covers no answer
// tile, and a click at the centre of a tile reaches that tile.
TEST(ShippedGames, TheCharacterNeverCoversAnAnswerTile)
{
    const int games[]
        = {GameSounds,   GameColours, GameInitialLetters, GamePairs,          GameArithmetic,
           GameSpelling, GameFlags,   GameWords,          GameNumberCounting, GameHideAndSeek};
    const int sizeItems[] = {0, 2, 12}; // 3 x 3, 5 x 5, 15 x 15 (games may make it smaller)
    for (const QSize area : {QSize(420, 320), QSize(800, 570), QSize(1920, 1050)}) {
        ShippedWindow t(area);
        Educate &w = t.w();
        ASSERT_TRUE(w.speech.SpeakerLoaded);
        for (int item : sizeItems) {
            for (int game : games) {
                w.settings().MNU_Size_Click(item);
                w.MNU_Game_Click(game);
                SCOPED_TRACE(testing::Message() << "game " << game << ", size item " << item << ", "
                                                << area.width() << " x " << area.height());
                const QRect character = w.speaker().agent()->widget()->geometry();
                ASSERT_TRUE(w.playArea()->rect().contains(character));
                const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
                for (int p = 1; p <= n; ++p) {
                    QWidget *tile = w.Answer(p);
                    if (!tile || tile->isHidden())
                        continue;
                    ASSERT_FALSE(tile->geometry().intersects(character)) << "tile " << p;
                    QWidget *hit = w.playArea()->childAt(tile->geometry().center());
                    EXPECT_TRUE(hit == tile || hit == w.Img(p)) << "tile " << p;
                }
            }
        }
    }
}

TEST(ShippedGames, ALetterTypedWhileTheCharacterTalksIsMarked)
{
    ShippedWindow t;
    Educate &w = t.w();
    w.MNU_Game_Click(GameInitialLetters);
    ASSERT_TRUE(w.speech.SpeakerLoaded);
    const int first = t.rightTile();
    const QChar letter = w.Question(w.quiz.QuestionTile)->text().at(1).toLower();
    bool typed = false;
    t.fakes.pump->onPump = [&] {
        if (!typed && w.hourglass()) {
            typed = true;
            QTest::keyClick(&w, letter.toLatin1());
        }
    };
    w.engine().Question_Click(w.quiz.QuestionTile); // the character asks the question aloud
    t.fakes.pump->onPump = nullptr;
    ASSERT_TRUE(typed);
    for (int wait = 0; wait < 20 && !w.Answer(first)->isHidden(); ++wait)
        QTest::qWait(50);
    EXPECT_TRUE(w.Answer(first)->isHidden()) << "the letter was marked right";
    EXPECT_NE(t.rightTile(), first);
}
