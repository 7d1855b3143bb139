#include "shell/WriteFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tw {

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

bool folderWritable(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tumblewick-XXXXXX")));
    return probe.open();
}

QString chooseWriteFolder(const QString &appFolder, const QString &userFolder)
{
    if (folderWritable(appFolder))
        return withSlash(appFolder);
    QDir().mkpath(userFolder);
    return withSlash(userFolder);
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace tw
