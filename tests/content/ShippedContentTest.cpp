// The built content folder: every picture, sound and background loads,
// and there is enough of each for every game to run.
#include "common/PictureLoader.h"
#include "platform/WaveHeader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QStringList kSpokenSubjects {"Misc", "Animals", "Fruit_Veg", "Transport"};
const QStringList kPictureSubjects = kSpokenSubjects + QStringList {"Flags"};
// A tile of a 3 x 3 grid in a maximised 1920 x 1080 window: the most a picture is shown at.
constexpr int kLargestTileSide = 640;
constexpr int kMaxPicturesPerSubject = 100; // the Pick menu offers at most 100 pictures
constexpr int kMaxSoundFiles = 300; // the Sounds game's tables end at index 300

QString contentPath(const QString &relative)
{
    return QDir(QStringLiteral(TUMBLEWICK_CONTENT_DIR)).filePath(relative);
}

QStringList filesIn(const QString &folder)
{
    EXPECT_TRUE(QFileInfo(contentPath(folder)).isDir())
        << "no folder " << folder.toStdString() << " in " TUMBLEWICK_CONTENT_DIR
        << ": build the `content` target";
    return QDir(contentPath(folder)).entryList(QDir::Files, QDir::Name);
}

QStringList pictureNames(const QString &subject)
{
    QStringList names;
    for (const QString &file : filesIn(subject))
        names.append(QFileInfo(file).completeBaseName());
    return names;
}

// A 16-bit mono PCM wave of `shortest` to `longest` seconds.
void expectSpokenWave(const QString &relative, double shortest, double longest)
{
    const tw::WaveInfo wave = tw::readWaveInfo(contentPath(relative));
    const std::string where = relative.toStdString();
    EXPECT_TRUE(wave.valid && wave.formatTag == 1 && wave.dataBytes > 0) << where;
    EXPECT_EQ(wave.channels, 1) << where;
    EXPECT_EQ(wave.bitsPerSample, 16) << where;
    EXPECT_GT(wave.seconds, shortest) << where;
    EXPECT_LT(wave.seconds, longest) << where;
}

} // namespace

// Sharp at every size (vector art, or a bitmap as large as the largest tile),
// named so a child can spell it, each name in one subject only (a sound finds
// its picture by name), and enough of them for every game.
TEST(ShippedContent, PicturesAreSharpUniqueAndEnoughForEveryGame)
{
    const QRegularExpression plainWord(QStringLiteral("^[A-Z][A-Za-z]*$"));
    const QHash<QString, int> minimum {{"Misc", 25},      {"Animals", 40}, {"Fruit_Veg", 25},
                                       {"Transport", 25}, {"Flags", 40},   {"Background", 6}};
    // The backdrop dialog's filter: "*.jpg;*.bmp;*.gif;*.wmf;*.emf;*.ico".
    const QStringList offered {"jpg", "bmp", "gif", "wmf", "emf", "ico"};
    QHash<QString, QString> seen;
    QSet<QChar> initials;
    int shortNames = 0;
    for (const QString &subject : kPictureSubjects + QStringList {"Background"}) {
        const QStringList files = filesIn(subject);
        EXPECT_GE(files.size(), minimum.value(subject)) << subject.toStdString();
        EXPECT_LE(files.size(), kMaxPicturesPerSubject) << subject.toStdString();
        for (const QString &file : files) {
            const std::string where = (subject + QLatin1Char('/') + file).toStdString();
            const QString name = QFileInfo(file).completeBaseName();
            EXPECT_FALSE(seen.contains(name.toUpper()))
                << where << ", also in " << seen.value(name.toUpper()).toStdString();
            seen.insert(name.toUpper(), subject);
            if (subject == QLatin1String("Background")) { // full-window pictures the dialog offers
                EXPECT_TRUE(offered.contains(QFileInfo(file).suffix().toLower())) << where;
                const QImage image(contentPath(subject + '/' + file));
                EXPECT_TRUE(image.width() >= 800 && image.height() >= 600) << where;
                continue;
            }
            shortNames += name.size() <= 3 ? 1 : 0;
            if (kSpokenSubjects.contains(subject))
                initials.insert(name.at(0).toUpper());
            // Spelling and Words only collect names with a three-letter extension.
            EXPECT_EQ(QFileInfo(file).suffix().size(), 3) << where;
            EXPECT_TRUE(plainWord.match(name).hasMatch()) << where;
            const QImage image = tw::PictureLoader::load(contentPath(subject + '/' + file));
            ASSERT_FALSE(image.isNull()) << where;
            EXPECT_TRUE(tw::PictureLoader::isVector(image)
                        || std::min(image.width(), image.height()) >= kLargestTileSide)
                << where << ": blurry on a large tile (build with the vector artwork, "
                << "tools/install-deps.sh)";
        }
    }
    // Initial Letters asks every letter; Spelling and Words start with words of
    // up to three letters, nine for a 3 x 3 grid and room for a fresh deal.
    EXPECT_EQ(initials.size(), 26);
    EXPECT_GE(shortNames, 12);
}

TEST(ShippedContent, EveryNameOfTheFirstFourSubjectsHasItsSpokenSound)
{
    QSet<QString> names, sounds;
    for (const QString &subject : kSpokenSubjects)
        for (const QString &name : pictureNames(subject))
            names.insert(name);
    for (const QString &file : filesIn(QStringLiteral("Sounds"))) {
        EXPECT_TRUE(file.endsWith(QLatin1String(".wav"))) << file.toStdString();
        sounds.insert(QFileInfo(file).completeBaseName());
        expectSpokenWave(QStringLiteral("Sounds/") + file, 0.2, 4.0);
    }
    EXPECT_EQ(sounds, names) << "one Sounds/<Name>.wav per picture of the first four subjects";
    EXPECT_LE(sounds.size(), kMaxSoundFiles);
    // Feedback must not hold up the next question.
    for (const QString &feedback : {QStringLiteral("Chimes.wav"), QStringLiteral("Error.wav")}) {
        expectSpokenWave(feedback, 0.3, 1.0);
        EXPECT_EQ(tw::readWaveInfo(contentPath(feedback)).sampleRate, 22050);
    }
}
