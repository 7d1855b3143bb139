#include "shell/ContentFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tw {

QString defaultAppFolder(const QString &programFolder)
{
    const QDir dir(programFolder);
    for (const char *relative : {"content/AppFolder", "../share/tumblewick"}) {
        const QString folder = dir.filePath(QLatin1String(relative));
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(QDir(folder).absolutePath());
    }
    return dir.absolutePath();
}

QString iconBesideAppFolder(const QString &appFolder, const QString &iconName)
{
    const QString icon = QDir(appFolder).filePath(
        QStringLiteral("../icons/hicolor/scalable/apps/%1.svg").arg(iconName));
    return QFileInfo(icon).isFile() ? QDir::cleanPath(icon) : QString();
}

} // namespace tw
