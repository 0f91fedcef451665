#include "app/command_line.h"

#include "blastmap/version.h"

#include <algorithm>
#include <array>
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

// Qt's standard options, as its documentation lists them; Qt takes them with one dash or two.
constexpr std::array<std::string_view, 6> kQtFlags{"reverse", "widgetcount", "nograb",
                                                   "dograb",  "sync",        "testability"};
constexpr std::array<std::string_view, 20> kQtOptionsWithValue{
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",
    "qwindowicon",   "qwindowtitle",
    "session",       "display",
    "geometry",      "title",
    "icon",          "name",
    "visual",        "ncols",
    "cmap",          "style",
    "stylesheet",    "im"};
// The options Qt also takes as -option=value.
constexpr std::array<std::string_view, 3> kQtOptionsJoined{"style", "stylesheet", "qmljsdebugger"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

int reportUsageError(const char* argument)
{
    // The game takes no operands, so a word without a dash is no more welcome than an option.
    const char* kind = argument[0] == '-' ? "unknown option" : "unexpected argument";
    std::fprintf(stderr, "blastmap: %s '%s'\nTry 'blastmap --help' for more information.\n", kind,
                 argument);
    return kUsageErrorStatus;
}

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

std::optional<int> rejectArgumentsUnknownToQt(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--"))
            option.remove_prefix(1);
        if (!option.starts_with('-') || option.size() < 2)
            return reportUsageError(argv[i]);
        option.remove_prefix(1);
        const std::size_t equals = option.find('=');
        if (equals != std::string_view::npos && among(kQtOptionsJoined, option.substr(0, equals)))
            continue;
        if (among(kQtOptionsWithValue, option) && i + 1 < argc)
            ++i;
        else if (!among(kQtFlags, option))
            return reportUsageError(argv[i]);
    }
    return std::nullopt;
}

std::optional<int> rejectLeftoverArguments(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    return reportUsageError(argv[1]);
}

} // namespace app
