#include "platform/QtDesktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tw {

bool QtDesktop::openDocument(const QString &path)
{
    // Without a real display (offscreen, minimal) there is no desktop to ask.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtDesktop::findProgram(const QString &name) const
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace tw
