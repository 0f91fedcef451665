#include "bench/driver/options.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace bench {
namespace {

[[noreturn]] void usage()
{
    std::fprintf(
        stderr,
        "usage: blastmap-bench-driver [--quick] [--runs N] [--idle-seconds N]\n"
        "       [--timer-seconds N] [--presses N] [--soak-seconds N]\n"
        "       [--only startup,attribution,idle,timers,press,soak] [--compare GAME]\n"
        "--compare GAME (repeatable) adds another build of the game to the start-up runs.\n");
    std::exit(2);
}

int number(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1 || value > 100000)
        usage();
    return static_cast<int>(value);
}

} // namespace

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--quick") {
            options.soakSeconds = 60;
        } else if (arg == "--runs" && hasValue) {
            options.runs = number(argv[++i]);
        } else if (arg == "--idle-seconds" && hasValue) {
            options.idleSeconds = number(argv[++i]);
        } else if (arg == "--timer-seconds" && hasValue) {
            options.timerSeconds = number(argv[++i]);
        } else if (arg == "--presses" && hasValue) {
            options.presses = number(argv[++i]);
        } else if (arg == "--soak-seconds" && hasValue) {
            options.soakSeconds = number(argv[++i]);
        } else if (arg == "--compare" && hasValue) {
            options.compare.push_back(argv[++i]);
        } else if (arg == "--only" && hasValue) {
            std::istringstream list(argv[++i]);
            std::string figure;
            while (std::getline(list, figure, ','))
                options.only.insert(figure);
        } else {
            usage();
        }
    }
    return options;
}

} // namespace bench
