// Subjects found on disk, the Pick menu, random pictures and the backdrop choice.
#include "quiz/PictureLibrary.h"
#include "common/MenuId.h"

#include "PictureFiles.h"
#include "SoundFiles.h"
#include "shell/MenuBar.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace tw;

namespace {

const char *const kBuiltIn[]
    = {"Misc/", "Animals/", "Fruit_Veg/", "Transport/", "Flags/", "Background/"};

struct LibraryFixture : ::testing::Test
{
    test::TestWindow tw;
    Educate &w = tw.w();
    PictureLibrary &lib = w.pictures();
    QDir app {tw.appDir.path()};

    // The start-up state the window's Load step gives before DoFolders runs.
    void builtInSubjects()
    {
        for (int i = 0; i < 6; ++i)
            w.shell.SubjectFolder[i + 1] = QString::fromLatin1(kBuiltIn[i]);
        for (int i = 7; i <= 10; ++i)
            w.shell.SubjectFolder[i].clear();
        w.shell.SubjectCount = 5;
    }
    void folders(std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            ASSERT_TRUE(app.mkpath(QString::fromUtf8(name))) << name;
    }
    QString picture(const QString &relative, QColor colour = Qt::red)
    {
        const QString path = app.filePath(relative);
        EXPECT_TRUE(test::writeImage(path, "png", colour, QSize(4, 4))) << relative.toStdString();
        return path;
    }
    QAction *item(MenuId name, int index) { return w.menus().item(name, index); }
};

} // namespace

TEST_F(LibraryFixture, ExtraFoldersBecomeSubjectsInNameOrder)
{
    struct Case
    {
        std::initializer_list<const char *> onDisk;
        QStringList subjects; // SubjectFolder 6 onwards
    };
    const Case cases[] = {
        {{"Space", "Background", "Sounds", "Animals", "Misc", "Flags", "Characters"},
         {"Background/", "Space/"}},
        // Built-in and sound folders stay what they are in any letter case.
        {{"sounds", "ANIMALS", "flags", "Pictures", "fruit_veg", "transport", "Dinosaurs"},
         {"Dinosaurs/"}},
        // Seven extra folders: the first five fill subjects 6 to 10.
        {{"A1", "a2", "A3", "A4", "A5", "A6", "A7"}, {"A1/", "a2/", "A3/", "A4/", "A5/"}},
        {{"Ölfarben & Co", "Big cats.2024"}, {"Big cats.2024/", "Ölfarben & Co/"}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        QTemporaryDir root;
        app = QDir(root.path());
        w.shell.AppFolder = root.path() + "/";
        for (const char *name : c.onDisk)
            app.mkpath(QString::fromUtf8(name));
        test::writeFile(app.filePath("Chimes.wav"), "not a folder");
        builtInSubjects();
        lib.DoFolders();

        EXPECT_EQ(w.shell.SubjectCount, 5 + c.subjects.size());
        for (int k = 0; k < c.subjects.size(); ++k) {
            EXPECT_EQ(w.shell.SubjectFolder[6 + k], c.subjects[k]);
            QAction *menuItem = item(MenuId::MNU_Subject, 5 + k);
            ASSERT_TRUE(menuItem);
            EXPECT_EQ(menuItem->text().replace("&&", "&") + "/", c.subjects[k]);
            EXPECT_TRUE(menuItem->isVisible());
        }
    }
}

TEST_F(LibraryFixture, PickMenuOffersTheFirstHundredPicturesInNameOrder)
{
    builtInSubjects();
    folders({"Misc", "animals"});
    for (int i = 0; i < 120; ++i)
        test::writeFile(app.filePath(QStringLiteral("Misc/Pic%1.png").arg(i, 3, 10, QChar('0'))),
                        "x");
    picture("animals/Caterpillar.bmp");
    picture("animals/cat.png");
    picture("animals/Teddy");

    lib.DoFiles(1);
    EXPECT_EQ(w.quiz.FileList[0], "Pic000.png");
    EXPECT_EQ(w.quiz.FileList[119], "Pic119.png");
    EXPECT_EQ(item(MenuId::MNU_PList1, 0)->text(), "Pic000");
    EXPECT_TRUE(item(MenuId::MNU_PList1, 99)->isVisible());
    EXPECT_EQ(item(MenuId::MNU_PList1, 99)->text(), "Pic099");
    EXPECT_EQ(item(MenuId::MNU_PList1, 100), nullptr);

    lib.DoFiles(2); // "Animals/" is found as "animals/"
    EXPECT_EQ(w.quiz.FileList[0], "cat.png");
    EXPECT_EQ(w.quiz.FileList[1], "Caterpillar.bmp");
    EXPECT_EQ(w.quiz.FileList[2], "Teddy");
    EXPECT_EQ(w.quiz.FileList[3], "");
    EXPECT_EQ(item(MenuId::MNU_PList1, 0)->text(), "cat");
    EXPECT_EQ(item(MenuId::MNU_PList1, 2)->text(), "Teddy");
    EXPECT_FALSE(item(MenuId::MNU_PList1, 3)->isVisible());

    lib.DoFiles(3); // no Fruit_Veg folder: the list stays
    EXPECT_EQ(w.quiz.FileList[0], "cat.png");
    EXPECT_EQ(item(MenuId::MNU_PList1, 0)->text(), "cat");
    lib.DoFiles(0);
    lib.DoFiles(11);
    EXPECT_EQ(w.quiz.FileList[0], "cat.png");
}

TEST_F(LibraryFixture, APickedPictureComesWithItsOwnSound)
{
    builtInSubjects();
    folders({"Animals", "Sounds"});
    picture("Animals/Caterpillar.bmp");
    picture("Animals/Cat-fish.png");
    picture("Animals/CAT.jpg");
    picture("Animals/Dog.jpg");
    ASSERT_TRUE(test::writeWave(app.filePath("Sounds/cat.WAV"), 0.1));
    ASSERT_TRUE(test::writeWave(app.filePath("Sounds/Caterpillar song.wav"), 0.1));

    EXPECT_EQ(lib.pickFile(2, "Cat"), app.filePath("Animals/CAT.jpg"));
    EXPECT_EQ(lib.pickFile(2, "Caterpillar"), app.filePath("Animals/Caterpillar.bmp"));
    EXPECT_EQ(lib.pickFile(2, "Cater"), app.filePath("Animals/Caterpillar.bmp"));
    EXPECT_EQ(lib.pickFile(2, "Horse"), "");
    EXPECT_EQ(lib.pickFile(4, "Cat"), "");
    EXPECT_EQ(lib.soundFor("Cat"), app.filePath("Sounds/cat.WAV"));
    EXPECT_EQ(lib.soundFor("Caterpillar"), "");
    EXPECT_EQ(lib.soundFor("Dog"), "");

    // Chosen from the Pick menu: the picture is placed and its sound plays.
    w.menus().checkOnly(MenuId::MNU_Subject, 1);
    lib.DoFiles(2);
    std::vector<std::pair<bool, QString>> placed;
    lib.placePickedPicture
        = [&](const QImage &p, const QString &sound) { placed.emplace_back(!p.isNull(), sound); };
    lib.MNU_PList1_Click(0); // CAT
    lib.MNU_PList1_Click(3); // Dog, no sound
    lib.MNU_PList1_Click(57); // hidden, empty item
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0], std::make_pair(true, app.filePath("Sounds/cat.WAV")));
    EXPECT_EQ(placed[1], std::make_pair(true, QString()));
    EXPECT_EQ(tw.fakes.sound->opened, QStringList {app.filePath("Sounds/cat.WAV")});
}

TEST_F(LibraryFixture, RandomPicturesReachEveryFileEqually)
{
    builtInSubjects();
    folders({"Animals"});
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (int i = 0; i < 5; ++i)
        picture(QStringLiteral("Animals/P%1.png").arg(i), colours[i]);

    constexpr int draws = 2500;
    std::map<QRgb, int> seen;
    for (int i = 0; i < draws; ++i) {
        w.shell.NextPicture = QImage();
        ASSERT_TRUE(lib.GetRandPic(2));
        ++seen[w.shell.NextPicture.pixel(0, 0)];
    }
    ASSERT_EQ(seen.size(), 5u);
    // Chi-square with 4 degrees of freedom; 25 is far beyond the 0.1% point (18.5).
    const double expected = draws / 5.0;
    double chi = 0;
    for (const auto &entry : seen)
        chi += (entry.second - expected) * (entry.second - expected) / expected;
    EXPECT_LT(chi, 25.0);
    EXPECT_EQ(w.quiz.FileList[0], ""); // the scratch list is left empty
}

TEST_F(LibraryFixture, RandomPictureKeepsThePreviousOneWhenThereIsNone)
{
    builtInSubjects();
    folders({"Animals", "Misc"});
    test::writeFile(app.filePath("Misc/notes.txt"), "not a picture");
    QImage previous(3, 3, QImage::Format_RGB32);
    previous.fill(Qt::magenta);
    for (int subject : {2, 1, 7, 0, 11}) { // empty, not a picture, unset, out of range
        w.shell.NextPicture = previous;
        w.quiz.FileList[0] = "stale";
        EXPECT_FALSE(lib.GetRandPic(subject));
        EXPECT_EQ(w.shell.NextPicture, previous) << subject;
        EXPECT_EQ(w.quiz.FileList[0], "") << subject;
    }
}

TEST_F(LibraryFixture, AFolderThatCannotBeReadIsAnEmptySubject)
{
    builtInSubjects();
    folders({"Animals"});
    picture("Animals/Cat.png");
    QFile::setPermissions(app.filePath("Animals"), QFileDevice::WriteOwner);
    const bool readable = QDir(app.filePath("Animals")).entryList(QDir::Files).size() > 0;
    if (readable) {
        QFile::setPermissions(app.filePath("Animals"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
        GTEST_SKIP() << "running with rights that read any folder";
    }
    w.shell.NextPicture = QImage();
    EXPECT_FALSE(lib.GetRandPic(2));
    lib.DoFiles(2);
    EXPECT_EQ(w.quiz.FileList[0], "");
    QFile::setPermissions(app.filePath("Animals"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(LibraryFixture, ChangePictureSetsTheBackdropAndKeepsItOnABadChoice)
{
    builtInSubjects();
    folders({"Background"});
    const QString sea = picture("Background/Sea side.png", Qt::blue);
    test::writeFile(app.filePath("Background/broken.jpg"), "no picture here");
    FakeDialogs &dialogs = *tw.fakes.dialogs;

    dialogs.nextFile = sea;
    lib.MNU_Pic_Click();
    EXPECT_EQ(w.shell.BackdropFile, sea);
    ASSERT_TRUE(w.Img(0)->hasPicture());
    EXPECT_EQ(w.Img(0)->picture().pixel(0, 0), QColor(Qt::blue).rgb());

    dialogs.nextFile.clear(); // cancelled
    lib.MNU_Pic_Click();
    EXPECT_EQ(w.shell.BackdropFile, sea);

    dialogs.messages.clear();
    dialogs.nextFile = app.filePath("Background/broken.jpg");
    lib.MNU_Pic_Click();
    EXPECT_EQ(w.shell.BackdropFile, sea);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("broken.jpg"));
}
