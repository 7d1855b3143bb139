#include "paint/DrawingStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tw {

namespace {

const char *const kFileName = "PaintBox.dta";
const char *const kAsideSuffix = ".unreadable";
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

// A plain file that is no link: the only kind read or replaced.
bool plainFile(const QFileInfo &info) { return info.isFile() && !info.isSymLink(); }

} // namespace

DrawingStore::DrawingStore(const QString &writeFolder)
    : m_path(QDir(writeFolder).filePath(QLatin1String(kFileName)))
{ }

std::optional<PixelMaps> DrawingStore::load()
{
    const QFileInfo info(m_path);
    if (!plainFile(info) || info.size() > kMaxFileBytes)
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return PixelMaps::fromBytes(file.readAll());
}

bool DrawingStore::save(const PixelMaps &maps)
{
    const QFileInfo info(m_path);
    if (info.exists() || info.isSymLink()) {
        const bool ours = plainFile(info) && load().has_value();
        if (!ours) {
            // Keep what is there for the parent; if it cannot be moved aside, keep it in place.
            if (!QFile::rename(m_path, m_path + QLatin1String(kAsideSuffix)))
                return false;
        }
    }
    QDir().mkpath(info.absolutePath());
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(maps.toBytes()) >= 0 && file.commit();
}

} // namespace tw
