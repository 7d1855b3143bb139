// Opening a document through the desktop's opener: an opener that finds no program says so
// through its exit code, and only then does the caller hear "could not open".
#include "platform/QtDesktop.h"
#include "common/FakeTool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace tw;

TEST(QtDesktop, OnlyAnOpenerThatFailsMeansTheDocumentDidNotOpen)
{
    struct Case
    {
        const char *name;
        const char *script; // null: there is no opener at all
        bool expectFailure;
    };
    const Case cases[] = {
        {"no browser found", "exit 3", true},
        {"browser opened", "exit 0", false},
        {"no desktop at all", nullptr, true},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString opener = c.script ? dir.filePath(QStringLiteral("opener")) : QString();
        ASSERT_TRUE(!c.script || test::writeScript(opener, c.script)) << c.name;
        QtDesktop desktop(opener);
        QObject context;
        bool failed = false;
        desktop.openDocument(dir.filePath(QStringLiteral("Manual.htm")), &context,
                             [&] { failed = true; });
        // The answer comes from the event loop, never during the call.
        EXPECT_FALSE(failed) << c.name;
        test::waitUntil([&] { return failed; }, 1500);
        EXPECT_EQ(failed, c.expectFailure) << c.name;
    }
}

TEST(QtDesktop, NoAnswerReachesACallerThatIsGone)
{
    QTemporaryDir dir;
    const QString opener = dir.filePath(QStringLiteral("opener"));
    ASSERT_TRUE(test::writeScript(opener, "exit 4"));
    QtDesktop desktop(opener);
    bool failed = false;
    auto context = std::make_unique<QObject>();
    desktop.openDocument(dir.filePath(QStringLiteral("Manual.htm")), context.get(),
                         [&] { failed = true; });
    context.reset();
    test::waitUntil([] { return false; }, 800);
    EXPECT_FALSE(failed);
}
