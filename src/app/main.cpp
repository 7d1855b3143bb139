// Tumblewick: parses the options, builds the main window and runs the event loop.
#include "shell/Educate.h"
#include "shell/StartupProbe.h"
#include "shell/WriteFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tumblewick"));
    QApplication::setOrganizationName(QStringLiteral("Tumblewick"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Educational games for young children"));
    parser.addHelpOption();
    QCommandLineOption appFolder(QStringList {QStringLiteral("app-folder")},
                                 QStringLiteral("Content folder (pictures, sounds, characters)."),
                                 QStringLiteral("DIR"));
    parser.addOption(appFolder);
    parser.process(app);

    QString folder = parser.value(appFolder);
    if (folder.isEmpty()) {
        // Installed beside the program, or the content built into the build tree.
        const QDir exeDir(QCoreApplication::applicationDirPath());
        folder = exeDir.filePath(QStringLiteral("content/AppFolder"));
        if (!QDir(folder).exists())
            folder = exeDir.absolutePath();
    }
    folder = QDir(folder).absolutePath();

    // Settings and puzzle files go beside the content when the program may
    // write there, otherwise to the user's own data folder.
    const QString writeFolder = tw::chooseWriteFolder(folder, tw::userDataFolder());

    tw::StartupProbe::installIfAsked();
    tw::Educate window(tw::Platform::makeReal(), folder, writeFolder);
    window.show();
    window.startWhenRunning();
    return app.exec();
}
