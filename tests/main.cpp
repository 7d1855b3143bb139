// Test entry point: a QApplication on the offscreen platform for widget tests.
#include <QApplication>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define TUMBLEWICK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TUMBLEWICK_ASAN 1
#endif
#endif
#ifdef TUMBLEWICK_ASAN
// Qt and the font libraries keep their caches until the process ends: what
// the sanitizer build looks for is a wrong use of memory, not these.
extern "C" const char *__asan_default_options() { return "detect_leaks=0"; }
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
