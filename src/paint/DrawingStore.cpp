#include "paint/DrawingStore.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tw {

namespace {

const char *const kFileName = "PaintBox.dta";
const char *const kAsideSuffix = ".unreadable";
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

} // namespace

DrawingStore::DrawingStore(const QString &writeFolder)
    : m_path(QDir(writeFolder).filePath(QLatin1String(kFileName)))
{ }

std::optional<PixelMaps> DrawingStore::load()
{
    if (QFileInfo(m_path).isSymLink())
        return std::nullopt;
    const FileBytes file = readRegularFile(m_path, kMaxFileBytes);
    if (!file.ok())
        return std::nullopt;
    return PixelMaps::fromBytes(file.bytes);
}

bool DrawingStore::save(const PixelMaps &maps)
{
    const QFileInfo info(m_path);
    // Keep what is there for the parent when it is not a drawing of ours; if
    // it cannot be moved aside, it stays and the drawing is not kept.
    if ((info.exists() || info.isSymLink()) && !load()
        && !QFile::rename(m_path, m_path + QLatin1String(kAsideSuffix)))
        return false;
    QDir().mkpath(info.absolutePath());
    return replaceFile(m_path, maps.toBytes());
}

} // namespace tw
