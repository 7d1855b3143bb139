#include "fuzz/FuzzTargets.h"

#include "common/FilePattern.h"
#include "common/PictureLoader.h"
#include "paint/CursorFile.h"
#include "paint/ObjectsFile.h"
#include "paint/PixelMaps.h"
#include "platform/WaveHeader.h"
#include "puzzle/BitmapCutter.h"
#include "puzzle/BitmapHeader.h"
#include "quiz/GameDraws.h"
#include "shell/SettingsFile.h"
#include "speech/CharacterFile.h"
#include "speech/TalkChunks.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace tw::fuzz {

namespace {

QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A folder of the process's own, made once: where the file readers look.
const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir;
    return dir;
}

void settings(const std::uint8_t *data, std::size_t size)
{
    const SettingsParse read = parseSettings(bytes(data, size));
    if (read.complete())
        parseSettings(writeSettings(read.values));
}

// The first byte chooses the grid; the rest is the bitmap file.
void bitmap(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return;
    constexpr int kLargestFuzzedGrid = 6;
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    GetHeader(file);
    SplitUp(file, 1 + data[0] % kLargestFuzzedGrid);
}

// Art files the character file may name: one good drawing.
void character(const std::uint8_t *data, std::size_t size)
{
    const QString folder = scratch().path();
    static const bool artWritten
        = test::writeFile(folder + QStringLiteral("/a.svg"),
                          "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                          "<rect width='10' height='10' fill='red'/></svg>");
    Q_UNUSED(artWritten);
    CharacterFile::parse(bytes(data, size), folder);
}

void cursor(const std::uint8_t *data, std::size_t size) { readCursorFile(bytes(data, size)); }

// The paint box's kept drawing.
void drawing(const std::uint8_t *data, std::size_t size)
{
    if (const std::optional<PixelMaps> maps = PixelMaps::fromBytes(bytes(data, size))) {
        QImage image(maps->width(), maps->height(), QImage::Format_RGB32);
        maps->replay(image, image.rect());
    }
}

// The paint box's kept objects: whatever is read back must write out readably again.
void objects(const std::uint8_t *data, std::size_t size)
{
    if (const std::optional<PaintObjectSet> set = objectsFromBytes(bytes(data, size))) {
        if (!objectsFromBytes(objectsToBytes(*set)))
            __builtin_trap();
    }
}

void wave(const std::uint8_t *data, std::size_t size)
{
    const QByteArray head = bytes(data, size);
    parseWaveHeader(head, head.size());
    parseWaveHeader(head, head.size() / 2);
}

// Through a file, as the program meets pictures.
void picture(const std::uint8_t *data, std::size_t size)
{
    const QString path = scratch().path() + QStringLiteral("/picture");
    if (test::writeFile(path, bytes(data, size)))
        PictureLoader::load(path);
}

void talk(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytes(data, size));
    for (const TalkChunk &chunk : TalkChunks(text))
        parseSpeechTags(chunk.tagged());
    parseSpeechTags(text);
}

// A name and a pattern, split at the first line feed.
void names(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytes(data, size));
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString name = cut < 0 ? text : text.left(cut);
    const QString pattern = cut < 0 ? QString() : text.mid(cut + 1);
    wildcardMatch(name, pattern);
    lessByName(name, pattern);
    nameBeforeDot(name);
    itemName(name);
    isPictureFile(name);
}

constexpr Target kTargets[] = {
    {"settings", settings}, {"bitmap", bitmap},   {"character", character}, {"cursor", cursor},
    {"wave", wave},         {"picture", picture}, {"talk", talk},           {"names", names},
    {"drawing", drawing},   {"objects", objects},
};

} // namespace

std::span<const Target> targets() { return kTargets; }

const Target *findTarget(const char *name)
{
    for (const Target &t : kTargets)
        if (std::strcmp(t.name, name) == 0)
            return &t;
    return nullptr;
}

} // namespace tw::fuzz
