// Subjects found on disk, the Pick menu, random pictures and the backdrop choice.
#include "quiz/PictureLibrary.h"
#include "common/MenuId.h"

#include "quiz/GameContent.h"

#include <QAction>
#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace tw;

namespace {

struct LibraryFixture : ::testing::Test
{
    test::GameWindow tw;
    Educate &w = tw.w();
    PictureLibrary &lib = w.pictures();
    QDir app {tw.appDir.path()};

    QString picture(const QString &relative, QColor colour = Qt::red)
    {
        app.mkpath(QFileInfo(relative).path());
        EXPECT_TRUE(test::writeImage(app.filePath(relative), "png", colour, QSize(4, 4)));
        return app.filePath(relative);
    }
    QAction *pick(int index) { return w.menus().item(MenuId::MNU_PList1, index); }
};

} // namespace

TEST_F(LibraryFixture, ExtraFoldersBecomeSubjectsInNameOrder)
{
    // The folders on disk, and the subjects 6 onwards they make.
    const std::pair<QStringList, QStringList> cases[] = {
        {{"Space", "Background", "Sounds", "Animals", "Misc", "Flags", "Characters"},
         {"Background/", "Space/"}},
        // Built-in and sound folders stay what they are in any letter case.
        {{"sounds", "ANIMALS", "flags", "Pictures", "fruit_veg", "transport", "Dinosaurs"},
         {"Dinosaurs/"}},
        // Seven extra folders: the first five fill subjects 6 to 10.
        {{"A1", "a2", "A3", "A4", "A5", "A6", "A7"}, {"A1/", "a2/", "A3/", "A4/", "A5/"}},
        {{"Ölfarben & Co", "Big cats.2024"}, {"Big cats.2024/", "Ölfarben & Co/"}},
    };
    for (const auto &[onDisk, subjects] : cases) {
        QTemporaryDir root;
        w.shell.AppFolder = root.path() + "/";
        for (const QString &name : onDisk)
            QDir(root.path()).mkpath(name);
        test::writeFile(root.filePath("Chimes.wav"), "not a folder");
        for (int k = 6; k <= 10; ++k)
            w.shell.SubjectFolder[k] = k == 6 ? QStringLiteral("Background/") : QString();
        w.shell.SubjectCount = 5;
        lib.DoFolders();

        EXPECT_EQ(w.shell.SubjectCount, 5 + subjects.size());
        for (int k = 0; k < subjects.size(); ++k) {
            EXPECT_EQ(w.shell.SubjectFolder[6 + k], subjects[k]);
            QAction *menuItem = w.menus().item(MenuId::MNU_Subject, 5 + k);
            EXPECT_EQ(menuItem->text().replace("&&", "&") + "/", subjects[k]);
            EXPECT_TRUE(menuItem->isVisible());
        }
    }
}

TEST_F(LibraryFixture, PickMenuOffersTheFirstHundredPicturesInNameOrder)
{
    app.mkpath("Misc");
    for (int i = 0; i < 120; ++i)
        test::writeFile(app.filePath(QStringLiteral("Misc/Pic%1.png").arg(i, 3, 10, QChar('0'))),
                        "x");
    picture("animals/Caterpillar.bmp");
    picture("animals/cat.png");
    picture("animals/Teddy");

    lib.DoFiles(1);
    EXPECT_EQ(w.quiz.FileList[119], "Pic119.png");
    EXPECT_EQ(pick(99)->text(), "Pic099");
    EXPECT_EQ(pick(100), nullptr);

    lib.DoFiles(2); // "Animals/" is found as "animals/"
    const QStringList listed(w.quiz.FileList.begin(), w.quiz.FileList.begin() + 4);
    EXPECT_EQ(listed, (QStringList {"cat.png", "Caterpillar.bmp", "Teddy", ""}));
    EXPECT_EQ(pick(2)->text(), "Teddy");
    EXPECT_FALSE(pick(3)->isVisible());

    for (int subject : {3, 0, 11}) { // no Fruit_Veg folder, out of range: the list stays
        lib.DoFiles(subject);
        EXPECT_EQ(pick(0)->text(), "cat");
    }
}

TEST_F(LibraryFixture, APickedPictureComesWithItsOwnSound)
{
    picture("Animals/Caterpillar.bmp");
    picture("Animals/Cat-fish.png");
    picture("Animals/CAT.jpg");
    picture("Animals/Dog.jpg");
    app.mkpath("Sounds");
    ASSERT_TRUE(test::writeWave(app.filePath("Sounds/cat.WAV"), 0.1));
    ASSERT_TRUE(test::writeWave(app.filePath("Sounds/Caterpillar song.wav"), 0.1));

    EXPECT_EQ(lib.pickFile(2, "Cat"), app.filePath("Animals/CAT.jpg"));
    EXPECT_EQ(lib.pickFile(2, "Cater"), app.filePath("Animals/Caterpillar.bmp"));
    EXPECT_EQ(lib.pickFile(2, "Horse"), "");
    EXPECT_EQ(lib.pickFile(4, "Cat"), "");
    EXPECT_EQ(lib.soundFor("Caterpillar"), "");

    // Chosen from the Pick menu: the picture is placed and its sound plays.
    w.menus().checkOnly(MenuId::MNU_Subject, 1);
    lib.DoFiles(2);
    std::vector<std::pair<bool, QString>> placed;
    lib.placePickedPicture
        = [&](const QImage &p, const QString &sound) { placed.emplace_back(!p.isNull(), sound); };
    lib.MNU_PList1_Click(0); // CAT
    lib.MNU_PList1_Click(3); // Dog, no sound
    lib.MNU_PList1_Click(57); // hidden, empty item
    const std::vector<std::pair<bool, QString>> expected
        = {{true, app.filePath("Sounds/cat.WAV")}, {true, QString()}};
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(tw.fakes.sound->opened, QStringList {app.filePath("Sounds/cat.WAV")});
}

TEST_F(LibraryFixture, RandomPicturesReachEveryFileEquallyAndKeepThePreviousWhenThereIsNone)
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (int i = 0; i < 5; ++i)
        picture(QStringLiteral("Animals/P%1.png").arg(i), colours[i]);
    std::map<QRgb, int> seen;
    for (int i = 0; i < 2500; ++i) {
        ASSERT_TRUE(lib.GetRandPic(2));
        ++seen[w.shell.NextPicture.pixel(0, 0)];
    }
    ASSERT_EQ(seen.size(), 5u);
    for (const auto &entry : seen)
        EXPECT_NEAR(entry.second, 500, 90);

    app.mkpath("Fruit_Veg");
    app.mkpath("Misc");
    test::writeFile(app.filePath("Misc/notes.txt"), "not a picture");
    const QImage previous = w.shell.NextPicture;
    for (int subject : {3, 1, 7, 0, 11}) { // empty, not a picture, unset, out of range
        EXPECT_FALSE(lib.GetRandPic(subject));
        EXPECT_EQ(w.shell.NextPicture, previous) << subject;
    }
}

TEST_F(LibraryFixture, ChangePictureSetsTheBackdropAndKeepsItOnABadChoice)
{
    const QString sea = picture("Background/Sea side.png", Qt::blue);
    test::writeFile(app.filePath("Background/broken.jpg"), "no picture here");
    FakeDialogs &dialogs = *tw.fakes.dialogs;

    dialogs.nextFile = sea;
    lib.MNU_Pic_Click();
    EXPECT_EQ(w.Img(0)->picture().pixel(0, 0), QColor(Qt::blue).rgb());

    dialogs.nextFile.clear(); // cancelled
    lib.MNU_Pic_Click();
    dialogs.messages.clear();
    dialogs.nextFile = app.filePath("Background/broken.jpg");
    lib.MNU_Pic_Click();
    EXPECT_EQ(w.shell.BackdropFile, sea);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("broken.jpg"));
}
