#include "paint/DrawingStore.h"

#include "paint/ObjectsFile.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tw {

namespace {

const char *const kFileName = "PaintBox.dta";
const char *const kObjectsFileName = "PaintObjects.dta";
const char *const kAsideSuffix = ".unreadable";
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

// The bytes of a kept file; nothing for a link, a special file or one too large.
std::optional<QByteArray> readKept(const QString &path)
{
    if (QFileInfo(path).isSymLink())
        return std::nullopt;
    FileBytes file = readRegularFile(path, kMaxFileBytes);
    if (!file.ok())
        return std::nullopt;
    return std::move(file.bytes);
}

// Replaces the kept file atomically. A file there that is not ours (`readable` false) is
// first moved aside for the parent to inspect; if it cannot be, nothing is written.
bool writeKept(const QString &path, const QByteArray &bytes, bool readable)
{
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !readable
        && !QFile::rename(path, path + QLatin1String(kAsideSuffix)))
        return false;
    QDir().mkpath(info.absolutePath());
    return replaceFile(path, bytes);
}

} // namespace

DrawingStore::DrawingStore(const QString &writeFolder)
    : m_path(QDir(writeFolder).filePath(QLatin1String(kFileName)))
    , m_objectsPath(QDir(writeFolder).filePath(QLatin1String(kObjectsFileName)))
{ }

std::optional<PixelMaps> DrawingStore::load()
{
    const std::optional<QByteArray> bytes = readKept(m_path);
    return bytes ? PixelMaps::fromBytes(*bytes) : std::nullopt;
}

bool DrawingStore::save(const PixelMaps &maps)
{
    return writeKept(m_path, maps.toBytes(), load().has_value());
}

std::optional<PaintObjectSet> DrawingStore::loadObjects()
{
    const std::optional<QByteArray> bytes = readKept(m_objectsPath);
    return bytes ? objectsFromBytes(*bytes) : std::nullopt;
}

bool DrawingStore::saveObjects(const PaintObjectSet &objects)
{
    return writeKept(m_objectsPath, objectsToBytes(objects), loadObjects().has_value());
}

} // namespace tw
