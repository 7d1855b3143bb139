// A seeded stream of random clicks, drags, keys, menu commands, resizes, ticks
// and game switches, also during waits, over every game: nothing crashes,
// every wait ends, the settings still read back, no control leaves the window.
// TUMBLEWICK_MONKEY_SEED replays a failing run.
#include "platform/SafeFile.h"
#include "quiz/GameContent.h"
#include "shell/GameClock.h"
#include "speech/SpeechFixtures.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <random>

namespace tw::test {
namespace {

constexpr int kEvents = 20000;
constexpr int kDeepestNesting = 3; // events thrown into waits within waits
constexpr double kLongestStep = 400.0; // fake seconds; the password dialog gives up at 300
// Items that would leave the program or open a real program or printer.
const QStringList kNeverClicked {"MNU_Exit", "MNU_About", "MNU_Manual", "MNU_Print",
                                 "MNU_PSetting"};

struct Monkey
{
    GameWindow &t;
    std::mt19937 random;
    int depth = 0;

    int pick(int n) { return int(random() % unsigned(std::max(n, 1))); }
    QPoint somewhere(QWidget *w) { return QPoint(pick(w->width()), pick(w->height())); }
    QWidget *randomControl()
    {
        QList<QWidget *> shown;
        for (QWidget *c : t.w().playArea()->findChildren<QWidget *>())
            if (c->isVisible())
                shown << c;
        return shown.isEmpty() ? t.w().playArea() : shown.at(pick(int(shown.size())));
    }
    void drag()
    {
        Educate &w = t.w();
        QWidget *from = randomControl();
        const QPoint a = from->mapTo(&w, somewhere(from));
        const QPoint b = w.playArea()->mapTo(&w, somewhere(w.playArea()));
        QTest::mousePress(from, Qt::LeftButton, {}, from->mapFrom(&w, a));
        for (int step = 1; step <= 3; ++step)
            QTest::mouseMove(&w, a + (b - a) * step / 3);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, b);
    }
    void menuCommand()
    {
        QList<QAction *> items;
        for (QMenu *menu : t.w().menuBar()->findChildren<QMenu *>())
            for (QAction *a : menu->actions())
                if (!a->menu() && !a->isSeparator() && a->isEnabled() && a->isVisible()
                    && std::none_of(
                        kNeverClicked.begin(), kNeverClicked.end(),
                        [a](const QString &n) { return a->objectName().startsWith(n); }))
                    items << a;
        if (!items.isEmpty())
            items.at(pick(int(items.size())))->trigger();
    }
    void act()
    {
        Educate &w = t.w();
        const int kind = pick(100);
        if (kind < 30) {
            QWidget *c = randomControl();
            QTest::mouseClick(c, pick(5) ? Qt::LeftButton : Qt::RightButton, {}, somewhere(c));
        } else if (kind < 38) {
            drag();
        } else if (kind < 48) {
            QTest::keyClick(&w, Qt::Key(Qt::Key_A + pick(26)));
        } else if (kind < 62) {
            menuCommand();
        } else if (kind < 65) {
            w.resize(300 + pick(900), 250 + pick(650));
        } else if (kind < 68) {
            w.MNU_Game_Click(pick(GameCount));
        } else {
            t.fakes.clock->advance(1.0);
            w.clock().Timer1_Timer();
        }
    }
    void duringWait()
    {
        PasswordLock &lock = t.lock();
        if (lock.asking() && lock.dialog()->isVisible() && pick(4) == 0)
            QTest::mouseClick(pick(2) ? lock.dialog()->ComCancel() : lock.dialog()->ComOK(),
                              Qt::LeftButton);
        if (depth < kDeepestNesting && pick(5) == 0) {
            ++depth;
            act();
            --depth;
        }
    }
};

TEST(Monkey, TwentyThousandRandomEventsOverEveryGame)
{
    const QByteArray fromEnv = qgetenv("TUMBLEWICK_MONKEY_SEED");
    const std::uint32_t seed = fromEnv.isEmpty() ? 20261206u : fromEnv.toUInt();
    SCOPED_TRACE(::testing::Message() << "TUMBLEWICK_MONKEY_SEED=" << seed);

    GameWindow t(seed);
    Educate &w = t.w();
    const QString app = w.shell.AppFolder;
    for (const char *subject : {"Misc", "Animals", "Fruit_Veg", "Transport", "Flags", "Background"})
        addPictures(app, QLatin1String(subject), shortNames(10, QLatin1Char(subject[0])));
    addSounds(app, shortNames(10, QLatin1Char('A')));
    writeCharacter(app + QStringLiteral("Characters"), QStringLiteral("Cat"));
    installVoice(t);

    // A real dialog run modally would wait for a person: it is closed and counted.
    int modalDialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++modalDialogs;
            modal->close();
        }
    });
    closer.start(200);

    Monkey monkey {t, std::mt19937(seed)};
    t.fakes.pump->onPump = [&] { monkey.duringWait(); };
    w.start();
    w.clock().stopTimer(); // the monkey ticks by hand
    for (int step = 0; step < kEvents && !::testing::Test::HasFailure(); ++step) {
        SCOPED_TRACE(step);
        const double before = t.fakes.clock->now;
        monkey.act();
        EXPECT_LT(t.fakes.clock->now - before, kLongestStep) << "a wait did not end";
        EXPECT_FALSE(w.shell.Loading) << "a wait is still marked as running";
        EXPECT_TRUE(parseSettings(writeSettings(w.settings().currentValues())).complete());
        const QRect area = w.playArea()->rect();
        for (QWidget *c : w.playArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(!c->isVisible() || area.intersects(c->geometry()))
                << c->metaObject()->className() << " at " << c->x() << "," << c->y();
    }
    t.fakes.pump->onPump = nullptr;
    ASSERT_TRUE(w.settings().SaveData());
    EXPECT_TRUE(
        parseSettings(readRegularFile(w.settings().settingsPath(), 1 << 16).bytes).complete());
    EXPECT_EQ(modalDialogs, 0);
}

} // namespace
} // namespace tw::test
