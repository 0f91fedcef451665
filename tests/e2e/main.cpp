// Runs the end-to-end tests with a QCoreApplication, so that Qt's image plugins decode pictures.
// Besides GoogleTest's options it takes --desktop= and --program=, which set BLASTMAP_E2E_DESKTOP
// and BLASTMAP_E2E_PROGRAM for the run: what a test runner passes more easily as arguments than
// as an environment.
#include <QCoreApplication>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

namespace {

struct Setting {
    std::string_view option;
    const char* variable;
};

constexpr Setting kSettings[] = {
    {"--desktop=", "BLASTMAP_E2E_DESKTOP"},
    {"--program=", "BLASTMAP_E2E_PROGRAM"},
};

// Sets the variable of each such option and leaves the other arguments for GoogleTest and Qt.
void takeSettings(int& argc, char** argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        bool taken = false;
        for (const Setting& setting : kSettings)
            if (argument.starts_with(setting.option)) {
                setenv(setting.variable, argv[i] + setting.option.size(), 1);
                taken = true;
            }
        if (!taken)
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    takeSettings(argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
