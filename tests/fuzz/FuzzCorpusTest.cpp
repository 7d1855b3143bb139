// Every seed of every fuzz target goes through its reader in the ordinary build.
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tw::fuzz {
namespace {

class FuzzCorpus : public ::testing::TestWithParam<const char *>
{
};

TEST_P(FuzzCorpus, EverySeedIsReadWithoutFault)
{
    const Target *target = findTarget(GetParam());
    ASSERT_NE(target, nullptr);
    const QDir corpus(QStringLiteral(TUMBLEWICK_SOURCE_DIR "/tests/fuzz/corpus/")
                      + QLatin1String(GetParam()));
    const QStringList seeds = corpus.entryList(QDir::Files);
    ASSERT_FALSE(seeds.isEmpty()) << corpus.path().toStdString();
    for (const QString &seed : seeds) {
        QFile file(corpus.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.toStdString();
        const QByteArray bytes = file.readAll();
        target->run(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                    std::size_t(bytes.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzCorpus,
                         ::testing::Values("settings", "bitmap", "character", "cursor", "wave",
                                           "picture", "talk", "names", "drawing"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
} // namespace tw::fuzz
