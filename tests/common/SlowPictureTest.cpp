// Slow pictures (a slow or hanging metafile converter) never hold up a deal.
#include "common/Constants.h"
#include "common/FakeTool.h"
#include "common/PictureLoader.h"
#include "common/SettingsValues.h"
#include "common/Tiles.h"
#include "quiz/GameContent.h"
#include "shell/GameClock.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

// Longest the window may leave the child's input unanswered while a game deals.
constexpr qint64 kLongestGapMs = 500;

} // namespace

TEST(SlowPictures, PairsOfSlowMetafilesDealAtOnceAndThePicturesFollow)
{
    GameWindow t(1);
    Educate &w = t.w();
    QTemporaryDir bin;
    FakeConverter converter(bin.path(), "wmf2svg", 1.0);
    const QString animals = w.shell.AppFolder + QStringLiteral("/Animals/");
    QDir().mkpath(animals);
    for (const QString &name : shortNames(8))
        ASSERT_TRUE(writeFile(animals + name + QStringLiteral(".wmf"), wmfBytes()));
    SettingsValues options = w.options();
    options.PairSubject = {0, 1, 0, 0, 0};
    w.setOptions(options);

    QElapsedTimer deal;
    deal.start();
    w.MNU_Game_Click(GamePairs);
    EXPECT_LT(deal.elapsed(), kLongestGapMs);
    auto allShown = [&] {
        const int cards = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);
        for (int p = 1; p <= cards; ++p) {
            if (!w.Img(p) || !w.Img(p)->hasPicture())
                return false;
        }
        return true;
    };
    EXPECT_FALSE(allShown()) << "a conversion of a second cannot be ready";
    EXPECT_TRUE(waitUntil(allShown, 8000)) << "every card gets its picture when ready";
    const QImage card = w.Img(1)->picture();
    EXPECT_GT(qRed(card.pixel(card.width() / 2, card.height() / 2)), 200);

    w.clock().stopTimer();
}

TEST(SlowPictures, AHangingConverterCostsOneShortWait)
{
    QTemporaryDir dir;
    FakeConverter converter(dir.path(), "emf2svg-conv", 60);
    const QString emf = dir.filePath(QStringLiteral("Hangs.emf"));
    ASSERT_TRUE(writeFile(emf, emfBytes()));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(PictureLoader::load(emf).isNull());
    EXPECT_LT(timer.elapsed(), kLongestGapMs);
    EXPECT_TRUE(PictureLoader::isPending(emf));
}
