#include "app/command_line.h"

#include "blastmap/version.h"

#include <cstdio>
#include <string_view>

namespace app {
namespace {

constexpr int kUsageErrorStatus = 2;

constexpr const char* kUsage =
    "Usage: blastmap [-h | --help] [-v | --version] [qt-option ...]\n"
    "A reflex game on a map: hit the tyrant when he pops up, spare the civilians.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the name and version and exit\n"
    "\n"
    "Qt's standard options are honoured too, among them -platform NAME, -display NAME\n"
    "and -style NAME. See blastmap(6).\n";

} // namespace

std::optional<int> answerInformationOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::fputs(BLASTMAP_NAME " " BLASTMAP_VERSION "\n", stdout);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> rejectLeftoverArguments(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    // The game takes no operands, so a word without a dash is no more welcome than an option.
    const char* argument = argv[1];
    const char* kind = argument[0] == '-' ? "unknown option" : "unexpected argument";
    std::fprintf(stderr, "blastmap: %s '%s'\nTry 'blastmap --help' for more information.\n", kind,
                 argument);
    return kUsageErrorStatus;
}

} // namespace app
