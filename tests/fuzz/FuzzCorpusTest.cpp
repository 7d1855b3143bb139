// Every seed of every fuzz target goes through its reader in the ordinary build.
#include "fuzz/FuzzTargets.h"
#include "support/Files.h"

#include <QDir>

#include <gtest/gtest.h>

namespace tw::fuzz {
namespace {

TEST(FuzzCorpus, EverySeedOfEveryReaderIsReadWithoutFault)
{
    for (const Target &target : targets()) {
        const QDir corpus(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/tests/fuzz/corpus/")
                          + QLatin1String(target.name));
        const QStringList seeds = corpus.entryList(QDir::Files);
        EXPECT_FALSE(seeds.isEmpty()) << target.name;
        for (const QString &seed : seeds) {
            SCOPED_TRACE(seed.toStdString());
            const QByteArray bytes = test::readFile(corpus.filePath(seed));
            ASSERT_FALSE(bytes.isEmpty()) << "no seed is empty: this one could not be read";
            target.run(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                       std::size_t(bytes.size()));
        }
    }
}

} // namespace
} // namespace tw::fuzz
