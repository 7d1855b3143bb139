// The content folder built from content/recipe.tsv: every picture, sound, cursor and background
// loads, and there is enough of each for every game to run.
#include "common/PictureLoader.h"
#include "paint/CursorFile.h"
#include "platform/WaveHeader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QStringList SpokenSubjects {QStringLiteral("Misc"), QStringLiteral("Animals"),
                                  QStringLiteral("Fruit_Veg"), QStringLiteral("Transport")};
const QStringList PictureSubjects = SpokenSubjects + QStringList {QStringLiteral("Flags")};

// A tile of a 3 x 3 grid in a maximised 1920 x 1080 window: the most a picture is shown at.
constexpr int LargestTileSide = 640;
constexpr int MaxPicturesPerSubject = 100; // the Pick menu offers at most 100 pictures
constexpr int MaxSoundFiles = 300; // the Sounds game's tables end at index 300
constexpr int CursorSide = 32;
constexpr int SampleRate = 22050;

QString contentDir() { return QStringLiteral(TUMBLEWICK_CONTENT_DIR); }

QString contentPath(const QString &relative) { return QDir(contentDir()).filePath(relative); }

QStringList filesIn(const QString &folder)
{
    return QDir(contentPath(folder)).entryList(QDir::Files, QDir::Name);
}

QStringList pictureNames(const QString &subject)
{
    QStringList names;
    for (const QString &file : filesIn(subject))
        names.append(QFileInfo(file).completeBaseName());
    return names;
}

// A PCM wave file that holds sound.
tw::WaveInfo readWave(const QString &path)
{
    tw::WaveInfo info = tw::readWaveInfo(path);
    info.valid = info.valid && info.formatTag == 1 && info.dataBytes > 0;
    return info;
}

struct RecipeLine
{
    QString subject;
    QString name;
};

QList<RecipeLine> recipeLines()
{
    QList<RecipeLine> lines;
    QFile file(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/content/recipe.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() >= 3)
            lines.append({fields.at(0), fields.at(1)});
    }
    return lines;
}

class ShippedContent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(contentDir()).isDir())
            << "no content folder at " << contentDir().toStdString()
            << ": build the `content` target";
    }
};

} // namespace

// Sharp at every size: vector art, or a bitmap at least as large as the largest tile.
TEST_F(ShippedContent, EverySubjectPictureIsVectorOrLargeEnoughForTheLargestTile)
{
    const QRegularExpression plainWord(QStringLiteral("^[A-Z][A-Za-z]*$"));
    for (const QString &subject : PictureSubjects) {
        const QStringList files = filesIn(subject);
        EXPECT_FALSE(files.isEmpty()) << subject.toStdString();
        for (const QString &file : files) {
            const std::string where = (subject + QLatin1Char('/') + file).toStdString();
            // Spelling and Words only collect names with a three-letter extension.
            EXPECT_EQ(QFileInfo(file).suffix().size(), 3) << where;
            EXPECT_TRUE(plainWord.match(QFileInfo(file).completeBaseName()).hasMatch())
                << where << ": a name the child can spell is a plain word";
            const QImage image
                = tw::PictureLoader::load(contentPath(subject + QLatin1Char('/') + file));
            ASSERT_FALSE(image.isNull()) << where;
            if (!tw::PictureLoader::isVector(image)) {
                EXPECT_GE(std::min(image.width(), image.height()), LargestTileSide)
                    << where << ": blurry on a large tile (build with the vector artwork, "
                    << "tools/install-deps.sh)";
            }
        }
    }
}

TEST_F(ShippedContent, HasEnoughPicturesForEveryGame)
{
    struct Minimum
    {
        const char *subject;
        int pictures;
    };
    const Minimum minimums[]
        = {{"Misc", 25}, {"Animals", 40}, {"Fruit_Veg", 25}, {"Transport", 25}, {"Flags", 40}};
    for (const Minimum &m : minimums) {
        const int count = int(pictureNames(QString::fromLatin1(m.subject)).size());
        EXPECT_GE(count, m.pictures) << m.subject;
        EXPECT_LE(count, MaxPicturesPerSubject) << m.subject;
    }

    // Initial Letters: every letter begins a picture name in the first four subjects.
    QSet<QChar> initials;
    for (const QString &subject : SpokenSubjects) {
        for (const QString &name : pictureNames(subject))
            initials.insert(name.at(0).toUpper());
    }
    QString missing;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (!initials.contains(QLatin1Char(c)))
            missing += QLatin1Char(c);
    }
    EXPECT_TRUE(missing.isEmpty()) << "no picture name begins with " << missing.toStdString();

    // Spelling and Words start with words of up to three letters; a 3 x 3 grid needs nine,
    // 12 leave room for a fresh deal.
    int shortNames = 0;
    for (const QString &subject : PictureSubjects) {
        for (const QString &name : pictureNames(subject))
            shortNames += name.size() <= 3 ? 1 : 0;
    }
    EXPECT_GE(shortNames, 12);
}

TEST_F(ShippedContent, PictureNamesAreUniqueAcrossSubjects)
{
    // A sound finds its picture by name in the subjects in menu order: a name used twice would
    // show the wrong picture.
    QHash<QString, QString> seen;
    for (const QString &subject : PictureSubjects + QStringList {QStringLiteral("Background")}) {
        for (const QString &name : pictureNames(subject)) {
            const QString key = name.toUpper();
            EXPECT_FALSE(seen.contains(key))
                << name.toStdString() << " is in " << seen.value(key).toStdString() << " and "
                << subject.toStdString();
            seen.insert(key, subject);
        }
    }
}

TEST_F(ShippedContent, EveryNameOfTheFirstFourSubjectsHasItsSpokenSound)
{
    QSet<QString> names;
    for (const QString &subject : SpokenSubjects) {
        for (const QString &name : pictureNames(subject))
            names.insert(name);
    }
    QSet<QString> sounds;
    for (const QString &file : filesIn(QStringLiteral("Sounds"))) {
        EXPECT_TRUE(file.endsWith(QLatin1String(".wav"))) << file.toStdString();
        sounds.insert(QFileInfo(file).completeBaseName());
    }
    EXPECT_EQ(sounds, names) << "one Sounds/<Name>.wav per picture of the first four subjects";
    EXPECT_LE(sounds.size(), MaxSoundFiles);

    for (const QString &name : names) {
        const auto wave = readWave(contentPath(QStringLiteral("Sounds/") + name + ".wav"));
        EXPECT_TRUE(wave.valid) << name.toStdString();
        EXPECT_EQ(wave.channels, 1) << name.toStdString();
        EXPECT_EQ(wave.bitsPerSample, 16) << name.toStdString();
        EXPECT_GT(wave.seconds, 0.2) << name.toStdString();
        EXPECT_LT(wave.seconds, 4.0) << name.toStdString();
    }
}

TEST_F(ShippedContent, FeedbackSoundsAreShortPleasantWaves)
{
    const char *const feedback[] = {"Chimes.wav", "Error.wav"};
    for (const char *file : feedback) {
        const auto wave = readWave(contentPath(QString::fromLatin1(file)));
        ASSERT_TRUE(wave.valid) << file;
        EXPECT_EQ(wave.sampleRate, SampleRate) << file;
        EXPECT_EQ(wave.channels, 1) << file;
        EXPECT_EQ(wave.bitsPerSample, 16) << file;
        EXPECT_GT(wave.seconds, 0.3) << file;
        EXPECT_LT(wave.seconds, 1.0) << file << ": feedback must not hold up the next question";
    }
}

TEST_F(ShippedContent, CursorsLoadWithTheirHotspotOnThePointer)
{
    const char *const cursors[] = {"Pen_rl.cur", "Pen_i.cur", "Pen_il.cur", "Hand.cur"};
    for (const char *name : cursors) {
        QFile file(contentPath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const tw::CursorImage cursor = tw::readCursorFile(file.readAll());
        ASSERT_FALSE(cursor.image.isNull()) << name;
        EXPECT_EQ(cursor.image.size(), QSize(CursorSide, CursorSide)) << name;
        // The hotspot is on the drawing (its point), within a pixel.
        int nearInk = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = cursor.hotspot + QPoint(dx, dy);
                if (cursor.image.rect().contains(p) && cursor.image.pixelColor(p).alpha() > 0)
                    ++nearInk;
            }
        }
        EXPECT_GT(nearInk, 0) << name;
        // The corners stay see-through, so the pointer is not a square block.
        EXPECT_EQ(cursor.image.pixelColor(CursorSide - 1, CursorSide - 1).alpha(), 0) << name;
        EXPECT_EQ(tw::loadCursorFile(contentPath(QString::fromLatin1(name))).shape(),
                  Qt::BitmapCursor)
            << name;
    }
}

TEST_F(ShippedContent, BackgroundsAreFullWindowPicturesTheLoadDialogOffers)
{
    // The load dialog's filter: "*.jpg;*.bmp;*.gif;*.wmf;*.emf;*.ico".
    const QStringList offered {QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("gif"),
                               QStringLiteral("wmf"), QStringLiteral("emf"), QStringLiteral("ico")};
    const QStringList files = filesIn(QStringLiteral("Background"));
    EXPECT_GE(files.size(), 6);
    for (const QString &file : files) {
        EXPECT_TRUE(offered.contains(QFileInfo(file).suffix().toLower())) << file.toStdString();
        QImageReader reader(contentPath(QStringLiteral("Background/") + file));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        EXPECT_GE(image.width(), 800) << file.toStdString();
        EXPECT_GE(image.height(), 600) << file.toStdString();
    }
}

TEST_F(ShippedContent, EveryRecipeLineBecameAFile)
{
    const QList<RecipeLine> lines = recipeLines();
    ASSERT_FALSE(lines.isEmpty()) << "cannot read content/recipe.tsv";
    for (const RecipeLine &line : lines) {
        const QString base = contentPath(line.subject + QLatin1Char('/') + line.name);
        const QStringList extensions = line.subject == QLatin1String("Background")
            ? QStringList {QStringLiteral(".bmp")}
            : QStringList {QStringLiteral(".svg"), QStringLiteral(".png")};
        EXPECT_TRUE(std::any_of(extensions.begin(), extensions.end(), [&](const QString &e) {
            return QFileInfo::exists(base + e);
        })) << (line.subject + QLatin1Char('/') + line.name).toStdString();
    }
}
