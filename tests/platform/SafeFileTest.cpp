// Reading files where a FIFO, a device or a link may lie in wait (replacing
// one is tested with the settings file).
#include "platform/SafeFile.h"
#include "platform/WaveHeader.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tw;

using test::writeFile;

TEST(SafeFile, OnlyRegularFilesWithinTheirLimitAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero"))));
    writeFile(dir.filePath(QStringLiteral("small")), "hello");
    writeFile(dir.filePath(QStringLiteral("big")), QByteArray(100, 'x'));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("small")), dir.filePath(QStringLiteral("link"))));
    struct Case
    {
        const char *name;
        bool ok;
    };
    for (const Case &c :
         {Case {"small", true}, Case {"link", true}, Case {"fifo", false}, Case {"zero", false},
          Case {"big", false}, Case {"missing", false}, Case {".", false}}) {
        const FileBytes got = readRegularFile(dir.filePath(QLatin1String(c.name)), 10);
        EXPECT_EQ(got.ok(), c.ok) << c.name;
        EXPECT_EQ(got.refusal.isEmpty(), c.ok) << c.name;
        EXPECT_EQ(got.bytes, c.ok ? QByteArray("hello") : QByteArray()) << c.name;
    }
    const FileBytes head = readFileHead(dir.filePath(QStringLiteral("big")), 10);
    EXPECT_EQ(head.bytes, QByteArray(10, 'x'));
    EXPECT_EQ(head.size, 100);
    // A sound that is a FIFO is no sound, at once.
    EXPECT_FALSE(readWaveInfo(fifo).valid);
    EXPECT_FALSE(readFileHead(dir.filePath(QStringLiteral("zero")), 10).ok());
}
