// tumblewick_contentgen: builds Tumblewick's content folder from content/recipe.tsv at build time.
#include "ContentGenerator.h"
#include "IconArtist.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Pictures are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates Tumblewick's content folder."));
    parser.addHelpOption();
    const QCommandLineOption recipe(QStringLiteral("recipe"), QStringLiteral("The recipe file."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption outDir(QStringLiteral("out"), QStringLiteral("The content folder."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption manifest(
        QStringLiteral("manifest"), QStringLiteral("List of generated files (kept between runs)."),
        QStringLiteral("FILE"));
    const QCommandLineOption stamp(QStringLiteral("stamp"),
                                   QStringLiteral("File touched after a successful run."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption espeak(QStringLiteral("espeak"),
                                    QStringLiteral("The espeak-ng program (default: from PATH)."),
                                    QStringLiteral("PROGRAM"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("Speech synthesisers run at once (default 3)."),
                                  QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption icons(
        QStringLiteral("icons"),
        QStringLiteral("Only draw the program icon into DIR/hicolor (with --icon-name)."),
        QStringLiteral("DIR"));
    const QCommandLineOption iconName(QStringLiteral("icon-name"),
                                      QStringLiteral("The icon's name (the desktop file id)."),
                                      QStringLiteral("NAME"));
    const QCommandLineOption vectorArt(
        QStringLiteral("vector-art"),
        QStringLiteral("Folder of the unpacked artwork packages (noto, flag-icons)."),
        QStringLiteral("DIR"));
    parser.addOptions({recipe, outDir, manifest, stamp, espeak, jobs, icons, iconName, vectorArt});
    parser.process(app);
    if (parser.isSet(icons)) {
        QString error;
        if (!tw::content::IconArtist::writeTheme(parser.value(icons), parser.value(iconName),
                                                 &error)) {
            qCritical("content: %s", qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (!parser.isSet(recipe) || !parser.isSet(outDir)) {
        qCritical("content: --recipe and --out are required");
        return 2;
    }

    tw::content::ContentGenerator::Options options;
    options.recipePath = parser.value(recipe);
    options.outDir = parser.value(outDir);
    options.manifestPath = parser.value(manifest);
    options.espeak = parser.value(espeak);
    options.vectorArtDir = parser.value(vectorArt);
    options.parallel = qBound(1, parser.value(jobs).toInt(), 8);
    if (!tw::content::ContentGenerator(options).run())
        return 1;

    if (parser.isSet(stamp)) {
        QFile file(parser.value(stamp));
        if (!file.open(QIODevice::WriteOnly) || file.write("done\n") < 0) {
            qCritical("content: cannot write the stamp file");
            return 1;
        }
    }
    return 0;
}
