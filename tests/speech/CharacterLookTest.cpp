// The character and its balloon as the child sees them over the window.
#include "speech/SpeakerTestBase.h"

#include "speech/CharacterAgent.h"
#include "speech/CharacterFile.h"
#include "speech/CharacterWidget.h"
#include "speech/SpeechBalloon.h"

#include <QFile>
#include <QImage>
#include <QPalette>

namespace tw::test {
namespace {

class CharacterLookTest : public SpeakerTest
{
protected:
    // Shows the character saying `words` in a 800 x 600 window and grabs it.
    QImage grabSaying(const QString &file, const QString &words)
    {
        QDir().mkpath(characters());
        const QDir shipped(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/content/characters"));
        for (const QString &name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), QDir(characters()).filePath(name));
        useVoice();
        voice->secondsPerChunk = 100;
        startUp();
        const int index = int(QDir(characters())
                                  .entryList({QStringLiteral("*.twc")}, QDir::Files,
                                             QDir::Name | QDir::IgnoreCase)
                                  .indexOf(file))
            + 1;
        speaker().MNU_SpkChr_Click(index);
        QWidget *area = win.w().playArea();
        area->setAutoFillBackground(true);
        QPalette pal = area->palette();
        pal.setColor(QPalette::Window, QColor(170, 210, 240));
        area->setPalette(pal);
        win.w().show();
        speaker().agent()->show();
        speaker().agent()->speak(words);
        return win.w().grab().toImage();
    }
    // Share of pixels in `r` that differ from the background.
    static double drawnShare(const QImage &image, const QRect &r)
    {
        int drawn = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                drawn += image.pixelColor(x, y) != QColor(170, 210, 240);
        return double(drawn) / (r.width() * r.height());
    }
};

// Every shipped character has three distinct looks and is drawn with its balloon.
TEST_F(CharacterLookTest, EachShippedCharacterIsDrawnWithItsBalloon)
{
    const QDir shipped(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/content/characters"));
    const QStringList files = shipped.entryList({QStringLiteral("*.twc")}, QDir::Files);
    ASSERT_GE(files.size(), 2);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        QString error;
        const auto c = CharacterFile::read(shipped.filePath(file), &error);
        ASSERT_TRUE(c) << error.toStdString();
        EXPECT_NE(c->art[0], c->art[1]);
        EXPECT_NE(c->art[0], c->art[2]);
        EXPECT_NE(c->art[1], c->art[2]);

        const QImage shot
            = grabSaying(file, QStringLiteral("\\Pit=10\\\\Spd=10\\Where is the red apple?"));
        QWidget *area = win.w().playArea();
        const QRect character(area->mapTo(&win.w(), speaker().agent()->widget()->pos()),
                              speaker().agent()->widget()->size());
        const QRect balloon(area->mapTo(&win.w(), speaker().agent()->balloon()->pos()),
                            speaker().agent()->balloon()->size());
        EXPECT_GT(drawnShare(shot, character), 0.3);
        EXPECT_GT(drawnShare(shot, balloon), 0.5);
        EXPECT_FALSE(character.contains(balloon.center()));
        EXPECT_EQ(speaker().balloonText(), QStringLiteral("Where is the red apple?"));
        speaker().AgentTer();
    }
}

} // namespace
} // namespace tw::test
