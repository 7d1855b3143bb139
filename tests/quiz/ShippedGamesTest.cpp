// Every word and number quiz played to its end on the shipped content folder.
// With TUMBLEWICK_SNAPSHOT_DIR set, each game's first screen is saved there
// as a PNG for a person to look at.
#include "common/Constants.h"
#include "quiz/QuizWindow.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tw;
using namespace tw::test;

namespace {

struct ShippedWindow : QuizWindow
{
    ShippedWindow()
        : QuizWindow(42, QSize(720, 540))
    {
        // A window on the shipped folder; settings go to the test's own folder.
        Platform p;
        fakes = FakePlatform::make(p, 42);
        window = std::make_unique<Educate>(std::move(p), QStringLiteral(TUMBLEWICK_CONTENT_DIR),
                                           writeDir.path());
        w().show();
        setPlayArea(QSize(720, 540));
        w().start(); // first run: the default options
    }
};

bool contentBuilt() { return QDir(QStringLiteral(TUMBLEWICK_CONTENT_DIR "/Animals")).exists(); }

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
        std::map<QString, std::vector<int>> cards;
        for (int p = 1; p <= n; ++p)
            cards[w.Question(p)->text()].push_back(p);
        for (const auto &[name, places] : cards)
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
    if (!contentBuilt())
        GTEST_SKIP() << "the content folder has not been generated";
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
    }
}
