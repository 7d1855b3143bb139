// libFuzzer's entry for one target, chosen when it is built (TUMBLEWICK_FUZZ_TARGET).
#include "fuzz/FuzzTargets.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

const tw::fuzz::Target *g_target = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Pictures need a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    g_target = tw::fuzz::findTarget(TUMBLEWICK_FUZZ_TARGET);
    if (!g_target) {
        std::fprintf(stderr, "no fuzz target %s\n", TUMBLEWICK_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    g_target->run(data, size);
    return 0;
}
