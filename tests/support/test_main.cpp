// Runs GoogleTest inside a QApplication, on Qt's offscreen platform unless told otherwise.
//
// With --require-platform-theme the run checks the platform theme that QT_QPA_PLATFORMTHEME
// names: it fails unless Qt really loaded that theme, which it silently goes without when it
// cannot, and unless at least one test ran, so that such a run never passes having checked
// nothing under the theme.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Takes the option out of the arguments, so that GoogleTest does not see it.
bool takeOption(int& argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) {
            for (int j = i; j < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            return true;
        }
    }
    return false;
}

// Qt loads a theme called NAME from the plugin libqNAME.so, which then lies in our memory.
bool platformThemeLoaded(const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return !name.isEmpty() && maps.open(QIODevice::ReadOnly) &&
           maps.readAll().contains("/platformthemes/libq" + name + ".so");
}

} // namespace

int main(int argc, char** argv)
{
    const bool requireTheme = takeOption(argc, argv, "--require-platform-theme");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const QByteArray theme = qgetenv("QT_QPA_PLATFORMTHEME");
    if (requireTheme && !platformThemeLoaded(theme)) {
        std::fprintf(stderr, "the platform theme \"%s\" is not loaded\n", theme.constData());
        return 1;
    }
    const int status = RUN_ALL_TESTS();
    if (requireTheme && ::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test ran under the platform theme \"%s\"\n", theme.constData());
        return 1;
    }
    return status;
}
