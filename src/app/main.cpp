// Tumblewick: parses the options, builds the main window and runs the event loop.
#include "shell/ContentFolder.h"
#include "shell/Educate.h"
#include "shell/StartupProbe.h"
#include "shell/WriteFolder.h"
#include "tumblewick/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tumblewick"));
    QApplication::setOrganizationName(QStringLiteral("Tumblewick"));
    QApplication::setApplicationVersion(QLatin1String(tw::kVersion));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(tw::kAppId));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Educational games for young children"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption appFolder(QStringList {QStringLiteral("app-folder")},
                                 QStringLiteral("Content folder (pictures, sounds, characters)."),
                                 QStringLiteral("DIR"));
    QCommandLineOption folders(QStringList {QStringLiteral("folders")},
                               QStringLiteral("Print the content folder and the folder for "
                                              "settings and saved pictures, then quit."));
    parser.addOption(appFolder);
    parser.addOption(folders);
    parser.process(app);

    QString folder = parser.value(appFolder);
    if (folder.isEmpty())
        folder = tw::defaultAppFolder(QCoreApplication::applicationDirPath());
    folder = QDir(folder).absolutePath();

    // Settings and puzzle files go beside the content when the program may
    // write there, otherwise to the user's own data folder.
    const QString writeFolder = tw::chooseWriteFolder(folder, tw::userDataFolder());
    if (parser.isSet(folders)) {
        std::printf("Content: %s\nSettings and pictures: %s\n", qPrintable(folder),
                    qPrintable(writeFolder));
        return 0;
    }

    const QString icon = tw::iconBesideAppFolder(folder, QLatin1String(tw::kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(tw::kAppId), QIcon(icon)));

    tw::StartupProbe::installIfAsked();
    tw::Educate window(tw::Platform::makeReal(), folder, writeFolder);
    window.show();
    window.startWhenRunning();
    return app.exec();
}
