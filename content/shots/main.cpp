// tumblewick_shots: plays each game of Tumblewick for a moment on the offscreen platform and
// saves a picture of the window, for the help manual. Runs at build time, after the content.
#include "common/Constants.h"
#include "platform/fakes/FakePlatform.h"
#include "shell/Educate.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Readable on a phone and sharp on a full-screen window.
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr std::uint32_t kSeed = 7; // the same deal on every build
constexpr int kTicks = 2; // clock ticks before the picture: the first question is asked
constexpr int kSettleSteps = 20; // event rounds to let layouts and paints happen

// The pictures' file names, by game id; the manual refers to these.
const char *const kShotNames[tw::GameCount]
    = {"Sounds",         "Colors",      "InitialLetters", "JigSawPuzzle", "SlidingPuzzle",
       "Pairs",          "Arithmetic",  "Spelling",       "Flags",        "Words",
       "NumberCounting", "HideAndSeek", "ColoringBook",   "PaintBox"};

// Lets Qt lay out and paint while the fake clock moves on, so every wait in
// a game's set-up ends at once.
class ShotPump : public tw::EventPump
{
public:
    explicit ShotPump(tw::FakeClock &clock)
        : m_clock(clock)
    { }
    void processEvents() override
    {
        QCoreApplication::processEvents();
        m_clock.advance(kStep);
    }
    void pauseBriefly() override { m_clock.advance(kStep); }

private:
    static constexpr double kStep = 0.1;
    tw::FakeClock &m_clock;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pictures of every game for the manual."));
    parser.addHelpOption();
    const QCommandLineOption appFolder(
        QStringLiteral("app-folder"), QStringLiteral("The content folder."), QStringLiteral("DIR"));
    const QCommandLineOption outDir(QStringLiteral("out"), QStringLiteral("Where the pictures go."),
                                    QStringLiteral("DIR"));
    parser.addOptions({appFolder, outDir});
    parser.process(app);
    if (!parser.isSet(appFolder) || !parser.isSet(outDir)) {
        std::fprintf(stderr, "shots: --app-folder and --out are required\n");
        return 2;
    }
    const QDir out(parser.value(outDir));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "shots: cannot make %s\n", qPrintable(out.path()));
        return 1;
    }
    // Settings and puzzle pieces go to a scratch folder, never into the content.
    QTemporaryDir scratch;

    tw::Platform platform;
    const tw::FakePlatform fakes = tw::FakePlatform::make(platform, kSeed);
    platform.pump = std::make_unique<ShotPump>(*fakes.clock);
    tw::Educate window(std::move(platform), parser.value(appFolder), scratch.path());
    window.resize(kWidth, kHeight);
    window.show();
    window.Form_Load();
    window.Form_Activate();

    int failures = 0;
    for (int game = 0; game < tw::GameCount; ++game) {
        window.menus().click(tw::MenuId::MNU_Game, game);
        for (int tick = 0; tick < kTicks; ++tick)
            window.clock().Timer1_Timer();
        for (int step = 0; step < kSettleSteps; ++step)
            window.platform().pump->processEvents();
        const QString file = out.filePath(QLatin1String(kShotNames[game]) + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "shots: cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    for (const QString &message : fakes.dialogs->messages)
        std::fprintf(stderr, "shots: the program said: %s\n", qPrintable(message));
    window.Unload();
    return failures == 0 ? 0 : 1;
}
